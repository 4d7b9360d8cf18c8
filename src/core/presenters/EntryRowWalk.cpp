// The entry row's focus walk (leave and gain handlers of the fields) and its date and time.

#include "core/contest/FieldRules.h"
#include "core/log/LogList.h"
#include "core/platform/Clock.h"
#include "core/platform/Prompter.h"
#include "core/presenters/EntryRow.h"
#include "core/text/Cp1252.h"

namespace zelkor {

// --- Date and time ---------------------------------------------------------------------------

void EntryRow::OnAutoDateTimeClicked(bool on)
{
    const Event event(*this);
    m_autoDateTime = on;
    if (on) {
        AutoDateTimeTick();
        MoveFocus(EntryField::Callsign);
    } else {
        MoveFocus(EntryField::Date);
    }
    ShowValues();
}

void EntryRow::OnPcShowsUtcClicked(bool on)
{
    const Event event(*this);
    m_pcShowsUtc = on;
    AutoDateTimeTick();
}

int EntryRow::AutoDateTimeTick()
{
    const Event event(*this);
    const QDateTime now = m_clock.Now();
    const int seconds = now.time().second();
    const int interval = seconds == 0 ? 60000 : 60000 - 1000 * seconds;
    m_timerInterval = interval;
    // "pc mostra utc": the computer's clock already runs on UTC, so its local time is shown.
    const QDateTime base = m_pcShowsUtc ? now : now.toUTC();
    m_values.time = FromQString(base.toString(QStringLiteral("HHmm")));
    // The date is refreshed at every tick, not only at midnight, so that a computer that slept
    // over midnight does not log the day before.
    m_values.date = FromQString(base.toString(QStringLiteral("dd.MM.yyyy")));
    ShowValues();
    return interval;
}

void EntryRow::OnTimeLeave()
{
    if (m_autoDateTime) {
        return;
    }
    ShowValues();
    if (!CheckEntryTime(m_values.time)) {
        ShowValuesNow();
        m_prompter.Error(WrongTimeText());
        MoveFocus(EntryField::Time);
    }
}

// --- Focus -------------------------------------------------------------------------------------

void EntryRow::MoveFocus(EntryField to)
{
    ShowValues();
    if (to == m_focus) {
        // Also cancels a move in progress whose leave handler sent the focus back here.
        ++m_focusGeneration;
        return;
    }
    const EntryField from = m_focus;
    const int generation = ++m_focusGeneration;
    // A leave handler that moves the focus on does not leave its own field a second time.
    if (from != m_leavingField) {
        const EntryField outer = m_leavingField;
        m_leavingField = from;
        RunLeaveHandler(from);
        m_leavingField = outer;
        if (generation != m_focusGeneration) {
            return;  // the leave handler put the focus elsewhere
        }
    }
    m_focus = to;
    RunGainHandler(to);
}

void EntryRow::RunLeaveHandler(EntryField field)
{
    if (field == EntryField::Callsign) {
        OnCallsignLeave();
    } else if (field == EntryField::Time) {
        OnTimeLeave();
    } else if (field == EntryField::AnsweringCallsign && m_log.IsSwl()) {
        OnAnsweringCallsignLeave();
    }
}

void EntryRow::RunGainHandler(EntryField field)
{
    switch (field) {
        case EntryField::Callsign:
            OnCallsignGain();
            break;
        case EntryField::Date:
            if (m_autoDateTime) {
                MoveFocus(EntryField::Time);
            }
            break;
        case EntryField::Time:
            // On to the band list, or past it when a category preset locked it.
            if (m_autoDateTime) {
                MoveFocus(m_bandListEnabled   ? EntryField::Band
                          : m_modeListEnabled ? EntryField::Mode
                                              : EntryField::Callsign);
            }
            break;
        case EntryField::ProvinceName:
            MoveFocus(EntryField::Date);
            break;
        default:
            break;
    }
}

}  // namespace zelkor
