#pragma once
// The commands that change rows after they were entered: "Modifica" walks the selected rows
// through an edit dialog, "Elimina" removes them after one question, "Riordina per data ed ora"
// sorts the log. The dialogs sit behind RowEditor, so that every command runs without a display.

#include "core/contest/FieldRules.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zelkor {

struct AppContext;
class LogDocument;
class LogList;
class ProvinceTable;
class Prompter;
class WorkedTables;
class WorkingFile;

// The lists of both edit dialogs, in their order. The band list is wider than the main window's,
// so that a row on another band (from a log file) shows its band and can be corrected.
inline constexpr std::array<std::string_view, 6> kEditBandEntries = {"1,8", "3,5", "7",
                                                                     "14",  "21",  "28"};
inline constexpr std::array<std::string_view, 4> kEditModeEntries = {"SSB", "CW", "RTTY", "PSK31"};

// A row as an edit dialog shows it. Going in, band and mode (values.mode) are the row's texts;
// coming back, they are the texts of the list entries selected, empty when none is.
struct QsoRowEdit {
    std::string band;
    QsoEditValues values;
};

struct HrdRowEdit {
    std::string band;
    HrdEditValues values;
};

// Shows one row in its edit dialog and hands back the values accepted with "Salva" (the dialog
// has run its checks), or nothing for "Annulla".
class RowEditor {
public:
    virtual ~RowEditor() = default;
    virtual std::optional<QsoRowEdit> EditQsoRow(const QsoRowEdit& row) = 0;
    virtual std::optional<HrdRowEdit> EditHrdRow(const HrdRowEdit& row) = 0;
};

// The list entry a dialog opens on: the first that begins with the row's text, ignoring the case
// of ASCII letters. -1 (no selection) when no entry begins with it, and for an empty text,
// which would otherwise claim the first entry for a row that has no band or mode at all.
int FindListEntry(std::span<const std::string_view> entries, std::string_view text);

// What "Salva" does in the edit dialogs: the checks in order, the first failure shown through
// the prompter. True when the dialog may close with the values (callsigns upper-cased): every
// check passed, or the unknown-province question was answered Yes.
bool AcceptQsoEdit(QsoEditValues& values, const ProvinceTable& provinces, Prompter& prompter);
bool AcceptHrdEdit(HrdEditValues& values, const ProvinceTable& provinces, Prompter& prompter);

// "Hai scelto di cancellare <count> QSO del log. ..."; the same words in an SWL log.
QString DeleteQuestionText(int count);

// Called with true once the user has confirmed a deletion and with false when the rows are gone,
// so that the window shows its wait cursor over the work but not over the question.
using BusyNotifier = std::function<void(bool busy)>;

// "Elimina": asks once, deletes the selected rows from the highest position down, rewrites the
// working file, renumbers, rebuilds the worked tables and marks the log modified. A failed
// rewrite is reported; the rows stay deleted. Returns whether rows were deleted.
bool DeleteSelectedRows(AppContext& context, LogDocument& document, Prompter& prompter,
                        const BusyNotifier& busy = {});

// "Modifica": from the first row to the last, each row selected when the walk reaches it goes
// through the editor; every saved row is written back at once, with the working file rewritten,
// the worked tables rebuilt and the log marked modified, so that a later failure or a cancelled
// row loses nothing. Row numbers stay. Returns the number of rows saved.
int ModifySelectedRows(AppContext& context, LogDocument& document, Prompter& prompter,
                       RowEditor& editor);

// "Riordina per data ed ora": the exchange-sort order of DateTimeSortOrder, then renumbered.
// Neither the working file nor the modified flag changes: the new order reaches the disk with
// the next whole rewrite, which Save and Save As make first when the order moved (the log's
// document notes every reorder).
void SortByDateTime(LogList& log);

}  // namespace zelkor
