#include "core/platform/InstanceLock.h"

#include "core/platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QSysInfo>
#include <QThread>

#include <cerrno>

#include <signal.h>

namespace zelkor {
namespace {

// How long a holder that has just created its lock file may take to write it, looked at in steps:
// a loaded machine can keep a starting process off the processor for a good while.
constexpr unsigned long kStartingHolderStepMs = 100;
constexpr int kStartingHolderSteps = 10;

QString WithTrailingSeparator(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    return folder;
}

// A process of this machine that has ended. Qt finds such holders stale by itself, but removes
// their file only under a second lock file of its own, which a full disk or a folder that lost
// its write permission never lets it create.
bool EndedHereBefore(qint64 holder, const QString& hostname)
{
    if (holder <= 0 || (!hostname.isEmpty() && hostname != QSysInfo::machineHostName())) {
        return false;
    }
    return ::kill(static_cast<pid_t>(holder), 0) != 0 && errno == ESRCH;
}

}  // namespace

InstanceLock::InstanceLock(const QString& programFolder)
    : m_folder(WithTrailingSeparator(programFolder)),
      m_path(m_folder + QLatin1String(kWorkingFileName) + QStringLiteral(".lock")),
      m_lock(m_path)
{
    // No age makes a lock stale: a contest runs for hours, and only a holder that is no longer
    // running may lose it.
    m_lock.setStaleLockTime(0);
}

LockOutcome InstanceLock::TryLock()
{
    if (m_lock.isLocked() || m_lock.tryLock(0)) {
        return LockOutcome::Acquired;
    }
    if (m_lock.error() != QLockFile::LockFailedError) {
        return LockOutcome::Unavailable;
    }
    // Two leftovers Qt never takes for stale once age does not count: a lock file whose contents
    // never reached the disk, and one naming our own process id, which a crashed run can leave
    // behind when ids start again (a fresh boot, a container). A live holder keeps a system lock
    // on its file, so removing it fails whenever the holder is in fact running.
    qint64 holder = 0;
    QString hostname;
    bool readable = m_lock.getLockInfo(&holder, &hostname, nullptr);
    // A holder starting at this very moment has created its file but not yet written it nor
    // taken the system lock: give it the moment it needs before calling the file a leftover.
    for (int step = 0; !readable && step < kStartingHolderSteps; ++step) {
        QThread::msleep(kStartingHolderStepMs);
        readable = m_lock.getLockInfo(&holder, &hostname, nullptr);
    }
    const bool leftover = !readable || holder == QCoreApplication::applicationPid() ||
                          EndedHereBefore(holder, hostname);
    if (leftover && m_lock.removeStaleLockFile()) {
        if (m_lock.tryLock(0)) {
            return LockOutcome::Acquired;
        }
        // The folder takes no new file: nobody else holds it either.
        if (m_lock.error() != QLockFile::LockFailedError) {
            return LockOutcome::Unavailable;
        }
    }
    return LockOutcome::HeldElsewhere;
}

void InstanceLock::Unlock()
{
    m_lock.unlock();
}

QString InstanceLock::HeldElsewhereText() const
{
    return QStringLiteral(
               "Il log in questa cartella è già aperto in un altro Zelkor in "
               "esecuzione:\n") +
           m_folder + QStringLiteral("\n\nChiudere l'altro Zelkor prima di avviarne uno nuovo.");
}

}  // namespace zelkor
