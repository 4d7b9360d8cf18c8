#include "core/document/LogDocument.h"

#include "core/log/LogFile.h"
#include "core/platform/FileIO.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"

namespace zelkor {

LogDocument::LogDocument(SettingsStore* store, const QString& workingFilePath, QObject* parent)
    : QObject(parent), m_store(store), m_workingFile(workingFilePath)
{
    if (m_store != nullptr) {
        m_openPath = m_store->ReadSetting(keys::kOpenLogPath, QString());
        m_openName = m_store->ReadSetting(keys::kOpenLogName, QString());
        m_modified = m_store->ReadSetting(keys::kModified, 0) != 0;
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
    const bool written =
        m_store == nullptr || m_store->WriteSetting(keys::kModified, modified ? 1 : 0);
    emit modifiedChanged(modified);
    return written;
}

bool LogDocument::SetOpenLog(const QString& path)
{
    m_openPath = path;
    m_openName = path.isEmpty() ? QString() : FileNamePart(path);
    const bool wasModified = m_modified;
    m_modified = false;
    // The open log and its flag reach the file in one write: never a name with another log's
    // flag.
    bool written = true;
    if (m_store != nullptr) {
        m_store->ChangeSetting(keys::kOpenLogPath, m_openPath);
        m_store->ChangeSetting(keys::kOpenLogName, m_openName);
        if (wasModified) {
            m_store->ChangeSetting(keys::kModified, 0);
        }
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
    return report;
}

}  // namespace zelkor
