#include "ui/mainwindow/EntryRowBinding.h"

#include "core/presenters/EntryRow.h"
#include "core/text/Cp1252.h"
#include "ui/mainwindow/EntryRowWidgets.h"
#include "ui/mainwindow/IndicatorWidgets.h"
#include "ui/mainwindow/PreviousContactsList.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace zelkor {

EntryRowBinding::EntryRowBinding(QWidget* window, EntryRow& entry, EntryRowWidgets& widgets,
                                 IndicatorWidgets& indicators,
                                 PreviousContactsList& previousContacts)
    : QObject(window),
      m_window(window),
      m_entry(entry),
      m_widgets(widgets),
      m_indicators(indicators),
      m_previousContacts(previousContacts)
{
    // Ticks fall on full minutes; a coarse timer could fire seconds late.
    m_minuteTimer.setSingleShot(true);
    m_minuteTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_minuteTimer, &QTimer::timeout, this, &EntryRowBinding::OnMinuteTick);

    connect(&m_entry, &EntryRow::changed, this, &EntryRowBinding::ShowValues);
    ConnectFields();
    ConnectListsAndSwitches();
    connect(qApp, &QApplication::focusChanged, this, &EntryRowBinding::OnFocusChanged);
}

void EntryRowBinding::ConnectFields()
{
    const EntryField typed[] = {EntryField::Date,
                                EntryField::Time,
                                EntryField::Callsign,
                                EntryField::ReportSent,
                                EntryField::ReportReceived,
                                EntryField::ProvinceCode,
                                EntryField::AnsweringCallsign,
                                EntryField::AnsweringProvinceCode};
    for (const EntryField field : typed) {
        // textEdited comes from the operator only, already through the field's validator;
        // the texts the model sets come back through ShowValues.
        connect(
            m_widgets.LineEdit(field), &QLineEdit::textEdited, this,
            [this, field](const QString& text) { m_entry.SetFieldText(field, FromQString(text)); });
    }
}

void EntryRowBinding::ConnectListsAndSwitches()
{
    // activated: only the operator's choice, never a position the program sets.
    connect(m_widgets.BandList(), &QComboBox::activated, this,
            [this](int position) { m_entry.OnBandChosen(position); });
    connect(m_widgets.ModeList(), &QComboBox::activated, this,
            [this](int position) { m_entry.OnModeChosen(position); });
    connect(m_widgets.AutoDateTime(), &QCheckBox::clicked, this,
            &EntryRowBinding::OnAutoDateTimeClicked);
    connect(m_widgets.PcShowsUtc(), &QCheckBox::clicked, this,
            [this](bool on) { m_entry.OnPcShowsUtcClicked(on); });
    connect(m_widgets.ClearButton(), &QPushButton::clicked, this,
            [this] { m_entry.ClearEntryRow(); });
}

void EntryRowBinding::Start()
{
    m_entry.Start();
    FollowAutoDateTime();
    ShowValues();
}

void EntryRowBinding::ShowValues()
{
    m_widgets.ShowValues(m_entry);
    m_indicators.ShowValues(m_entry);
    m_previousContacts.ShowContacts(m_entry.PreviousContacts());
    if (!m_entry.AutoDateTime()) {
        m_minuteTimer.stop();
    }
    PutFocus();
}

void EntryRowBinding::StopTimer()
{
    m_minuteTimer.stop();
}

void EntryRowBinding::PutFocus()
{
    QWidget* target = m_widgets.WidgetOf(m_entry.Focus());
    if (target == nullptr || m_window->focusWidget() == target) {
        return;
    }
    // The operator is walking the menus with the keyboard; a timer tick must not pull him out.
    if (qobject_cast<QMenuBar*>(QApplication::focusWidget()) != nullptr) {
        return;
    }
    m_placingFocus = true;
    target->setFocus(Qt::OtherFocusReason);
    m_placingFocus = false;
    // A field the entry row moves into is taken whole: what the operator types replaces a code
    // the program filled in, and Enter alone accepts it. A click into a field keeps its cursor.
    if (auto* edit = qobject_cast<QLineEdit*>(target)) {
        edit->selectAll();
    }
}

void EntryRowBinding::SelectFocusedField()
{
    auto* edit = qobject_cast<QLineEdit*>(m_widgets.WidgetOf(m_entry.Focus()));
    if (edit != nullptr && edit->hasFocus()) {
        edit->selectAll();
    }
}

void EntryRowBinding::ReturnFocus()
{
    if (m_entry.Focus() == EntryField::Other) {
        m_entry.OnFocusMoved(EntryField::Callsign);
    }
    PutFocus();
}

void EntryRowBinding::OnFocusChanged(QWidget* old, QWidget* now)
{
    // Only the operator's moves between controls of this window count: not the window losing
    // or regaining activation, message boxes, list pop-ups, the menus or the binding's own moves.
    if (m_placingFocus || !IsInWindow(old) || !IsInWindow(now)) {
        return;
    }
    if (qobject_cast<QMenuBar*>(old) != nullptr || qobject_cast<QMenuBar*>(now) != nullptr) {
        return;
    }
    m_entry.OnFocusMoved(m_widgets.FieldOf(now));
}

bool EntryRowBinding::IsInWindow(const QWidget* widget) const
{
    return widget != nullptr && widget->window() == m_window;
}

void EntryRowBinding::OnAutoDateTimeClicked(bool on)
{
    m_entry.OnAutoDateTimeClicked(on);
    FollowAutoDateTime();
}

void EntryRowBinding::FollowAutoDateTime()
{
    if (m_entry.AutoDateTime()) {
        m_minuteTimer.start(m_entry.TimerInterval());
    } else {
        m_minuteTimer.stop();
    }
}

void EntryRowBinding::OnMinuteTick()
{
    if (m_entry.AutoDateTime()) {
        m_minuteTimer.start(m_entry.AutoDateTimeTick());
    }
}

}  // namespace zelkor
