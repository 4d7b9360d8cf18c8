#include "core/document/LogDocument.h"

#include "core/log/LogFile.h"
#include "core/platform/FileIO.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace zelkor {
namespace {

bool SameFile(const QString& first, const QString& second)
{
    const auto canonical = [](const QString& path) {
        const QFileInfo info(path);
        const QString folder = info.absoluteDir().canonicalPath();
        return folder.isEmpty() ? info.absoluteFilePath() : folder + u'/' + info.fileName();
    };
    return canonical(first) == canonical(second);
}

}  // namespace

LogDocument::LogDocument(SettingsStore* store, const QString& workingFilePath, QObject* parent)
    : QObject(parent), m_store(store), m_workingFile(workingFilePath)
{
    if (m_store != nullptr) {
        // Settings written before the working file was named in them describe this one.
        const QString described = m_store->ReadSetting(keys::kOpenLogWorkingFile, QString());
        m_storeDescribesOtherFile = !described.isEmpty() && !SameFile(described, workingFilePath);
        if (m_storeDescribesOtherFile) {
            // Another program folder's log: its name must not be saved over with these rows,
            // and nothing says that these rows were saved.
            m_modified = true;
        } else {
            m_openPath = m_store->ReadSetting(keys::kOpenLogPath, QString());
            m_openName = m_store->ReadSetting(keys::kOpenLogName, QString());
            m_modified = m_store->ReadSetting(keys::kModified, 0) != 0;
        }
    }
    connect(&m_log, &LogList::rowsReordered, this, [this] { m_orderDiffers = true; });
}

bool LogDocument::MarkModified()
{
    return SetModified(true);
}

bool LogDocument::MarkClean()
{
    return SetModified(false);
}

bool LogDocument::SetModified(bool modified)
{
    if (modified == m_modified) {
        return true;
    }
    m_modified = modified;
    // A flag in a store that describes another working file stays that file's.
    const bool written = m_store == nullptr || m_storeDescribesOtherFile ||
                         m_store->WriteSetting(keys::kModified, modified ? 1 : 0);
    emit modifiedChanged(modified);
    return written;
}

void LogDocument::WriteOpenLogSettings()
{
    // Always together, so that the store never pairs one log's name with another's flag or
    // working file.
    m_store->ChangeSetting(keys::kOpenLogPath, m_openPath);
    m_store->ChangeSetting(keys::kOpenLogName, m_openName);
    m_store->ChangeSetting(keys::kModified, m_modified ? 1 : 0);
    m_store->ChangeSetting(keys::kOpenLogWorkingFile, m_workingFile.Path());
    m_storeDescribesOtherFile = false;
}

bool LogDocument::SetOpenLog(const QString& path)
{
    m_openPath = path;
    m_openName = path.isEmpty() ? QString() : FileNamePart(path);
    const bool wasModified = m_modified;
    m_modified = false;
    bool written = true;
    if (m_store != nullptr) {
        WriteOpenLogSettings();
        written = m_store->Flush();
    }
    emit openLogChanged();
    if (wasModified) {
        emit modifiedChanged(false);
    }
    return written;
}

bool LogDocument::ForgetOpenLog()
{
    return SetOpenLog(QString());
}

Result LogDocument::AppendRows(const std::vector<std::vector<std::string>>& rows,
                               const SummaryData& summary)
{
    std::string lines;
    for (const std::vector<std::string>& row : rows) {
        m_log.AppendLogRow(row);
        lines += RowLine(m_log, m_log.RowCount() - 1, summary);
    }
    if (m_workingFile.LacksRows()) {
        return RewriteWorkingFile(summary);
    }
    Result appended = m_workingFile.AppendToWorkingFile(lines);
    if (!appended && RewriteWorkingFile(summary)) {
        return Result::Ok();
    }
    return appended;
}

Result LogDocument::RewriteWorkingFile(const SummaryData& summary)
{
    Result written = m_workingFile.WriteWorkingFile(m_log, summary);
    if (written) {
        m_orderDiffers = false;
    }
    return written;
}

Result LogDocument::CatchUpWorkingFile(const SummaryData& summary)
{
    return m_orderDiffers ? RewriteWorkingFile(summary) : m_workingFile.CatchUp(m_log, summary);
}

Result LogDocument::EmptyLog(const SummaryData& summary)
{
    Result emptied = m_workingFile.WriteHeaderOnly(m_log.IsSwl(), summary);
    if (emptied) {
        m_log.DeleteAllRows();
        m_tables.Clear();
        m_orderDiffers = false;
    }
    return emptied;
}

LoadReport LogDocument::ReplaceAndLoad(const QString& sourcePath, SummaryData& summary,
                                       const ProvinceTable& provinces)
{
    LoadReport report = m_workingFile.ReplaceAndLoad(sourcePath, m_log, summary, provinces);
    if (report.loaded) {
        m_orderDiffers = false;
    }
    return report;
}

LoadReport LogDocument::LoadWorkingFile(SummaryData& summary, const ProvinceTable& provinces)
{
    LoadReport report = m_workingFile.LoadWorkingFile(m_log, summary, provinces);
    if (report.loaded) {
        m_orderDiffers = false;
    }
    if (m_storeDescribesOtherFile && m_log.RowCount() == 0 && m_modified) {
        // An empty log has nothing to lose.
        m_modified = false;
        emit modifiedChanged(false);
    }
    return report;
}

}  // namespace zelkor
