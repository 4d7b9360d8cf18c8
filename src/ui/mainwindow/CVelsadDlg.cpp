#include "mainwindow/CVelsadDlg.h"

#include "app/AppContext.h"
#include "app/DialogColours.h"
#include "app/ProgramTitle.h"
#include "entry/WorkedTables.h"
#include "log/LogCommands.h"
#include "log/LogList.h"
#include "log/LogTableView.h"
#include "log/WorkingFile.h"
#include "provinces/ProvinceImport.h"

#include <QGroupBox>
#include <QMenuBar>

namespace zelkor {

CVelsadDlg::CVelsadDlg(AppContext& context, Prompter& prompter, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_context(context),
      m_prompter(prompter),
      m_log(new LogList(this)),
      m_tables(std::make_unique<WorkedTables>()),
      m_workingFile(std::make_unique<WorkingFile>(context.WorkingFilePath())),
      m_commands(std::make_unique<LogCommands>(context, *m_log, *m_tables, *m_workingFile,
                                               prompter))
{
    setObjectName(QStringLiteral("CVelsadDlg"));
    setFixedSize(kWidth, kHeight + kMenuHeight);
    DialogColours::Apply(this);
    CreateMenuBar();
    CreateLogBox();
    StartWindow();
}

CVelsadDlg::~CVelsadDlg() = default;

void CVelsadDlg::CreateMenuBar()
{
    auto* menuBar = new QMenuBar(this);
    menuBar->setGeometry(0, 0, kWidth, kMenuHeight);
    CreateFileMenu(menuBar->addMenu(QStringLiteral("File")));
    QMenu* tools = menuBar->addMenu(QStringLiteral("Strumenti"));
    QAction* import = tools->addAction(QStringLiteral("Importa elenco province"));
    import->setObjectName(QStringLiteral("32778"));
    connect(import, &QAction::triggered, this, &CVelsadDlg::ImportProvinceList);
}

void CVelsadDlg::CreateFileMenu(QMenu* menu)
{
    struct Item {
        const char* text;
        const char* id;
        QKeySequence key;
        void (CVelsadDlg::*handler)();
    };
    const Item items[] = {
        {"Nuovo log", "57600", QKeySequence(), &CVelsadDlg::NewLog},
        {"Apri\tF2", "57601", QKeySequence(Qt::Key_F2), &CVelsadDlg::OpenLog},
        {"Salva\tF4", "57603", QKeySequence(Qt::Key_F4), &CVelsadDlg::SaveLog},
        {"Salva come...", "57604", QKeySequence(), &CVelsadDlg::SaveLogAs},
    };
    for (const Item& item : items) {
        QAction* action = menu->addAction(QString::fromUtf8(item.text));
        action->setObjectName(QString::fromLatin1(item.id));
        if (!item.key.isEmpty()) {
            // The key name is already in the text; the shortcut works from anywhere in the window.
            action->setShortcut(item.key);
            action->setShortcutContext(Qt::WindowShortcut);
            addAction(action);
        }
        connect(action, &QAction::triggered, this, item.handler);
    }
}

void CVelsadDlg::CreateLogBox()
{
    auto* box = new QGroupBox(QStringLiteral(" LOG "), this);
    box->setGeometry(7, kMenuHeight + 4, kWidth - 14, 208);
    m_logView = new LogTableView(*m_log, box);
    m_logView->setGeometry(8, 18, box->width() - 16, box->height() - 26);
}

void CVelsadDlg::StartWindow()
{
    m_log->BuildStartColumns(m_logView->ClientWidth());
    if (m_context.swlMode) {
        m_log->SetSwlColumns();
    }
    // A log named on the command line replaces the working file only when it could be read;
    // otherwise the working file is shown as it is.
    if (m_context.startupLogPath.isEmpty() ||
        m_commands->OpenStartupLog() != CommandOutcome::Done) {
        m_commands->LoadWorkingFile();
    }
    ApplyCategoryPresets();
    if (m_log->RowCount() > 0) {
        m_log->MakeRowVisible(m_log->RowCount() - 1);
    }
    UpdateTitle();
}

void CVelsadDlg::NewLog()
{
    AfterFileCommand(m_commands->New());
}

void CVelsadDlg::OpenLog()
{
    const CommandOutcome outcome = m_commands->Open();
    if (outcome == CommandOutcome::Done) {
        ApplyCategoryPresets();
    }
    AfterFileCommand(outcome);
}

void CVelsadDlg::SaveLog()
{
    AfterFileCommand(m_commands->Save());
}

void CVelsadDlg::SaveLogAs()
{
    AfterFileCommand(m_commands->SaveAs());
}

void CVelsadDlg::AfterFileCommand(CommandOutcome outcome)
{
    if (outcome == CommandOutcome::Done) {
        UpdateTitle();
    }
}

void CVelsadDlg::ApplyCategoryPresets() {}

void CVelsadDlg::ImportProvinceList()
{
    if (zelkor::ImportProvinceList(m_prompter, m_context.provinces, m_context.ProvinceFilePath()) ==
        ImportOutcome::OpenProvinceList) {
        OpenProvinceListDialog();
    }
}

void CVelsadDlg::OpenProvinceListDialog() {}

void CVelsadDlg::UpdateTitle()
{
    setWindowTitle(WindowTitle(m_context.settings.openLogName));
}

}  // namespace zelkor
