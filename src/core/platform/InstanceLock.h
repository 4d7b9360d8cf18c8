#pragma once
// Keeps a second running Zelkor away from a program folder: two instances would each mirror
// their own log into the same working file and overwrite each other's rows.

#include <QLockFile>
#include <QString>

namespace zelkor {

enum class LockOutcome {
    Acquired,
    // Another live process holds the folder.
    HeldElsewhere,
    // The lock file could not be made (for instance a folder without write permission); the
    // folder is not known to be in use.
    Unavailable
};

class InstanceLock {
public:
    // The folder with or without a trailing '/'.
    explicit InstanceLock(const QString& programFolder);
    ~InstanceLock() = default;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Never waits. A lock left by a process that is no longer running (crashed, killed) is
    // taken over at once.
    LockOutcome TryLock();
    // Also done when the object goes away.
    void Unlock();
    [[nodiscard]] bool IsLocked() const { return m_lock.isLocked(); }

    [[nodiscard]] const QString& LockFilePath() const { return m_path; }
    // What the user is told when TryLock finds the folder held elsewhere.
    [[nodiscard]] QString HeldElsewhereText() const;

private:
    QString m_folder;
    QString m_path;
    QLockFile m_lock;
};

}  // namespace zelkor
