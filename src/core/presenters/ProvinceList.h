#pragma once
// What the province list window decides: its rows (a working copy of the province table), the
// worked column, editing, adding, deleting, the two sorts, and the "Salva" that rebuilds the
// table. The window shows the rows and hands the user's commands here.

#include "core/presenters/ProvinceEdit.h"
#include "core/provinces/ProvinceTable.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelkor {

class Prompter;
class ProvinceWorkedTable;

struct ProvinceListRow {
    std::string code;
    std::string name;
    // Column "Bande lavorate ssb/cw/rtty", e.g. "84 -4 --". Filled when the column is shown;
    // a row added or edited since has none until the column is shown again.
    std::string worked;

    bool operator==(const ProvinceListRow& other) const = default;
};

// How a run of the window ended, for the command that opened it.
enum class ProvinceListOutcome {
    // Left without "Salva": the table is as it was once the window had opened.
    Cancelled,
    // The table holds the rows and the province file was rewritten.
    Saved,
    // The table holds the rows, but the province file could not be written (the user was told).
    FileNotWritten,
};

class ProvinceList {
public:
    static constexpr int kCodeColumn = 0;
    static constexpr int kNameColumn = 1;
    static constexpr int kWorkedColumn = 2;

    // Opening the window: every name in the table itself is capitalised (the table keeps that
    // form whatever follows), then each named slot becomes a row, in code order.
    ProvinceList(ProvinceTable& table, const ProvinceWorkedTable& worked);
    // The worked table is read whenever the worked column is shown, so it must outlive the list.
    ProvinceList(ProvinceTable& table, ProvinceWorkedTable&& worked) = delete;

    [[nodiscard]] const std::vector<ProvinceListRow>& Rows() const { return m_rows; }
    [[nodiscard]] int RowCount() const { return static_cast<int>(m_rows.size()); }

    // Widths of the code, name and worked columns for a list whose inner width is innerWidth;
    // the worked column's width is 0 while it is not shown.
    [[nodiscard]] static std::array<int, 3> ColumnWidths(int innerWidth, bool workedShown);
    // Two characters per ModeRow (SSB, CW, RTTY/PSK31), '8' for 80 m and '4' for 40 m or '-',
    // the groups separated by a blank.
    [[nodiscard]] static std::string WorkedText(const ProvinceWorkedTable& worked,
                                                std::string_view code);

    [[nodiscard]] bool WorkedShown() const { return m_workedShown; }
    // Showing fills every row's worked text from the worked table; hiding empties them.
    void ShowWorked(bool shown);

    // Kept sorted and without duplicates; rows outside the list are dropped.
    void SetSelectedRows(std::vector<int> rows);
    [[nodiscard]] const std::vector<int>& SelectedRows() const { return m_selectedRows; }

    // Gets the entry a selected row should hold, or nothing to leave the row as it is.
    using RowEditor = std::function<std::optional<ProvinceEntry>(const ProvinceEntry& current)>;
    // "Modifica": each selected row in turn, first to last, goes through the editor.
    void EditSelectedRows(const RowEditor& editor);
    // "Aggiungi": appended at the end without a look for the same code; returns the row.
    int AppendRow(const ProvinceEntry& entry);
    // "Elimina": the selected rows go, without a question.
    void DeleteSelectedRows();

    // Both hide the worked column first, since they move only codes and names. A row whose
    // contents moved loses its selection, so that a later command does not hit a province the
    // user never picked.
    void SortByCode();
    void SortByName();

    // "Salva": empties the table and puts each row's name in the slot of its code, in list
    // order. A code already placed stops it with the error box naming both provinces, leaves
    // the table holding the rows placed so far and disables "Annulla"; returns whether every
    // row was placed.
    bool Save(Prompter& prompter);
    // False once a "Salva" has stopped on a code conflict.
    [[nodiscard]] bool CancelEnabled() const { return m_cancelEnabled; }

    // After a successful "Salva": writes the table to the province file; a failure is reported.
    ProvinceListOutcome WriteProvinceFile(const QString& path, Prompter& prompter) const;
    // The window is left without a successful "Salva": the table goes back to what it held once
    // the window had opened, so that a stopped "Salva" loses no province.
    void Restore();

    static QString ConflictText(std::string_view placedName, std::string_view rowName,
                                std::string_view code);

private:
    void SortBy(int column);

    ProvinceTable& m_table;
    const ProvinceWorkedTable& m_worked;
    ProvinceTable m_opened;
    std::vector<ProvinceListRow> m_rows;
    std::vector<int> m_selectedRows;
    bool m_workedShown = false;
    bool m_cancelEnabled = true;
};

}  // namespace zelkor
