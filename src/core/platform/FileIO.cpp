#include "core/platform/FileIO.h"

#include "core/platform/FileCalls.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>

namespace zelkor {
namespace {

constexpr mode_t kNewFileMode = 0666;
constexpr mode_t kNewFolderMode = 0777;
constexpr int kTemporaryNameAttempts = 100;

QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

void SetReason(QString* reason, int error, FileAction action)
{
    if (reason != nullptr) {
        *reason = IoErrorText(error, action);
    }
}

// Closing can report a failed write-back that nothing else reported, so its result counts.
int CloseChecked(int fd)
{
    return Files().Close(fd) == 0 ? 0 : errno;
}

// Writes every byte, going on after short writes; the error of the call that failed, or 0.
int WriteAll(int fd, const char* data, qsizetype size)
{
    qsizetype written = 0;
    while (written < size) {
        const ssize_t count =
            Files().Write(fd, data + written, static_cast<std::size_t>(size - written));
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (count == 0) {
            // No progress and no error: the device takes nothing more.
            return ENOSPC;
        }
        written += count;
    }
    return 0;
}

int FsyncChecked(int fd)
{
    return Files().Fsync(fd) == 0 ? 0 : errno;
}

// A new or renamed name is durable only once the folder that holds it is on disk too.
int SyncFolderOf(const QString& path)
{
    const int fd = Files().Open(Native(QFileInfo(path).absolutePath()).constData(),
                                O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) {
        return errno;
    }
    const int error = FsyncChecked(fd);
    const int closed = CloseChecked(fd);
    return error != 0 ? error : closed;
}

// The file a link points to, so that replacing it keeps the link; other paths as they are.
QString FollowLink(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isSymLink()) {
        return path;
    }
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

// A hidden name beside the destination that no file has yet, made by the call (which returns
// -1 with errno EEXIST while the name is taken).
template <typename Create>
int CreateBeside(const QString& destination, const char* kind, QByteArray* path, Create create)
{
    const QFileInfo info(destination);
    const QString stem = info.absolutePath() + QLatin1String("/.") + info.fileName() +
                         QLatin1Char('.') + QLatin1String(kind) + QLatin1Char('-');
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const QString suffix =
            QString::number(QRandomGenerator::global()->generate(), 36).rightJustified(7, u'0');
        *path = Native(stem + suffix);
        const int result = create(path->constData());
        if (result >= 0 || errno != EEXIST) {
            return result;
        }
    }
    errno = EEXIST;
    return -1;
}

int CreateTemporaryFile(const QString& destination, QByteArray* temporaryPath)
{
    return CreateBeside(destination, "tmp", temporaryPath, [](const char* path) {
        return Files().Open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    });
}

// A second name for the file about to be replaced, so that it can come back if the replacement
// can't be made durable. Empty when the file system has no such names (FAT) or the call fails:
// the replacement then goes on without a way back.
QByteArray KeepOldFile(const QString& destination)
{
    QByteArray backup;
    const QByteArray target = Native(destination);
    if (CreateBeside(destination, "old", &backup, [&target](const char* path) {
            return Files().Link(target.constData(), path);
        }) != 0) {
        backup.clear();
    }
    return backup;
}

// The error that refuses a path which is there but is no regular file, or 0.
int NotARegularFileError(const struct stat& status)
{
    if (S_ISREG(status.st_mode)) {
        return 0;
    }
    return S_ISDIR(status.st_mode) ? EISDIR : ENXIO;
}

// True when something other than carriage returns follows the file's last line end: a line cut
// short. Carriage returns alone are dropped by the reader and harm no following line.
bool EndsInsideALine(int fd, off_t size, int* error)
{
    char buffer[64];
    for (off_t end = size; end > 0;) {
        const off_t start = std::max<off_t>(0, end - static_cast<off_t>(sizeof buffer));
        const auto wanted = static_cast<std::size_t>(end - start);
        if (Files().PRead(fd, buffer, wanted, start) != static_cast<ssize_t>(wanted)) {
            *error = errno != 0 ? errno : EIO;
            return false;
        }
        for (auto i = static_cast<std::ptrdiff_t>(wanted); i-- > 0;) {
            if (buffer[i] != '\r') {
                return buffer[i] != '\n';
            }
        }
        end = start;
    }
    return false;
}

}  // namespace

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* reason)
{
    const QString target = FollowLink(path);
    const QFileInfo info(target);
    if (info.isDir()) {
        SetReason(reason, EISDIR, FileAction::Write);
        return false;
    }
    // A read-only destination must stay read-only: a rename would replace it all the same.
    struct stat old {};
    const bool exists = Files().Stat(Native(target).constData(), &old) == 0;
    if (exists && !info.isWritable()) {
        if (reason != nullptr) {
            *reason = QStringLiteral("Il file è in sola lettura.");
        }
        return false;
    }
    QByteArray temporaryPath;
    const int fd = CreateTemporaryFile(target, &temporaryPath);
    if (fd < 0) {
        SetReason(reason, errno, FileAction::Write);
        return false;
    }
    int error = 0;
    if (exists && Files().Fchmod(fd, old.st_mode & 07777) != 0) {
        error = errno;
    }
    if (error == 0) {
        error = WriteAll(fd, bytes.constData(), bytes.size());
    }
    if (error == 0) {
        error = FsyncChecked(fd);
    }
    const int closed = CloseChecked(fd);
    if (error == 0) {
        error = closed;
    }
    const QByteArray backup = error == 0 && exists ? KeepOldFile(target) : QByteArray();
    if (error == 0 && Files().Rename(temporaryPath.constData(), Native(target).constData()) != 0) {
        error = errno;
    }
    if (error != 0) {
        (void)Files().Unlink(temporaryPath.constData());
        if (!backup.isEmpty()) {
            (void)Files().Unlink(backup.constData());
        }
        SetReason(reason, error, FileAction::Write);
        return false;
    }
    // Until the folder is on disk a power cut could still bring the old file back: a failure
    // here puts the old file back too, so that what the user is told matches what is there.
    error = SyncFolderOf(target);
    if (error != 0) {
        if (!backup.isEmpty()) {
            (void)Files().Rename(backup.constData(), Native(target).constData());
        }
        SetReason(reason, error, FileAction::Write);
        return false;
    }
    if (!backup.isEmpty()) {
        (void)Files().Unlink(backup.constData());
    }
    return true;
}

bool AppendDurably(const QString& path, QByteArray bytes, QString* reason)
{
    struct stat status {};
    if (Files().Stat(Native(path).constData(), &status) != 0) {
        SetReason(reason, errno, FileAction::Append);
        return false;
    }
    if (const int refused = NotARegularFileError(status)) {
        SetReason(reason, refused, FileAction::Append);
        return false;
    }
    const int fd =
        Files().Open(Native(path).constData(), O_RDWR | O_APPEND | O_NONBLOCK | O_CLOEXEC, 0);
    if (fd < 0) {
        SetReason(reason, errno, FileAction::Append);
        return false;
    }
    int error = 0;
    if (Files().Fstat(fd, &status) != 0) {
        error = errno;
    } else {
        error = NotARegularFileError(status);
    }
    const off_t oldSize = status.st_size;
    if (error == 0 && EndsInsideALine(fd, oldSize, &error)) {
        bytes.prepend("\r\n");
    }
    if (error == 0) {
        error = WriteAll(fd, bytes.constData(), bytes.size());
    }
    if (error == 0) {
        error = FsyncChecked(fd);
    }
    if (error != 0 && oldSize >= 0) {
        (void)Files().Ftruncate(fd, oldSize);
        (void)Files().Fsync(fd);
    }
    // Once fsync has succeeded the line is on disk and can't be taken back: a failing close
    // must not make the caller believe that it is missing.
    (void)Files().Close(fd);
    if (error != 0) {
        SetReason(reason, error, FileAction::Append);
        return false;
    }
    return true;
}

bool CreateFileDurably(const QString& path, const QByteArray& bytes, QString* reason)
{
    const QByteArray native = Native(path);
    const int fd =
        Files().Open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (fd < 0) {
        SetReason(reason, errno, FileAction::Write);
        return false;
    }
    int error = WriteAll(fd, bytes.constData(), bytes.size());
    if (error == 0) {
        error = FsyncChecked(fd);
    }
    const int closed = CloseChecked(fd);
    if (error == 0) {
        error = closed;
    }
    if (error == 0) {
        error = SyncFolderOf(path);
    }
    if (error != 0) {
        (void)Files().Unlink(native.constData());
        SetReason(reason, error, FileAction::Write);
        return false;
    }
    return true;
}

std::optional<QByteArray> ReadWholeFile(const QString& path, QString* reason)
{
    const QByteArray native = Native(path);
    struct stat status {};
    // A pipe would block the open for ever and a device may never end: look before opening.
    if (Files().Stat(native.constData(), &status) != 0) {
        SetReason(reason, errno, FileAction::Read);
        return std::nullopt;
    }
    if (const int refused = NotARegularFileError(status)) {
        SetReason(reason, refused, FileAction::Read);
        return std::nullopt;
    }
    const int fd = Files().Open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0);
    if (fd < 0) {
        SetReason(reason, errno, FileAction::Read);
        return std::nullopt;
    }
    // The name may have been replaced since it was looked at.
    int error = Files().Fstat(fd, &status) != 0 ? errno : NotARegularFileError(status);
    QByteArray bytes;
    if (error == 0) {
        bytes.reserve(static_cast<qsizetype>(status.st_size));
        char buffer[1 << 16];
        for (;;) {
            const ssize_t count = Files().Read(fd, buffer, sizeof buffer);
            if (count < 0) {
                if (errno == EINTR) {
                    continue;
                }
                error = errno;
                break;
            }
            if (count == 0) {
                break;
            }
            bytes.append(buffer, static_cast<qsizetype>(count));
        }
    }
    (void)Files().Close(fd);
    if (error != 0) {
        SetReason(reason, error, FileAction::Read);
        return std::nullopt;
    }
    return bytes;
}

bool CreateFolders(const QString& folder, QString* reason)
{
    const QString path = QFileInfo(folder).absoluteFilePath();
    struct stat status {};
    if (Files().Stat(Native(path).constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) {
            return true;
        }
        SetReason(reason, ENOTDIR, FileAction::Write);
        return false;
    }
    if (errno != ENOENT) {
        SetReason(reason, errno, FileAction::Write);
        return false;
    }
    const QString parent = QFileInfo(path).absolutePath();
    if (parent != path && !CreateFolders(parent, reason)) {
        return false;
    }
    if (Files().Mkdir(Native(path).constData(), kNewFolderMode) != 0 && errno != EEXIST) {
        SetReason(reason, errno, FileAction::Write);
        return false;
    }
    if (const int error = SyncFolderOf(path)) {
        SetReason(reason, error, FileAction::Write);
        return false;
    }
    return true;
}

bool PathIsFree(const QString& path)
{
    const QFileInfo info(path);
    return !info.exists() && !info.isSymLink();
}

QString FileNamePart(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

}  // namespace zelkor
