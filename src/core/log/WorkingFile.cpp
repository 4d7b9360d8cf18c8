#include "core/log/WorkingFile.h"

#include "core/log/LogFile.h"
#include "core/log/LogList.h"
#include "core/platform/FileIO.h"
#include "core/platform/Prompter.h"
#include "core/text/Cp1252.h"

#include <QBuffer>

#include <algorithm>
#include <optional>
#include <utility>

namespace zelkor {
namespace {

QString WithReason(QString text, const QString& reason)
{
    if (!reason.isEmpty()) {
        text += QStringLiteral("\n\n") + reason;
    }
    return text;
}

QString RewriteFailedText(const QString& path, const QString& reason)
{
    return WithReason(QStringLiteral("Impossibile scrivere il file di lavoro:\n") + path, reason);
}

constexpr int kRecoveryFileAttempts = 1000;
constexpr qsizetype kPreviewLength = 80;

}  // namespace

void ReportWorkingFileWrite(const Result& written, bool lackedRows, const WorkingFile& file,
                            Prompter& prompter)
{
    if (!written) {
        prompter.Error(written.message());
    } else if (lackedRows) {
        prompter.Information(QStringLiteral("Il file di lavoro è di nuovo completo:\n") +
                             file.Path() +
                             QStringLiteral("\n\nContiene tutto il log, anche le righe che prima "
                                            "non si erano potute scrivere."));
    }
}

void LoadReport::Error(const QString& text)
{
    messages.push_back({QStringLiteral("Errore"), text, MessageIcon::Stop});
}

void LoadReport::Warning(const QString& text)
{
    messages.push_back({QStringLiteral("Avviso"), text, MessageIcon::Exclamation});
}

WorkingFile::WorkingFile(QString path) : m_path(std::move(path)) {}

QString WorkingFile::RecoveryFilePath() const
{
    return m_path + QStringLiteral(".recupero");
}

Result WorkingFile::WriteWorkingFile(const LogList& log, const SummaryData& summary)
{
    QString reason;
    if (!WriteFileAtomically(m_path, LogFileBytes(log, summary), &reason)) {
        // The file on disk no longer matches the log: a later copy must rewrite it first.
        m_lacksRows = true;
        return Result::Failure(RewriteFailedText(m_path, reason));
    }
    m_lacksRows = false;
    return Result::Ok();
}

Result WorkingFile::WriteHeaderOnly(bool swl, const SummaryData& summary)
{
    QString reason;
    if (!WriteFileAtomically(m_path, WriteLogHeader(swl, summary), &reason)) {
        m_lacksRows = true;
        return Result::Failure(RewriteFailedText(m_path, reason));
    }
    m_lacksRows = false;
    return Result::Ok();
}

Result WorkingFile::CatchUp(const LogList& log, const SummaryData& summary)
{
    return m_lacksRows ? WriteWorkingFile(log, summary) : Result::Ok();
}

Result WorkingFile::AppendToWorkingFile(const std::string& line)
{
    QString reason;
    if (!AppendDurably(m_path, QByteArray::fromStdString(line), &reason)) {
        m_lacksRows = true;
        return Result::Failure(WithReason(
            QStringLiteral("Impossibile aggiungere la riga al file di lavoro:\n") + m_path,
            reason));
    }
    return Result::Ok();
}

LoadReport WorkingFile::LoadWorkingFile(LogList& log, SummaryData& summary,
                                        const ProvinceTable& provinces)
{
    LoadReport report;
    std::optional<QByteArray> bytes;
    // Anything under that name that can't be read (a file without read permission, a folder)
    // may hold a log and is left alone.
    if (!PathIsFree(m_path)) {
        QString reason;
        bytes = ReadWholeFile(m_path, &reason);
        if (!bytes) {
            report.Error(
                WithReason(QStringLiteral("Impossibile leggere il file di lavoro:\n") + m_path,
                           reason) +
                QStringLiteral("\n\nIl file non è stato modificato."));
            return report;
        }
    }
    // A file that is not there, or holds no byte, gets the header first: rows appended to
    // nothing would make a log without one.
    if (!bytes || bytes->isEmpty()) {
        if (!WriteFileAtomically(m_path, WriteLogHeader(log.IsSwl(), summary))) {
            report.Error(QStringLiteral("Impossibile creare file log corrente:\n") + m_path +
                         QStringLiteral("\n"));
            return report;
        }
        report.loaded = true;
        report.created = true;
        return report;
    }
    LoadBytes(*bytes, log, summary, provinces, report);
    report.loaded = true;
    return report;
}

std::optional<QByteArray> WorkingFile::ReadLogToOpen(const QString& sourcePath, LoadReport& report)
{
    QString reason;
    std::optional<QByteArray> bytes = ReadWholeFile(sourcePath, &reason);
    if (!bytes) {
        report.Error(
            WithReason(QStringLiteral("Impossibile leggere il file:\n") + sourcePath, reason));
        return std::nullopt;
    }
    // Every log this program writes starts with its header: an empty file would leave the working
    // file without one, and the rows logged next would follow nothing.
    if (bytes->isEmpty()) {
        report.Error(QStringLiteral("Il file non è un log di Zelkor, perché è vuoto:\n") +
                     sourcePath + QStringLiteral("\n\nIl log aperto resta com'era."));
        return std::nullopt;
    }
    // Read as rows, a program or a picture would become a log of junk, and the next Save would
    // put that log in its place.
    if (IsBinaryNotLog(*bytes)) {
        report.Error(QStringLiteral("Il file non è un log di Zelkor, perché contiene dati "
                                    "binari:\n") +
                     sourcePath + QStringLiteral("\n\nIl log aperto resta com'era."));
        return std::nullopt;
    }
    return bytes;
}

LoadReport WorkingFile::ReplaceAndLoad(const QString& sourcePath, LogList& log,
                                       SummaryData& summary, const ProvinceTable& provinces)
{
    LoadReport report;
    const std::optional<QByteArray> bytes = ReadLogToOpen(sourcePath, report);
    if (!bytes) {
        return report;
    }
    QString reason;
    if (!WriteFileAtomically(m_path, *bytes, &reason)) {
        // Rarely the new bytes stay although the write failed: the log on screen is the one
        // the next copy must hold.
        m_lacksRows = true;
        report.Error(
            WithReason(QStringLiteral("Impossibile scrivere il file:\n") + m_path, reason));
        return report;
    }
    // Loaded from the bytes just written rather than read back, so that no failing read can
    // leave the screen without the rows the working file now holds.
    log.DeleteAllRows();
    LoadBytes(*bytes, log, summary, provinces, report, sourcePath);
    report.loaded = true;
    return report;
}

void WorkingFile::LoadBytes(const QByteArray& bytes, LogList& log, SummaryData& summary,
                            const ProvinceTable& provinces, LoadReport& report,
                            const QString& sourcePath)
{
    // The rows now come from the file itself: whatever an earlier write missed is no longer shown.
    m_lacksRows = false;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const LogReadResult read = ReadLogFile(buffer, provinces, log, summary);
    bool complete = !read.headerIncomplete;
    if (IsBinaryNotLog(bytes)) {
        // Only something other than this program can have put such bytes here. The rows read
        // from them are a poor copy, so the file is kept whole (its last part with it) before it
        // is rewritten as a log, which also keeps the next start from copying it again.
        report.notALog = true;
        if (!KeepBinaryFile(bytes, report)) {
            return;
        }
        complete = false;
    } else if (read.incompleteLastLine) {
        complete = false;
        if (!SetAside(read.incompleteLine, report, sourcePath)) {
            // The bytes exist nowhere else, so the working file keeps them; the next append
            // starts on a new line all the same.
            return;
        }
    }
    // A short header or a torn last line must not stay: a row appended after either would be
    // read back as a header value or glued to the broken line.
    if (!complete) {
        const Result rewritten = WriteWorkingFile(log, summary);
        if (!rewritten) {
            report.Error(rewritten.message());
        }
    }
}

bool WorkingFile::KeepInRecoveryFile(const QByteArray& bytes, QString& path, QString& reason) const
{
    path = RecoveryFilePath();
    for (int number = 2; !CreateFileDurably(path, bytes, &reason); ++number) {
        // An earlier recovery file may hold the only copy of other bytes: never replace it.
        if (PathIsFree(path) || number > kRecoveryFileAttempts) {
            return false;
        }
        path = RecoveryFilePath() + QLatin1Char('.') + QString::number(number);
    }
    return true;
}

bool WorkingFile::KeepBinaryFile(const QByteArray& bytes, LoadReport& report) const
{
    QString path;
    QString reason;
    if (!KeepInRecoveryFile(bytes, path, reason)) {
        report.Error(WithReason(QStringLiteral("Il file di lavoro non è un log di Zelkor, "
                                               "perché contiene dati binari, e non è stato "
                                               "possibile conservarne una copia nel file:\n") +
                                    path,
                                reason) +
                     QStringLiteral("\n\nIl file di lavoro resta com'era."));
        return false;
    }
    report.Warning(QStringLiteral("Il file di lavoro non è un log di Zelkor, perché contiene "
                                  "dati binari: nel log ci sono le righe che se ne sono potute "
                                  "leggere.\n\nIl file è stato conservato, esattamente "
                                  "com'era, nel file:\n") +
                   path);
    return true;
}

bool WorkingFile::SetAside(const QByteArray& bytes, LoadReport& report,
                           const QString& sourcePath) const
{
    // Carriage returns alone hold nothing worth keeping or telling about.
    if (bytes.count('\r') == bytes.size()) {
        return true;
    }
    const QString file = sourcePath.isEmpty() ? QStringLiteral("del file di lavoro")
                                              : QStringLiteral("del file ") + sourcePath;
    QString reason;
    QString path;
    if (!KeepInRecoveryFile(bytes, path, reason)) {
        report.Error(WithReason(QStringLiteral("La parte finale ") + file +
                                    QStringLiteral(" è incompleta e non è stata caricata tra "
                                                   "le righe del log, ma non è stato possibile "
                                                   "conservarla nel file:\n") +
                                    path,
                                reason) +
                     QStringLiteral("\n\nLa parte resta nel file di lavoro.\n\nParte "
                                    "incompleta: ") +
                     SetAsideDescription(bytes));
        return false;
    }
    report.Warning(
        QStringLiteral("La parte finale ") + file +
        QStringLiteral(
            " è incompleta (manca il ritorno a capo finale, per esempio perché il programma è "
            "stato interrotto mentre la scriveva) e non è stata caricata tra le righe del "
            "log.\n\nParte messa da parte: ") +
        SetAsideDescription(bytes) +
        QStringLiteral("\n\nÈ stata conservata, esattamente com'era, nel file:\n") + path);
    return true;
}

QString SetAsideDescription(const QByteArray& bytes)
{
    // Lines ended by a lone CR are still lines to whoever wrote them.
    const qsizetype lines = bytes.count('\r') + (bytes.endsWith('\r') ? 0 : 1);
    QString preview;
    const qsizetype shown = std::min(bytes.size(), kPreviewLength);
    for (qsizetype i = 0; i < shown; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\r') {
            preview += QStringLiteral("\\r");
        } else if (byte == '\\') {
            preview += QStringLiteral("\\\\");
        } else if ((byte >= 0x20 && byte < 0x7F) || byte >= 0xA0) {
            preview += ToQString(std::string(1, static_cast<char>(byte)));
        } else {
            preview += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
        }
    }
    if (shown < bytes.size()) {
        preview += QStringLiteral("...");
    }
    return QStringLiteral("%1 byte, %2.\nInizio: \"%3\"")
        .arg(bytes.size())
        .arg(lines == 1 ? QStringLiteral("1 riga") : QStringLiteral("%1 righe").arg(lines))
        .arg(preview);
}

Result CopyWholeFile(const QString& sourcePath, const QString& destinationPath)
{
    QString reason;
    const std::optional<QByteArray> bytes = ReadWholeFile(sourcePath, &reason);
    if (!bytes) {
        return Result::Failure(
            WithReason(QStringLiteral("Impossibile leggere il file:\n") + sourcePath, reason));
    }
    return WriteWholeFile(destinationPath, *bytes);
}

Result WriteWholeFile(const QString& destinationPath, const QByteArray& bytes)
{
    QString reason;
    if (!WriteFileAtomically(destinationPath, bytes, &reason)) {
        return Result::Failure(WithReason(
            QStringLiteral("Impossibile scrivere il file:\n") + destinationPath, reason));
    }
    return Result::Ok();
}

}  // namespace zelkor
