#include "core/log/LogList.h"

#include "core/text/Text.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace zelkor {

namespace {

constexpr std::array<std::string_view, QsoColumn::Count> kQsoHeadings = {
    "Qso", "Data", "Utc", "MHz", "Modo", "Nominativo", "RstT", "RstR", "Sigla", "Provincia"};

constexpr std::array<std::string_view, SwlColumn::Count> kSwlHeadings = {
    "Hrd", "Data", "Utc", "MHz", "Modo", "Nomin. chiamante", "Rst", "Prov", "Nomin. risposta"};

// Percentages of the usable width per column. The two QSO tables differ on purpose: the one
// built at window start gives the mode 8 and the callsign 18, the one rebuilt when an SWL log
// gives way to a QSO log gives them 7 and 19.
const std::vector<int> kQsoStartPercentages = {7, 16, 7, 6, 8, 18, 7, 7, 7, 18};
const std::vector<int> kQsoSwitchPercentages = {7, 16, 7, 6, 7, 19, 7, 7, 7, 18};
const std::vector<int> kSwlPercentages = {8, 14, 8, 8, 8, 19, 8, 8, 19};

const std::string kEmptyText;

}  // namespace

LogList::LogList(QObject* parent) : QObject(parent)
{
    RebuildColumns(LogLayout::Qso, kQsoStartPercentages, kWidthMargin);
}

std::string LogList::RowNumberText(int number)
{
    return Format("%5d", number);
}

void LogList::BuildStartColumns(int clientWidth)
{
    m_clientWidth = clientWidth;
    RebuildColumns(LogLayout::Qso, kQsoStartPercentages, clientWidth);
}

bool LogList::SetSwlColumns()
{
    if (IsSwl()) {
        return false;
    }
    RebuildColumns(LogLayout::Swl, kSwlPercentages, m_clientWidth);
    return true;
}

bool LogList::SetQsoColumns()
{
    if (!IsSwl()) {
        return false;
    }
    RebuildColumns(LogLayout::Qso, kQsoSwitchPercentages, m_clientWidth);
    return true;
}

std::string LogList::Heading(int column) const
{
    if (column < 0 || column >= ColumnCount()) {
        return {};
    }
    const std::string_view heading = IsSwl() ? kSwlHeadings.at(column) : kQsoHeadings.at(column);
    return std::string(heading);
}

void LogList::AppendLogRow(const std::vector<std::string>& cells)
{
    const int row = RowCount();
    InsertRow(row, row + 1, cells);
    MakeRowVisible(row);
}

void LogList::InsertRow(int index, int number, const std::vector<std::string>& cells)
{
    index = std::clamp(index, 0, RowCount());
    // Selected rows at or after the new one move down with their texts.
    std::vector<int> selection = m_selectedRows;
    for (int& selected : selection) {
        if (selected >= index) {
            ++selected;
        }
    }
    emit rowAboutToBeInserted(index);
    m_rows.insert(m_rows.begin() + index, MakeRow(number, cells));
    const bool selectionMoved = AdoptSelection(std::move(selection));
    emit rowInserted(index);
    if (selectionMoved) {
        emit selectionChanged();
    }
}

const std::string& LogList::Cell(int row, int column) const
{
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) {
        return kEmptyText;
    }
    return m_rows[row][column];
}

void LogList::SetCell(int row, int column, std::string text)
{
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) {
        return;
    }
    m_rows[row][column] = std::move(text);
    emit cellChanged(row, column);
}

void LogList::DeleteRow(int index)
{
    if (index < 0 || index >= RowCount()) {
        return;
    }
    std::vector<int> selection;
    for (int selected : m_selectedRows) {
        if (selected != index) {
            selection.push_back(selected > index ? selected - 1 : selected);
        }
    }
    emit rowAboutToBeRemoved(index);
    m_rows.erase(m_rows.begin() + index);
    const bool selectionMoved = AdoptSelection(std::move(selection));
    emit rowRemoved(index);
    if (selectionMoved) {
        emit selectionChanged();
    }
}

void LogList::DeleteAllRows()
{
    emit rowsAboutToBeReset();
    m_rows.clear();
    const bool selectionCleared = AdoptSelection({});
    emit rowsReset();
    if (selectionCleared) {
        emit selectionChanged();
    }
}

void LogList::RenumberRows()
{
    for (int row = 0; row < RowCount(); ++row) {
        m_rows[row][0] = RowNumberText(row + 1);
    }
    if (!m_rows.empty()) {
        emit rowsChanged(0, RowCount() - 1);
    }
}

bool LogList::ReorderRows(const std::vector<int>& newOrder)
{
    if (static_cast<int>(newOrder.size()) != RowCount()) {
        return false;
    }
    std::vector<bool> taken(m_rows.size(), false);
    for (int oldIndex : newOrder) {
        if (oldIndex < 0 || oldIndex >= RowCount() || taken[oldIndex]) {
            return false;
        }
        taken[oldIndex] = true;
    }

    std::vector<Row> reordered;
    reordered.reserve(m_rows.size());
    for (int oldIndex : newOrder) {
        reordered.push_back(std::move(m_rows[oldIndex]));
    }
    m_rows = std::move(reordered);
    if (!m_rows.empty()) {
        emit rowsChanged(0, RowCount() - 1);
    }
    return true;
}

void LogList::MakeRowVisible(int row)
{
    if (row >= 0 && row < RowCount()) {
        emit rowVisibleRequested(row);
    }
}

void LogList::SetSelectedRows(std::vector<int> rows)
{
    std::erase_if(rows, [this](int row) { return row < 0 || row >= RowCount(); });
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (AdoptSelection(std::move(rows))) {
        emit selectionChanged();
    }
}

void LogList::RebuildColumns(LogLayout layout, const std::vector<int>& percentages, int clientWidth)
{
    emit rowsAboutToBeReset();
    m_rows.clear();
    m_layout = layout;
    const int usableWidth = clientWidth - kWidthMargin;
    m_columnWidths.clear();
    for (int percentage : percentages) {
        // Integer division truncates toward zero, negative widths included.
        m_columnWidths.push_back(usableWidth * percentage / 100);
    }
    const bool selectionCleared = AdoptSelection({});
    emit rowsReset();
    emit layoutRebuilt();
    if (selectionCleared) {
        emit selectionChanged();
    }
}

LogList::Row LogList::MakeRow(int number, const std::vector<std::string>& cells) const
{
    Row row(ColumnCount());
    row[0] = RowNumberText(number);
    const int copied = std::min(static_cast<int>(cells.size()), ColumnCount() - 1);
    std::copy_n(cells.begin(), copied, row.begin() + 1);
    return row;
}

bool LogList::AdoptSelection(std::vector<int> rows)
{
    if (rows == m_selectedRows) {
        return false;
    }
    m_selectedRows = std::move(rows);
    return true;
}

}  // namespace zelkor
