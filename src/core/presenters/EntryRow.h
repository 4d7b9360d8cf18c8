#pragma once
// The main window's entry row as a presentation model: every value of the entry fields, which
// field has the focus, the signs, indicators and previous contacts, and the handlers that run
// when the operator types, moves between fields, presses Enter or chooses a band or mode. The
// window copies widget texts in (SetFieldText, OnFocusMoved, ...) and shows what changed() says.

#include "core/presenters/EntryValues.h"
#include "core/presenters/HistoryFill.h"
#include "core/worked/IndicatorMatrices.h"
#include "core/worked/StationRecord.h"

#include <QObject>
#include <QTimer>

#include <string>
#include <utility>
#include <vector>

namespace zelkor {

struct AppContext;
class Clock;
class LogDocument;
class LogList;
class Prompter;
class WorkedTables;

class EntryRow : public QObject {
    Q_OBJECT

public:
    static const std::vector<std::string>& BandList();  // "3,5", "7"
    static const std::vector<std::string>& ModeList();  // "SSB", "CW", "RTTY", "PSK31"

    EntryRow(AppContext& context, LogDocument& document, Prompter& prompter, const Clock& clock,
             QObject* parent = nullptr);

    // --- What the window shows ----------------------------------------------------------------
    [[nodiscard]] const EntryValues& Values() const { return m_values; }
    [[nodiscard]] EntryField Focus() const { return m_focus; }
    [[nodiscard]] int BandPosition() const;
    [[nodiscard]] int ModePosition() const;
    [[nodiscard]] bool BandListEnabled() const { return m_bandListEnabled; }
    [[nodiscard]] bool ModeListEnabled() const { return m_modeListEnabled; }
    [[nodiscard]] bool AutoDateTime() const { return m_autoDateTime; }
    [[nodiscard]] bool PcShowsUtc() const { return m_pcShowsUtc; }
    // "pc mostra utc" is visible only while automatic date/time is on.
    [[nodiscard]] bool PcShowsUtcVisible() const { return m_autoDateTime; }
    // The interval to the next full minute that the last tick computed, in milliseconds.
    [[nodiscard]] int TimerInterval() const { return m_timerInterval; }
    [[nodiscard]] bool EntryBlocked() const { return m_entryBlocked; }
    [[nodiscard]] bool DupShown() const { return m_dupShown; }
    [[nodiscard]] bool MultiplierShown() const { return m_multiplierShown; }
    [[nodiscard]] const IndicatorMatrices& Matrices() const { return m_matrices; }
    [[nodiscard]] const SwlIndicators& SwlSigns() const { return m_swlIndicators; }
    [[nodiscard]] const std::vector<PreviousContact>& PreviousContacts() const
    {
        return m_previousContacts;
    }
    // The second-station fields (1009, 1011, 1017) are shown in an SWL log.
    [[nodiscard]] bool SwlFieldsShown() const;

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
    // The minute timer's tick: date and time refreshed. Returns the interval to the next full
    // minute in milliseconds.
    int AutoDateTimeTick();

signals:
    // Show the values: every field, sign, indicator, list and the focus may have changed.
    void changed();

private:
    // Marks the start and the end of a public event: the outermost one emits changed() once,
    // if anything was shown.
    class Event {
    public:
        explicit Event(EntryRow& row);
        ~Event();
        Event(const Event&) = delete;
        Event& operator=(const Event&) = delete;

    private:
        EntryRow& m_row;
    };

    void MoveFocus(EntryField to);
    void RunLeaveHandler(EntryField field);
    void RunGainHandler(EntryField field);
    // Asks for the values to be shown when the current event ends.
    void ShowValues() { m_valuesChanged = true; }
    // Shows the values now, before a message box covers the window.
    void ShowValuesNow();
    // The program sets a province code: its change handler runs, as typing a new code does.
    void SetProvinceCode(std::string code);
    void SetAnsweringProvinceCode(std::string code);
    // Empties the callsigns and the province fields of both stations, and in an SWL log hides
    // the single-letter indicators.
    void ClearStationFields();

    void OnCallsignLeave();
    void OnCallsignGain();
    void OnProvinceCodeChange();
    void OnTimeLeave();
    void AfterBandOrModeChange();
    // The band and mode chosen reach the settings file a moment after the choice, once the
    // window has shown it, so that the flush to disk is not part of the change; choices made
    // meanwhile go with it. A failure is told as any settings write's.
    void WriteChoicesSoon();
    void WriteChoices();
    EnterOutcome LogQsoEntry();
    // Logs the rows of one contact or exchange: in the log and the working file, the log marked
    // modified; the operator is told when the working file lacks them.
    void LogRows(const std::vector<std::vector<std::string>>& rows);
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
    [[nodiscard]] int EntryBandIndex() const;
    [[nodiscard]] int EntryModeRow() const;
    EnterOutcome DiscardBlockedEntry();
    EnterOutcome RefuseEntry(EntryField focus);
    void ResetReportsForMode();
    // Shows a province's table entry in a matrix with that matrix's new-multiplier sign.
    void ShowProvince(const std::string& code, IndicatorMatrix matrix);
    void SetMultiplierSign(IndicatorMatrix matrix, bool shown);
    // A province code's name, matrix and new-multiplier sign, after the code changed.
    void ShowProvinceCode(const std::string& code, std::string& name, IndicatorMatrix matrix);
    [[nodiscard]] std::string DefaultReport() const;

    AppContext& m_context;
    LogDocument& m_document;
    LogList& m_log;
    WorkedTables& m_tables;
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
    // The province codes their change handlers last ran for.
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
    int m_eventDepth = 0;
    bool m_valuesChanged = false;
    // Province codes from the call history, where the log gives none.
    HistoryFill m_historyFill;
    QTimer m_choiceWrite;
};

}  // namespace zelkor
