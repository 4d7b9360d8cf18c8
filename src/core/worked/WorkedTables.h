#pragma once
// The tables derived from the log that the entry row's indicators read: the provinces worked per
// band and mode group (both layouts) and the heard stations (SWL layout). Rebuilt from the log
// whenever it changes other than by a new row; never saved.

#include "core/log/LogFile.h"
#include "core/worked/ProvinceWorkedTable.h"
#include "core/worked/StationList.h"

class QIODevice;

namespace zelkor {

class LogList;
class ProvinceTable;

// What accounting a row does to the province of a calling station that already has a record.
// Live accounting takes the row's province; the log-file loader keeps a province the record
// already has and only fills an empty one.
enum class CallerProvinceRule { Replace, KeepExisting };

class WorkedTables {
public:
    [[nodiscard]] const ProvinceWorkedTable& Provinces() const { return m_provinces; }
    ProvinceWorkedTable& Provinces() { return m_provinces; }
    [[nodiscard]] const StationList& Stations() const { return m_stations; }
    StationList& Stations() { return m_stations; }

    // Accounts one row of the log, read cell by cell in the log's layout. A row whose mode text
    // has no ModeRow marks nothing; a row outside the log reads as empty cells and so does too.
    void AddRowToWorkedTables(const LogList& log, int row,
                              CallerProvinceRule rule = CallerProvinceRule::Replace);
    // Clears the province table, empties the station list of an SWL log, then accounts every row
    // from the first to the last. The result is what AddRowToWorkedTables gives row after row,
    // but the station list is built whole instead of by inserting one station at a time.
    void RebuildWorkedTables(const LogList& log,
                             CallerProvinceRule rule = CallerProvinceRule::Replace);
    void Clear();

private:
    void AddHeardStations(const LogList& log, int row, int bandIndex, int modeRow,
                          CallerProvinceRule rule);
    void RebuildStationList(const LogList& log, CallerProvinceRule rule);

    ProvinceWorkedTable m_provinces;
    StationList m_stations;
};

// Reads a log file as ReadLogFile does, then clears the tables and accounts every row read the
// way loading a log does: a calling station keeps the first province it was heard with.
LogReadResult ReadLogFile(QIODevice& device, const ProvinceTable& provinces, LogList& log,
                          SummaryData& summary, WorkedTables& tables);

}  // namespace zelkor
