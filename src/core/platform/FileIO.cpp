#include "platform/FileIO.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zelkor {

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* errorText)
{
    QSaveFile file(path);
    // A read-only destination must stay read-only: QSaveFile would otherwise replace it.
    if (QFileInfo::exists(path) && !QFileInfo(path).isWritable()) {
        if (errorText) {
            *errorText = QStringLiteral("file in sola lettura");
        }
        return false;
    }
    // commit() flushes the temporary file to disk before renaming it over the destination.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (errorText) {
            *errorText = file.errorString();
        }
        file.cancelWriting();
        return false;
    }
    return true;
}

std::optional<QByteArray> ReadWholeFile(const QString& path, QString* errorText)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        if (errorText) {
            *errorText = file.errorString();
        }
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (errorText) {
            *errorText = file.errorString();
        }
        return std::nullopt;
    }
    return bytes;
}

QString FileNamePart(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

}  // namespace zelkor
