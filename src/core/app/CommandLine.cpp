#include "app/CommandLine.h"

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

}  // namespace zelkor
