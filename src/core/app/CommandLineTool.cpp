#include "app/CommandLineTool.h"

#include "app/ProgramFolder.h"
#include "app/SettingsStore.h"
#include "export/ExportCommands.h"
#include "export/ExportFile.h"
#include "log/LogFile.h"
#include "log/LogList.h"
#include "platform/FileIO.h"
#include "platform/Prompter.h"
#include "provinces/ProvinceFile.h"
#include "provinces/ProvinceTable.h"
#include "scoring/ComputeScore.h"
#include "scoring/ScoreReport.h"
#include "text/Cp1252.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <cstring>
#include <optional>

namespace zelkor {
namespace {

const QString kExportOption = QStringLiteral("--export");
const QString kScoreOption = QStringLiteral("--score");

void WriteText(QIODevice& device, QString text)
{
    while (text.endsWith(QLatin1Char('\n'))) {
        text.chop(1);
    }
    device.write((text + QLatin1Char('\n')).toLocal8Bit());
}

// The window's boxes, written as text: what the score and the export commands would show.
// Nothing here asks questions, so a question is answered No.
class StandardErrorPrompter : public Prompter {
public:
    explicit StandardErrorPrompter(QIODevice& err) : m_err(err) {}

    Answer Show(const MessageBox& box) override
    {
        WriteText(m_err, box.text);
        return box.buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
    }
    std::optional<QString> ChooseFile(const FileDialogRequest& /*request*/) override
    {
        return std::nullopt;
    }
    std::optional<int> ChooseColour(int /*initialColour*/) override { return std::nullopt; }

private:
    QIODevice& m_err;
};

QString UsageText()
{
    return QStringLiteral(
        "Uso:\n"
        "  zelkor --export cabrillo|adif|vantlog LOG.zelk FILE_DI_USCITA\n"
        "  zelkor --score LOG.zelk");
}

std::optional<ExportFormat> FormatNamed(const QString& word)
{
    const QString lower = word.toLower();
    if (lower == QLatin1String("cabrillo")) {
        return ExportFormat::Cabrillo;
    }
    if (lower == QLatin1String("adif")) {
        return ExportFormat::Adif;
    }
    if (lower == QLatin1String("vantlog")) {
        return ExportFormat::VantlogText;
    }
    return std::nullopt;
}

// The folder the window would use, found without creating or copying anything.
QString ProgramFolderOf(const CommandLineToolSetup& setup)
{
    QString folder =
        IsFolderWritable(setup.executableFolder) ? setup.executableFolder : setup.userDataFolder;
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder;
}

QString LogReadFailureText(const QString& path)
{
    const QFileInfo info(path);
    QString reason = QStringLiteral("Il file non si può leggere.");
    if (!info.exists()) {
        reason = QStringLiteral("Il file non esiste.");
    } else if (info.isDir()) {
        reason = QStringLiteral("Il percorso indica una cartella, non un file.");
    }
    return QStringLiteral("Impossibile leggere il log:\n") + path + QStringLiteral("\n\n") + reason;
}

// What one run works on: the program's provinces and the named log with its summary data.
struct LoadedLog {
    QString programFolder;
    ProvinceTable provinces;
    LogList log;
    SummaryData summary;
};

bool LoadLog(const QString& path, const CommandLineToolSetup& setup, LoadedLog& loaded,
             Prompter& prompter)
{
    loaded.programFolder = ProgramFolderOf(setup);
    const QString provinceFile = loaded.programFolder + QLatin1String(kProvinceFileName);
    if (!LoadProvinceFile(provinceFile, loaded.provinces)) {
        prompter.Warning(ProvinceFileOpenWarningText(provinceFile));
    }
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes) {
        prompter.Error(LogReadFailureText(path));
        return false;
    }
    QBuffer buffer;
    buffer.setData(*bytes);
    buffer.open(QIODevice::ReadOnly);
    loaded.summary = setup.settingsSummary;
    // Score and exports read the rows alone: no worked tables.
    const LogReadResult read = ReadLogFile(buffer, loaded.provinces, loaded.log, loaded.summary);
    if (read.incompleteLastLine && !read.incompleteLine.isEmpty()) {
        prompter.Warning(QStringLiteral("L'ultima riga del log è incompleta (manca il ritorno a "
                                        "capo finale) e non è stata letta:\n") +
                         ToQString(read.incompleteLine.toStdString()));
    }
    return true;
}

int RunExport(ExportFormat format, const QString& logPath, const QString& outputPath,
              const CommandLineToolSetup& setup, Prompter& prompter)
{
    LoadedLog loaded;
    if (!LoadLog(logPath, setup, loaded, prompter)) {
        return kToolFailed;
    }
    // The menu commands score first (their boxes come first); the Vantlog text needs no score.
    const int score =
        format == ExportFormat::VantlogText ? 0 : ComputeScore(loaded.log, prompter).score;
    const std::optional<QByteArray> bytes =
        ExportBytes(format, loaded.log, loaded.summary, loaded.provinces, score);
    if (!bytes) {
        prompter.Information(VantlogSwlRefusalText());
        return kToolFailed;
    }
    const Result written = WriteExportFile(loaded.programFolder, outputPath, *bytes);
    if (!written) {
        prompter.Error(written.message());
        return kToolFailed;
    }
    return kToolSucceeded;
}

int RunScore(const QString& logPath, const CommandLineToolSetup& setup, QIODevice& out,
             Prompter& prompter)
{
    LoadedLog loaded;
    if (!LoadLog(logPath, setup, loaded, prompter)) {
        return kToolFailed;
    }
    const ScoreResult result = ComputeScore(loaded.log, prompter);
    // The report's CR LF suit the window; a terminal and a pipe want plain line feeds.
    QString report = ToQString(ScoreReportText(result.table, loaded.log.Layout()));
    report.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    WriteText(out, report);
    return kToolSucceeded;
}

}  // namespace

bool IsCommandLineToolRequest(int argc, const char* const* argv)
{
    return argc > 1 &&
           (std::strcmp(argv[1], "--export") == 0 || std::strcmp(argv[1], "--score") == 0);
}

int RunCommandLineTool(const QStringList& arguments, const CommandLineToolSetup& setup,
                       QIODevice& out, QIODevice& err)
{
    StandardErrorPrompter prompter(err);
    if (arguments.size() == 4 && arguments[0] == kExportOption) {
        if (const std::optional<ExportFormat> format = FormatNamed(arguments[1])) {
            return RunExport(*format, arguments[2], arguments[3], setup, prompter);
        }
        WriteText(err, QStringLiteral("Formato sconosciuto: ") + arguments[1] +
                           QStringLiteral("\n") + UsageText());
        return kToolMisused;
    }
    if (arguments.size() == 2 && arguments[0] == kScoreOption) {
        return RunScore(arguments[1], setup, out, prompter);
    }
    WriteText(err, UsageText());
    return kToolMisused;
}

int RunCommandLineToolProcess(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("ORVENT"));
    QCoreApplication::setApplicationName(QStringLiteral("zelkor"));

    CommandLineToolSetup setup;
    setup.executableFolder = QCoreApplication::applicationDirPath();
    setup.userDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    setup.settingsSummary = ReadSummaryData(*SettingsStore::OpenUserStore());

    QFile out;
    QFile err;
    (void)out.open(stdout, QIODevice::WriteOnly);
    (void)err.open(stderr, QIODevice::WriteOnly);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return RunCommandLineTool(arguments, setup, out, err);
}

}  // namespace zelkor
