// The main window's radio link: the follower that lets the radio choose band and mode, its label
// in the entry box, and the "Radio..." command of the "Strumenti" menu.

#include "ui/mainwindow/CVelsadDlg.h"

#include "core/commands/AppContext.h"
#include "core/presenters/EntryRow.h"
#include "core/presenters/RadioFollower.h"
#include "rig/HamlibLink.h"
#include "ui/ControlIds.h"
#include "ui/app/DialogColours.h"
#include "ui/dialogs/CRadioDlg.h"
#include "ui/mainwindow/EntryRowWidgets.h"
#include "ui/mainwindow/WindowGeometry.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>

namespace zelkor {

void CVelsadDlg::CreateRadio()
{
    m_radioLinkMaker = &HamlibLink::Factory;
    m_radio = new RadioFollower(*m_entry, m_prompter, this);
    // A change must not run inside a message box or dialog opened by one of the window's own
    // handlers, nor under an open list; it waits for the next reading.
    m_radio->SetWindowBusy([this] {
        const QWidget* modal = QApplication::activeModalWidget();
        return (modal != nullptr && modal != this) || QApplication::activePopupWidget() != nullptr;
    });

    m_radioLabel = new QLabel(m_entryWidgets->Box());
    m_radioLabel->setObjectName(ControlName(ControlId::RadioLabel));
    m_radioLabel->setAccessibleName(QStringLiteral("Radio"));
    m_radioLabel->setGeometry(geometry::kRadioLabel);
    m_radioLabel->hide();
    connect(m_radio, &RadioFollower::labelChanged, this, &CVelsadDlg::ShowRadioLabel);
    // The label's place follows the layout, which a loaded log or the summary data may switch.
    connect(m_entry, &EntryRow::changed, this, &CVelsadDlg::ShowRadioLabel);

    if (m_context.store != nullptr) {
        m_radioSettings = ReadRadioSettings(*m_context.store);
    }
    if (m_radioSettings.follow) {
        m_radio->Start(m_radioLinkMaker(m_radioSettings));
    }
}

void CVelsadDlg::ShowRadioLabel()
{
    if (m_radio == nullptr) {
        return;
    }
    const bool swl = m_entryWidgets->IsSwlLayout();
    // On the box's edge the label covers the frame line, as the box's title does.
    const QString style =
        swl ? QStringLiteral("QLabel { background: %1; padding: 0px 3px; }")
                  .arg(DialogColours::ToQColor(m_context.settings.backgroundColour).name())
            : QString();
    if (m_radioLabel->styleSheet() != style) {
        m_radioLabel->setStyleSheet(style);
        m_radioLabel->setGeometry(swl ? geometry::kRadioLabelSwl : geometry::kRadioLabel);
        m_radioLabel->setAlignment(swl ? Qt::AlignRight | Qt::AlignVCenter
                                       : Qt::AlignLeft | Qt::AlignVCenter);
    }
    m_radioLabel->setText(m_radio->LabelText());
    m_radioLabel->setVisible(m_radio->LabelShown());
}

void CVelsadDlg::ApplyRadioSettings(const RadioSettings& settings)
{
    m_radioSettings = settings;
    const bool written =
        m_context.store == nullptr || WriteRadioSettings(*m_context.store, settings);
    m_context.ReportSettingsWrite(written, m_prompter);
    if (settings.follow) {
        m_radio->Start(m_radioLinkMaker(settings));
    } else {
        m_radio->Stop();
    }
}

void CVelsadDlg::OpenRadioDialog()
{
    // "Prova" gets the radio to itself: a serial port is open to one program at a time.
    const bool wasFollowing = m_radio->Following();
    m_radio->Stop();
    CRadioDlg dialog(m_radioSettings, HamlibLink::Models(), m_radioLinkMaker, this);
    if (dialog.exec() == QDialog::Accepted) {
        ApplyRadioSettings(dialog.Chosen());
    } else if (wasFollowing) {
        m_radio->Resume(m_radioLinkMaker(m_radioSettings));
    }
}

}  // namespace zelkor
