#pragma once
// Helpers for tests that touch files: a temporary folder and whole-file reads and writes.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace zelkor::test {

class TempFolder {
public:
    TempFolder();
    // The folder path with a trailing '/'.
    QString Path() const;
    QString File(const QString& name) const;
    void Write(const QString& name, const QByteArray& bytes) const;
    QByteArray Read(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

// Reads a file of tests/data.
QByteArray ReadTestData(const QString& name);

}  // namespace zelkor::test
