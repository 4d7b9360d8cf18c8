#pragma once
// Helpers for tests that touch files: a temporary folder and whole-file reads and writes.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace zelkor::test {

class TempFolder {
public:
    TempFolder();
    // A folder inside the given one.
    explicit TempFolder(const QString& parent);
    // The folder path with a trailing '/'.
    QString Path() const;
    QString File(const QString& name) const;
    void Write(const QString& name, const QByteArray& bytes) const;
    QByteArray Read(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

// A folder for tests that write and flush thousands of times: memory-backed where the system
// has one (/dev/shm), the usual temporary folder elsewhere.
QString MemoryBackedFolder();

// Reads a file of tests/data.
QByteArray ReadTestData(const QString& name);

}  // namespace zelkor::test
