#pragma once
// The main log window: the log list in the upper half, the previous contacts and the worked
// indicators in the middle, the entry row at the bottom. It runs modally for the whole life of
// the program; the entry row's behaviour lives in the core's EntryRow, which this window shows.

#include "core/radio/RadioLink.h"
#include "core/settings/RadioSettings.h"
#include "core/settings/SummaryData.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QMenuBar;

namespace zelkor {

struct AppContext;
class Clock;
class CPartialCheckDlg;
class CProgressDlg;
class EntryRow;
class EntryRowBinding;
class EntryRowWidgets;
class IndicatorWidgets;
class LogCommands;
class LogDocument;
class LogList;
class LogTableView;
class PartialCheck;
class PreviousContactsList;
class Prompter;
class RadioFollower;
class WorkedTables;
enum class Command : int;
enum class CommandOutcome;

class CVelsadDlg : public QDialog {
    Q_OBJECT

public:
    // Window size in pixels: the dialog's 461 x 264 units in the default 8-point UI font.
    static constexpr int kWidth = 692;
    static constexpr int kHeight = 429;
    static constexpr int kMenuHeight = 22;

    // What the summary data window hands back after "Salva".
    struct SummaryEdit {
        SummaryData data;
        // The window itself already asked whether to switch the log between QSO and SWL.
        bool switchConfirmed = false;
    };
    // Edits the summary data; nothing when cancelled.
    using SummaryEditor = std::function<std::optional<SummaryEdit>(const SummaryData&)>;

    CVelsadDlg(AppContext& context, Prompter& prompter, QWidget* parent = nullptr);
    CVelsadDlg(AppContext& context, Prompter& prompter, const Clock& clock,
               QWidget* parent = nullptr);
    ~CVelsadDlg() override;

    LogList& Log() { return *m_log; }
    WorkedTables& Tables() { return *m_tables; }
    LogCommands& Commands() { return *m_commands; }
    EntryRow& Entry() { return *m_entry; }
    RadioFollower& Radio() { return *m_radio; }
    bool MinuteTimerActive() const;
    // The "Andamento" window once it has been opened; nothing before.
    CProgressDlg* ProgressWindow() const { return m_progress; }
    // The "Controllo parziale" window once it has been opened; nothing before.
    CPartialCheckDlg* PartialCheckWindow() const { return m_partialCheckWindow; }
    // Set once the window has started; the score report reads it.
    bool ShowScoreReport() const { return m_showScoreReport; }
    void UpdateTitle();

    // Runs a menu command, as its item or its key does.
    void RunCommand(Command command);
    // F5: edits the summary data and applies what was saved.
    void RunSummaryDataCommand();
    // The summary data dialog is the default editor; tests put their own in its place.
    void SetSummaryEditor(SummaryEditor editor) { m_summaryEditor = std::move(editor); }

    // The radio is reached through Hamlib; tests put their own links in its place.
    void SetRadioLinkMaker(RadioLinkMaker maker) { m_radioLinkMaker = std::move(maker); }
    // Stores the radio settings, then follows the radio or stops as they say.
    void ApplyRadioSettings(const RadioSettings& settings);

    // Every close request (Esc, "Esci", the close button) comes here first.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateLogBox();
    void CreatePreviousContactsBox();
    void ApplyColours();
    void StartWindow();
    // After every load of a log: the entry row follows the log's layout and the category's
    // presets, and the last row shows.
    void AfterLogLoaded();
    void FollowLogLayout();
    void NewLog();
    void OpenLog();
    void AfterFileCommand(CommandOutcome outcome);
    void OnEntryEnter();
    void ImportProvinceList();
    // Commands of the "Log", "Qso", "Strumenti" and "Aiuto" menus (CVelsadDlgCommands.cpp).
    void ShowScore();
    // F11: opens the "Andamento" window beside this one, creating it the first time.
    void ShowProgress();
    void ModifyRows();
    void DeleteRows();
    void SortLog();
    // The call-history commands of "Strumenti" (CVelsadDlgHistory.cpp).
    void ImportHistory();
    void ClearHistory();
    // F10: shows the "Controllo parziale" window beside this one, creating it the first time,
    // or hides it.
    void TogglePartialCheck();
    // Right click, double click and the "Data" and "Utc" headers of the log list.
    void ConnectLogEditing();
    // F8, and after a successful import. A saved list renames the provinces on screen.
    void OpenProvinceListDialog();
    std::optional<SummaryEdit> RunSummaryDialog(const SummaryData& summary);
    // The radio link (CVelsadDlgRadio.cpp): its label in the entry box, the follower started as
    // the settings say, and the "Radio..." command.
    void CreateRadio();
    void OpenRadioDialog();
    void ShowRadioLabel();

    AppContext& m_context;
    Prompter& m_prompter;
    LogDocument* m_document = nullptr;
    LogList* m_log = nullptr;
    WorkedTables* m_tables = nullptr;
    std::unique_ptr<LogCommands> m_commands;
    EntryRow* m_entry = nullptr;

    QMenuBar* m_menuBar = nullptr;
    LogTableView* m_logView = nullptr;
    PreviousContactsList* m_previousContacts = nullptr;
    std::unique_ptr<EntryRowWidgets> m_entryWidgets;
    std::unique_ptr<IndicatorWidgets> m_indicators;
    EntryRowBinding* m_binding = nullptr;
    CProgressDlg* m_progress = nullptr;
    PartialCheck* m_partialCheck = nullptr;
    CPartialCheckDlg* m_partialCheckWindow = nullptr;
    SummaryEditor m_summaryEditor;
    RadioFollower* m_radio = nullptr;
    QLabel* m_radioLabel = nullptr;
    RadioSettings m_radioSettings;
    RadioLinkMaker m_radioLinkMaker;
    bool m_showScoreReport = false;
};

}  // namespace zelkor
