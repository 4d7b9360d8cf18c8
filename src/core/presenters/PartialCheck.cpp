#include "core/presenters/PartialCheck.h"

#include "core/commands/AppContext.h"
#include "core/log/LogList.h"
#include "core/presenters/EntryRow.h"
#include "core/text/Cp1252.h"
#include "core/text/Text.h"

namespace zelkor {

PartialCheck::PartialCheck(const AppContext& context, const LogList& log, EntryRow& entry,
                           QObject* parent)
    : QObject(parent), m_context(context), m_log(log), m_entry(entry)
{
    ConnectLog();
}

void PartialCheck::ConnectLog()
{
    connect(&m_log, &LogList::rowInserted, this, &PartialCheck::OnRowInserted);
    for (const auto signal : {&LogList::rowsReset, &LogList::layoutRebuilt}) {
        connect(&m_log, signal, this, &PartialCheck::OnLogChanged);
    }
    connect(&m_log, &LogList::rowsRemoved, this, &PartialCheck::OnLogChanged);
    connect(&m_log, &LogList::cellChanged, this, &PartialCheck::OnLogChanged);
    connect(&m_log, &LogList::rowsChanged, this, &PartialCheck::OnLogChanged);
}

void PartialCheck::OnRowInserted(int row)
{
    // The usual change while the operator works: one contact appended, added on its own.
    if (m_active && !m_logStale && row == m_log.RowCount() - 1) {
        m_appendedRows.push_back(row);
    } else {
        m_logStale = true;
    }
    m_searchStale = true;
    RequestRefresh();
}

void PartialCheck::OnLogChanged()
{
    // Renumbering sends a signal per row: the index is rebuilt once, at the refresh.
    m_logStale = true;
    m_searchStale = true;
    RequestRefresh();
}

void PartialCheck::OnHistoryChanged()
{
    m_historyStale = true;
    m_searchStale = true;
    RequestRefresh();
}

void PartialCheck::SetActive(bool active)
{
    m_active = active;
    RequestRefresh();
}

void PartialCheck::OnCallsignText(EntryField field, const std::string& text)
{
    if (field == m_field && text == m_typed) {
        return;
    }
    m_field = field;
    m_typed = text;
    m_searchStale = true;
    RequestRefresh();
}

void PartialCheck::RequestRefresh()
{
    if (m_active) {
        emit refreshNeeded();
    }
}

void PartialCheck::Refresh()
{
    if (!m_active) {
        return;
    }
    if (m_historyStale) {
        m_index.SetHistory(m_context.history);
        m_historyStale = false;
    }
    if (m_logStale) {
        m_index.SetLog(m_log);
        m_logStale = false;
    } else {
        for (const int row : m_appendedRows) {
            m_index.AddLogRow(m_log, row);
        }
    }
    m_appendedRows.clear();
    if (!m_searchStale) {
        return;
    }
    m_searchStale = false;
    m_searched = TrimWhiteSpace(m_typed);
    ToUpperAscii(m_searched);
    const PartialCheckIndex::Result found = m_index.Find(m_searched, kShownLimit);
    m_total = found.total;
    m_lines.clear();
    m_lines.reserve(found.matches.size());
    for (const PartialMatch& match : found.matches) {
        std::string name = m_context.provinces.ProvinceNameOf(match.province);
        CapitaliseProvinceName(name);
        std::string logged = WorkedText(match.worked);
        if (logged.empty() && match.inLog) {
            logged = "s\xEC";  // "sì"
        }
        m_lines.push_back({match.callsign, match.province, std::move(name), std::move(logged)});
    }
    emit changed();
}

QString PartialCheck::StatusText() const
{
    if (m_searched.size() < PartialCheckIndex::kMinimumLength) {
        return QStringLiteral("Scrivere almeno 3 caratteri del nominativo.");
    }
    const QString searched = ToQString(m_searched);
    if (m_total == 0) {
        return QStringLiteral("Nessun nominativo contiene \"%1\".").arg(searched);
    }
    QString text =
        QStringLiteral("Nominativi che contengono \"%1\": %2").arg(searched).arg(m_total);
    if (static_cast<std::size_t>(m_total) > m_lines.size()) {
        text += QStringLiteral(" (i primi %1)").arg(m_lines.size());
    }
    return text;
}

void PartialCheck::Choose(int line)
{
    if (line < 0 || line >= static_cast<int>(m_lines.size())) {
        return;
    }
    const EntryField field = m_field;
    m_entry.SetFieldText(field, m_lines[static_cast<std::size_t>(line)].callsign);
    // Shows the callsign and puts the focus back into its field, ready for Enter.
    m_entry.OnFocusMoved(field);
}

std::string PartialCheck::WorkedText(std::uint8_t worked)
{
    static constexpr const char* kBands[] = {"3,5", "7"};
    static constexpr const char* kModes[] = {"ssb", "cw", "rtty"};
    std::string text;
    for (int band = 0; band < 2; ++band) {
        for (int mode = 0; mode < 3; ++mode) {
            if ((worked & (1U << (band + 2 * mode))) == 0) {
                continue;
            }
            if (!text.empty()) {
                text += ", ";
            }
            text.append(kBands[band]).append(" ").append(kModes[mode]);
        }
    }
    return text;
}

}  // namespace zelkor
