#include "ui/log/LogTableView.h"

#include "core/log/LogList.h"
#include "ui/ControlIds.h"
#include "ui/log/LogTableModel.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QItemSelection>
#include <QItemSelectionModel>

#include <algorithm>
#include <vector>

namespace zelkor {

LogTableView::LogTableView(LogList& log, QWidget* parent) : QTableView(parent), m_log(log)
{
    setObjectName(ControlName(ControlId::LogList));
    setAccessibleName(QStringLiteral("Log"));

    // The guards must see the log's "about to" signals before the model turns them into
    // item-view notifications, so they are connected before the model exists.
    const auto startChange = [this] { m_rowsChanging = true; };
    connect(&m_log, &LogList::rowsAboutToBeReset, this, startChange);
    connect(&m_log, &LogList::rowAboutToBeInserted, this, startChange);
    connect(&m_log, &LogList::rowsAboutToBeRemoved, this, startChange);

    // NOLINTNEXTLINE(cppcoreguidelines-prefer-member-initializer): must follow the guards.
    m_model = new LogTableModel(m_log, this);
    setModel(m_model);
    ConfigureLook();
    ConnectLog();
    ApplyColumnWidths();
}

int LogTableView::ClientWidth() const
{
    // From the frame, not the viewport: the viewport has its size only once the view is shown,
    // and the layouts are built before that.
    return width() - 2 * frameWidth();
}

void LogTableView::ConfigureLook()
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setShowGrid(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);

    QHeaderView* header = horizontalHeader();
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    // The log's widths may be very small for a narrow window; honour them.
    header->setMinimumSectionSize(0);

    // The selection shows only while the list has the focus.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight,
                     colours.color(QPalette::Inactive, QPalette::Base));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Inactive, QPalette::Text));
    setPalette(colours);
}

void LogTableView::ConnectLog()
{
    // Connected after the model, so these run once the model has finished its notifications.
    const auto endChange = [this] {
        m_rowsChanging = false;
        CopySelectionFromLog();
    };
    connect(&m_log, &LogList::rowsReset, this, endChange);
    connect(&m_log, &LogList::rowInserted, this, endChange);
    connect(&m_log, &LogList::rowsRemoved, this, endChange);
    connect(&m_log, &LogList::selectionChanged, this, [this] { CopySelectionFromLog(); });
    connect(&m_log, &LogList::layoutRebuilt, this, [this] { ApplyColumnWidths(); });
    connect(&m_log, &LogList::rowVisibleRequested, this, &LogTableView::ShowRowWhole);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { CopySelectionToLog(); });
}

QModelIndex LogTableView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // The table's own Home and End stay in the row and move between columns, which whole-row
    // selection makes invisible; its Ctrl+Home and Ctrl+End go to the first and last row.
    if (action == MoveHome || action == MoveEnd) {
        modifiers |= Qt::ControlModifier;
    }
    return QTableView::moveCursor(action, modifiers);
}

void LogTableView::focusInEvent(QFocusEvent* event)
{
    const QModelIndex current = currentIndex();
    QTableView::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if ((reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
         reason != Qt::ShortcutFocusReason) ||
        m_model->rowCount() == 0) {
        return;
    }
    QItemSelectionModel* selection = selectionModel();
    if (!selection->hasSelection()) {
        // The latest contact is the one most often corrected.
        const QModelIndex row =
            current.isValid() ? current : m_model->index(m_model->rowCount() - 1, 0);
        selection->setCurrentIndex(row,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else if ((!current.isValid() || !selection->isRowSelected(current.row(), {})) &&
               !m_log.SelectedRows().empty()) {
        selection->setCurrentIndex(m_model->index(m_log.SelectedRows().front(), 0),
                                   QItemSelectionModel::NoUpdate);
    }
    ShowRowWhole(currentIndex().row());
}

void LogTableView::ShowRowWhole(int row)
{
    // A row just inserted is not yet in the scroll bar's range, which the view widens only at
    // its next layout; scrolling before it would stop short and cut the new row through.
    executeDelayedItemsLayout();
    scrollTo(m_model->index(row, 0), QAbstractItemView::EnsureVisible);
}

void LogTableView::ApplyColumnWidths()
{
    const std::vector<int> widths = ColumnPixelWidths(m_log.ColumnPercentages(), ClientWidth());
    for (int column = 0; column < static_cast<int>(widths.size()); ++column) {
        setColumnWidth(column, std::max(0, widths[column]));
    }
}

void LogTableView::CopySelectionToLog()
{
    if (m_rowsChanging || m_copyingSelection) {
        return;
    }
    // Read from the selection's ranges: whole rows are selected, and asking the model row by
    // row would cost a pass over the ranges for every row.
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            rows.push_back(row);
        }
    }
    m_copyingSelection = true;
    m_log.SetSelectedRows(std::move(rows));
    m_copyingSelection = false;
}

void LogTableView::CopySelectionFromLog()
{
    if (m_rowsChanging || m_copyingSelection) {
        return;
    }
    // One range per run of adjacent rows: a selection of every row is a single range.
    QItemSelection selection;
    const int lastColumn = m_model->columnCount() - 1;
    const std::vector<int>& rows = m_log.SelectedRows();
    for (std::size_t first = 0; first < rows.size();) {
        std::size_t last = first;
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1) {
            ++last;
        }
        selection.append(QItemSelectionRange(m_model->index(rows[first], 0),
                                             m_model->index(rows[last], lastColumn)));
        first = last + 1;
    }
    m_copyingSelection = true;
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_copyingSelection = false;
}

}  // namespace zelkor
