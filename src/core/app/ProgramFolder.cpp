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
