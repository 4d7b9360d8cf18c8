#include "core/cli/CommandLineTool.h"

#include "core/commands/ExportCommands.h"
#include "core/commands/ScoreCommand.h"
#include "core/export/ExportFile.h"
#include "core/log/LogFile.h"
#include "core/log/LogList.h"
#include "core/log/WorkingFile.h"
#include "core/platform/BuildInfo.h"
#include "core/platform/FileIO.h"
#include "core/platform/ProgramFolder.h"
#include "core/platform/Prompter.h"
#include "core/provinces/ProvinceFile.h"
#include "core/provinces/ProvinceTable.h"
#include "core/scoring/ComputeScore.h"
#include "core/scoring/ScoreReport.h"
#include "core/settings/SettingsStore.h"
#include "core/text/Cp1252.h"
#include "core/worked/WorkedTables.h"

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
const QString kHelpOption = QStringLiteral("--help");
const QString kVersionOption = QStringLiteral("--version");
// The short forms a shell user tries first.
constexpr const char* kShortHelpOption = "-h";
constexpr const char* kShortVersionOption = "-v";

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

// The province list the window would load. Before the window's first start has copied the
// shipped list into the user's folder, the shipped one is read in its place.
QString ProvinceFileOf(const QString& programFolder, const CommandLineToolSetup& setup)
{
    QString own = programFolder + QLatin1String(kProvinceFileName);
    if (QFile::exists(own)) {
        return own;
    }
    const QString shipped = ShippedProvinceFile(setup.executableFolder);
    return shipped.isEmpty() ? own : shipped;
}

QString LogReadFailureText(const QString& path, const QString& reason)
{
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
    loaded.programFolder = FindProgramFolder(setup.executableFolder, setup.userDataFolder);
    const QString provinceFile = ProvinceFileOf(loaded.programFolder, setup);
    if (!LoadProvinceFile(provinceFile, loaded.provinces)) {
        prompter.Warning(ProvinceFileOpenWarningText(provinceFile));
    }
    QString reason;
    const std::optional<QByteArray> bytes = ReadWholeFile(path, &reason);
    if (!bytes) {
        prompter.Error(LogReadFailureText(path, reason));
        return false;
    }
    if (bytes->isEmpty()) {
        prompter.Error(LogReadFailureText(
            path, QStringLiteral("Il file non è un log di Zelkor, perché è vuoto.")));
        return false;
    }
    // Rows read from a program or a picture would make an export or a score of junk.
    if (IsBinaryNotLog(*bytes)) {
        prompter.Error(LogReadFailureText(
            path, QStringLiteral("Il file non è un log di Zelkor, perché contiene dati binari.")));
        return false;
    }
    QBuffer buffer;
    buffer.setData(*bytes);
    buffer.open(QIODevice::ReadOnly);
    loaded.summary = setup.settingsSummary;
    // Score and exports read the rows alone: no worked tables.
    const LogReadResult read = ReadLogFile(buffer, loaded.provinces, loaded.log, loaded.summary);
    if (read.incompleteLastLine) {
        prompter.Warning(QStringLiteral("La parte finale del log è incompleta (manca il ritorno "
                                        "a capo finale) e non è stata letta.\nParte non letta: ") +
                         SetAsideDescription(read.incompleteLine));
    }
    return true;
}

// Both names lead to one existing file (through links, "..", or spelled alike).
bool SameExistingFile(const QString& first, const QString& second)
{
    const QString canonical = QFileInfo(first).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(second).canonicalFilePath();
}

int RunExport(ExportFormat format, const QString& logPath, const QString& outputPath,
              const CommandLineToolSetup& setup, Prompter& prompter)
{
    // Nothing asks before the output is replaced here, so the log itself must not be the output.
    if (SameExistingFile(logPath, outputPath)) {
        prompter.Error(
            QStringLiteral("Non si può esportare il log sul file da cui viene letto:\n") +
            outputPath + QStringLiteral("\n\nScegliere un altro nome."));
        return kToolFailed;
    }
    LoadedLog loaded;
    if (!LoadLog(logPath, setup, loaded, prompter)) {
        return kToolFailed;
    }
    // The menu commands score first (their boxes come first); the Vantlog text needs no score.
    const int score =
        format == ExportFormat::VantlogText ? 0 : ScoreAndReportIgnored(loaded.log, prompter).score;
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
    const ScoreResult result = ScoreAndReportIgnored(loaded.log, prompter);
    // The report's CR LF suit the window; a terminal and a pipe want plain line feeds.
    QString report = ToQString(ScoreReportText(result.table, loaded.log.Layout()));
    report.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    WriteText(out, report);
    return kToolSucceeded;
}

}  // namespace

QString CommandLineUsageText()
{
    return QStringLiteral(
        "Uso:\n"
        "  zelkor [LOG.zelk]\n"
        "  zelkor --export cabrillo|adif|vantlog LOG.zelk FILE_DI_USCITA\n"
        "  zelkor --score LOG.zelk\n"
        "  zelkor --help\n"
        "  zelkor --version\n"
        "\n"
        "Senza opzioni apre la finestra con il log indicato o, se manca, con il file di\n"
        "lavoro. Le opzioni lavorano senza finestra e senza modificare il file di lavoro\n"
        "o le impostazioni:\n"
        "  --export FORMATO LOG USCITA  scrive il log in formato Cabrillo, ADIF o testo\n"
        "                               per Vantlog\n"
        "  --score LOG                  stampa il punteggio del log\n"
        "  -h, --help                   mostra questo aiuto\n"
        "  -v, --version                mostra la versione\n"
        "\n"
        "Stato di uscita: 0 riuscito, 1 log illeggibile o file non scritto, 2 argomenti\n"
        "errati.");
}

bool IsCommandLineToolRequest(int argc, const char* const* argv)
{
    // Every "--word" belongs here, and the short "-h" and "-v"; "-Embedding", "/Automation" and
    // a log file open the window.
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--", 2) == 0 || std::strcmp(argv[i], kShortHelpOption) == 0 ||
            std::strcmp(argv[i], kShortVersionOption) == 0) {
            return true;
        }
    }
    return false;
}

int RunCommandLineTool(const QStringList& arguments, const CommandLineToolSetup& setup,
                       QIODevice& out, QIODevice& err)
{
    StandardErrorPrompter prompter(err);
    const QString first = arguments.value(0);
    if (first == kExportOption) {
        if (arguments.size() != 4) {
            WriteText(err, CommandLineUsageText());
            return kToolMisused;
        }
        if (const std::optional<ExportFormat> format = FormatNamed(arguments[1])) {
            return RunExport(*format, arguments[2], arguments[3], setup, prompter);
        }
        WriteText(err, QStringLiteral("Formato sconosciuto: ") + arguments[1] +
                           QStringLiteral("\n") + CommandLineUsageText());
        return kToolMisused;
    }
    if (first == kScoreOption) {
        if (arguments.size() != 2) {
            WriteText(err, CommandLineUsageText());
            return kToolMisused;
        }
        return RunScore(arguments[1], setup, out, prompter);
    }
    // Elsewhere the first option decides, so "zelkor gara.zelk --help" helps too.
    for (const QString& argument : arguments) {
        if (argument == kHelpOption || argument == QLatin1String(kShortHelpOption)) {
            WriteText(out, CommandLineUsageText());
            return kToolSucceeded;
        }
        if (argument == kVersionOption || argument == QLatin1String(kShortVersionOption)) {
            WriteText(out, QStringLiteral("zelkor ") + QLatin1String(kProgramVersion));
            return kToolSucceeded;
        }
        if (argument == kExportOption || argument == kScoreOption) {
            WriteText(err, CommandLineUsageText());
            return kToolMisused;
        }
        if (argument.startsWith(QLatin1String("--"))) {
            WriteText(err, QStringLiteral("Opzione sconosciuta: ") + argument +
                               QStringLiteral("\n") + CommandLineUsageText());
            return kToolMisused;
        }
    }
    WriteText(err, CommandLineUsageText());
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
