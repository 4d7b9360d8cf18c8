#pragma once
// The main window's log list: a report-style table over the LogList that takes its column
// widths from the log, keeps the selection of both in step and scrolls where the log asks.

#include <QTableView>

namespace zelkor {

class LogList;
class LogTableModel;

class LogTableView : public QTableView {
    Q_OBJECT

public:
    explicit LogTableView(LogList& log, QWidget* parent = nullptr);

    // The width to hand to the log's layout builders.
    [[nodiscard]] int ClientWidth() const;
    [[nodiscard]] LogTableModel& Model() const { return *m_model; }

protected:
    // Home and End go to the first and the last row, as in a list; with Ctrl they move the
    // current row without selecting, like Ctrl and the arrows.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    // Reached by the keyboard, the list shows what "Modifica" and "Elimina" would act on: the
    // selected rows, scrolled into view, or, with nothing selected, the latest row selected.
    void focusInEvent(QFocusEvent* event) override;

private:
    void ConfigureLook();
    void ConnectLog();
    // Scrolls the list so that the row lies wholly inside it.
    void ShowRowWhole(int row);
    void ApplyColumnWidths();
    void CopySelectionToLog();
    void CopySelectionFromLog();

    LogList& m_log;
    LogTableModel* m_model = nullptr;
    // Set while the rows change shape or while one side copies the selection to the other, so
    // that the intermediate selections the item view passes through are not copied back.
    bool m_rowsChanging = false;
    bool m_copyingSelection = false;
};

}  // namespace zelkor
