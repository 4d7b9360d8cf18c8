#include "entry/WorkedTables.h"

#include "log/LogList.h"
#include "text/Text.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zelkor {

namespace {

// The record of a station that has not been heard yet: no bits, no answers, no province.
StationRecord NewStation(std::string_view callsign)
{
    StationRecord record;
    record.callsign = callsign;
    return record;
}

// The station's current record, or a new one.
StationRecord RecordOf(const StationList& stations, const StationLookup& lookup,
                       std::string_view callsign)
{
    return lookup.found ? stations.At(lookup.position) : NewStation(callsign);
}

}  // namespace

void WorkedTables::AddRowToWorkedTables(const LogList& log, int row, CallerProvinceRule rule)
{
    // Band and mode sit in the same columns in both layouts.
    const int bandIndex = BandIndexFromText(log.Cell(row, QsoColumn::Band));
    const std::optional<int> modeRow = ModeRowFromText(log.Cell(row, QsoColumn::Mode));
    if (!modeRow) {
        return;
    }
    if (!log.IsSwl()) {
        m_provinces.MarkProvinceWorked(ProvinceIndexOf(log.Cell(row, QsoColumn::ProvinceCode)),
                                       *modeRow, BandBit(bandIndex));
        return;
    }
    m_provinces.MarkProvinceWorked(ProvinceIndexOf(log.Cell(row, SwlColumn::ProvinceCode)),
                                   *modeRow, BandBit(bandIndex));
    AddHeardStations(log, row, bandIndex, *modeRow, rule);
}

void WorkedTables::AddHeardStations(const LogList& log, int row, int bandIndex, int modeRow,
                                    CallerProvinceRule rule)
{
    const std::string_view province = log.Cell(row, SwlColumn::ProvinceCode);

    // Each station is looked up only when its turn comes: when both columns hold the same
    // callsign, the answer must land on the record the call has just created or changed.
    const std::string_view caller = log.Cell(row, SwlColumn::CallingCallsign);
    const StationLookup callerAt = m_stations.FindStation(caller);
    StationRecord callerRecord = RecordOf(m_stations, callerAt, caller);
    callerRecord.MarkCaller(bandIndex, modeRow);
    if (rule == CallerProvinceRule::Replace || callerRecord.province.empty()) {
        callerRecord.province = province;
    }
    m_stations.StoreStationAt(callerAt, std::move(callerRecord));

    // An answering station's province is not in the row; a new record starts without one.
    const std::string_view answerer = log.Cell(row, SwlColumn::AnsweringCallsign);
    const StationLookup answererAt = m_stations.FindStation(answerer);
    StationRecord answererRecord = RecordOf(m_stations, answererAt, answerer);
    answererRecord.RaiseAnswerCount(bandIndex, modeRow);
    m_stations.StoreStationAt(answererAt, std::move(answererRecord));
}

void WorkedTables::RebuildWorkedTables(const LogList& log, CallerProvinceRule rule)
{
    m_provinces.Clear();
    if (!log.IsSwl()) {
        for (int row = 0; row < log.RowCount(); ++row) {
            AddRowToWorkedTables(log, row, rule);
        }
        return;
    }
    RebuildStationList(log, rule);
}

void WorkedTables::RebuildStationList(const LogList& log, CallerProvinceRule rule)
{
    // Every appearance of a station in the log, as calling (even sequence) or answering (odd)
    // station of a row that marks something. Sorted by callsign and then by sequence, each
    // station's appearances come together in log order, the caller of a row before its
    // answerer, so that each record is made in one go, exactly as row-by-row accounting
    // would leave it.
    struct Appearance {
        std::string_view callsign;
        int sequence;
    };
    std::vector<Appearance> appearances;
    appearances.reserve(static_cast<std::size_t>(log.RowCount()) * 2);
    for (int row = 0; row < log.RowCount(); ++row) {
        const std::optional<int> modeRow = ModeRowFromText(log.Cell(row, SwlColumn::Mode));
        if (!modeRow) {
            continue;
        }
        m_provinces.MarkProvinceWorked(ProvinceIndexOf(log.Cell(row, SwlColumn::ProvinceCode)),
                                       *modeRow,
                                       BandBit(BandIndexFromText(log.Cell(row, SwlColumn::Band))));
        appearances.push_back({log.Cell(row, SwlColumn::CallingCallsign), 2 * row});
        appearances.push_back({log.Cell(row, SwlColumn::AnsweringCallsign), 2 * row + 1});
    }
    std::sort(appearances.begin(), appearances.end(), [](const Appearance& a, const Appearance& b) {
        const int byCallsign = CompareBytes(a.callsign, b.callsign);
        return byCallsign != 0 ? byCallsign < 0 : a.sequence < b.sequence;
    });

    std::vector<StationRecord> records;
    for (std::size_t first = 0; first < appearances.size();) {
        StationRecord record = NewStation(appearances[first].callsign);
        std::size_t next = first;
        for (; next < appearances.size() && appearances[next].callsign == record.callsign; ++next) {
            const int row = appearances[next].sequence / 2;
            const int bandIndex = BandIndexFromText(log.Cell(row, SwlColumn::Band));
            const int modeRow = *ModeRowFromText(log.Cell(row, SwlColumn::Mode));
            if (appearances[next].sequence % 2 == 1) {
                record.RaiseAnswerCount(bandIndex, modeRow);
                continue;
            }
            record.MarkCaller(bandIndex, modeRow);
            if (rule == CallerProvinceRule::Replace || record.province.empty()) {
                record.province = log.Cell(row, SwlColumn::ProvinceCode);
            }
        }
        records.push_back(std::move(record));
        first = next;
    }
    m_stations.Assign(std::move(records));
}

void WorkedTables::Clear()
{
    m_provinces.Clear();
    m_stations.Clear();
}

}  // namespace zelkor
