#pragma once
// File calls for tests that fail on demand: the n-th call (of one kind, or of any kind) fails
// with a chosen error, once or from then on, or writes only part of what it was given. Every call
// made is recorded, so that a test can first count the calls of an operation and then fail each
// one in turn.

#include "core/platform/FileCalls.h"

#include <QString>

#include <vector>

namespace zelkor::test {

enum class FileCall {
    Open,
    Read,
    PRead,
    Write,
    Fsync,
    Ftruncate,
    Fstat,
    Fchmod,
    Close,
    Stat,
    Rename,
    Link,
    Unlink,
    Mkdir,
    Any
};

enum class Fault {
    Error,       // the call returns -1 with the error
    ShortWrite,  // a write takes half its bytes (at least one); other calls fail with the error
};

enum class FaultPersistence { Once, FromThenOn };

struct FaultPlan {
    FileCall call = FileCall::Any;
    int number = 0;  // 1-based count of the calls of that kind; 0 never fails
    int error = 0;
    Fault fault = Fault::Error;
    FaultPersistence persistence = FaultPersistence::Once;
};

class FaultyFileCalls : public FileCalls {
public:
    FaultyFileCalls() = default;
    explicit FaultyFileCalls(FaultPlan plan) : m_plan(plan) {}

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
    int Mkdir(const char* path, mode_t mode) override;

    // Whether a flush that does not fail reaches the disk. The tests look at the files in the
    // same process, where the page cache is the file, so by default a flush is only recorded
    // (and may fail): real ones would make every walk wait for the disk.
    bool flushToDisk = false;

    // Every call in order, and which of them failed.
    const std::vector<FileCall>& Calls() const { return m_calls; }
    bool Failed() const { return m_failures > 0; }
    FileCall FailedCall() const { return m_failedCall; }

    static QString Name(FileCall call);

private:
    // Records the call; true when this one must fail (errno is then set).
    bool Fails(FileCall call);

    FaultPlan m_plan;
    std::vector<FileCall> m_calls;
    int m_matching = 0;
    int m_failures = 0;
    FileCall m_failedCall = FileCall::Any;
};

}  // namespace zelkor::test
