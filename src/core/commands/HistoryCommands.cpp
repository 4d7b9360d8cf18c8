#include "core/commands/HistoryCommands.h"

#include "core/commands/AppContext.h"
#include "core/export/ExportFile.h"
#include "core/history/AdifHistoryReader.h"
#include "core/history/CabrilloHistoryReader.h"
#include "core/history/CallHistoryFile.h"
#include "core/history/LogHistoryReader.h"
#include "core/history/SharedHistoryFile.h"
#include "core/platform/FileIO.h"
#include "core/platform/ProgramFolder.h"
#include "core/text/Cp1252.h"

#include <optional>

namespace zelkor {
namespace {

FileDialogRequest ImportRequest()
{
    FileDialogRequest request;
    request.kind = FileDialogKind::Open;
    request.title = QStringLiteral("Scegli i file da importare nello storico nominativi");
    // Patterns separated by blanks only: Qt's dialogs split them there.
    request.filter = QStringLiteral(
        "Log e storici (*.zelk *.log *.cbr *.adi *.adif *.txt *.csv);;Tutti i documenti (*)");
    request.mustExist = true;
    return request;
}

FileDialogRequest ExportRequest()
{
    FileDialogRequest request;
    request.kind = FileDialogKind::Save;
    request.title = QStringLiteral("Esporta storico nominativi");
    request.filter = QStringLiteral("File storico (*.txt)");
    request.defaultSuffix = QStringLiteral("txt");
    request.proposedName = QStringLiteral("storico.txt");
    request.mustExist = true;  // ask before replacing an existing file
    return request;
}

// The column of a shared call-history file that holds the province: the only one whose values
// are provinces, or the operator's choice. Nothing when he cancels.
std::optional<int> ProvinceColumn(const SharedHistoryLayout& layout, const QString& path,
                                  Prompter& prompter)
{
    if (const std::optional<int> obvious = ObviousProvinceColumn(layout)) {
        return obvious;
    }
    ItemChoiceRequest request;
    request.title = QStringLiteral("Storico nominativi");
    request.label = QStringLiteral("Il file\n") + path +
                    (layout.provinceColumns.empty()
                         ? QStringLiteral("\nnon ha una colonna con sigle di provincia.\n\n")
                         : QStringLiteral("\nha più colonne con sigle di provincia.\n\n")) +
                    QStringLiteral("Quale colonna contiene la provincia?");
    std::vector<int> columns;
    for (int i = 0; i < static_cast<int>(layout.columns.size()); ++i) {
        if (i == layout.callColumn) {
            continue;
        }
        if (!layout.provinceColumns.empty() && i == layout.provinceColumns.front()) {
            request.current = static_cast<int>(columns.size());
        }
        QStringList samples;
        for (const std::string& sample : layout.samples[static_cast<std::size_t>(i)]) {
            samples << ToQString(sample);
        }
        request.items << ToQString(layout.columns[static_cast<std::size_t>(i)]) +
                             QStringLiteral(" (es. ") + samples.join(QStringLiteral(", ")) +
                             QStringLiteral(")");
        columns.push_back(i);
    }
    if (columns.empty()) {
        return -1;  // only a "Call" column: every line is skipped
    }
    const std::optional<int> chosen = prompter.ChooseItem(request);
    if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(columns.size())) {
        return std::nullopt;
    }
    return columns[static_cast<std::size_t>(*chosen)];
}

// One file's stations; nothing when the operator cancelled a choice it asked for. A file of a
// format the import does not know counts as such in the counts.
std::optional<HistoryReadResult> ReadHistorySource(const QString& path, const QByteArray& bytes,
                                                   const ProvinceTable& provinces,
                                                   Prompter& prompter, HistoryImportCounts& counts)
{
    HistoryReadResult read;
    switch (DetectHistoryFormat(bytes, path)) {
        case HistoryFormat::Log:
            read = ReadLogHistory(bytes, provinces);
            break;
        case HistoryFormat::Cabrillo:
            read = ReadCabrilloHistory(bytes, provinces);
            break;
        case HistoryFormat::Adif:
            read = ReadAdifHistory(bytes, provinces);
            break;
        case HistoryFormat::SharedHistory: {
            const SharedHistoryLayout layout = InspectSharedHistory(bytes, provinces);
            if (layout.callColumn < 0) {
                ++counts.unknownFiles;
                return read;
            }
            const std::optional<int> column = ProvinceColumn(layout, path, prompter);
            if (!column) {
                return std::nullopt;
            }
            read = ReadSharedHistory(bytes, layout, *column, provinces);
            break;
        }
        case HistoryFormat::Unknown:
            ++counts.unknownFiles;
            return read;
    }
    ++counts.files;
    return read;
}

// Stations new to the history, and stations whose province the import changed (a station met
// twice in the files counts once).
void CountChanges(const CallHistory& before, const CallHistory& after, HistoryImportCounts& counts)
{
    const CallHistory::Entries& old = before.AllEntries();
    for (const auto& [callsign, entry] : after.AllEntries()) {
        const auto found = old.find(callsign);
        if (found == old.end()) {
            ++counts.added;
        } else if (found->second.province != entry.province) {
            ++counts.updated;
        }
    }
}

}  // namespace

QString HistoryImportReportText(const HistoryImportCounts& counts)
{
    QString text = QStringLiteral(
                       "Storico nominativi\n\nFile letti: %1\nContatti letti: %2\n"
                       "Nominativi aggiunti: %3\nNominativi aggiornati: %4\nRighe scartate: %5\n")
                       .arg(counts.files)
                       .arg(counts.contacts)
                       .arg(counts.added)
                       .arg(counts.updated)
                       .arg(counts.skipped);
    if (counts.unknownFiles > 0) {
        text += QStringLiteral("File di formato non riconosciuto: %1\n").arg(counts.unknownFiles);
    }
    if (counts.files == 0 && counts.unknownFiles > 0) {
        text += QStringLiteral(
            "\nAttenzione!\nNessuno dei file scelti è un log o un file di storico che il "
            "programma sa leggere.");
    } else if (counts.contacts == 0) {
        text += QStringLiteral(
            "\nAttenzione!\nNei file scelti non c'è nessun nominativo con una provincia valida.");
    }
    return text;
}

QString ClearHistoryQuestionText(int size)
{
    return QStringLiteral(
               "Vuoi svuotare lo storico nominativi?\n\n"
               "Saranno cancellati tutti i %1 nominativi con la loro provincia.")
        .arg(size);
}

HistoryOutcome ImportCallHistory(AppContext& context, Prompter& prompter)
{
    const std::optional<QStringList> paths = prompter.ChooseFiles(ImportRequest());
    if (!paths || paths->isEmpty()) {
        return HistoryOutcome::Cancelled;
    }
    HistoryImportCounts counts;
    // Merged into a copy: the history in memory changes only once its file is written.
    CallHistory merged = context.history;
    for (const QString& path : *paths) {
        QString reason;
        const std::optional<QByteArray> bytes = ReadWholeFile(path, &reason);
        if (!bytes) {
            prompter.Error(OpenFailureText(path, reason));
            continue;
        }
        const std::optional<HistoryReadResult> read =
            ReadHistorySource(path, *bytes, context.provinces, prompter, counts);
        if (!read) {
            return HistoryOutcome::Cancelled;
        }
        counts.contacts += static_cast<int>(read->records.size());
        counts.skipped += read->skipped;
        for (const HistoryRecord& record : read->records) {
            merged.Merge(record);
        }
    }
    CountChanges(context.history, merged, counts);
    if (merged == context.history) {
        prompter.Information(HistoryImportReportText(counts));
        return HistoryOutcome::Unchanged;
    }
    QString reason;
    if (!SaveCallHistory(context.HistoryFilePath(), merged, &reason)) {
        prompter.Error(CallHistoryNotWrittenText(reason));
        return HistoryOutcome::Failed;
    }
    context.history = std::move(merged);
    prompter.Information(HistoryImportReportText(counts));
    return HistoryOutcome::Done;
}

HistoryOutcome ExportCallHistory(const AppContext& context, Prompter& prompter)
{
    if (context.history.IsEmpty()) {
        prompter.Information(
            QStringLiteral("Lo storico nominativi è vuoto: non c'è niente da esportare."));
        return HistoryOutcome::Unchanged;
    }
    const std::optional<QString> path = prompter.ChooseFile(ExportRequest());
    if (!path) {
        return HistoryOutcome::Cancelled;
    }
    if (IsProgramFile(context.programFolder, *path)) {
        prompter.Error(
            QStringLiteral("Non si può esportare lo storico su un file del programma:\n") + *path +
            QStringLiteral("\n\nScegliere un altro nome."));
        return HistoryOutcome::Failed;
    }
    const Result written =
        WriteExportFile(context.programFolder, *path, SharedHistoryBytes(context.history));
    if (!written) {
        prompter.Error(written.message());
        return HistoryOutcome::Failed;
    }
    return HistoryOutcome::Done;
}

HistoryOutcome ClearCallHistory(AppContext& context, Prompter& prompter)
{
    if (context.history.IsEmpty()) {
        prompter.Information(QStringLiteral("Lo storico nominativi è già vuoto."));
        return HistoryOutcome::Unchanged;
    }
    if (!prompter.AskYesNo(QStringLiteral("Richiesta conferma"),
                           ClearHistoryQuestionText(context.history.Size()))) {
        return HistoryOutcome::Cancelled;
    }
    QString reason;
    if (!SaveCallHistory(context.HistoryFilePath(), CallHistory(), &reason)) {
        prompter.Error(CallHistoryNotWrittenText(reason));
        return HistoryOutcome::Failed;
    }
    context.history.Clear();
    return HistoryOutcome::Done;
}

}  // namespace zelkor
