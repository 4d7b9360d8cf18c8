#include "log/WorkingFile.h"

#include "log/LogFile.h"
#include "log/LogList.h"
#include "platform/FileIO.h"
#include "platform/Prompter.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelkor {
namespace {

enum class MissingFile { Fail, Create };

QString WithReason(QString text, const QString& reason)
{
    if (!reason.isEmpty()) {
        text += QStringLiteral("\n\n") + reason;
    }
    return text;
}

// The causes a user can act on get an Italian sentence; anything rarer keeps the system's text.
QString ErrnoText(int error)
{
    switch (error) {
        case ENOENT:
            return QStringLiteral("Il file non esiste.");
        case EACCES:
        case EPERM:
            return QStringLiteral("Permesso negato.");
        case EISDIR:
            return QStringLiteral("Il percorso indica una cartella, non un file.");
        case ENOTDIR:
            return QStringLiteral("Una parte del percorso non è una cartella.");
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("Spazio su disco esaurito.");
        case EFBIG:
            return QStringLiteral("Il file ha superato la dimensione massima consentita.");
        case EROFS:
            return QStringLiteral("Il disco è in sola lettura.");
        default:
            return QString::fromLocal8Bit(std::strerror(error));
    }
}

// Qt's own error strings say little about why a path can't be used; these checks run only after
// a failure, to name the likely cause.
QString ReadProblem(const QString& path, const QString& fallback)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        return ErrnoText(ENOENT);
    }
    if (info.isDir()) {
        return ErrnoText(EISDIR);
    }
    if (!info.isReadable()) {
        return QStringLiteral("Mancano i permessi per leggerlo.");
    }
    return fallback;
}

QString WriteProblem(const QString& path, const QString& fallback)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        return ErrnoText(EISDIR);
    }
    const QFileInfo folder(info.absolutePath());
    if (folder.exists() && !folder.isDir()) {
        return ErrnoText(ENOTDIR);
    }
    if (!folder.exists()) {
        return QStringLiteral("La cartella che dovrebbe contenerlo non esiste.");
    }
    if (info.exists() && !info.isWritable()) {
        return QStringLiteral("Il file è in sola lettura.");
    }
    if (!folder.isWritable()) {
        return QStringLiteral("Mancano i permessi per scrivere nella cartella.");
    }
    return fallback;
}

// A rename is durable only once the folder that holds the new name is on disk too.
void SyncFolderOf(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

// True when something other than carriage returns follows the file's last line end: a line cut
// short. Carriage returns alone are dropped by the reader and harm no following line.
bool EndsInsideALine(int fd, off_t size)
{
    char buffer[64];
    for (off_t end = size; end > 0;) {
        const off_t start = std::max<off_t>(0, end - static_cast<off_t>(sizeof buffer));
        if (::pread(fd, buffer, end - start, start) != end - start) {
            return false;
        }
        for (off_t i = end - start; i-- > 0;) {
            if (buffer[i] != '\r') {
                return buffer[i] != '\n';
            }
        }
        end = start;
    }
    return false;
}

// Appends the bytes at the end of the file and flushes them to disk. A file that does not end
// with a line end (a line cut short by a crash) first gets one, so that the new line is never
// glued onto the broken one. On failure the file is cut back to its former length.
bool AppendDurably(const QString& path, QByteArray bytes, MissingFile missing, QString* reason)
{
    const int flags =
        O_RDWR | O_APPEND | O_CLOEXEC | (missing == MissingFile::Create ? O_CREAT : 0);
    const int fd = ::open(QFile::encodeName(path).constData(), flags, 0666);
    if (fd < 0) {
        *reason = ErrnoText(errno);
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        *reason = QStringLiteral("Il percorso non indica un file normale.");
        ::close(fd);
        return false;
    }
    const off_t oldSize = status.st_size;
    if (EndsInsideALine(fd, oldSize)) {
        bytes.prepend("\r\n");
    }
    qsizetype written = 0;
    int error = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.constData() + written, bytes.size() - written);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = errno;
            break;
        }
        written += count;
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (error != 0) {
        (void)::ftruncate(fd, oldSize);
        (void)::fsync(fd);
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        *reason = ErrnoText(error);
        return false;
    }
    return true;
}

QString RewriteFailedText(const QString& path, const QString& reason)
{
    return WithReason(QStringLiteral("Impossibile scrivere il file di lavoro:\n") + path, reason);
}

void ShowLastRow(LogList& log)
{
    if (log.RowCount() > 0) {
        log.MakeRowVisible(log.RowCount() - 1);
    }
}

}  // namespace

WorkingFile::WorkingFile(QString path) : m_path(std::move(path)) {}

QString WorkingFile::RecoveryFilePath() const
{
    return m_path + QStringLiteral(".recupero");
}

Result WorkingFile::WriteWorkingFile(const LogList& log, const SummaryData& summary)
{
    QString reason;
    if (!WriteFileAtomically(m_path, LogFileBytes(log, summary), &reason)) {
        // The file on disk no longer matches the log: a later copy must rewrite it first.
        m_lacksRows = true;
        return Result::Failure(RewriteFailedText(m_path, WriteProblem(m_path, reason)));
    }
    SyncFolderOf(m_path);
    m_lacksRows = false;
    return Result::Ok();
}

Result WorkingFile::CatchUp(const LogList& log, const SummaryData& summary)
{
    return m_lacksRows ? WriteWorkingFile(log, summary) : Result::Ok();
}

Result WorkingFile::AppendToWorkingFile(const std::string& line)
{
    QString reason;
    if (!AppendDurably(m_path, QByteArray::fromStdString(line), MissingFile::Fail, &reason)) {
        m_lacksRows = true;
        return Result::Failure(WithReason(
            QStringLiteral("Impossibile aggiungere la riga al file di lavoro:\n") + m_path,
            reason));
    }
    return Result::Ok();
}

bool WorkingFile::LoadWorkingFile(LogList& log, SummaryData& summary, WorkedTables& tables,
                                  const ProvinceTable& provinces, Prompter& prompter)
{
    // Only a file that is not there at all is created: anything else under that name (a file
    // without read permission, a folder) may hold a log and is left alone.
    const QFileInfo info(m_path);
    if (!info.exists() && !info.isSymLink()) {
        if (!WriteFileAtomically(m_path, WriteLogHeader(log.IsSwl(), summary))) {
            prompter.Error(QStringLiteral("Impossibile creare file log corrente:\n") + m_path +
                           QStringLiteral("\n"));
            return false;
        }
        SyncFolderOf(m_path);
        ShowLastRow(log);
        return true;
    }

    QString reason;
    const std::optional<QByteArray> bytes = ReadWholeFile(m_path, &reason);
    if (!bytes) {
        prompter.Error(
            WithReason(QStringLiteral("Impossibile leggere il file di lavoro:\n") + m_path,
                       ReadProblem(m_path, reason)) +
            QStringLiteral("\n\nIl file non è stato modificato."));
        return false;
    }
    QBuffer buffer;
    buffer.setData(*bytes);
    buffer.open(QIODevice::ReadOnly);
    const LogReadResult read = ReadLogFile(buffer, provinces, log, summary, tables);
    if (read.incompleteLastLine) {
        RecoverIncompleteLine(read.incompleteLine, log, summary, prompter);
    }
    ShowLastRow(log);
    return true;
}

void WorkingFile::RecoverIncompleteLine(const QByteArray& line, const LogList& log,
                                        const SummaryData& summary, Prompter& prompter)
{
    // A line of nothing but a carriage return holds nothing worth keeping or telling about.
    if (!line.isEmpty()) {
        QString reason;
        if (!AppendDurably(RecoveryFilePath(), line + "\r\n", MissingFile::Create, &reason)) {
            // The line exists nowhere else, so the working file keeps it; the next append starts
            // on a new line all the same.
            prompter.Error(
                WithReason(
                    QStringLiteral("L'ultima riga del file di lavoro è incompleta e non è stata "
                                   "caricata tra le righe del log, ma non è stato possibile "
                                   "conservarla nel file:\n") +
                        RecoveryFilePath(),
                    reason) +
                QStringLiteral("\n\nLa riga resta nel file di lavoro."));
            return;
        }
        prompter.Warning(
            QStringLiteral(
                "L'ultima riga del file di lavoro è incompleta (manca il ritorno a capo finale, "
                "per esempio perché il programma è stato interrotto mentre la scriveva) e non "
                "è stata caricata tra le righe del log.\n\nLa riga è stata conservata nel "
                "file:\n") +
            RecoveryFilePath());
    }
    const Result rewritten = WriteWorkingFile(log, summary);
    if (!rewritten) {
        prompter.Error(rewritten.message());
    }
}

Result CopyWholeFile(const QString& sourcePath, const QString& destinationPath)
{
    QString reason;
    const std::optional<QByteArray> bytes = ReadWholeFile(sourcePath, &reason);
    if (!bytes) {
        return Result::Failure(
            WithReason(QStringLiteral("Impossibile leggere il file:\n") + sourcePath,
                       ReadProblem(sourcePath, reason)));
    }
    if (!WriteFileAtomically(destinationPath, *bytes, &reason)) {
        return Result::Failure(
            WithReason(QStringLiteral("Impossibile scrivere il file:\n") + destinationPath,
                       WriteProblem(destinationPath, reason)));
    }
    SyncFolderOf(destinationPath);
    return Result::Ok();
}

}  // namespace zelkor
