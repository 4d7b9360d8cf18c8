#include "core/platform/FileCalls.h"

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace zelkor {
namespace {

FileCalls& OperatingSystemCalls()
{
    static FileCalls calls;
    return calls;
}

// The calls a ScopedFileCalls has put in place, for the fault tests; none otherwise. A global
// on purpose: every file call of the program goes through Files().
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
FileCalls* g_current = nullptr;

}  // namespace

int FileCalls::Open(const char* path, int flags, mode_t mode)
{
    return ::open(path, flags, mode);
}

ssize_t FileCalls::Read(int fd, void* buffer, std::size_t size)
{
    return ::read(fd, buffer, size);
}

ssize_t FileCalls::PRead(int fd, void* buffer, std::size_t size, off_t offset)
{
    return ::pread(fd, buffer, size, offset);
}

ssize_t FileCalls::Write(int fd, const void* buffer, std::size_t size)
{
    return ::write(fd, buffer, size);
}

int FileCalls::Fsync(int fd)
{
    return ::fsync(fd);
}

int FileCalls::Ftruncate(int fd, off_t length)
{
    return ::ftruncate(fd, length);
}

int FileCalls::Fstat(int fd, struct stat* status)
{
    return ::fstat(fd, status);
}

int FileCalls::Fchmod(int fd, mode_t mode)
{
    return ::fchmod(fd, mode);
}

int FileCalls::Close(int fd)
{
    return ::close(fd);
}

int FileCalls::Stat(const char* path, struct stat* status)
{
    return ::stat(path, status);
}

int FileCalls::Rename(const char* from, const char* to)
{
    return ::rename(from, to);
}

int FileCalls::Link(const char* existing, const char* newName)
{
    return ::link(existing, newName);
}

int FileCalls::Unlink(const char* path)
{
    return ::unlink(path);
}

int FileCalls::Mkdir(const char* path, mode_t mode)
{
    return ::mkdir(path, mode);
}

FileCalls& Files()
{
    return g_current != nullptr ? *g_current : OperatingSystemCalls();
}

ScopedFileCalls::ScopedFileCalls(FileCalls& calls) : m_previous(g_current)
{
    g_current = &calls;
}

ScopedFileCalls::~ScopedFileCalls()
{
    g_current = m_previous;
}

}  // namespace zelkor
