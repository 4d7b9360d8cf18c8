#pragma once
// The two layouts of the log and the column positions of each, shared by everything that reads
// or writes log cells (file reader and writer, entry, editing, scoring, exports, printing).

namespace zelkor {

// A QSO log records contacts made by the entrant; an SWL log records contacts heard.
enum class LogLayout { Qso, Swl };

// Columns of a QSO row. Plain enumerators inside a namespace so that they read as
// QsoColumn::Callsign and still index cells as ints.
namespace QsoColumn {
enum Index : int {
    Number,
    Date,
    Time,
    Band,
    Mode,
    Callsign,
    ReportSent,
    ReportReceived,
    ProvinceCode,
    ProvinceName,
    Count
};
}  // namespace QsoColumn

// Columns of a heard-contact (SWL) row.
namespace SwlColumn {
enum Index : int {
    Number,
    Date,
    Time,
    Band,
    Mode,
    CallingCallsign,
    Report,
    ProvinceCode,
    AnsweringCallsign,
    Count
};
}  // namespace SwlColumn

}  // namespace zelkor
