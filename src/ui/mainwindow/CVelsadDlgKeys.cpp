// The main window's keys and its closing: Enter belongs to the entry row, Esc quits through the
// close rules, and an open drop-down list keeps its own Esc.

#include "ui/mainwindow/CVelsadDlg.h"

#include "core/commands/LogCommands.h"
#include "core/presenters/EntryRow.h"
#include "ui/mainwindow/EntryRowBinding.h"

#include <QApplication>
#include <QKeyEvent>

namespace zelkor {

void CVelsadDlg::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter belongs to the entry row wherever the focus is; no button takes it.
            OnEntryEnter();
            event->accept();
            return;
        case Qt::Key_Escape:
            // Normally taken by the Esc shortcut; never let the dialog reject without the rules.
            close();
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

bool CVelsadDlg::eventFilter(QObject* watched, QEvent* event)
{
    // Esc on an open drop-down list closes the list alone. The list would close itself before
    // the window's Esc shortcut ("Esci") runs, so that shortcut is stopped here: an accepted
    // override hands the key to the list as an ordinary key press.
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        QApplication::activePopupWidget() != nullptr) {
        event->accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CVelsadDlg::OnEntryEnter()
{
    switch (m_entry->OnEntryEnter()) {
        case EnterOutcome::NeedSummaryData:
            RunSummaryDataCommand();
            break;
        case EnterOutcome::Refused:
            m_binding->SelectFocusedField();
            break;
        default:
            break;
    }
}

void CVelsadDlg::reject()
{
    if (!m_commands->MayClose()) {
        return;
    }
    m_binding->StopTimer();
    QDialog::reject();
}

}  // namespace zelkor
