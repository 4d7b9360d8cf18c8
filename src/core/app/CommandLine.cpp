#include "core/app/CommandLine.h"

#include <QDir>

namespace zelkor {
namespace {

bool IsOptionWord(const QString& word)
{
    return word.compare(QLatin1String("Embedding"), Qt::CaseInsensitive) == 0 ||
           word.compare(QLatin1String("Automation"), Qt::CaseInsensitive) == 0;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    CommandLine result;
    for (const QString& argument : arguments) {
        const bool dash = argument.startsWith(QLatin1Char('-'));
        const bool slash = argument.startsWith(QLatin1Char('/'));
        if ((dash || slash) && IsOptionWord(argument.mid(1))) {
            result.automation = true;
            continue;
        }
        if (dash || argument.isEmpty()) {
            continue;
        }
        if (result.startupLogPath.isEmpty()) {
            result.startupLogPath = argument;
        }
    }
    return result;
}

QString AbsoluteLogPath(const QString& path, const QString& startFolder)
{
    if (path.isEmpty()) {
        return path;
    }
    // Only the folder is resolved on disk, as the system resolves it when the file is opened: a
    // "../" after a link leads out of the link's target, where a textual clean-up would go back
    // to the link's own folder. The file name stays as typed, so a log reached through a link
    // keeps its own name in the title.
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString folder = path.left(slash + 1);
    const QString name = path.mid(slash + 1);
    const QString resolved =
        QDir(QDir::isAbsolutePath(path) ? folder : startFolder + QLatin1Char('/') + folder)
            .canonicalPath();
    if (resolved.isEmpty()) {
        // A folder that does not exist: the path stays as the user meant it, and opening it
        // fails as it would have.
        return QDir(startFolder).filePath(path);
    }
    return resolved.endsWith(QLatin1Char('/')) ? resolved + name
                                               : resolved + QLatin1Char('/') + name;
}

}  // namespace zelkor
