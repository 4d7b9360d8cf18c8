#include "core/worked/WorkedTables.h"

#include "core/log/LogList.h"

#include <algorithm>
#include <cstdint>
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

// One appearance of a station in an SWL log while the station list is rebuilt.
struct Appearance {
    // The first eight bytes, big-endian and zero-filled. With the length they order and tell
    // apart every callsign of up to eight bytes without a look at the row's bytes, which lie
    // anywhere in the log.
    std::uint64_t prefix;
    // 2 x row for the calling station, 2 x row + 1 for the answering one.
    std::uint32_t sequence;
    std::uint32_t length;
};

constexpr std::uint32_t kPrefixLength = 8;

std::uint64_t PrefixOf(std::string_view callsign)
{
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < kPrefixLength; ++i) {
        prefix =
            (prefix << 8) | (i < callsign.size() ? static_cast<unsigned char>(callsign[i]) : 0U);
    }
    return prefix;
}

std::string_view CallsignOf(const LogList& log, const Appearance& a)
{
    return log.Cell(static_cast<int>(a.sequence / 2), a.sequence % 2 == 0
                                                          ? SwlColumn::CallingCallsign
                                                          : SwlColumn::AnsweringCallsign);
}

// string_view compares like memcmp, on unsigned bytes, as CompareBytes does.
int CompareCallsigns(const LogList& log, const Appearance& a, const Appearance& b)
{
    if (a.prefix != b.prefix) {
        return a.prefix < b.prefix ? -1 : 1;
    }
    if (a.length <= kPrefixLength && b.length <= kPrefixLength) {
        // Past the prefix both are zero-filled: the shorter text comes first.
        return a.length == b.length ? 0 : (a.length < b.length ? -1 : 1);
    }
    return CallsignOf(log, a).compare(CallsignOf(log, b));
}

// One record per station from the appearances sorted by callsign and sequence; marks holds
// 4 x band index + mode row of each row.
std::vector<StationRecord> StationRecords(const LogList& log,
                                          const std::vector<Appearance>& appearances,
                                          const std::vector<std::uint8_t>& marks,
                                          CallerProvinceRule rule)
{
    std::size_t stations = appearances.empty() ? 0 : 1;
    for (std::size_t i = 1; i < appearances.size(); ++i) {
        stations += CompareCallsigns(log, appearances[i - 1], appearances[i]) != 0 ? 1 : 0;
    }
    std::vector<StationRecord> records;
    records.reserve(stations);
    for (std::size_t first = 0; first < appearances.size();) {
        StationRecord record = NewStation(CallsignOf(log, appearances[first]));
        // The province is read from the row only where it can decide: the last calling row
        // under the live rule, the calling rows up to the first with a province under the
        // loader's.
        int provinceRow = -1;
        std::size_t next = first;
        for (; next < appearances.size() &&
               CompareCallsigns(log, appearances[next], appearances[first]) == 0;
             ++next) {
            const int row = static_cast<int>(appearances[next].sequence / 2);
            const std::uint8_t mark = marks[static_cast<std::size_t>(row)];
            const int bandIndex = mark / 4;
            const int modeRow = mark % 4;
            if (appearances[next].sequence % 2 == 1) {
                record.RaiseAnswerCount(bandIndex, modeRow);
                continue;
            }
            record.MarkCaller(bandIndex, modeRow);
            if (rule == CallerProvinceRule::Replace) {
                provinceRow = row;
            } else if (record.province.empty()) {
                record.province = log.Cell(row, SwlColumn::ProvinceCode);
            }
        }
        if (provinceRow >= 0) {
            record.province = log.Cell(provinceRow, SwlColumn::ProvinceCode);
        }
        records.push_back(std::move(record));
        first = next;
    }
    return records;
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
    // would leave it, without a sorted list that every new station would shift.

    // Band index and mode row of each row, 4 x band + mode.
    std::vector<std::uint8_t> marks(static_cast<std::size_t>(log.RowCount()), 0);
    std::vector<Appearance> appearances;
    appearances.reserve(static_cast<std::size_t>(log.RowCount()) * 2);
    for (int row = 0; row < log.RowCount(); ++row) {
        const std::optional<int> modeRow = ModeRowFromText(log.Cell(row, SwlColumn::Mode));
        if (!modeRow) {
            continue;
        }
        const int bandIndex = BandIndexFromText(log.Cell(row, SwlColumn::Band));
        marks[static_cast<std::size_t>(row)] = static_cast<std::uint8_t>(4 * bandIndex + *modeRow);
        m_provinces.MarkProvinceWorked(ProvinceIndexOf(log.Cell(row, SwlColumn::ProvinceCode)),
                                       *modeRow, BandBit(bandIndex));
        for (const int role : {0, 1}) {
            const std::string_view callsign = log.Cell(
                row, role == 0 ? SwlColumn::CallingCallsign : SwlColumn::AnsweringCallsign);
            appearances.push_back({PrefixOf(callsign), static_cast<std::uint32_t>(2 * row + role),
                                   static_cast<std::uint32_t>(callsign.size())});
        }
    }
    std::sort(appearances.begin(), appearances.end(),
              [&log](const Appearance& a, const Appearance& b) {
                  const int byCallsign = CompareCallsigns(log, a, b);
                  return byCallsign != 0 ? byCallsign < 0 : a.sequence < b.sequence;
              });
    m_stations.Assign(StationRecords(log, appearances, marks, rule));
}

void WorkedTables::Clear()
{
    m_provinces.Clear();
    m_stations.Clear();
}

LogReadResult ReadLogFile(QIODevice& device, const ProvinceTable& provinces, LogList& log,
                          SummaryData& summary, WorkedTables& tables)
{
    LogReadResult result = ReadLogFile(device, provinces, log, summary);
    tables.Clear();
    tables.RebuildWorkedTables(log, CallerProvinceRule::KeepExisting);
    return result;
}

}  // namespace zelkor
