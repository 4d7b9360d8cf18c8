#include "app/ProgramFolder.h"

#include "app/BuildInfo.h"

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

QString ShippedProvinceFile(const QString& executableFolder)
{
    const QString own = WithSeparator(executableFolder);
    for (const QString& candidate : {own + QLatin1String(kProvinceFileName),
                                     own + QLatin1String(kInstalledDataFolder) + QLatin1Char('/') +
                                         QLatin1String(kProvinceFileName)}) {
        const QFileInfo file(candidate);
        if (file.isFile()) {
            return file.canonicalFilePath();
        }
    }
    return QString();
}

QString FindProgramFolder(const QString& executableFolder, const QString& userDataFolder)
{
    const QString own = WithSeparator(executableFolder);
    // An installed program keeps the user's files in the user's folder even where it could
    // write beside itself (root in /usr/bin, a prefix in the home folder).
    const bool installed = !QFile::exists(own + QLatin1String(kProvinceFileName)) &&
                           !ShippedProvinceFile(own).isEmpty();
    if (!installed && IsFolderWritable(own)) {
        return own;
    }
    return WithSeparator(userDataFolder);
}

QString ChooseProgramFolder(const QString& executableFolder, const QString& userDataFolder)
{
    const QString folder = FindProgramFolder(executableFolder, userDataFolder);
    if (folder == WithSeparator(executableFolder)) {
        return folder;
    }
    QDir().mkpath(folder);
    const QString shipped = ShippedProvinceFile(executableFolder);
    const QString copy = folder + QLatin1String(kProvinceFileName);
    // A failed copy shows at once as the missing province file's warning.
    if (!shipped.isEmpty() && !QFile::exists(copy) && QFile::copy(shipped, copy)) {
        // The copy is the user's to edit, whatever the shipped file's mode.
        QFile::setPermissions(copy,
                              QFile::permissions(copy) | QFile::ReadOwner | QFile::WriteOwner);
    }
    return folder;
}

}  // namespace zelkor
