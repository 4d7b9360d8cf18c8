#pragma once
// The values of the entry row and what it shows beside them: the fields in tab order, the
// previous contacts, the SWL indicators and the outcome of an Enter.

#include <array>
#include <string>

namespace zelkor {

// The fields of the entry row, in tab order; Other is any control that is not an entry field
// (lists, check boxes, buttons).
enum class EntryField {
    Date,                   // 1000
    Time,                   // 1001
    Band,                   // 1015
    Mode,                   // 1014
    Callsign,               // 1004
    ReportSent,             // 1005
    ReportReceived,         // 1006
    ProvinceCode,           // 1007
    ProvinceName,           // 1008
    AnsweringCallsign,      // 1009 (SWL)
    AnsweringProvinceCode,  // 1011 (SWL)
    AnsweringProvinceName,  // 1017 (SWL)
    Other,
};

struct EntryValues {
    std::string date;
    std::string time;
    std::string band;
    std::string mode;
    std::string callsign;
    std::string reportSent;
    std::string reportReceived;
    std::string provinceCode;
    std::string provinceName;
    std::string answeringCallsign;
    std::string answeringProvinceCode;
    std::string answeringProvinceName;

    bool operator==(const EntryValues&) const = default;
};

// One line of the previous-contacts list: day of the month, time, band, mode, reports.
struct PreviousContact {
    std::string day;
    std::string time;
    std::string band;
    std::string mode;
    std::string reportSent;
    std::string reportReceived;

    bool operator==(const PreviousContact&) const = default;
};

// The single-letter indicators of an SWL entry: CH (1083), RI (1084, 1086, 1088), MO (1089,
// 1090). Each is shown or hidden, and enabled or disabled.
struct SwlIndicators {
    bool callerShown = false;
    bool callerEnabled = false;
    std::array<bool, 3> answerShown{};
    std::array<bool, 3> answerEnabled{};
    std::array<bool, 2> multiplierShown{};

    bool operator==(const SwlIndicators&) const = default;
};

// What an Enter did, for the window: only NeedSummaryData asks it to act (run the summary data
// command, after which the operator presses Enter again).
enum class EnterOutcome { Nothing, FocusMoved, EntryDiscarded, Refused, Logged, NeedSummaryData };

}  // namespace zelkor
