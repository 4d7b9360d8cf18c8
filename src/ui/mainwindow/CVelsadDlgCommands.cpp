// The main window's commands that open the program's other windows: score, editing, exports,
// options, province list, about and instructions.

#include "ui/mainwindow/CVelsadDlg.h"

#include "core/commands/AppContext.h"
#include "core/commands/LogEditing.h"
#include "core/commands/ScoreCommand.h"
#include "core/log/LogColumns.h"
#include "core/log/LogList.h"
#include "core/log/LogProvinceNames.h"
#include "core/presenters/EntryRow.h"
#include "core/worked/WorkedTables.h"
#include "ui/app/WindowPlacement.h"
#include "ui/log/LogTableView.h"
#include "ui/log/QtRowEditor.h"
#include "ui/mainwindow/EntryRowBinding.h"
#include "ui/mainwindow/EntryRowWidgets.h"
#include "ui/provinces/CProvinceListDlg.h"
#include "ui/scoring/ScoreReportDialog.h"
#include "ui/stats/CProgressDlg.h"

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>

namespace zelkor {

void CVelsadDlg::ShowScore()
{
    const ScoreResult result = RunScoreComputation(m_context, *m_log, m_prompter);
    if (m_showScoreReport) {
        ScoreReportDialog report(result.table, m_log->Layout(), this);
        report.exec();
    }
}

void CVelsadDlg::ShowProgress()
{
    if (m_progress == nullptr) {
        m_progress =
            new CProgressDlg(*m_log, m_context.provinces,
                             LoadShippedProvincePositions(QCoreApplication::applicationDirPath()),
                             m_prompter, m_context.programFolder, this);
        PlaceBeside(*m_progress, *this, *m_entryWidgets->Box());
    }
    // The operator goes on typing: the window opens without the keys, and where the platform
    // hands them to it anyway, the main window takes them back. It stays above the main window,
    // so that where it must cover part of it (a small screen) it is still seen. A click into it
    // activates it as any window; once moved or resized it keeps its place for the rest of the
    // run. On a screen with no room to leave the entry row in view, keys typed into the main
    // window would go unseen: there the window opens with them, and Esc gives them back.
    const bool typing = isActiveWindow();
    m_progress->show();
    m_progress->raise();
    const QWidget* entry = m_entryWidgets->Box();
    const QRect entryOnScreen(entry->mapToGlobal(QPoint(0, 0)), entry->size());
    if (m_progress->frameGeometry().intersects(entryOnScreen)) {
        m_progress->activateWindow();
    } else if (typing) {
        activateWindow();
    }
}

void CVelsadDlg::ConnectLogEditing()
{
    m_logView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_logView, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (m_log->SelectedRows().empty()) {
            return;
        }
        QMenu popup(this);
        popup.addAction(QStringLiteral("Modifica"), this, &CVelsadDlg::ModifyRows);
        popup.addAction(QStringLiteral("Elimina"), this, &CVelsadDlg::DeleteRows);
        popup.exec(m_logView->viewport()->mapToGlobal(at));
    });
    connect(m_logView, &QAbstractItemView::doubleClicked, this, &CVelsadDlg::ModifyRows);
    m_logView->horizontalHeader()->setSectionsClickable(true);
    connect(m_logView->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        // Only the date and time headers sort; the columns have the same places in both layouts.
        if (column == QsoColumn::Date || column == QsoColumn::Time) {
            SortLog();
        }
    });
}

void CVelsadDlg::ModifyRows()
{
    QtRowEditor editor(m_context.provinces, this);
    ModifySelectedRows(m_context, *m_document, m_prompter, editor);
    m_binding->ReturnFocus();
}

void CVelsadDlg::DeleteRows()
{
    const auto busy = [](bool on) {
        if (on) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    };
    DeleteSelectedRows(m_context, *m_document, m_prompter, busy);
    m_binding->ReturnFocus();
}

void CVelsadDlg::SortLog()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SortByDateTime(*m_log);
    QApplication::restoreOverrideCursor();
    m_binding->ReturnFocus();
}

void CVelsadDlg::OpenProvinceListDialog()
{
    if (RunProvinceListDialog(this, m_context.provinces, m_tables->Provinces(),
                              m_context.ProvinceFilePath(),
                              m_prompter) == ProvinceListOutcome::Cancelled) {
        return;
    }
    // The names shown follow the new table; the codes stay as logged.
    RefreshProvinceNames(*m_log, m_context.provinces);
    m_entry->RefreshProvinceNames();
    // The map shows the provinces of the table, which the log's signals don't tell about.
    if (m_progress != nullptr) {
        m_progress->ScheduleRefresh();
    }
}

}  // namespace zelkor
