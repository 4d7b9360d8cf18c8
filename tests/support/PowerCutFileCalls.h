#pragma once
// File calls that remember what a power cut could take away. The calls run for real, but every
// write and truncation stays "unsynced" until an fsync of its file, and every create, rename,
// link and removal stays unsynced until an fsync of its folder. At the chosen call the power
// goes: the call throws PowerCut, and Crash() then rewrites the watched folders as a disk could
// show them after the restart: the names of the last folder flush (plus, in order, some of the
// name changes made since), each file with its flushed bytes plus some of its unsynced writes,
// dropped, torn at a random byte or applied out of order.

#include "core/platform/FileCalls.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <random>
#include <vector>

namespace zelkor::test {

// Thrown by the call at which the power goes.
struct PowerCut {};

// What becomes of the writes that were never flushed.
enum class UnsyncedWrites {
    Dropped,    // none reaches the disk
    Torn,       // the first ones do, the last of them cut at a random byte
    Reordered,  // a random choice of them does, later ones without earlier ones
};

class PowerCutFileCalls : public FileCalls {
public:
    // Every file now in the folders counts as on disk. The power goes before the call numbered
    // cutAt (1-based; 0 never).
    PowerCutFileCalls(std::vector<QString> folders, int cutAt, UnsyncedWrites unsynced,
                      unsigned seed);
    ~PowerCutFileCalls() override;

    int Open(const char* path, int flags, mode_t mode) override;
    ssize_t Read(int fd, void* buffer, std::size_t size) override;
    ssize_t PRead(int fd, void* buffer, std::size_t size, off_t offset) override;
    ssize_t Write(int fd, const void* buffer, std::size_t size) override;
    int Fsync(int fd) override;
    int Ftruncate(int fd, off_t length) override;
    int Fstat(int fd, struct stat* status) override;
    int Fchmod(int fd, mode_t mode) override;
    int Close(int fd) override;
    int Stat(const char* path, struct stat* status) override;
    int Rename(const char* from, const char* to) override;
    int Link(const char* existing, const char* newName) override;
    int Unlink(const char* path) override;

    // The calls made so far (the one that cut the power included).
    int CallCount() const { return m_calls; }
    bool PowerWentOff() const { return m_off; }

    // Closes what the program left open and rewrites every watched folder as the disk holds it
    // after the restart.
    void Crash();

private:
    struct DataChange {
        bool truncate = false;
        off_t offset = 0;  // or the new length
        QByteArray bytes;
    };
    struct Inode {
        QByteArray synced;
        std::vector<DataChange> unsynced;
    };
    enum class NameChangeKind { Add, Rename, Remove };
    struct NameChange {
        NameChangeKind kind;
        QString name;
        QString other;  // the new name of a rename
        ino_t inode = 0;
    };
    struct Folder {
        std::map<QString, ino_t> synced;  // name (without the folder) to inode
        std::vector<NameChange> unsynced;
    };
    struct Descriptor {
        ino_t inode = 0;
        bool append = false;
        QString folder;  // set for a folder's descriptor
    };

    // Counts the call; throws when the power goes at it.
    void Count();
    Inode& InodeOf(ino_t inode);
    Folder* FolderOf(const QString& path, QString* name);
    QByteArray ContentsAfterCut(const Inode& inode);

    std::map<QString, Folder> m_folders;
    std::map<ino_t, Inode> m_inodes;
    std::map<int, Descriptor> m_descriptors;
    int m_cutAt;
    UnsyncedWrites m_unsynced;
    std::mt19937 m_random;
    int m_calls = 0;
    bool m_off = false;
};

}  // namespace zelkor::test
