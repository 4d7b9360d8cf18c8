#include "core/platform/ProgramFolder.h"

#include "core/platform/BuildInfo.h"

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
    const QString ownPath = QDir::cleanPath(QFileInfo(programFolder).absoluteFilePath());
    const QString ownCanonical = QFileInfo(programFolder).canonicalFilePath();
    const auto isOwnFolder = [&](const QString& folder) {
        return QDir::cleanPath(folder) == ownPath ||
               (!ownCanonical.isEmpty() && QFileInfo(folder).canonicalFilePath() == ownCanonical);
    };
    const auto isOwnFile = [&isOwnFolder](const QFileInfo& file) {
        const QString name = file.fileName();
        const QString working = QLatin1String(kWorkingFileName);
        const bool ownName = name == working || name == QLatin1String(kProvinceFileName) ||
                             name == QLatin1String(kHistoryFileName) ||
                             name == QLatin1String(kProvincePositionsFileName) ||
                             name == working + QStringLiteral(".lock") ||
                             name.startsWith(working + QStringLiteral(".recupero"));
        return ownName && isOwnFolder(file.absolutePath());
    };
    const QFileInfo target(path);
    const QString resolved = target.canonicalFilePath();
    return isOwnFile(target) || (!resolved.isEmpty() && isOwnFile(QFileInfo(resolved)));
}

bool IsFolderWritable(const QString& folder)
{
    // Try it: permission bits say nothing about read-only mounts, and root passes them all.
    QTemporaryFile probe(WithSeparator(folder) + QStringLiteral(".zelkor-probe-XXXXXX"));
    return probe.open();
}

QString ShippedProvinceFile(const QString& executableFolder)
{
    return ShippedDataFile(executableFolder, kProvinceFileName);
}

QString ShippedDataFile(const QString& executableFolder, const char* fileName)
{
    const QString own = WithSeparator(executableFolder);
    for (const QString& candidate :
         {own + QLatin1String(fileName),
          own + QLatin1String(kInstalledDataFolder) + QLatin1Char('/') + QLatin1String(fileName)}) {
        const QFileInfo file(candidate);
        if (file.isFile()) {
            return file.canonicalFilePath();
        }
    }
    return QString();
}

QString FindProgramFolder(const QString& executableFolder, const QString& userDataFolder)
{
    QString own = WithSeparator(executableFolder);
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
    QString folder = FindProgramFolder(executableFolder, userDataFolder);
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
