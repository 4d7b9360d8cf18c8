#pragma once
// The log itself: the only in-memory copy of the rows, held as column texts in display order,
// with its QSO or SWL layout, the row numbers and the selection. Views follow it through signals.

#include "core/log/LogColumns.h"

#include <QObject>

#include <string>
#include <vector>

namespace zelkor {

class LogList : public QObject {
    Q_OBJECT

public:
    // One text per column, Windows-1252 bytes; column 0 is the row number.
    using Row = std::vector<std::string>;

    // Pixels of the list's client width that no column gets (room for the scroll bar).
    static constexpr int kWidthMargin = 22;

    // Starts empty in the QSO layout with zero widths, until a layout is built for a real width.
    explicit LogList(QObject* parent = nullptr);

    // "%5d": right-aligned in five characters, wider for six digits or more.
    [[nodiscard]] static std::string RowNumberText(int number);

    // --- Layout -------------------------------------------------------------------------------

    [[nodiscard]] LogLayout Layout() const { return m_layout; }
    [[nodiscard]] bool IsSwl() const { return m_layout == LogLayout::Swl; }

    // The window start: always rebuilds, in the QSO layout with its start widths. The client
    // width is kept for the later layout switches.
    void BuildStartColumns(int clientWidth);
    // Each switch acts only on a real change of layout: it empties the log, rebuilds the
    // columns for the client width given at the start and returns true. When the layout is
    // already right, the rows stay and it returns false.
    bool SetSwlColumns();
    bool SetQsoColumns();

    [[nodiscard]] int ColumnCount() const { return static_cast<int>(m_columnWidths.size()); }
    // Empty for a column outside the layout.
    [[nodiscard]] std::string Heading(int column) const;
    // (clientWidth - kWidthMargin) * percentage / 100 per column, truncated toward zero; zero
    // or negative for a very narrow list, left for the view to clamp.
    [[nodiscard]] const std::vector<int>& ColumnWidths() const { return m_columnWidths; }

    // --- Rows ---------------------------------------------------------------------------------

    [[nodiscard]] int RowCount() const { return static_cast<int>(m_rows.size()); }

    // Adds a row at the end numbered RowCount() + 1 from the texts of columns 1..n, and asks
    // the view to show it. Missing columns stay empty; texts beyond the last column are dropped.
    void AppendLogRow(const std::vector<std::string>& cells);
    // Inserts a row at index (clamped to 0..RowCount()) with the given number and the texts of
    // columns 1..n, as the loader does.
    void InsertRow(int index, int number, const std::vector<std::string>& cells);

    // Empty for a cell outside the log.
    [[nodiscard]] const std::string& Cell(int row, int column) const;
    // Ignored for a cell outside the log.
    void SetCell(int row, int column, std::string text);

    // Leaves the numbers as they are: callers delete from the highest index down, then call
    // RenumberRows once.
    void DeleteRow(int index);
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
    void rowAboutToBeRemoved(int row);
    void rowRemoved(int row);
    void cellChanged(int row, int column);
    // Every column of rows first..last may have changed.
    void rowsChanged(int firstRow, int lastRow);
    // New columns, headings and widths; comes after rowsReset.
    void layoutRebuilt();
    void rowVisibleRequested(int row);
    // After a structural change that moved or cleared the selection, this comes after its
    // "done" signal; SelectedRows() is already up to date when the "done" signal arrives.
    void selectionChanged();

private:
    void RebuildColumns(LogLayout layout, const std::vector<int>& percentages, int clientWidth);
    [[nodiscard]] Row MakeRow(int number, const std::vector<std::string>& cells) const;
    // Changes the selection without telling anyone, so that a structural change can move it
    // before its "done" signal and announce it afterwards; returns whether it changed.
    bool AdoptSelection(std::vector<int> rows);

    LogLayout m_layout = LogLayout::Qso;
    int m_clientWidth = kWidthMargin;
    std::vector<int> m_columnWidths;
    std::vector<Row> m_rows;
    std::vector<int> m_selectedRows;
};

}  // namespace zelkor
