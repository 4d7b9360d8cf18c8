#pragma once
// Every call the program makes to the file system for its own files goes through one FileCalls
// object, so that a test can make any single call fail (a full disk, an I/O error, a short write)
// and check that nothing on disk was half written and that the failure reached the user.
// The calls keep the operating system's contract: -1 (or a short count) and errno.

#include <cstddef>

#include <sys/stat.h>
#include <sys/types.h>

namespace zelkor {

class FileCalls {
public:
    virtual ~FileCalls() = default;

    virtual int Open(const char* path, int flags, mode_t mode);
    virtual ssize_t Read(int fd, void* buffer, std::size_t size);
    virtual ssize_t PRead(int fd, void* buffer, std::size_t size, off_t offset);
    virtual ssize_t Write(int fd, const void* buffer, std::size_t size);
    virtual int Fsync(int fd);
    virtual int Ftruncate(int fd, off_t length);
    virtual int Fstat(int fd, struct stat* status);
    virtual int Fchmod(int fd, mode_t mode);
    virtual int Close(int fd);
    virtual int Stat(const char* path, struct stat* status);
    virtual int Rename(const char* from, const char* to);
    virtual int Link(const char* existing, const char* newName);
    virtual int Unlink(const char* path);
    virtual int Mkdir(const char* path, mode_t mode);
};

// The calls in use: the operating system's, unless a test installed others.
FileCalls& Files();

// Puts other calls in place for as long as it lives (tests only).
class ScopedFileCalls {
public:
    explicit ScopedFileCalls(FileCalls& calls);
    ~ScopedFileCalls();
    ScopedFileCalls(const ScopedFileCalls&) = delete;
    ScopedFileCalls& operator=(const ScopedFileCalls&) = delete;

private:
    FileCalls* m_previous;
};

}  // namespace zelkor
