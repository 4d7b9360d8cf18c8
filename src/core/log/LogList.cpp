#include "core/log/LogList.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>
#include <utility>
#include "core/text/Text.h"

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

}  // namespace

LogList::LogList(QObject* parent) : QObject(parent)
{
    RebuildColumns(LogLayout::Qso, kQsoStartPercentages);
}

std::string LogList::RowNumberText(int number)
{
    // What "%5d" gives, without printf's parsing: this runs for every row that is loaded or
    // renumbered.
    char digits[12];
    char* first = std::end(digits);
    unsigned magnitude =
        number < 0 ? 0U - static_cast<unsigned>(number) : static_cast<unsigned>(number);
    do {
        *--first = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (number < 0) {
        *--first = '-';
    }
    const auto length = static_cast<std::size_t>(std::end(digits) - first);
    std::string text(length < 5 ? 5 - length : 0, ' ');
    text.append(first, length);
    return text;
}

std::vector<int> ColumnPixelWidths(const std::vector<int>& percentages, int clientWidth)
{
    const int usableWidth = clientWidth - kLogListWidthMargin;
    std::vector<int> widths;
    widths.reserve(percentages.size());
    for (const int percentage : percentages) {
        // Integer division truncates toward zero, negative widths included.
        widths.push_back(usableWidth * percentage / 100);
    }
    return widths;
}

void LogList::BuildStartColumns()
{
    RebuildColumns(LogLayout::Qso, kQsoStartPercentages);
}

bool LogList::SetSwlColumns()
{
    if (IsSwl()) {
        return false;
    }
    RebuildColumns(LogLayout::Swl, kSwlPercentages);
    return true;
}

bool LogList::SetQsoColumns()
{
    if (!IsSwl()) {
        return false;
    }
    RebuildColumns(LogLayout::Qso, kQsoSwitchPercentages);
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
    const std::vector<std::string_view> views(cells.begin(), cells.end());
    InsertRow(index, number, views);
}

void LogList::InsertRow(int index, int number, std::span<const std::string_view> cells)
{
    index = std::clamp(index, 0, RowCount());
    // Selected rows at or after the new one move down with their texts; a row added after the
    // last selected one, as every new contact is, moves nothing.
    const bool moves = !m_selectedRows.empty() && m_selectedRows.back() >= index;
    std::vector<int> selection;
    if (moves) {
        selection = m_selectedRows;
        for (int& selected : selection) {
            if (selected >= index) {
                ++selected;
            }
        }
    }
    PrepareRow(number, cells);
    emit rowAboutToBeInserted(index);
    m_rows.Insert(index, m_rowCells);
    const bool selectionMoved = moves && AdoptSelection(std::move(selection));
    emit rowInserted(index);
    if (selectionMoved) {
        emit selectionChanged();
    }
}

LogList::RowBatch::RowBatch(LogList& log) : m_log(log)
{
    emit m_log.rowsAboutToBeReset();
}

LogList::RowBatch::~RowBatch()
{
    // Rows only come at the end, so the selection stays where it was.
    emit m_log.rowsReset();
}

void LogList::RowBatch::Append(int number, std::span<const std::string_view> cells)
{
    m_log.PrepareRow(number, cells);
    m_log.m_rows.Append(m_log.m_rowCells);
}

LogList::CellBatch::~CellBatch()
{
    if (m_firstRow >= 0) {
        emit m_log.rowsChanged(m_firstRow, m_lastRow);
    }
}

void LogList::CellBatch::SetCell(int row, int column, std::string_view text)
{
    if (row < 0 || row >= m_log.RowCount() || column < 0 || column >= m_log.ColumnCount()) {
        return;
    }
    m_log.m_rows.SetCell(row, column, text);
    m_firstRow = m_firstRow < 0 ? row : std::min(m_firstRow, row);
    m_lastRow = std::max(m_lastRow, row);
}

void LogList::SetCell(int row, int column, std::string_view text)
{
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) {
        return;
    }
    m_rows.SetCell(row, column, text);
    emit cellChanged(row, column);
}

void LogList::DeleteRow(int index)
{
    DeleteRows({index});
}

void LogList::DeleteRows(std::vector<int> rows)
{
    std::erase_if(rows, [this](int row) { return row < 0 || row >= RowCount(); });
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty()) {
        return;
    }

    // Runs of adjacent rows, as first and last index.
    std::vector<std::pair<int, int>> runs;
    for (int row : rows) {
        if (!runs.empty() && runs.back().second + 1 == row) {
            runs.back().second = row;
        } else {
            runs.emplace_back(row, row);
        }
    }
    // A few runs are announced one by one, so that the view keeps its place and what is
    // selected elsewhere; beyond that a reset is cheaper for the view than many removals.
    constexpr std::size_t kMostRunsAnnounced = 16;
    if (runs.size() <= kMostRunsAnnounced) {
        for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
            RemoveRun(run->first, run->second);
        }
        return;
    }

    // Each remaining selected row moves up by the number of deleted rows before it.
    std::vector<int> selection;
    auto deleted = rows.begin();
    for (int selected : m_selectedRows) {
        while (deleted != rows.end() && *deleted < selected) {
            ++deleted;
        }
        if (deleted == rows.end() || *deleted != selected) {
            selection.push_back(selected - static_cast<int>(deleted - rows.begin()));
        }
    }
    emit rowsAboutToBeReset();
    m_rows.EraseSorted(rows);
    const bool selectionMoved = AdoptSelection(std::move(selection));
    emit rowsReset();
    if (selectionMoved) {
        emit selectionChanged();
    }
}

void LogList::RemoveRun(int first, int last)
{
    const int count = last - first + 1;
    std::vector<int> selection;
    for (int selected : m_selectedRows) {
        if (selected < first) {
            selection.push_back(selected);
        } else if (selected > last) {
            selection.push_back(selected - count);
        }
    }
    emit rowsAboutToBeRemoved(first, last);
    m_rows.EraseRange(first, last);
    const bool selectionMoved = AdoptSelection(std::move(selection));
    emit rowsRemoved(first, last);
    if (selectionMoved) {
        emit selectionChanged();
    }
}

void LogList::DeleteAllRows()
{
    emit rowsAboutToBeReset();
    m_rows.Reset(ColumnCount());
    const bool selectionCleared = AdoptSelection({});
    emit rowsReset();
    if (selectionCleared) {
        emit selectionChanged();
    }
}

void LogList::RenumberRows()
{
    for (int row = 0; row < RowCount(); ++row) {
        m_rows.SetCell(row, 0, RowNumberText(row + 1));
    }
    if (RowCount() > 0) {
        emit rowsChanged(0, RowCount() - 1);
    }
}

bool LogList::ReorderRows(const std::vector<int>& newOrder)
{
    if (static_cast<int>(newOrder.size()) != RowCount()) {
        return false;
    }
    std::vector<bool> taken(static_cast<std::size_t>(RowCount()), false);
    bool moved = false;
    for (int row = 0; row < RowCount(); ++row) {
        const int oldIndex = newOrder[row];
        if (oldIndex < 0 || oldIndex >= RowCount() || taken[oldIndex]) {
            return false;
        }
        taken[oldIndex] = true;
        moved = moved || oldIndex != row;
    }
    m_rows.Permute(newOrder);
    if (RowCount() > 0) {
        emit rowsChanged(0, RowCount() - 1);
    }
    if (moved) {
        emit rowsReordered();
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

void LogList::RebuildColumns(LogLayout layout, const std::vector<int>& percentages)
{
    emit rowsAboutToBeReset();
    m_layout = layout;
    m_percentages = &percentages;
    m_rows.Reset(ColumnCount());
    const bool selectionCleared = AdoptSelection({});
    emit rowsReset();
    emit layoutRebuilt();
    if (selectionCleared) {
        emit selectionChanged();
    }
}

void LogList::PrepareRow(int number, std::span<const std::string_view> cells)
{
    m_numberText = RowNumberText(number);
    m_rowCells.assign(static_cast<std::size_t>(ColumnCount()), std::string_view());
    if (m_rowCells.empty()) {
        return;
    }
    m_rowCells[0] = m_numberText;
    const std::size_t copied = std::min(cells.size(), m_rowCells.size() - 1);
    std::copy_n(cells.begin(), copied, m_rowCells.begin() + 1);
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
