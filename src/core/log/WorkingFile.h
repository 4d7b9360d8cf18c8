#pragma once
// The working file "_ult.zelk": the mirror of the current log on disk. Every whole rewrite goes
// through a temporary file renamed over the old one; every appended row is flushed to disk
// before the call returns. Failures come back as Italian messages for the user.

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

#include <string>

namespace zelkor {

class LogList;
class ProvinceTable;
class Prompter;
class WorkedTables;
struct SummaryData;

class WorkingFile {
public:
    explicit WorkingFile(QString path);

    const QString& Path() const { return m_path; }

    // Rewrites the file whole from the log and the summary data. On failure the file on disk is
    // the one before the call.
    Result WriteWorkingFile(const LogList& log, const SummaryData& summary);
    // Appends one row line (as RowLine makes it) to the end of the existing file and flushes it
    // to disk. A missing file is a failure, never created here. On failure the file is cut back
    // to its length before the call, so that no part of the line stays behind.
    Result AppendToWorkingFile(const std::string& line);
    // After a failed append or rewrite the file lacks rows of the log: rewrites it whole, so that a copy
    // of it (Save, Save As) holds every row. Does nothing while the file is complete.
    Result CatchUp(const LogList& log, const SummaryData& summary);

    // Loads the working file into the log, summary data and worked tables; the caller empties
    // the log first. An absent file is created with the header of the log's current layout and
    // the summary data. A file that exists but can't be read is reported and never written. A
    // last line without line end is kept in the recovery file, the user is told, and the working
    // file is rewritten without it. Returns false when the log could not be loaded (the user has
    // been told).
    bool LoadWorkingFile(LogList& log, SummaryData& summary, WorkedTables& tables,
                         const ProvinceTable& provinces, Prompter& prompter);

    // Where incomplete last lines are kept, one per line, oldest first: beside the working file.
    QString RecoveryFilePath() const;

private:
    // Keeps the bytes of a broken last line in the recovery file, tells the user, and rewrites
    // the working file from the log that was loaded without them.
    void RecoverIncompleteLine(const QByteArray& line, const LogList& log,
                               const SummaryData& summary, Prompter& prompter);

    QString m_path;
    bool m_lacksRows = false;
};

// Copies one file's bytes onto another: the source is read whole first, the destination is
// replaced atomically. On failure the destination is as it was.
Result CopyWholeFile(const QString& sourcePath, const QString& destinationPath);

}  // namespace zelkor
