#include "core/commands/ExportCommands.h"

#include "core/commands/AppContext.h"
#include "core/commands/LogEditing.h"
#include "core/commands/ScoreCommand.h"
#include "core/export/AdifWriter.h"
#include "core/export/CabrilloWriter.h"
#include "core/export/ExportFile.h"
#include "core/export/VantlogWriter.h"
#include "core/log/LogList.h"
#include "core/text/Cp1252.h"

namespace zelkor {
namespace {

// Qt's dialogs split the patterns inside the brackets at blanks, so a comma after "*.log" would
// make the pattern "*.log," and hide every .log file. The patterns are therefore separated by a
// blank alone, as everywhere in Qt's dialogs.
const QString kCabrilloFilter = QStringLiteral("File Cabrillo (*.log *.cbr)");

// The part every format shares: the save dialog, then the file written whole. The bytes are built
// only once a path has been chosen.
template <typename MakeBytes>
CommandOutcome ChooseAndWrite(const AppContext& context, ExportFormat format, Prompter& prompter,
                              MakeBytes makeBytes)
{
    const std::optional<QString> path =
        prompter.ChooseFile(ExportSaveRequest(format, context.summary));
    if (!path) {
        return CommandOutcome::Cancelled;
    }
    const Result written = WriteExportFile(context.programFolder, *path, makeBytes());
    if (!written) {
        prompter.Error(written.message());
        return CommandOutcome::Failed;
    }
    return CommandOutcome::Done;
}

}  // namespace

QString ConfirmSummaryText(const SummaryData& summary, const ProvinceTable& provinces, int score,
                           const QString& formatWord)
{
    return QStringLiteral("Attenzione!\nPrima di esportare in formato ") + formatWord +
           QStringLiteral(
               "\nverificare i dati riassuntivi.\nIn questo momento sono impostati i "
               "seguenti dati\n\nNominativo: ") +
           ToQString(summary.callsign) + QStringLiteral("\nNome: ") + ToQString(summary.name) +
           QStringLiteral("\nProvincia: ") + ToQString(summary.province) + QStringLiteral(" (") +
           ToQString(provinces.ProvinceNameOf(summary.province)) + QStringLiteral(")\nSezione: ") +
           ToQString(summary.section) + QStringLiteral("\nCategoria: ") +
           ToQString(summary.category) + QStringLiteral("\nPunteggio: ") + QString::number(score) +
           QStringLiteral("\n\nVuoi continuare?");
}

bool ConfirmSummaryBeforeExport(const AppContext& context, int score, const QString& formatWord,
                                Prompter& prompter)
{
    return prompter.AskYesNo(
        QStringLiteral("Richiesta conferma"),
        ConfirmSummaryText(context.summary, context.provinces, score, formatWord));
}

QString ProposedCabrilloName(const std::string& callsign)
{
    std::string name = callsign;
    for (char& c : name) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        } else if (c == '/') {
            c = '_';
        }
    }
    return ToQString(name);
}

FileDialogRequest ExportSaveRequest(ExportFormat format, const SummaryData& summary)
{
    FileDialogRequest request;
    request.kind = FileDialogKind::Save;
    request.mustExist = true;  // ask before replacing an existing file
    switch (format) {
        case ExportFormat::Cabrillo:
            request.title = QStringLiteral("Esporta log in formato Cabrillo");
            request.filter = kCabrilloFilter;
            request.defaultSuffix = QStringLiteral("log");
            request.proposedName = ProposedCabrilloName(summary.callsign);
            break;
        case ExportFormat::Adif:
            request.title = QStringLiteral("Esporta log in formato ADIF");
            request.filter = QStringLiteral("File Adif (*.adi)");
            request.defaultSuffix = QStringLiteral("adi");
            break;
        case ExportFormat::VantlogText:
            request.title = QStringLiteral("Esporta log come testo per Vantlog");
            request.filter = QStringLiteral("File di testo (*.txt)");
            request.defaultSuffix = QStringLiteral("txt");
            break;
    }
    return request;
}

QString VantlogSwlRefusalText()
{
    return QStringLiteral(
        "Il programma Vantlog non supporta il modo SWL\nper cui non \u00E8 possibile esportare il "
        "log attuale in\nquesto formato.\n");
}

std::optional<QByteArray> ExportBytes(ExportFormat format, const LogList& log,
                                      const SummaryData& summary, const ProvinceTable& provinces,
                                      int score)
{
    switch (format) {
        case ExportFormat::Cabrillo:
            return CabrilloBytes(log, summary, score);
        case ExportFormat::Adif:
            return AdifBytes(log, summary, provinces, score);
        case ExportFormat::VantlogText:
            if (log.IsSwl()) {
                return std::nullopt;
            }
            return VantlogTextBytes(log);
    }
    return std::nullopt;
}

CommandOutcome ExportCabrillo(AppContext& context, LogList& log, Prompter& prompter)
{
    const int score = RunScoreComputation(context, log, prompter).score;
    if (!ConfirmSummaryBeforeExport(context, score, QStringLiteral("Cabrillo"), prompter)) {
        return CommandOutcome::Cancelled;
    }
    const CommandOutcome outcome = ChooseAndWrite(context, ExportFormat::Cabrillo, prompter, [&] {
        return CabrilloBytes(log, context.summary, score);
    });
    if (outcome == CommandOutcome::Done && log.IsSwl() && context.settings.swlExportByBand &&
        log.RowCount() > 1) {
        SortByDateTime(log);
    }
    return outcome;
}

CommandOutcome ExportAdif(AppContext& context, const LogList& log, Prompter& prompter)
{
    const int score = RunScoreComputation(context, log, prompter).score;
    if (!ConfirmSummaryBeforeExport(context, score, QStringLiteral("Adif"), prompter)) {
        return CommandOutcome::Cancelled;
    }
    return ChooseAndWrite(context, ExportFormat::Adif, prompter, [&] {
        return AdifBytes(log, context.summary, context.provinces, score);
    });
}

CommandOutcome ExportVantlogText(const AppContext& context, const LogList& log, Prompter& prompter)
{
    if (log.IsSwl()) {
        prompter.Information(VantlogSwlRefusalText());
        return CommandOutcome::Failed;
    }
    return ChooseAndWrite(context, ExportFormat::VantlogText, prompter,
                          [&] { return VantlogTextBytes(log); });
}

}  // namespace zelkor
