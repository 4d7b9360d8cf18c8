#pragma once
// The main log window: the log list in the upper half, the entry row at the bottom. It runs
// modally for the whole life of the program.

#include <QDialog>

#include <memory>

class QMenu;

namespace zelkor {

struct AppContext;
class LogCommands;
class LogList;
class LogTableView;
class Prompter;
class WorkedTables;
class WorkingFile;
enum class CommandOutcome;

class CVelsadDlg : public QDialog {
    Q_OBJECT

public:
    // Window size in pixels: the dialog's 461 x 264 units in the default 8-point UI font.
    static constexpr int kWidth = 692;
    static constexpr int kHeight = 429;
    static constexpr int kMenuHeight = 22;

    CVelsadDlg(AppContext& context, Prompter& prompter, QWidget* parent = nullptr);
    ~CVelsadDlg() override;

    LogList& Log() { return *m_log; }
    WorkedTables& Tables() { return *m_tables; }
    LogCommands& Commands() { return *m_commands; }
    void UpdateTitle();

    // File menu.
    void NewLog();
    void OpenLog();
    void SaveLog();
    void SaveLogAs();
    // Strumenti > Importa elenco province.
    void ImportProvinceList();

private:
    void CreateMenuBar();
    void CreateFileMenu(QMenu* menu);
    void CreateLogBox();
    void StartWindow();
    // After every command that may have changed the log or the open log's name.
    void AfterFileCommand(CommandOutcome outcome);
    // Runs after every load of a log; the entry row's category presets come with the entry row.
    void ApplyCategoryPresets();
    // Opened after a successful import; the province list window is not built yet.
    void OpenProvinceListDialog();

    AppContext& m_context;
    Prompter& m_prompter;
    LogList* m_log = nullptr;
    LogTableView* m_logView = nullptr;
    std::unique_ptr<WorkedTables> m_tables;
    std::unique_ptr<WorkingFile> m_workingFile;
    std::unique_ptr<LogCommands> m_commands;
};

}  // namespace zelkor
