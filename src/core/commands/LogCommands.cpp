#include "core/commands/LogCommands.h"

#include "core/commands/AppContext.h"
#include "core/document/LogDocument.h"
#include "core/log/LogFile.h"
#include "core/log/LogList.h"
#include "core/log/WorkingFile.h"
#include "core/platform/FileIO.h"
#include "core/platform/ProgramFolder.h"
#include "core/platform/Prompter.h"
#include "core/worked/WorkedTables.h"

#include <QFileInfo>

namespace zelkor {
namespace {

const QString kConfirmTitle = QStringLiteral("Richiesta di conferma");
const QString kLogFilter = QStringLiteral("File log Zelkor (*.zelk)");
const QString kLogSuffix = QStringLiteral("zelk");

QString CopySavedText(const QString& workingFileFailure, const QString& path)
{
    return workingFileFailure +
           QStringLiteral("\n\nTutte le righe del log sono state scritte comunque nel file:\n") +
           path +
           QStringLiteral(
               "\n\nÈ una copia: il log in uso non prende il suo nome e il file di lavoro "
               "resta incompleto finché non si può scriverlo.");
}

// The working file is made anew at the start when it is missing (a cleaned data folder) or empty,
// while the settings still name the log it mirrored: that log is left as it is on disk.
QString MissingWorkingFileText(const QString& workingFile, const QString& openLog)
{
    return QStringLiteral(
               "Il file di lavoro mancava o era vuoto: ne è stato creato uno nuovo, "
               "senza QSO:\n") +
           workingFile + QStringLiteral("\n\nIl log aperto l'ultima volta resta com'era:\n") +
           openLog + QStringLiteral("\n\nPer continuarlo, aprirlo con il comando 'Apri'.");
}

}  // namespace

LogCommands::LogCommands(AppContext& context, LogDocument& document, Prompter& prompter)
    : m_context(context),
      m_document(document),
      m_log(document.Log()),
      m_tables(document.Tables()),
      m_prompter(prompter)
{
}

QString LogCommands::NewQuestionText()
{
    return QStringLiteral(
        "ATTENZIONE!\n\nLa creazione di un nuovo log comporta la\ncancellazione di tutti i QSO "
        "del log attualmente in uso.\n\nSe vuoi conservarli, salva prima il log attuale con\ni "
        "comandi 'Salva' oppure 'Salva come...'\n\nVuoi continuare comunque ?");
}

QString LogCommands::OpenQuestionText()
{
    return QStringLiteral(
        "ATTENZIONE!\n\nL'apertura di un log esistente comporta la\ncancellazione di tutti i QSO "
        "del log attualmente in uso.\n\nSe vuoi conservarli, salva prima il log attuale con\ni "
        "comandi 'Salva' oppure 'Salva come...'\n\nVuoi continuare senza salvare?");
}

bool LogCommands::ConfirmDiscard(const QString& question)
{
    return !m_document.IsModified() || m_prompter.AskYesNo(kConfirmTitle, question);
}

bool LogCommands::MayClose()
{
    if (m_document.File().LacksRows()) {
        const Result caughtUp = m_document.CatchUpWorkingFile(m_context.summary);
        if (!caughtUp) {
            m_prompter.Error(caughtUp.message());
            MessageBox question{kConfirmTitle, RowsLostOnCloseQuestionText(), MessageIcon::Question,
                                MessageButtons::YesNo};
            question.noIsDefault = true;
            return m_prompter.Show(question) == Answer::Yes;
        }
    }
    return ConfirmDiscard(CloseQuestionText());
}

QString LogCommands::CloseQuestionText()
{
    return QStringLiteral(
        "Ci sono dati non salvati in un file ZELK\n(anche se sono comunque salvati nel file di "
        "lavoro)\n\nSe vuoi uscire lo stesso scegli SI\naltrimenti scegli NO e salva i dati.\n\n");
}

QString LogCommands::RowsLostOnCloseQuestionText()
{
    return QStringLiteral(
        "Il file di lavoro non contiene tutte le righe del log:\nuscendo ora, le righe che non "
        "è stato possibile scrivere vanno perse.\n\nSe vuoi uscire lo stesso scegli SI\n"
        "altrimenti scegli NO, risolvi il problema del disco e salva i dati.\n\n");
}

CommandOutcome LogCommands::New()
{
    if (!ConfirmDiscard(NewQuestionText())) {
        return CommandOutcome::Cancelled;
    }
    // The working file is emptied first: if that fails, the rows stay on screen.
    const Result emptied = m_document.EmptyLog(m_context.summary);
    if (!emptied) {
        m_prompter.Error(emptied.message());
        return CommandOutcome::Failed;
    }
    SetOpenLog(QString());
    return CommandOutcome::Done;
}

CommandOutcome LogCommands::Open()
{
    if (!ConfirmDiscard(OpenQuestionText())) {
        return CommandOutcome::Cancelled;
    }
    FileDialogRequest request;
    request.kind = FileDialogKind::Open;
    request.title = QStringLiteral("Apri log");
    request.filter = kLogFilter;
    request.mustExist = true;
    const std::optional<QString> path = m_prompter.ChooseFile(request);
    if (!path) {
        return CommandOutcome::Cancelled;
    }
    return OpenPath(*path);
}

CommandOutcome LogCommands::OpenStartupLog()
{
    const QString path = m_context.startupLogPath;
    m_context.startupLogPath.clear();
    if (path.isEmpty()) {
        return CommandOutcome::Cancelled;
    }
    // A file that can't be opened is told before the question, which would be asked for nothing.
    LoadReport unreadable;
    if (RefuseProgramFile(path) || !WorkingFile::ReadLogToOpen(path, unreadable)) {
        m_prompter.ShowAll(unreadable.messages);
        return CommandOutcome::Failed;
    }
    // The working file may hold rows that no named log has: the same question as the menu's.
    if (!ConfirmDiscard(OpenQuestionText())) {
        return CommandOutcome::Cancelled;
    }
    return OpenPath(path);
}

bool LogCommands::RefuseProgramFile(const QString& path)
{
    if (!IsProgramFile(m_context.programFolder, path)) {
        return false;
    }
    m_prompter.Error(QStringLiteral("Questo è un file del programma, non un log da aprire:\n") +
                     path);
    return true;
}

CommandOutcome LogCommands::OpenPath(const QString& path)
{
    if (RefuseProgramFile(path)) {
        return CommandOutcome::Failed;
    }
    // Nothing changes before the chosen file has replaced the working file whole.
    const LoadReport report =
        m_document.ReplaceAndLoad(path, m_context.summary, m_context.provinces);
    m_prompter.ShowAll(report.messages);
    if (!report.loaded) {
        return CommandOutcome::Failed;
    }
    AfterLoad();
    SetOpenLog(path);
    m_context.recentFiles.Add(path);
    m_context.ReportSettingsWrite(m_context.recentFiles.Save(*m_context.store), m_prompter);
    return CommandOutcome::Done;
}

CommandOutcome LogCommands::Save()
{
    if (m_document.OpenPath().isEmpty()) {
        return SaveAs();
    }
    if (!CatchUpWorkingFile()) {
        return CommandOutcome::Failed;
    }
    const Result copied = CopyWholeFile(m_document.File().Path(), m_document.OpenPath());
    if (!copied) {
        m_prompter.Error(copied.message());
        return CommandOutcome::Failed;
    }
    m_context.ReportSettingsWrite(m_document.MarkClean(), m_prompter);
    m_prompter.Information(QStringLiteral("Log salvato con successo"));
    return CommandOutcome::Done;
}

CommandOutcome LogCommands::SaveAs()
{
    FileDialogRequest request;
    request.kind = FileDialogKind::Save;
    request.title = QStringLiteral("Salva il log corrente");
    request.filter = kLogFilter;
    request.defaultSuffix = kLogSuffix;
    request.mustExist = true;  // ask before replacing an existing file
    const std::optional<QString> path = m_prompter.ChooseFile(request);
    if (!path) {
        return CommandOutcome::Cancelled;
    }
    if (IsProgramFile(m_context.programFolder, *path)) {
        m_prompter.Error(QStringLiteral("Non si può salvare il log su un file del programma:\n") +
                         *path + QStringLiteral("\n\nScegliere un altro nome."));
        return CommandOutcome::Failed;
    }
    const Result caughtUp = m_document.CatchUpWorkingFile(m_context.summary);
    if (!caughtUp) {
        return SaveCopyOfRows(*path, caughtUp.message());
    }
    const Result copied = CopyWholeFile(m_document.File().Path(), *path);
    if (!copied) {
        m_prompter.Error(copied.message());
        return CommandOutcome::Failed;
    }
    SetOpenLog(*path);
    return CommandOutcome::Done;
}

CommandOutcome LogCommands::SaveCopyOfRows(const QString& path, const QString& workingFileFailure)
{
    // The rows can still leave a disk that is full, for one that is not. The chosen file does not
    // become the open log: "Salva" copies the working file, which still lacks rows, and would
    // write that over it.
    const Result written = WriteWholeFile(path, LogFileBytes(m_log, m_context.summary));
    if (!written) {
        m_prompter.Error(workingFileFailure);
        m_prompter.Error(written.message());
        return CommandOutcome::Failed;
    }
    // The working file's failure is still an error; the copy is told with it.
    m_prompter.Error(CopySavedText(workingFileFailure, path));
    return CommandOutcome::Done;
}

SummaryOutcome LogCommands::ApplySummaryData(const SummaryData& summary, bool switchConfirmed)
{
    const bool swl = IsSwlCategory(summary.category);
    const bool switching = swl != m_log.IsSwl();
    if (switching && m_log.RowCount() > 0 && !switchConfirmed &&
        !m_prompter.AskYesNo(QStringLiteral("Richiesta conferma"),
                             ModeSwitchQuestionText(swl, m_log.RowCount()))) {
        return SummaryOutcome::Cancelled;
    }
    const bool headerChanged = !(summary == m_context.summary);
    m_context.summary = summary;
    m_context.ReportSettingsWrite(WriteSummaryData(*m_context.store, summary), m_prompter);

    if (switching) {
        if (swl) {
            m_log.SetSwlColumns();
        } else {
            m_log.SetQsoColumns();
        }
        m_tables.Clear();
        m_context.ReportSettingsWrite(m_document.ForgetOpenLog(), m_prompter);
    } else if (headerChanged) {
        m_context.ReportSettingsWrite(m_document.MarkModified(), m_prompter);
    }
    const bool lackedRows = m_document.File().LacksRows();
    const Result written = m_document.RewriteWorkingFile(m_context.summary);
    ReportWorkingFileWrite(written, lackedRows, m_document.File(), m_prompter);
    return switching ? SummaryOutcome::LayoutSwitched : SummaryOutcome::Applied;
}

QString LogCommands::ModeSwitchQuestionText(bool toSwl, int rowCount)
{
    if (toSwl) {
        return QStringLiteral(
                   "Attenzione!\nCon la categoria SWL il log passa dal modo QSO al modo "
                   "SWL\ne i %1 QSO del log attuale vengono tolti dal log in uso.\n\n"
                   "Vuoi continuare comunque?")
            .arg(rowCount);
    }
    return QStringLiteral(
               "Attenzione!\nLasciando la categoria SWL il log passa dal modo SWL al "
               "modo QSO\ne i %1 ascolti del log attuale vengono tolti dal log in "
               "uso.\n\nVuoi continuare comunque?")
        .arg(rowCount);
}

bool LogCommands::CatchUpWorkingFile()
{
    const Result caughtUp = m_document.CatchUpWorkingFile(m_context.summary);
    if (!caughtUp) {
        m_prompter.Error(caughtUp.message());
    }
    return caughtUp.ok();
}

bool LogCommands::LoadWorkingFile()
{
    const LoadReport report = m_document.LoadWorkingFile(m_context.summary, m_context.provinces);
    m_prompter.ShowAll(report.messages);
    AfterLoad();
    // Saved under the open log's name, what was read from such a file, or the empty log of a
    // working file made anew, would replace that log.
    if ((report.notALog || report.created) && !m_document.OpenPath().isEmpty()) {
        if (report.created) {
            m_prompter.Warning(
                MissingWorkingFileText(m_document.File().Path(), m_document.OpenPath()));
        }
        SetOpenLog(QString());
    }
    return report.loaded;
}

void LogCommands::AfterLoad()
{
    m_tables.Clear();
    m_tables.RebuildWorkedTables(m_log, CallerProvinceRule::KeepExisting);
    if (m_log.RowCount() > 0) {
        m_log.MakeRowVisible(m_log.RowCount() - 1);
    }
}

void LogCommands::SetOpenLog(const QString& path)
{
    m_context.ReportSettingsWrite(m_document.SetOpenLog(path), m_prompter);
}

}  // namespace zelkor
