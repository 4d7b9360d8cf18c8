#pragma once
// The call-history commands of the "Strumenti" menu: import from logs, Cabrillo and ADIF files
// and shared call-history files chosen together, export in the shared form, and emptying. Each
// writes "_storico.cod" whole, and changes the history in memory only once the file is written.

#include "core/platform/Prompter.h"

#include <QString>

namespace zelkor {

struct AppContext;

enum class HistoryOutcome {
    // The user answered No or cancelled a dialog: nothing was written.
    Cancelled,
    // Nothing to write: the files added nothing new, or the history is empty.
    Unchanged,
    // The history file (or the exported file) is written; the history in memory follows it.
    Done,
    // A file could not be written; the user was told why and the history is as it was.
    Failed,
};

struct HistoryImportCounts {
    // Files read in a format the import knows.
    int files = 0;
    int unknownFiles = 0;
    // Stations with a known province that the files gave, one per contact or line.
    int contacts = 0;
    int added = 0;
    // Stations whose province changed.
    int updated = 0;
    // Contact lines and records that gave no station with a known province.
    int skipped = 0;
};

QString HistoryImportReportText(const HistoryImportCounts& counts);
QString ClearHistoryQuestionText(int size);

// "Importa storico nominativi...".
HistoryOutcome ImportCallHistory(AppContext& context, Prompter& prompter);
// "Esporta storico nominativi...".
HistoryOutcome ExportCallHistory(const AppContext& context, Prompter& prompter);
// "Svuota storico", after a question.
HistoryOutcome ClearCallHistory(AppContext& context, Prompter& prompter);

}  // namespace zelkor
