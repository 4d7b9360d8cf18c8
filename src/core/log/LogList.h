#pragma once
// The log itself: the only in-memory copy of the rows, held as column texts in display order,
// with its QSO or SWL layout, the row numbers and the selection. Views follow it through signals.

#include "core/log/LogColumns.h"
#include "core/log/LogRowStore.h"

#include <QObject>

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelkor {

// Pixels of a list's client width that no column gets (room for the scroll bar).
inline constexpr int kLogListWidthMargin = 22;

// The columns' widths in a list of the given client width: (clientWidth - kLogListWidthMargin) *
// percentage / 100 per column, truncated toward zero; zero or negative for a very narrow list,
// left for the view to clamp.
std::vector<int> ColumnPixelWidths(const std::vector<int>& percentages, int clientWidth);

class LogList : public QObject {
    Q_OBJECT

public:
    // Starts empty in the QSO layout.
    explicit LogList(QObject* parent = nullptr);

    // "%5d": right-aligned in five characters, wider for six digits or more.
    [[nodiscard]] static std::string RowNumberText(int number);

    // --- Layout -------------------------------------------------------------------------------

    [[nodiscard]] LogLayout Layout() const { return m_layout; }
    [[nodiscard]] bool IsSwl() const { return m_layout == LogLayout::Swl; }

    // The window start: always rebuilds, in the QSO layout with its start proportions.
    void BuildStartColumns();
    // Each switch acts only on a real change of layout: it empties the log, rebuilds the
    // columns and returns true. When the layout is already right, the rows stay and it returns
    // false.
    bool SetSwlColumns();
    bool SetQsoColumns();

    [[nodiscard]] int ColumnCount() const { return static_cast<int>(m_percentages->size()); }
    // Empty for a column outside the layout.
    [[nodiscard]] std::string Heading(int column) const;
    // The share of the list's usable width each column gets, in percent (see ColumnPixelWidths).
    [[nodiscard]] const std::vector<int>& ColumnPercentages() const { return *m_percentages; }

    // --- Rows ---------------------------------------------------------------------------------

    [[nodiscard]] int RowCount() const { return m_rows.RowCount(); }

    // Adds a row at the end numbered RowCount() + 1 from the texts of columns 1..n, and asks
    // the view to show it. Missing columns stay empty; texts beyond the last column are dropped.
    void AppendLogRow(const std::vector<std::string>& cells);
    // Inserts a row at index (clamped to 0..RowCount()) with the given number and the texts of
    // columns 1..n, as the loader does.
    void InsertRow(int index, int number, const std::vector<std::string>& cells);
    void InsertRow(int index, int number, std::span<const std::string_view> cells);

    // Rows added through a batch reach the views as one change: its start and end are announced
    // as a reset, which an item view takes far faster than one insertion per row. The loader
    // fills the log this way. Nothing else may change the log while a batch is open.
    class RowBatch {
    public:
        explicit RowBatch(LogList& log);
        ~RowBatch();
        RowBatch(const RowBatch&) = delete;
        RowBatch& operator=(const RowBatch&) = delete;

        // A row at the end with the given number and the texts of columns 1..n.
        void Append(int number, std::span<const std::string_view> cells);

    private:
        LogList& m_log;
    };

    // Cells set through a batch tell the views once, as rowsChanged over the rows they touched,
    // instead of one cellChanged each: for changes that sweep a whole column.
    class CellBatch {
    public:
        explicit CellBatch(LogList& log) : m_log(log) {}
        ~CellBatch();
        CellBatch(const CellBatch&) = delete;
        CellBatch& operator=(const CellBatch&) = delete;

        // Ignored for a cell outside the log.
        void SetCell(int row, int column, std::string_view text);

    private:
        LogList& m_log;
        int m_firstRow = -1;
        int m_lastRow = -1;
    };

    // Empty for a cell outside the log. The text stays valid until the log changes.
    [[nodiscard]] std::string_view Cell(int row, int column) const
    {
        if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) {
            return {};
        }
        return m_rows.Cell(row, column);
    }
    // Ignored for a cell outside the log.
    void SetCell(int row, int column, std::string_view text);

    // Leaves the numbers as they are: callers call RenumberRows once afterwards.
    void DeleteRow(int index);
    // Deletes every listed row (any order; repeats and indices outside the log are ignored) in
    // one pass. Views hear of each run of adjacent rows, from the last run up, or of a reset
    // when the rows are scattered, since each removal costs an item view a pass over its rows.
    void DeleteRows(std::vector<int> rows);
    void DeleteAllRows();
    // Column 0 of row i becomes RowNumberText(i + 1).
    void RenumberRows();
    // Row i takes the texts of old row newOrder[i], number included; newOrder must be a
    // permutation of 0..RowCount()-1, otherwise nothing changes and it returns false.
    // The selection keeps its positions, as when texts are exchanged between rows.
    bool ReorderRows(const std::vector<int>& newOrder);

    void MakeRowVisible(int row);

    // --- Selection ----------------------------------------------------------------------------

    // Kept sorted and without duplicates; indices outside the log are dropped.
    void SetSelectedRows(std::vector<int> rows);
    [[nodiscard]] const std::vector<int>& SelectedRows() const { return m_selectedRows; }

signals:
    // Every structural change comes as an "about to" and a "done" signal, so that item models
    // can call their begin and end functions around it.
    void rowsAboutToBeReset();
    void rowsReset();
    void rowAboutToBeInserted(int row);
    void rowInserted(int row);
    // Rows first..last, as they were numbered before the removal.
    void rowsAboutToBeRemoved(int first, int last);
    void rowsRemoved(int first, int last);
    void cellChanged(int row, int column);
    // Every column of rows first..last may have changed.
    void rowsChanged(int firstRow, int lastRow);
    // After rowsChanged, when ReorderRows moved at least one row.
    void rowsReordered();
    // New columns, headings and widths; comes after rowsReset.
    void layoutRebuilt();
    void rowVisibleRequested(int row);
    // After a structural change that moved or cleared the selection, this comes after its
    // "done" signal; SelectedRows() is already up to date when the "done" signal arrives.
    void selectionChanged();

private:
    void RebuildColumns(LogLayout layout, const std::vector<int>& percentages);
    // The texts of a whole row: the number, then the cells given, empty ones after them.
    void PrepareRow(int number, std::span<const std::string_view> cells);
    void RemoveRun(int first, int last);
    // Changes the selection without telling anyone, so that a structural change can move it
    // before its "done" signal and announce it afterwards; returns whether it changed.
    bool AdoptSelection(std::vector<int> rows);

    LogLayout m_layout = LogLayout::Qso;
    const std::vector<int>* m_percentages = nullptr;
    LogRowStore m_rows;
    std::vector<int> m_selectedRows;
    // Scratch of PrepareRow: the texts of the row being added and its number, kept to spare
    // allocations per row.
    std::vector<std::string_view> m_rowCells;
    std::string m_numberText;
};

}  // namespace zelkor
