#pragma once
// The open log as one document: its rows (whose layout is the one source of "QSO or SWL"), the
// worked tables built from them, the working file that mirrors them, the named log it was opened
// from or saved as, and whether it changed since. Commands and the entry row work on the log
// through it; the open log and the modified flag are kept in the settings store as they change.

#include "core/log/LogList.h"
#include "core/log/WorkingFile.h"
#include "core/platform/Result.h"
#include "core/worked/WorkedTables.h"

#include <QObject>
#include <QString>

#include <string>
#include <vector>

namespace zelkor {

class ProvinceTable;
class SettingsStore;
struct SummaryData;

class LogDocument : public QObject {
    Q_OBJECT

public:
    // Takes the open log and the modified flag from the store (none without a store). When the
    // store describes another working file (another program folder with the same settings), no
    // named log is open here and a log with rows counts as modified; the store keeps the other
    // file's values until a named log is opened, saved or forgotten here.
    LogDocument(SettingsStore* store, const QString& workingFilePath, QObject* parent = nullptr);

    LogList& Log() { return m_log; }
    [[nodiscard]] const LogList& Log() const { return m_log; }
    WorkedTables& Tables() { return m_tables; }
    [[nodiscard]] const WorkedTables& Tables() const { return m_tables; }
    WorkingFile& File() { return m_workingFile; }
    [[nodiscard]] const WorkingFile& File() const { return m_workingFile; }
    [[nodiscard]] bool IsSwl() const { return m_log.IsSwl(); }

    // The named log the rows were opened from or last saved to; empty when there is none.
    [[nodiscard]] const QString& OpenPath() const { return m_openPath; }
    [[nodiscard]] const QString& OpenName() const { return m_openName; }
    [[nodiscard]] bool IsModified() const { return m_modified; }

    // Each returns false when the store could not be written; the document has changed all the
    // same, and the caller tells the operator.
    [[nodiscard]] bool MarkModified();
    [[nodiscard]] bool MarkClean();
    // The rows now match the named log at path (Open, Save As): the log is clean.
    [[nodiscard]] bool SetOpenLog(const QString& path);
    // No named log any more (New, a switch between QSO and SWL): the log is clean.
    [[nodiscard]] bool ForgetOpenLog();

    // Adds rows at the end of the log and their lines at the end of the working file in one
    // write; when the append fails, a whole rewrite may still get them to disk. A working file
    // that an earlier write left behind the log is rewritten whole instead of appended to, so
    // that the rows it missed reach the disk with the new ones. The rows stay in the log either
    // way; a failure says why the working file lacks them.
    Result AppendRows(const std::vector<std::vector<std::string>>& rows,
                      const SummaryData& summary);

    // The rows were moved among themselves (a sort) since the working file was last written
    // whole or loaded: it holds them in another order than the screen. A sort writes nothing
    // by itself; the next whole write brings the new order to disk.
    [[nodiscard]] bool OrderDiffersFromWorkingFile() const { return m_orderDiffers; }

    // The working file written whole from the rows (an edited or deleted row, new summary
    // data). On failure the file is the one before and the next copy rewrites it first.
    Result RewriteWorkingFile(const SummaryData& summary);
    // Before the working file is copied (Save, Save As): rewrites it whole when it lacks rows
    // or holds them in another order than the screen, so that the copy is what is shown.
    Result CatchUpWorkingFile(const SummaryData& summary);
    // "Nuovo log": the working file holds the header alone, then the rows and the worked tables
    // are emptied. On failure the rows stay.
    Result EmptyLog(const SummaryData& summary);
    // "Apri" and the start: see WorkingFile::ReplaceAndLoad and WorkingFile::LoadWorkingFile.
    LoadReport ReplaceAndLoad(const QString& sourcePath, SummaryData& summary,
                              const ProvinceTable& provinces);
    LoadReport LoadWorkingFile(SummaryData& summary, const ProvinceTable& provinces);

signals:
    void modifiedChanged(bool modified);
    void openLogChanged();

private:
    [[nodiscard]] bool SetModified(bool modified);
    // Queues the open log, its name, the flag and this working file's path in the store.
    void WriteOpenLogSettings();

    SettingsStore* m_store;
    LogList m_log;
    WorkedTables m_tables;
    WorkingFile m_workingFile;
    QString m_openPath;
    QString m_openName;
    bool m_modified = false;
    bool m_orderDiffers = false;
    bool m_storeDescribesOtherFile = false;
};

}  // namespace zelkor
