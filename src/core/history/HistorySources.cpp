#include "core/history/HistorySources.h"

#include "core/history/HistoryLines.h"

#include <QList>

namespace zelkor {
namespace {

// Headers and first lines are all a format needs to be told.
constexpr qsizetype kDetectionWindow = qsizetype{64} * 1024;

bool HasLineStartingWith(const QByteArray& upper, const QByteArray& prefix)
{
    return upper.startsWith(prefix) || upper.contains("\n" + prefix);
}

// The first line that is neither blank nor a "#" comment, as the shared form's reader skips both.
QByteArray FirstDataLine(const QByteArray& bytes)
{
    for (const QByteArray& line : bytes.split('\n')) {
        QByteArray trimmed = line.trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith('#')) {
            return trimmed;
        }
    }
    return QByteArray();
}

}  // namespace

HistoryFormat DetectHistoryFormat(const QByteArray& bytes, const QString& fileName)
{
    const QByteArray start = WithoutByteOrderMark(bytes.left(kDetectionWindow));
    if (start.startsWith("zelk100;")) {
        return HistoryFormat::Log;
    }
    const QByteArray upper = start.toUpper();
    if (FirstDataLine(upper).startsWith("!!ORDER!!")) {
        return HistoryFormat::SharedHistory;
    }
    if (HasLineStartingWith(upper, "START-OF-LOG:") || HasLineStartingWith(upper, "QSO:")) {
        return HistoryFormat::Cabrillo;
    }
    if (upper.contains("<EOH>") || upper.contains("<CALL:") || start.trimmed().startsWith('<')) {
        return HistoryFormat::Adif;
    }
    // A log whose header was lost starts with its first row.
    if (fileName.endsWith(QStringLiteral(".zelk"), Qt::CaseInsensitive)) {
        return HistoryFormat::Log;
    }
    return HistoryFormat::Unknown;
}

}  // namespace zelkor
