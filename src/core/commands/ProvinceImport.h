#pragma once
// The command "Importa elenco province": asks, lets the user choose a text file, merges its
// province lines into the table and rewrites the province file.

#include "core/platform/Prompter.h"
#include "core/provinces/ProvinceTable.h"

#include <QString>

namespace zelkor {

enum class ImportOutcome {
    // The user answered No or cancelled the file dialog.
    Cancelled,
    // The chosen file could not be opened; the table is unchanged.
    SourceNotOpened,
    // No line was accepted; the table and the province file are unchanged.
    NothingImported,
    // The table holds the merged list, but the province file could not be written.
    SaveFailed,
    // Imported and saved: the caller opens the province list so the user sees the result.
    OpenProvinceList,
};

// The texts the command shows, for the views and the tests.
QString ImportQuestionText();
QString ImportReportText(int acceptedCount);

// provinceFilePath is the program's own "_prov.cod", the file start-up reads.
ImportOutcome ImportProvinceList(Prompter& prompter, ProvinceTable& table,
                                 const QString& provinceFilePath);

}  // namespace zelkor
