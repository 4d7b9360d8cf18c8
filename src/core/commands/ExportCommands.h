#pragma once
// The three export commands of the "Log" menu as the main window runs them: score, summary
// check, file name, then the file written whole. Everything that talks to the user goes through
// the Prompter, so that each command runs and is tested without a display.

#include "core/commands/LogCommands.h"
#include "core/platform/Prompter.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

namespace zelkor {

struct AppContext;
struct SummaryData;
class LogList;
class ProvinceTable;

enum class ExportFormat { Cabrillo, Adif, VantlogText };

// The question of ConfirmSummaryBeforeExport; formatWord is "Cabrillo" or "Adif".
QString ConfirmSummaryText(const SummaryData& summary, const ProvinceTable& provinces, int score,
                           const QString& formatWord);
// Asks the question ("Richiesta conferma", Yes/No); true to go on.
bool ConfirmSummaryBeforeExport(const AppContext& context, int score, const QString& formatWord,
                                Prompter& prompter);

// The own callsign with A-Z lowered and '/' turned into '_', since a slash would name a folder.
QString ProposedCabrilloName(const std::string& callsign);

// The save dialog of each format: title, filter, extension the dialog adds, proposed name.
FileDialogRequest ExportSaveRequest(ExportFormat format, const SummaryData& summary);

// Vantlog knows no SWL logs; the 'è' is the byte 0xE8 once the text is back in the code page.
QString VantlogSwlRefusalText();

// The bytes of an export; nothing for the Vantlog text of an SWL log.
std::optional<QByteArray> ExportBytes(ExportFormat format, const LogList& log,
                                      const SummaryData& summary, const ProvinceTable& provinces,
                                      int score);

// "Esporta -> Cabrillo". Computes and stores the claimed score (its error boxes first), asks to
// confirm the summary data and for a file name, writes the file. After a written SWL log of more
// than one row, with "File SWL ordinati banda" on, sorts the list by date and time; the file
// keeps the order from before the sort. The caller redisplays its entry fields afterwards.
CommandOutcome ExportCabrillo(AppContext& context, LogList& log, Prompter& prompter);

// "Esporta -> ADIF": as Cabrillo, without any sorting.
CommandOutcome ExportAdif(AppContext& context, const LogList& log, Prompter& prompter);

// "Esporta -> Testo per Vantlog": no score and no question. An SWL log is refused with an
// information box before any dialog (Failed).
CommandOutcome ExportVantlogText(const AppContext& context, const LogList& log, Prompter& prompter);

}  // namespace zelkor
