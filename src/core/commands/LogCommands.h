#pragma once
// The commands of the "File" menu: New, Open, Save and Save As. Named logs are copies of the
// working file; each command changes the open log's name, the modified flag and the rows only
// once its file work has succeeded, so that a failure leaves everything as it was.

#include <QString>

namespace zelkor {

struct AppContext;
struct SummaryData;
class LogDocument;
class LogList;
class Prompter;
class WorkedTables;

enum class CommandOutcome { Done, Cancelled, Failed };
enum class SummaryOutcome { Cancelled, Applied, LayoutSwitched };

class LogCommands {
public:
    LogCommands(AppContext& context, LogDocument& document, Prompter& prompter);

    // "Nuovo log": empties the log and leaves a working file holding the header alone.
    CommandOutcome New();
    // "Apri": asks for a log file and loads it through the working file.
    CommandOutcome Open();
    // Opens the log named on the command line, once, at window start.
    CommandOutcome OpenStartupLog();
    // "Salva": copies the working file onto the open log; without one it is "Salva come...".
    // The working file is first rewritten when it lacks rows or the rows were sorted since,
    // so that the saved log is what the screen shows.
    CommandOutcome Save();
    // "Salva come...": asks for a name and copies the working file there, caught up as by Save.
    // When the working file can't be caught up (a full disk), the rows shown are written to the
    // chosen file all the same, as a copy: the working file and the open log stay as they were.
    CommandOutcome SaveAs();

    // The summary data command once its dialog ended with "Salva": stores the eleven values and,
    // when the category changes the log between QSO and SWL, switches the layout (which empties
    // the log) and forgets the open log. The working file is rewritten with the new header. A
    // switch that would drop rows asks first unless the dialog already asked (switchConfirmed);
    // No cancels the whole command. Other changes of the header mark the log modified, since
    // the rows in the working file now differ from any saved log.
    SummaryOutcome ApplySummaryData(const SummaryData& summary, bool switchConfirmed = false);

    // Loads the working file as the window does at start. A working file that held no log
    // leaves no open log behind, so that Save asks for a name.
    bool LoadWorkingFile();

    // Whether the program may close now. A working file left behind the log by a failed write
    // is first written whole; when that fails too, the operator is told that quitting loses the
    // rows it lacks and decides. Otherwise unsaved changes are asked about as by New and Open.
    bool MayClose();

    static QString CloseQuestionText();
    static QString RowsLostOnCloseQuestionText();
    static QString NewQuestionText();
    static QString OpenQuestionText();
    static QString ModeSwitchQuestionText(bool toSwl, int rowCount);

private:
    bool ConfirmDiscard(const QString& question);
    CommandOutcome OpenPath(const QString& path);
    // A file of the program itself (the working file, the province list) is no log to open:
    // tells the operator so and returns true.
    bool RefuseProgramFile(const QString& path);
    void SetOpenLog(const QString& path);
    // After rows were loaded: the worked tables rebuilt and the last row shown.
    void AfterLoad();
    // A copy of the working file must hold every row, also one whose append failed, in the
    // order on screen.
    bool CatchUpWorkingFile();
    CommandOutcome SaveCopyOfRows(const QString& path, const QString& workingFileFailure);

    AppContext& m_context;
    LogDocument& m_document;
    LogList& m_log;
    WorkedTables& m_tables;
    Prompter& m_prompter;
};

}  // namespace zelkor
