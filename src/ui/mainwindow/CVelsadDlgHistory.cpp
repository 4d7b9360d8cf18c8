// The main window's call-history commands and its "Controllo parziale" window.

#include "ui/mainwindow/CVelsadDlg.h"

#include "core/commands/AppContext.h"
#include "core/commands/HistoryCommands.h"
#include "core/presenters/EntryRow.h"
#include "core/presenters/PartialCheck.h"
#include "core/text/Cp1252.h"
#include "ui/app/WindowPlacement.h"
#include "ui/history/CPartialCheckDlg.h"
#include "ui/mainwindow/EntryRowWidgets.h"

#include <QGroupBox>
#include <QLineEdit>

namespace zelkor {
void CVelsadDlg::ImportHistory()
{
    if (ImportCallHistory(m_context, m_prompter) == HistoryOutcome::Done &&
        m_partialCheck != nullptr) {
        m_partialCheck->OnHistoryChanged();
    }
}

void CVelsadDlg::ClearHistory()
{
    if (ClearCallHistory(m_context, m_prompter) == HistoryOutcome::Done &&
        m_partialCheck != nullptr) {
        m_partialCheck->OnHistoryChanged();
    }
}

void CVelsadDlg::TogglePartialCheck()
{
    if (m_partialCheckWindow == nullptr) {
        m_partialCheck = new PartialCheck(m_context, *m_log, *m_entry, this);
        // Whatever a callsign field shows, typed or set by the program, is searched.
        for (const EntryField field : {EntryField::Callsign, EntryField::AnsweringCallsign}) {
            QLineEdit* edit = m_entryWidgets->LineEdit(field);
            connect(edit, &QLineEdit::textChanged, m_partialCheck,
                    [this, field](const QString& text) {
                        m_partialCheck->OnCallsignText(field, FromQString(text));
                    });
        }
        m_partialCheck->OnCallsignText(
            EntryField::Callsign,
            FromQString(m_entryWidgets->LineEdit(EntryField::Callsign)->text()));
        m_partialCheckWindow = new CPartialCheckDlg(*m_partialCheck, this);
        PlaceBeside(*m_partialCheckWindow, *this, *m_entryWidgets->Box());
    }
    m_partialCheckWindow->setVisible(!m_partialCheckWindow->isVisible());
}

}  // namespace zelkor
