#pragma once
// The working file "_ult.zelk": the mirror of the current log on disk. Every whole rewrite goes
// through a temporary file renamed over the old one; every appended row is flushed to disk
// before the call returns. Failures come back as Italian messages for the user.

#include "core/platform/Prompter.h"
#include "core/platform/Result.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace zelkor {

class LogList;
class ProvinceTable;

// What loading the working file found and did: whether the log was loaded, and the messages for
// the operator in the order they are to be shown.
struct LoadReport {
    bool loaded = false;
    // The working file held no log but another program's bytes: the rows shown are no longer
    // those of any named log.
    bool notALog = false;
    // The working file was not there, or empty, and was made with the header alone: the log is
    // empty, whatever named log the settings remember.
    bool created = false;
    std::vector<MessageBox> messages;

    void Error(const QString& text);
    void Warning(const QString& text);
};
struct SummaryData;

class WorkingFile;

// Tells the operator how a write of the working file went (a row entered, edited or deleted, new
// summary data): why it failed, or, when an earlier failure had left the file without rows of
// the log (lackedRows, taken before the write), that it holds the whole log again.
void ReportWorkingFileWrite(const Result& written, bool lackedRows, const WorkingFile& file,
                            Prompter& prompter);

class WorkingFile {
public:
    explicit WorkingFile(QString path);

    [[nodiscard]] const QString& Path() const { return m_path; }

    // Rewrites the file whole from the log and the summary data. On failure the file on disk is
    // the one before the call.
    Result WriteWorkingFile(const LogList& log, const SummaryData& summary);
    // Appends one row line (as RowLine makes it) to the end of the existing file and flushes it
    // to disk. A missing file is a failure, never created here. On failure the file is cut back
    // to its length before the call, so that no part of the line stays behind.
    Result AppendToWorkingFile(const std::string& line);
    // Replaces the file with a log that holds the header alone ("Nuovo log"). On failure the file
    // is the old one or, when even putting the old one back failed, the new one; either way the
    // next copy rewrites it from the log first.
    Result WriteHeaderOnly(bool swl, const SummaryData& summary);
    // After a failed append or rewrite the file lacks rows of the log: rewrites it whole, so that a
    // copy of it (Save, Save As) holds every row. Does nothing while the file is complete.
    Result CatchUp(const LogList& log, const SummaryData& summary);
    // A write failed since the file was last written whole or loaded: it does not hold the log.
    [[nodiscard]] bool LacksRows() const { return m_lacksRows; }

    // Loads the working file into the log and the summary data; the caller empties the log
    // first and rebuilds the worked tables after. An absent file is created with the header of the
    // log's current layout and the summary data. A file that exists but can't be read (or is no
    // regular file) is reported and never written. Bytes after the last line end are kept, exactly
    // as they are, in a new recovery file, with a warning saying where; then, and also after a
    // header cut short, the working file is rewritten whole, so that appended rows follow a
    // complete header and a line end. The report says whether the log was loaded and what to tell
    // the operator.
    LoadReport LoadWorkingFile(LogList& log, SummaryData& summary, const ProvinceTable& provinces);

    // "Apri": reads the chosen log file whole, replaces the working file with its bytes, empties
    // the log and loads the same bytes into it, so that what is on screen is what the working file
    // holds; the caller rebuilds the worked tables. The report is not loaded, and says why, when
    // the file could not be read or the working file not written; the log is then as it was, and
    // the next copy rewrites the working file from it.
    LoadReport ReplaceAndLoad(const QString& sourcePath, LogList& log, SummaryData& summary,
                              const ProvinceTable& provinces);
    // The first step of ReplaceAndLoad: the file read whole, and taken only if it can be a log
    // (not empty, not binary). Nothing, and an error in the report saying why, otherwise.
    static std::optional<QByteArray> ReadLogToOpen(const QString& sourcePath, LoadReport& report);

    // Where set-aside bytes go, beside the working file; when it exists already, the same name
    // followed by ".2", ".3", ... so that no earlier recovery file is ever replaced.
    [[nodiscard]] QString RecoveryFilePath() const;

private:
    // The loading of LoadWorkingFile once the bytes are read: rows, set-aside and rewrite. The
    // bytes came from sourcePath when one is given (a log just opened), else from the working
    // file itself; the messages name it.
    void LoadBytes(const QByteArray& bytes, LogList& log, SummaryData& summary,
                   const ProvinceTable& provinces, LoadReport& report,
                   const QString& sourcePath = QString());
    // Keeps the bytes in a new recovery file, with a message saying where; false (with a
    // message saying why) when they could not be kept.
    bool SetAside(const QByteArray& bytes, LoadReport& report, const QString& sourcePath) const;
    // The same for a whole working file that is no log.
    bool KeepBinaryFile(const QByteArray& bytes, LoadReport& report) const;
    // Writes the bytes to a recovery file that did not exist; its path either way, and the
    // reason when none could be made.
    bool KeepInRecoveryFile(const QByteArray& bytes, QString& path, QString& reason) const;

    QString m_path;
    bool m_lacksRows = false;
};

// Bytes left out of a log, described for the user: their size, their lines and their first 80
// characters with control bytes escaped, however long they are.
QString SetAsideDescription(const QByteArray& bytes);

// Copies one file's bytes onto another: the source is read whole first, the destination is
// replaced atomically. On failure the destination is as it was.
Result CopyWholeFile(const QString& sourcePath, const QString& destinationPath);
// Replaces the file at destinationPath with bytes, whole or not at all.
Result WriteWholeFile(const QString& destinationPath, const QByteArray& bytes);

}  // namespace zelkor
