#include "app/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace zelkor {
namespace {

QString WithSeparator(const QString& folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/'))) {
        return folder;
    }
    return folder + QLatin1Char('/');
}

}  // namespace

bool IsProgramFile(const QString& programFolder, const QString& path)
{
    const QString folder = WithSeparator(programFolder);
    const QFileInfo target(path);
    for (const char* name : {kWorkingFileName, kProvinceFileName}) {
        const QFileInfo own(folder + QLatin1String(name));
        if (target.absoluteFilePath() == own.absoluteFilePath() ||
            (!own.canonicalFilePath().isEmpty() &&
             target.canonicalFilePath() == own.canonicalFilePath())) {
            return true;
        }
    }
    return false;
}

bool IsFolderWritable(const QString& folder)
{
    // Try it: permission bits say nothing about read-only mounts, and root passes them all.
    QTemporaryFile probe(WithSeparator(folder) + QStringLiteral(".zelkor-probe-XXXXXX"));
    return probe.open();
}

QString ChooseProgramFolder(const QString& executableFolder, const QString& userDataFolder)
{
    const QString own = WithSeparator(executableFolder);
    if (IsFolderWritable(own)) {
        return own;
    }
    const QString user = WithSeparator(userDataFolder);
    QDir().mkpath(user);
    const QString shipped = own + QLatin1String(kProvinceFileName);
    const QString copy = user + QLatin1String(kProvinceFileName);
    if (!QFile::exists(copy) && QFile::exists(shipped)) {
        QFile::copy(shipped, copy);
    }
    return user;
}

}  // namespace zelkor
