#include "support/FaultyFileCalls.h"

#include <cerrno>

namespace zelkor::test {

bool FaultyFileCalls::Fails(FileCall call)
{
    m_calls.push_back(call);
    if (m_plan.number <= 0 || (m_plan.call != FileCall::Any && m_plan.call != call)) {
        return false;
    }
    ++m_matching;
    const bool fails = m_plan.persistence == FaultPersistence::Once ? m_matching == m_plan.number
                                                                    : m_matching >= m_plan.number;
    if (fails) {
        ++m_failures;
        m_failedCall = call;
        errno = m_plan.error;
    }
    return fails;
}

int FaultyFileCalls::Open(const char* path, int flags, mode_t mode)
{
    return Fails(FileCall::Open) ? -1 : FileCalls::Open(path, flags, mode);
}

ssize_t FaultyFileCalls::Read(int fd, void* buffer, std::size_t size)
{
    return Fails(FileCall::Read) ? -1 : FileCalls::Read(fd, buffer, size);
}

ssize_t FaultyFileCalls::PRead(int fd, void* buffer, std::size_t size, off_t offset)
{
    return Fails(FileCall::PRead) ? -1 : FileCalls::PRead(fd, buffer, size, offset);
}

ssize_t FaultyFileCalls::Write(int fd, const void* buffer, std::size_t size)
{
    if (!Fails(FileCall::Write)) {
        return FileCalls::Write(fd, buffer, size);
    }
    if (m_plan.fault == Fault::ShortWrite && size > 1) {
        return FileCalls::Write(fd, buffer, size / 2);
    }
    return -1;
}

int FaultyFileCalls::Fsync(int fd)
{
    if (Fails(FileCall::Fsync)) {
        return -1;
    }
    return flushToDisk ? FileCalls::Fsync(fd) : 0;
}

int FaultyFileCalls::Ftruncate(int fd, off_t length)
{
    return Fails(FileCall::Ftruncate) ? -1 : FileCalls::Ftruncate(fd, length);
}

int FaultyFileCalls::Fstat(int fd, struct stat* status)
{
    return Fails(FileCall::Fstat) ? -1 : FileCalls::Fstat(fd, status);
}

int FaultyFileCalls::Fchmod(int fd, mode_t mode)
{
    return Fails(FileCall::Fchmod) ? -1 : FileCalls::Fchmod(fd, mode);
}

int FaultyFileCalls::Close(int fd)
{
    // The descriptor is gone whatever close reports, as on Linux.
    const bool fails = Fails(FileCall::Close);
    const int error = errno;
    const int closed = FileCalls::Close(fd);
    if (fails) {
        errno = error;
        return -1;
    }
    return closed;
}

int FaultyFileCalls::Stat(const char* path, struct stat* status)
{
    return Fails(FileCall::Stat) ? -1 : FileCalls::Stat(path, status);
}

int FaultyFileCalls::Rename(const char* from, const char* to)
{
    return Fails(FileCall::Rename) ? -1 : FileCalls::Rename(from, to);
}

int FaultyFileCalls::Link(const char* existing, const char* newName)
{
    return Fails(FileCall::Link) ? -1 : FileCalls::Link(existing, newName);
}

int FaultyFileCalls::Unlink(const char* path)
{
    return Fails(FileCall::Unlink) ? -1 : FileCalls::Unlink(path);
}

int FaultyFileCalls::Mkdir(const char* path, mode_t mode)
{
    return Fails(FileCall::Mkdir) ? -1 : FileCalls::Mkdir(path, mode);
}

QString FaultyFileCalls::Name(FileCall call)
{
    static const char* const kNames[] = {"open",      "read",  "pread",  "write", "fsync",
                                         "ftruncate", "fstat", "fchmod", "close", "stat",
                                         "rename",    "link",  "unlink", "mkdir", "any"};
    return QString::fromLatin1(kNames[static_cast<int>(call)]);
}

}  // namespace zelkor::test
