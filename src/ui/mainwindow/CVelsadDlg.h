#pragma once
// The main log window: the log list in the upper half, the entry row at the bottom. It runs
// modally for the whole life of the program.

#include <QDialog>

namespace zelkor {

struct AppContext;
class LogList;
class LogTableView;
class Prompter;

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
    void UpdateTitle();

    // Strumenti > Importa elenco province.
    void ImportProvinceList();

private:
    void CreateMenuBar();
    void CreateLogBox();
    // Opened after a successful import; the province list window is not built yet.
    void OpenProvinceListDialog();
    void StartWindow();

    AppContext& m_context;
    Prompter& m_prompter;
    LogList* m_log = nullptr;
    LogTableView* m_logView = nullptr;
};

}  // namespace zelkor
