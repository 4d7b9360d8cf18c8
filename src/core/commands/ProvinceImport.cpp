#include "core/commands/ProvinceImport.h"

#include "core/platform/FileIO.h"
#include "core/provinces/ProvinceFile.h"
#include "core/text/Cp1252.h"

#include <QBuffer>

#include <optional>

namespace zelkor {

namespace {

std::optional<QString> AskForSourceFile(Prompter& prompter)
{
    FileDialogRequest request;
    request.kind = FileDialogKind::Open;
    request.title = QStringLiteral("Scegli file di testo con elenco Province");
    // "*" rather than "*.*": files without a dot in their name must show too.
    request.filter = QStringLiteral("Tutti i documenti (*)");
    request.mustExist = true;
    return prompter.ChooseFile(request);
}

}  // namespace

QString ImportQuestionText()
{
    return QStringLiteral(
        u"Il file di testo con l'elenco delle province italiane\n"
        u"deve avere la sigla di 2 lettere ad inizio riga, poi uno spazio\n"
        u"e quindi il nome della provincia.\n\n"
        u"Eventuali righe iniziali e finali di diverso formato non sono\n"
        u"un problema perché sono automaticamente ignorate.\n\n"
        u"Vuoi continuare ed importare l'elenco province?");
}

QString ImportReportText(int acceptedCount)
{
    QString text = QStringLiteral(
                       "Sono stati importate le sigle ed i nomi\ndi %1 province "
                       "italiane.\n\n")
                       .arg(acceptedCount);
    if (acceptedCount == 0) {
        text += QStringLiteral("Attenzione!\nForse il file era binario o in formato non valido!");
    }
    return text;
}

ImportOutcome ImportProvinceList(Prompter& prompter, ProvinceTable& table,
                                 const QString& provinceFilePath)
{
    if (!prompter.AskYesNo(QStringLiteral("Informazione"), ImportQuestionText(),
                           MessageIcon::Information)) {
        return ImportOutcome::Cancelled;
    }
    const std::optional<QString> sourcePath = AskForSourceFile(prompter);
    if (!sourcePath) {
        return ImportOutcome::Cancelled;
    }

    QString reason;
    const std::optional<QByteArray> bytes = ReadWholeFile(*sourcePath, &reason);
    if (!bytes) {
        prompter.Error(QStringLiteral("Errore apertura file:\n") + *sourcePath +
                       QStringLiteral("\n\n") + reason);
        return ImportOutcome::SourceNotOpened;
    }
    QBuffer source;
    // Names saved in UTF-8 keep their accented letters.
    source.setData(Utf8AsCp1252(*bytes).value_or(*bytes));
    source.open(QIODevice::ReadOnly);
    // Merged into the table as it stands: a partial list adds to the provinces already known.
    const int accepted = ImportProvinceLines(source, table);

    prompter.Information(ImportReportText(accepted));
    if (accepted == 0) {
        return ImportOutcome::NothingImported;
    }
    if (!SaveProvinceFile(provinceFilePath, table, &reason)) {
        prompter.Error(ProvinceFileNotWrittenText(reason));
        return ImportOutcome::SaveFailed;
    }
    return ImportOutcome::OpenProvinceList;
}

}  // namespace zelkor
