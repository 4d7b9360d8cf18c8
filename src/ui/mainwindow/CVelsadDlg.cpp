#include "ui/mainwindow/CVelsadDlg.h"

#include "core/app/ProgramTitle.h"
#include "core/commands/AppContext.h"
#include "core/commands/ExportCommands.h"
#include "core/commands/HistoryCommands.h"
#include "core/commands/LogCommands.h"
#include "core/commands/ProvinceImport.h"
#include "core/document/LogDocument.h"
#include "core/log/LogList.h"
#include "core/platform/Clock.h"
#include "core/platform/Prompter.h"
#include "core/presenters/EntryRow.h"
#include "core/presenters/RadioFollower.h"
#include "core/worked/WorkedTables.h"
#include "ui/app/DialogColours.h"
#include "ui/dialogs/CAboutDlg.h"
#include "ui/dialogs/CInstructionsDlg.h"
#include "ui/dialogs/COptionsDlg.h"
#include "ui/dialogs/CSummaryDataDlg.h"
#include "ui/export/LogPrinter.h"
#include "ui/log/LogTableView.h"
#include "ui/mainwindow/EntryRowBinding.h"
#include "ui/mainwindow/EntryRowWidgets.h"
#include "ui/mainwindow/IndicatorWidgets.h"
#include "ui/mainwindow/MainMenu.h"
#include "ui/mainwindow/PreviousContactsList.h"
#include "ui/mainwindow/SignImages.h"
#include "ui/mainwindow/WindowGeometry.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QMenuBar>

// The resources live in the widget library, which the linker would otherwise leave out.
static void InitResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace zelkor {
namespace {

const Clock& SystemClockInstance()
{
    static const SystemClock kClock;
    return kClock;
}

}  // namespace

CVelsadDlg::CVelsadDlg(AppContext& context, Prompter& prompter, QWidget* parent)
    : CVelsadDlg(context, prompter, SystemClockInstance(), parent)
{
}

CVelsadDlg::CVelsadDlg(AppContext& context, Prompter& prompter, const Clock& clock, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_context(context),
      m_prompter(prompter),
      m_document(new LogDocument(context.store.get(), context.WorkingFilePath(), this)),
      m_log(&m_document->Log()),
      m_tables(&m_document->Tables()),
      m_commands(std::make_unique<LogCommands>(context, *m_document, prompter)),
      m_entry(new EntryRow(context, *m_document, prompter, clock, this))
{
    setObjectName(QStringLiteral("CVelsadDlg"));
    setFixedSize(kWidth, kHeight + kMenuHeight);
    setWindowIcon(SignImages::ProgramIcon());
    InitResources();

    m_menuBar = MainMenu::Create(this, [this](Command command) { RunCommand(command); });
    m_menuBar->setGeometry(0, 0, kWidth, kMenuHeight);
    CreateLogBox();
    CreatePreviousContactsBox();
    m_entryWidgets = std::make_unique<EntryRowWidgets>(this);
    m_indicators = std::make_unique<IndicatorWidgets>(this, *m_entryWidgets);
    m_binding =
        new EntryRowBinding(this, *m_entry, *m_entryWidgets, *m_indicators, *m_previousContacts);
    ApplyColours();
    StartWindow();
    CreateRadio();
    // Sees every key before the shortcuts do (CVelsadDlgKeys.cpp).
    QCoreApplication::instance()->installEventFilter(this);
}

CVelsadDlg::~CVelsadDlg()
{
    // The radio's worker is let go before the entry row it feeds.
    delete m_radio;
    m_radio = nullptr;
    // The widgets that the binding and the indicators point to go with the window's children.
    m_binding->StopTimer();
    delete m_binding;
    m_binding = nullptr;
}

void CVelsadDlg::ApplyColours()
{
    DialogColours::Apply(this);
    // On top of the dialog colours, the window's own controls: edit fields red on white,
    // buttons white on red. Fields the program fills (read-only) look like the static texts.
    // Set on the boxes rather than the window, so that the dialogs opened over the window keep
    // their own looks. A style sheet sets the palette of what it reaches, so it states the
    // static texts' colour again.
    const QString background = DialogColours::ToQColor(m_context.settings.backgroundColour).name();
    const QString text = DialogColours::ToQColor(m_context.settings.textColour).name();
    const QString controls =
        QStringLiteral(
            "QLabel, QCheckBox { color: %2; }"
            "QLineEdit { color: #ff0000; background: white; }"
            "QLineEdit[readOnly=\"true\"] { color: %2; background: %1; }"
            "QPushButton { color: white; background: red;"
            " border: 1px solid #800000; border-radius: 2px; }"
            "QPushButton:pressed { background: #b00000; }"
            // Indicators are bare images, drawn at their own size.
            "QToolButton { border: none; padding: 0px; margin: 0px;"
            " background: transparent; }"
            // The text colour would hide the tick of a check box.
            "QCheckBox::indicator { width: 13px; height: 13px; }"
            "QCheckBox::indicator:unchecked { image: url(:/checkbox-off.png); }"
            "QCheckBox::indicator:checked { image: url(:/checkbox-on.png); }"
            // Visible frames round the boxes on any background colour.
            "QGroupBox { color: %2; border: 1px solid %2; border-radius: 3px;"
            " margin-top: 7px; }"
            "QGroupBox::title { subcontrol-origin: margin; left: 8px;"
            " padding: 0px 1px; }")
            .arg(background, text);
    for (QGroupBox* box : findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        box->setStyleSheet(controls);
    }
}

void CVelsadDlg::CreateLogBox()
{
    auto* box = new QGroupBox(QStringLiteral(" LOG "), this);
    box->setGeometry(geometry::kLogBox);
    m_logView = new LogTableView(*m_log, box);
    m_logView->setGeometry(8, 18, box->width() - 16, box->height() - 26);
    ConnectLogEditing();
}

void CVelsadDlg::CreatePreviousContactsBox()
{
    auto* box = new QGroupBox(QStringLiteral(" Collegamenti precedenti"), this);
    box->setGeometry(geometry::kPreviousContactsBox);
    m_previousContacts = new PreviousContactsList(box);
    m_previousContacts->setGeometry(8, 18, box->width() - 16, box->height() - 26);
}

void CVelsadDlg::StartWindow()
{
    m_previousContacts->BuildColumns();
    m_log->BuildStartColumns();
    if (IsSwlCategory(m_context.summary.category)) {
        m_log->SetSwlColumns();
    }
    FollowLogLayout();
    // A log named on the command line replaces the working file only when it could be read;
    // otherwise the working file is shown as it is.
    if (m_context.startupLogPath.isEmpty() ||
        m_commands->OpenStartupLog() != CommandOutcome::Done) {
        m_commands->LoadWorkingFile();
    }
    AfterLogLoaded();
    m_binding->Start();
    UpdateTitle();
    m_showScoreReport = true;
}

void CVelsadDlg::FollowLogLayout()
{
    if (m_log->IsSwl() != m_entryWidgets->IsSwlLayout()) {
        m_entry->OnLayoutSwitched();
    }
}

void CVelsadDlg::AfterLogLoaded()
{
    FollowLogLayout();
    m_entry->ApplyCategoryPresets();
    m_binding->ShowValues();
    if (m_log->RowCount() > 0) {
        m_log->MakeRowVisible(m_log->RowCount() - 1);
    }
}

bool CVelsadDlg::MinuteTimerActive() const
{
    return m_binding->MinuteTimer().isActive();
}

// --- Commands --------------------------------------------------------------------------------

void CVelsadDlg::RunCommand(Command command)
{
    switch (command) {
        case Command::NewLog:
            NewLog();
            break;
        case Command::Open:
            OpenLog();
            break;
        case Command::Save:
            AfterFileCommand(m_commands->Save());
            break;
        case Command::SaveAs:
            AfterFileCommand(m_commands->SaveAs());
            break;
        case Command::Exit:
            close();
            break;
        case Command::SummaryData:
            RunSummaryDataCommand();
            break;
        case Command::ClearEntryRow:
            m_entry->ClearEntryRow();
            break;
        case Command::ImportProvinceList:
            ImportProvinceList();
            break;
        case Command::Radio:
            OpenRadioDialog();
            break;
        case Command::ShowScore:
            ShowScore();
            break;
        case Command::Progress:
            ShowProgress();
            break;
        case Command::SortByDateTime:
            SortLog();
            break;
        case Command::Modify:
            ModifyRows();
            break;
        case Command::Delete:
            DeleteRows();
            break;
        case Command::ExportCabrillo:
            ExportCabrillo(m_context, *m_log, m_prompter);
            break;
        case Command::ExportVantlog:
            ExportVantlogText(m_context, *m_log, m_prompter);
            break;
        case Command::ExportAdif:
            ExportAdif(m_context, *m_log, m_prompter);
            break;
        case Command::Options:
            ShowOptions(m_context, m_prompter, this);
            break;
        case Command::ProvinceList:
            OpenProvinceListDialog();
            break;
        case Command::About:
            ShowAbout(this);
            break;
        case Command::Instructions:
            ShowInstructions(this);
            break;
        case Command::Print:
            PrintLogCommand(this, *m_log, m_prompter, m_context.programFolder);
            break;
        case Command::ImportHistory:
            ImportHistory();
            break;
        case Command::ExportHistory:
            ExportCallHistory(m_context, m_prompter);
            break;
        case Command::ClearHistory:
            ClearHistory();
            break;
        case Command::PartialCheck:
            TogglePartialCheck();
            break;
    }
}

void CVelsadDlg::NewLog()
{
    const CommandOutcome outcome = m_commands->New();
    if (outcome == CommandOutcome::Done) {
        m_entry->OnLogReplaced();
        FollowLogLayout();
    }
    AfterFileCommand(outcome);
}

void CVelsadDlg::OpenLog()
{
    const CommandOutcome outcome = m_commands->Open();
    if (outcome == CommandOutcome::Done) {
        m_entry->OnLogReplaced();
        AfterLogLoaded();
    }
    AfterFileCommand(outcome);
}

void CVelsadDlg::AfterFileCommand(CommandOutcome outcome)
{
    if (outcome == CommandOutcome::Done) {
        UpdateTitle();
    }
}

void CVelsadDlg::RunSummaryDataCommand()
{
    const std::optional<SummaryEdit> saved =
        m_summaryEditor ? m_summaryEditor(m_context.summary) : RunSummaryDialog(m_context.summary);
    if (!saved) {
        return;
    }
    const SummaryOutcome outcome =
        m_commands->ApplySummaryData(saved->data, saved->switchConfirmed);
    if (outcome == SummaryOutcome::Cancelled) {
        return;
    }
    if (outcome == SummaryOutcome::LayoutSwitched) {
        m_entry->OnLayoutSwitched();
    }
    m_entry->ApplyCategoryPresets();
    m_binding->ShowValues();
    UpdateTitle();
}

std::optional<CVelsadDlg::SummaryEdit> CVelsadDlg::RunSummaryDialog(const SummaryData& summary)
{
    const SummaryLogState logState{m_log->Layout(), m_document->OpenPath().isEmpty(),
                                   m_document->IsModified()};
    CSummaryDataDlg dialog(summary, m_context.provinces, logState, m_prompter, this);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return SummaryEdit{dialog.Result(), dialog.ModeSwitchConfirmed()};
}

void CVelsadDlg::ImportProvinceList()
{
    if (zelkor::ImportProvinceList(m_prompter, m_context.provinces, m_context.ProvinceFilePath()) ==
        ImportOutcome::OpenProvinceList) {
        OpenProvinceListDialog();
    }
}

void CVelsadDlg::UpdateTitle()
{
    setWindowTitle(WindowTitle(m_document->OpenName()));
}

}  // namespace zelkor
