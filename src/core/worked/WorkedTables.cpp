#include "core/worked/WorkedTables.h"

#include "core/log/LogList.h"

#include <optional>
#include <string>
#include <utility>

namespace zelkor {

namespace {

// The record of a station that has not been heard yet: no bits, no answers, no province.
StationRecord NewStation(const std::string& callsign)
{
    StationRecord record;
    record.callsign = callsign;
    return record;
}

// The station's current record, or a new one.
StationRecord RecordOf(const StationList& stations, const StationLookup& lookup,
                       const std::string& callsign)
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
    const std::string& province = log.Cell(row, SwlColumn::ProvinceCode);

    // Each station is looked up only when its turn comes: when both columns hold the same
    // callsign, the answer must land on the record the call has just created or changed.
    const std::string& caller = log.Cell(row, SwlColumn::CallingCallsign);
    const StationLookup callerAt = m_stations.FindStation(caller);
    StationRecord callerRecord = RecordOf(m_stations, callerAt, caller);
    callerRecord.MarkCaller(bandIndex, modeRow);
    if (rule == CallerProvinceRule::Replace || callerRecord.province.empty()) {
        callerRecord.province = province;
    }
    m_stations.StoreStationAt(callerAt, std::move(callerRecord));

    // An answering station's province is not in the row; a new record starts without one.
    const std::string& answerer = log.Cell(row, SwlColumn::AnsweringCallsign);
    const StationLookup answererAt = m_stations.FindStation(answerer);
    StationRecord answererRecord = RecordOf(m_stations, answererAt, answerer);
    answererRecord.RaiseAnswerCount(bandIndex, modeRow);
    m_stations.StoreStationAt(answererAt, std::move(answererRecord));
}

void WorkedTables::RebuildWorkedTables(const LogList& log)
{
    m_provinces.Clear();
    if (log.IsSwl()) {
        m_stations.Clear();
    }
    for (int row = 0; row < log.RowCount(); ++row) {
        AddRowToWorkedTables(log, row);
    }
}

void WorkedTables::Clear()
{
    m_provinces.Clear();
    m_stations.Clear();
}

}  // namespace zelkor
