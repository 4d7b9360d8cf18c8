#include "core/export/ExportFile.h"

#include "core/platform/FileIO.h"
#include "core/platform/ProgramFolder.h"

#include <QFileInfo>

namespace zelkor {
namespace {

// The checks run only after a failed write, to tell a destination that can't be opened from one
// that broke while being written (a full disk).
bool CanOpenForWriting(const QString& path)
{
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (target.isDir() || !folder.isDir()) {
        return false;
    }
    if (target.exists() && !target.isWritable()) {
        return false;
    }
    return IsFolderWritable(folder.absoluteFilePath());
}

QString WriteFailureText(const QString& path, const QString& reason)
{
    return QStringLiteral("Errore scrittura file:\n") + path + QStringLiteral("\n\n") + reason +
           QStringLiteral(
               "\n\nIl file non è stato scritto; un file già esistente con questo "
               "nome è rimasto com'era.");
}

}  // namespace

QString OpenFailureText(const QString& path, const QString& reason)
{
    return QStringLiteral("Errore apertura file:\n") + path + QStringLiteral("\n\n") + reason;
}

Result WriteExportFile(const QString& programFolder, const QString& path, const QByteArray& bytes)
{
    if (IsProgramFile(programFolder, path)) {
        return Result::Failure(
            QStringLiteral("Non si può esportare il log su un file del programma:\n") + path +
            QStringLiteral("\n\nScegliere un altro nome."));
    }
    QString reason;
    if (WriteFileAtomically(path, bytes, &reason)) {
        return Result::Ok();
    }
    return Result::Failure(CanOpenForWriting(path) ? WriteFailureText(path, reason)
                                                   : OpenFailureText(path, reason));
}

}  // namespace zelkor
