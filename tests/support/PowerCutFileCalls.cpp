#include "support/PowerCutFileCalls.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <stdexcept>

#include <fcntl.h>
#include <unistd.h>

namespace zelkor::test {
namespace {

QString Clean(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("power cut: can't read " + path.toStdString());
    }
    return file.readAll();
}

void Apply(QByteArray& contents, const QByteArray& bytes, off_t offset)
{
    const auto at = static_cast<qsizetype>(offset);
    if (contents.size() < at + bytes.size()) {
        contents.resize(at + bytes.size(), '\0');
    }
    contents.replace(at, bytes.size(), bytes);
}

}  // namespace

PowerCutFileCalls::PowerCutFileCalls(std::vector<QString> folders, int cutAt,
                                     UnsyncedWrites unsynced, unsigned seed)
    : m_cutAt(cutAt), m_unsynced(unsynced), m_random(seed)
{
    for (const QString& path : folders) {
        Folder& folder = m_folders[Clean(path)];
        const QDir dir(path);
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            struct stat status {};
            if (::stat(QFile::encodeName(dir.filePath(name)).constData(), &status) != 0) {
                throw std::runtime_error("power cut: can't look at " + name.toStdString());
            }
            folder.synced[name] = status.st_ino;
            m_inodes[status.st_ino].synced = ReadAll(dir.filePath(name));
        }
    }
}

PowerCutFileCalls::~PowerCutFileCalls()
{
    for (const auto& [fd, descriptor] : m_descriptors) {
        ::close(fd);
    }
}

void PowerCutFileCalls::Count()
{
    ++m_calls;
    if (m_calls == m_cutAt) {
        m_off = true;
        throw PowerCut{};
    }
}

PowerCutFileCalls::Inode& PowerCutFileCalls::InodeOf(ino_t inode)
{
    return m_inodes[inode];
}

PowerCutFileCalls::Folder* PowerCutFileCalls::FolderOf(const QString& path, QString* name)
{
    const QFileInfo info(Clean(path));
    const auto found = m_folders.find(info.absolutePath());
    if (found == m_folders.end()) {
        return nullptr;
    }
    *name = info.fileName();
    return &found->second;
}

int PowerCutFileCalls::Open(const char* path, int flags, mode_t mode)
{
    Count();
    const int fd = FileCalls::Open(path, flags, mode);
    if (fd < 0) {
        return fd;
    }
    const int error = errno;
    struct stat status {};
    ::fstat(fd, &status);
    Descriptor& descriptor = m_descriptors[fd];
    descriptor = Descriptor{status.st_ino, (flags & O_APPEND) != 0, QString()};
    if (S_ISDIR(status.st_mode)) {
        descriptor.folder = Clean(QFile::decodeName(path));
    } else if (!m_inodes.count(status.st_ino)) {
        // A new file: empty on disk, and its name there only once the folder is flushed.
        m_inodes[status.st_ino] = Inode{};
        QString name;
        if (Folder* folder = FolderOf(QFile::decodeName(path), &name)) {
            folder->unsynced.push_back({NameChangeKind::Add, name, QString(), status.st_ino});
        }
    }
    errno = error;
    return fd;
}

ssize_t PowerCutFileCalls::Read(int fd, void* buffer, std::size_t size)
{
    Count();
    return FileCalls::Read(fd, buffer, size);
}

ssize_t PowerCutFileCalls::PRead(int fd, void* buffer, std::size_t size, off_t offset)
{
    Count();
    return FileCalls::PRead(fd, buffer, size, offset);
}

ssize_t PowerCutFileCalls::Write(int fd, const void* buffer, std::size_t size)
{
    Count();
    const auto found = m_descriptors.find(fd);
    off_t offset = 0;
    if (found != m_descriptors.end()) {
        if (found->second.append) {
            struct stat status {};
            ::fstat(fd, &status);
            offset = status.st_size;
        } else {
            offset = ::lseek(fd, 0, SEEK_CUR);
        }
    }
    const ssize_t written = FileCalls::Write(fd, buffer, size);
    if (written > 0 && found != m_descriptors.end()) {
        InodeOf(found->second.inode)
            .unsynced.push_back(
                {false, offset,
                 QByteArray(static_cast<const char*>(buffer), static_cast<qsizetype>(written))});
    }
    return written;
}

int PowerCutFileCalls::Fsync(int fd)
{
    Count();
    const int result = FileCalls::Fsync(fd);
    const auto found = m_descriptors.find(fd);
    if (result != 0 || found == m_descriptors.end()) {
        return result;
    }
    if (!found->second.folder.isEmpty()) {
        const auto folder = m_folders.find(found->second.folder);
        if (folder != m_folders.end()) {
            for (const NameChange& change : folder->second.unsynced) {
                std::map<QString, ino_t>& names = folder->second.synced;
                switch (change.kind) {
                    case NameChangeKind::Add:
                        names[change.name] = change.inode;
                        break;
                    case NameChangeKind::Rename:
                        if (names.count(change.name)) {
                            names[change.other] = names[change.name];
                            names.erase(change.name);
                        }
                        break;
                    case NameChangeKind::Remove:
                        names.erase(change.name);
                        break;
                }
            }
            folder->second.unsynced.clear();
        }
        return result;
    }
    // The file as it is now, read through the descriptor's link (it may be open write-only).
    Inode& inode = InodeOf(found->second.inode);
    inode.synced = ReadAll(QStringLiteral("/proc/self/fd/%1").arg(fd));
    inode.unsynced.clear();
    return result;
}

int PowerCutFileCalls::Ftruncate(int fd, off_t length)
{
    Count();
    const int result = FileCalls::Ftruncate(fd, length);
    const auto found = m_descriptors.find(fd);
    if (result == 0 && found != m_descriptors.end()) {
        InodeOf(found->second.inode).unsynced.push_back({true, length, QByteArray()});
    }
    return result;
}

int PowerCutFileCalls::Fstat(int fd, struct stat* status)
{
    Count();
    return FileCalls::Fstat(fd, status);
}

int PowerCutFileCalls::Fchmod(int fd, mode_t mode)
{
    Count();
    return FileCalls::Fchmod(fd, mode);
}

int PowerCutFileCalls::Close(int fd)
{
    Count();
    m_descriptors.erase(fd);
    return FileCalls::Close(fd);
}

int PowerCutFileCalls::Stat(const char* path, struct stat* status)
{
    Count();
    return FileCalls::Stat(path, status);
}

int PowerCutFileCalls::Rename(const char* from, const char* to)
{
    Count();
    const int result = FileCalls::Rename(from, to);
    QString fromName;
    QString toName;
    Folder* folder = FolderOf(QFile::decodeName(from), &fromName);
    if (result == 0 && folder != nullptr && FolderOf(QFile::decodeName(to), &toName) == folder) {
        folder->unsynced.push_back({NameChangeKind::Rename, fromName, toName, 0});
    }
    return result;
}

int PowerCutFileCalls::Link(const char* existing, const char* newName)
{
    Count();
    const int result = FileCalls::Link(existing, newName);
    QString name;
    Folder* folder = FolderOf(QFile::decodeName(newName), &name);
    struct stat status {};
    if (result == 0 && folder != nullptr && ::stat(existing, &status) == 0) {
        folder->unsynced.push_back({NameChangeKind::Add, name, QString(), status.st_ino});
    }
    return result;
}

int PowerCutFileCalls::Unlink(const char* path)
{
    Count();
    const int result = FileCalls::Unlink(path);
    QString name;
    Folder* folder = FolderOf(QFile::decodeName(path), &name);
    if (result == 0 && folder != nullptr) {
        folder->unsynced.push_back({NameChangeKind::Remove, name, QString(), 0});
    }
    return result;
}

QByteArray PowerCutFileCalls::ContentsAfterCut(const Inode& inode)
{
    QByteArray contents = inode.synced;
    const std::vector<DataChange>& changes = inode.unsynced;
    if (changes.empty() || m_unsynced == UnsyncedWrites::Dropped) {
        return contents;
    }
    const auto apply = [&contents](const DataChange& change, qsizetype keep) {
        if (change.truncate) {
            contents.resize(static_cast<qsizetype>(change.offset), '\0');
        } else {
            Apply(contents, change.bytes.left(keep), change.offset);
        }
    };
    if (m_unsynced == UnsyncedWrites::Torn) {
        const std::size_t reached =
            std::uniform_int_distribution<std::size_t>(0, changes.size() - 1)(m_random);
        for (std::size_t i = 0; i < reached; ++i) {
            apply(changes[i], changes[i].bytes.size());
        }
        const DataChange& last = changes[reached];
        apply(last, std::uniform_int_distribution<qsizetype>(0, last.bytes.size())(m_random));
        return contents;
    }
    for (const DataChange& change : changes) {
        if (m_random() % 2 == 0) {
            apply(change, change.bytes.size());
        }
    }
    return contents;
}

void PowerCutFileCalls::Crash()
{
    for (const auto& [fd, descriptor] : m_descriptors) {
        ::close(fd);
    }
    m_descriptors.clear();
    // Two names of one file show the same bytes.
    std::map<ino_t, QByteArray> contents;
    for (auto& [path, folder] : m_folders) {
        std::map<QString, ino_t> names = folder.synced;
        // Name changes reach the disk in the order they were made (the file system's journal),
        // so some of the first ones may have made it.
        std::size_t reached = 0;
        if (m_unsynced != UnsyncedWrites::Dropped && !folder.unsynced.empty()) {
            reached =
                std::uniform_int_distribution<std::size_t>(0, folder.unsynced.size())(m_random);
        }
        for (std::size_t i = 0; i < reached; ++i) {
            const NameChange& change = folder.unsynced[i];
            if (change.kind == NameChangeKind::Add) {
                names[change.name] = change.inode;
            } else if (change.kind == NameChangeKind::Rename && names.count(change.name)) {
                names[change.other] = names[change.name];
                names.erase(change.name);
            } else if (change.kind == NameChangeKind::Remove) {
                names.erase(change.name);
            }
        }
        QDir dir(path);
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            QFile::remove(dir.filePath(name));
        }
        for (const auto& [name, inode] : names) {
            QFile file(dir.filePath(name));
            if (!contents.count(inode)) {
                contents[inode] = ContentsAfterCut(m_inodes[inode]);
            }
            if (!file.open(QIODevice::WriteOnly) || file.write(contents[inode]) < 0) {
                throw std::runtime_error("power cut: can't write " + name.toStdString());
            }
        }
    }
}

}  // namespace zelkor::test
