#pragma once
// The main window's entry row as a presentation model: every value of the entry fields, which
// field has the focus, the signs, indicators and previous contacts, and the handlers that run
// when the operator types, moves between fields, presses Enter or chooses a band or mode. The
// window copies widget texts in (SetFieldText, OnFocusMoved, ...) and shows what changed() says.

#include "core/presenters/HistoryFill.h"
#include "core/worked/IndicatorMatrices.h"
#include "core/worked/StationRecord.h"

#include <QObject>

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace zelkor {

struct AppContext;
class Clock;
class LogList;
class Prompter;
class WorkedTables;
class WorkingFile;

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

class EntryRow : public QObject {
    Q_OBJECT

public:
    static const std::vector<std::string>& BandList();  // "3,5", "7"
    static const std::vector<std::string>& ModeList();  // "SSB", "CW", "RTTY", "PSK31"

    EntryRow(AppContext& context, LogList& log, WorkedTables& tables, WorkingFile& workingFile,
             Prompter& prompter, const Clock& clock, QObject* parent = nullptr);

    // --- What the window shows ----------------------------------------------------------------
    const EntryValues& Values() const { return m_values; }
    EntryField Focus() const { return m_focus; }
    int BandPosition() const;
    int ModePosition() const;
    bool BandListEnabled() const { return m_bandListEnabled; }
    bool ModeListEnabled() const { return m_modeListEnabled; }
    bool AutoDateTime() const { return m_autoDateTime; }
    bool PcShowsUtc() const { return m_pcShowsUtc; }
    // "pc mostra utc" is visible only while automatic date/time is on.
    bool PcShowsUtcVisible() const { return m_autoDateTime; }
    // The interval to the next full minute that the last tick computed, in milliseconds.
    int TimerInterval() const { return m_timerInterval; }
    bool EntryBlocked() const { return m_entryBlocked; }
    bool DupShown() const { return m_dupShown; }
    bool MultiplierShown() const { return m_multiplierShown; }
    const IndicatorMatrices& Matrices() const { return m_matrices; }
    const SwlIndicators& SwlSigns() const { return m_swlIndicators; }
    const std::vector<PreviousContact>& PreviousContacts() const { return m_previousContacts; }
    // The second-station fields (1009, 1011, 1017) are shown in an SWL log.
    bool SwlFieldsShown() const;

    // --- Window start and commands ------------------------------------------------------------
    // The entry-row steps of the window start, after the log has been loaded: date and time,
    // band and mode lists, reports, matrices and the focus in the callsign field.
    void Start();
    // Takes the category presets of the summary data: band or mode preset, lists locked.
    void ApplyCategoryPresets();
    // F9, the "C" button, "Cancella campi input".
    void ClearEntryRow();
    // The entry-row half of a layout switch: fields refreshed, single-letter indicators hidden.
    void OnLayoutSwitched();
    // After the province table changed: the names shown follow it.
    void RefreshProvinceNames();
    // After New or Open: nothing of the old log may stay in the signs and lists.
    void OnLogReplaced();

    // --- Events from the window ---------------------------------------------------------------
    // The operator typed or pasted into a field (already filtered by the field's restrictions).
    void SetFieldText(EntryField field, const std::string& text);
    // The operator moved the focus (Tab, click): the leave handler of the field left runs, then
    // the gain handler of the field entered.
    void OnFocusMoved(EntryField to);
    EnterOutcome OnEntryEnter();
    void OnBandChosen(int position);
    void OnModeChosen(int position);
    void OnAutoDateTimeClicked(bool on);
    void OnPcShowsUtcClicked(bool on);
    // The minute timer's tick (or a forced refresh). Returns the interval to the next full minute
    // in milliseconds.
    int AutoDateTimeTick(bool force);

signals:
    // Show the values: every field, sign, indicator, list and the focus may have changed.
    void changed();

private:
    void MoveFocus(EntryField to);
    void RunLeaveHandler(EntryField field);
    void RunGainHandler(EntryField field);
    void ShowValues();

    void OnCallsignLeave();
    void OnCallsignGain();
    void OnProvinceCodeChange();
    void OnTimeLeave();
    void AfterBandOrModeChange();
    EnterOutcome LogQsoEntry();
    // Appends new rows' lines to the working file, or rewrites it when that fails.
    void AppendRows(const std::string& lines);
    void MarkModified();
    // SWL entry.
    void OnCallingStationLeave();
    void OnAnsweringCallsignLeave();
    void OnAnsweringProvinceCodeChange();
    EnterOutcome InsertSwlEntry();
    EnterOutcome LogSwlEntry();
    void ExchangeRoles();
    void ShowAnswerIndicators(int answerCount);
    // The station's record in the list now, or a new record for it; found tells which.
    StationRecord CurrentRecord(const std::string& callsign, bool* found = nullptr) const;
    // The current band and mode group, as the entry row's lists show them.
    int EntryBandIndex() const;
    int EntryModeRow() const;
    EnterOutcome DiscardBlockedEntry();
    void ResetReportsForMode();
    // Shows a province's table entry in a matrix with that matrix's new-multiplier sign.
    void ShowProvince(const std::string& code, IndicatorMatrix matrix);
    void SetMultiplierSign(IndicatorMatrix matrix, bool shown);
    // A province code's name, matrix and new-multiplier sign, after the code changed.
    void ShowProvinceCode(const std::string& code, std::string& name, IndicatorMatrix matrix);
    std::string DefaultReport() const;

    AppContext& m_context;
    LogList& m_log;
    WorkedTables& m_tables;
    WorkingFile& m_workingFile;
    Prompter& m_prompter;
    const Clock& m_clock;

    EntryValues m_values;
    EntryField m_focus = EntryField::Callsign;
    bool m_bandListEnabled = true;
    bool m_modeListEnabled = true;
    bool m_autoDateTime = false;
    int m_timerInterval = 60000;
    bool m_pcShowsUtc = false;
    bool m_entryBlocked = false;
    bool m_dupShown = false;
    bool m_multiplierShown = false;
    IndicatorMatrices m_matrices;
    SwlIndicators m_swlIndicators;
    std::vector<PreviousContact> m_previousContacts;
    // The province code as last shown: a change runs the code's change handler, as a changed
    // field text does.
    std::string m_shownProvinceCode;
    std::string m_shownAnsweringProvinceCode;
    // The field whose leave handler is running, if any.
    EntryField m_leavingField = EntryField::Other;
    // What the heard stations' records said when their fields were left; logging looks both
    // up again, since the list may have changed in between.
    StationRecord m_callingCopy;
    StationRecord m_answeringCopy;
    // The calling and answering stations an SWL block was found for.
    std::pair<std::string, std::string> m_blockedPair;
    // Counts focus moves, so that a move whose leave handler sent the focus elsewhere stops.
    int m_focusGeneration = 0;
    // Province codes from the call history, where the log gives none.
    HistoryFill m_historyFill;
};

}  // namespace zelkor
