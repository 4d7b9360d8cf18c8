#include "core/history/CallHistoryFile.h"

#include "core/contest/FieldRules.h"
#include "core/history/HistoryLines.h"
#include "core/platform/FileIO.h"

namespace zelkor {

QByteArray CallHistoryFileBytes(const CallHistory& history)
{
    QByteArray bytes;
    bytes.reserve(qsizetype{history.Size()} * 24);
    for (const auto& [callsign, entry] : history.AllEntries()) {
        bytes.append(callsign.data(), static_cast<qsizetype>(callsign.size()));
        bytes.append(' ');
        bytes.append(entry.province.data(), static_cast<qsizetype>(entry.province.size()));
        if (!entry.date.empty()) {
            bytes.append(' ');
            bytes.append(entry.date.data(), static_cast<qsizetype>(entry.date.size()));
        }
        bytes.append("\r\n");
    }
    return bytes;
}

int ParseCallHistoryFile(const QByteArray& bytes, CallHistory& history)
{
    history.Clear();
    int skipped = 0;
    ForEachLine(bytes, [&](std::string_view line) {
        const std::vector<std::string_view> words = SplitWords(line);
        if (words.empty()) {
            return;
        }
        std::string date = words.size() == 3 ? HistoryDate(words[2]) : std::string();
        std::string callsign(words[0]);
        std::string code = words.size() > 1 && words[1].size() == 2 ? ProvinceFromExchange(words[1])
                                                                    : std::string();
        const bool valid = (words.size() == 2 || (words.size() == 3 && !date.empty())) &&
                           !code.empty() && IsValidCallsign(callsign);
        if (!valid) {
            ++skipped;
            return;
        }
        history.Merge({std::move(callsign), std::move(code), std::move(date)});
    });
    return skipped;
}

HistoryLoad LoadCallHistory(const QString& path, CallHistory& history, QString* reason)
{
    history.Clear();
    if (PathIsFree(path)) {
        return HistoryLoad::Missing;
    }
    const std::optional<QByteArray> bytes = ReadWholeFile(path, reason);
    if (!bytes) {
        return HistoryLoad::Failed;
    }
    ParseCallHistoryFile(*bytes, history);
    return HistoryLoad::Loaded;
}

QString CallHistoryOpenWarningText(const QString& path, const QString& reason)
{
    return QStringLiteral("Errore apertura file storico nominativi:\n") + path +
           QStringLiteral("\n\n") + reason +
           QStringLiteral("\n\nIl programma parte con lo storico vuoto.");
}

bool SaveCallHistory(const QString& path, const CallHistory& history, QString* reason)
{
    return WriteFileAtomically(path, CallHistoryFileBytes(history), reason);
}

QString CallHistoryNotWrittenText(const QString& reason)
{
    return QStringLiteral("Non posso salvare sul file _storico.cod!\n\n") + reason;
}

}  // namespace zelkor
