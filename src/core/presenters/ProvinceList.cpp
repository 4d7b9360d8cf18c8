#include "core/presenters/ProvinceList.h"

#include "core/contest/BandMode.h"
#include "core/platform/Prompter.h"
#include "core/provinces/ProvinceFile.h"
#include "core/text/Cp1252.h"
#include "core/text/Text.h"
#include "core/worked/ProvinceWorkedTable.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace zelkor {

ProvinceList::ProvinceList(ProvinceTable& table, const ProvinceWorkedTable& worked)
    : m_table(table), m_worked(worked)
{
    for (int index = 0; index < kProvinceSlotCount; ++index) {
        std::string name = m_table.Name(index);
        if (name.empty()) {
            continue;
        }
        CapitaliseProvinceName(name);
        m_table.SetName(index, name);
        m_rows.push_back({ProvinceCodeAt(index), std::move(name), {}});
    }
    m_opened = m_table;
}

std::array<int, 3> ProvinceList::ColumnWidths(int innerWidth, bool workedShown)
{
    // The 20 leaves room for a vertical scroll bar.
    const int width = std::max(innerWidth - 20, 0);
    if (workedShown) {
        return {width * 16 / 100, width * 42 / 100, width * 42 / 100};
    }
    return {width * 16 / 100, width * 84 / 100, 0};
}

std::string ProvinceList::WorkedText(const ProvinceWorkedTable& worked, std::string_view code)
{
    const int index = ProvinceIndexOf(code);
    std::string text;
    for (int modeRow = 0; modeRow < kModeRowCount; ++modeRow) {
        if (modeRow > 0) {
            text += ' ';
        }
        const std::uint8_t bands = worked.Entry(index, modeRow);
        text += (bands & BandBit(0)) != 0 ? '8' : '-';
        text += (bands & BandBit(1)) != 0 ? '4' : '-';
    }
    return text;
}

void ProvinceList::ShowWorked(bool shown)
{
    m_workedShown = shown;
    for (ProvinceListRow& row : m_rows) {
        row.worked = shown ? WorkedText(m_worked, row.code) : std::string();
    }
}

void ProvinceList::SetSelectedRows(std::vector<int> rows)
{
    std::erase_if(rows, [this](int row) { return row < 0 || row >= RowCount(); });
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    m_selectedRows = std::move(rows);
}

void ProvinceList::EditSelectedRows(const RowEditor& editor)
{
    // A copy: the editor may run modal windows, and the rows must be the ones picked now.
    const std::vector<int> selected = m_selectedRows;
    for (const int row : selected) {
        ProvinceListRow& shown = m_rows[static_cast<std::size_t>(row)];
        std::optional<ProvinceEntry> edited = editor({shown.code, shown.name});
        if (!edited) {
            continue;
        }
        // The worked text belonged to the old code; a new one comes only with the next showing.
        shown = {std::move(edited->code), std::move(edited->name), {}};
    }
}

int ProvinceList::AppendRow(const ProvinceEntry& entry)
{
    m_rows.push_back({entry.code, entry.name, {}});
    return RowCount() - 1;
}

void ProvinceList::DeleteSelectedRows()
{
    // Reverse iterators rather than std::views::reverse, which clang 14 (the fuzz build) can't
    // compile with this standard library.
    for (auto row = m_selectedRows.rbegin(); row != m_selectedRows.rend(); ++row) {
        m_rows.erase(m_rows.begin() + *row);
    }
    m_selectedRows.clear();
}

void ProvinceList::SortByCode()
{
    SortBy(kCodeColumn);
}

void ProvinceList::SortByName()
{
    SortBy(kNameColumn);
}

void ProvinceList::SortBy(int column)
{
    ShowWorked(false);
    auto key = [column](const ProvinceListRow& row) -> const std::string& {
        return column == kCodeColumn ? row.code : row.name;
    };
    // Deliberately this exchange sort, not a library sort: it is not stable, and where it puts
    // rows with equal keys decides which of two rows sharing a code "Salva" names first.
    std::vector<int> origin(m_rows.size());
    std::iota(origin.begin(), origin.end(), 0);
    for (std::size_t a = 0; a + 1 < m_rows.size(); ++a) {
        for (std::size_t i = a + 1; i < m_rows.size(); ++i) {
            if (CompareBytes(key(m_rows[a]), key(m_rows[i])) > 0) {
                std::swap(m_rows[a], m_rows[i]);
                std::swap(origin[a], origin[i]);
            }
        }
    }
    std::erase_if(m_selectedRows,
                  [&origin](int row) { return origin[static_cast<std::size_t>(row)] != row; });
}

bool ProvinceList::Save(Prompter& prompter)
{
    m_table.Clear();
    for (const ProvinceListRow& row : m_rows) {
        const int index = ProvinceIndexOf(row.code);
        const std::string& placed = m_table.Name(index);
        if (!placed.empty()) {
            prompter.Error(ConflictText(placed, row.name, row.code));
            // Only a corrected "Salva" or leaving the window, which restores the table, may
            // follow, so that the half-built table is never taken for the list.
            m_cancelEnabled = false;
            return false;
        }
        m_table.SetName(index, row.name);
    }
    return true;
}

ProvinceListOutcome ProvinceList::WriteProvinceFile(const QString& path, Prompter& prompter) const
{
    QString reason;
    if (!SaveProvinceFile(path, m_table, &reason)) {
        prompter.Error(ProvinceFileNotWrittenText(reason));
        return ProvinceListOutcome::FileNotWritten;
    }
    return ProvinceListOutcome::Saved;
}

void ProvinceList::Restore()
{
    m_table = m_opened;
}

QString ProvinceList::ConflictText(std::string_view placedName, std::string_view rowName,
                                   std::string_view code)
{
    return QStringLiteral("ATTENZIONE!\n\nLe province di ") + ToQString(placedName) +
           QStringLiteral("\ne di ") + ToQString(rowName) +
           QStringLiteral("\nhanno la stessa sigla: ") + ToQString(code) +
           QStringLiteral("\n\nModifica le sigle!");
}

}  // namespace zelkor
