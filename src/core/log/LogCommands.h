#pragma once
// The commands of the "File" menu: New, Open, Save and Save As. Named logs are copies of the
// working file; each command changes the open log's name, the modified flag and the rows only
// once its file work has succeeded, so that a failure leaves everything as it was.

#include <QString>

namespace zelkor {

struct AppContext;
struct SummaryData;
class LogList;
class Prompter;
class WorkedTables;
class WorkingFile;

enum class CommandOutcome { Done, Cancelled, Failed };

class LogCommands {
public:
    LogCommands(AppContext& context, LogList& log, WorkedTables& tables, WorkingFile& workingFile,
                Prompter& prompter);

    // "Nuovo log": empties the log and leaves a working file holding the header alone.
    CommandOutcome New();
    // "Apri": asks for a log file and loads it through the working file.
    CommandOutcome Open();
    // Opens the log named on the command line, once, at window start.
    CommandOutcome OpenStartupLog();
    // "Salva": copies the working file onto the open log; without one it is "Salva come...".
    CommandOutcome Save();
    // "Salva come...": asks for a name and copies the working file there.
    CommandOutcome SaveAs();

    // The summary data command once its dialog ended with "Salva": stores the eleven values and,
    // when the category changes the log between QSO and SWL, switches the layout (which empties
    // the log) and forgets the open log. The working file is rewritten with the new header.
    // Returns true when the layout was switched.
    bool ApplySummaryData(const SummaryData& summary);

    // Loads the working file as the window does at start.
    bool LoadWorkingFile();

    static QString NewQuestionText();
    static QString OpenQuestionText();

private:
    bool ConfirmDiscard(const QString& question);
    CommandOutcome OpenPath(const QString& path);
    void SetOpenLog(const QString& path);
    // A copy of the working file must hold every row, also one whose append failed.
    bool CatchUpWorkingFile();
    bool IsProgramFile(const QString& path) const;

    AppContext& m_context;
    LogList& m_log;
    WorkedTables& m_tables;
    WorkingFile& m_workingFile;
    Prompter& m_prompter;
};

}  // namespace zelkor
