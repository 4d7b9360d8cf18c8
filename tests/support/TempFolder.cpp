#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace zelkor::test {

TempFolder::TempFolder()
{
    if (!m_dir.isValid()) {
        throw std::runtime_error("no temporary folder");
    }
}

TempFolder::TempFolder(const QString& parent) : m_dir(parent + QStringLiteral("/zelkor-XXXXXX"))
{
    if (!m_dir.isValid()) {
        throw std::runtime_error("no temporary folder");
    }
}

QString MemoryBackedFolder()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
}

QString TempFolder::Path() const
{
    return m_dir.path() + QLatin1Char('/');
}

QString TempFolder::File(const QString& name) const
{
    return Path() + name;
}

void TempFolder::Write(const QString& name, const QByteArray& bytes) const
{
    QFile file(File(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        throw std::runtime_error("can't write test file");
    }
}

QByteArray TempFolder::Read(const QString& name) const
{
    QFile file(File(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

QByteArray ReadTestData(const QString& name)
{
    QFile file(QStringLiteral(ZELKOR_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("missing test data file");
    }
    return file.readAll();
}

}  // namespace zelkor::test
