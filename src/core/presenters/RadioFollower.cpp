#include "core/presenters/RadioFollower.h"

#include "core/platform/Prompter.h"
#include "core/presenters/EntryRow.h"

#include <algorithm>
#include <utility>

namespace zelkor {
namespace {

int PositionIn(const std::vector<std::string>& list, const std::string& entry)
{
    const auto found = std::find(list.begin(), list.end(), entry);
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

}  // namespace

RadioFollower::RadioFollower(EntryRow& entry, Prompter& prompter, QObject* parent)
    : QObject(parent), m_entry(entry), m_prompter(prompter)
{
    connect(&m_monitor, &RadioMonitor::readingArrived, this, &RadioFollower::OnReading);
    connect(&m_monitor, &RadioMonitor::linkFailed, this, &RadioFollower::OnLinkFailed);
    connect(&m_entry, &EntryRow::changed, this, &RadioFollower::OnEntryChanged);
}

RadioFollower::~RadioFollower()
{
    m_monitor.Stop();
    m_monitor.WaitEnded(RadioMonitor::kExitWait);
}

void RadioFollower::Start(RadioLinkFactory factory, RadioMonitor::Timing timing)
{
    ForgetRadio();
    m_failureTold = false;
    m_waitingFailure.reset();
    m_following = true;
    m_labelText.clear();
    SetLabel(RadioNotConnectedText());
    m_monitor.Follow(std::move(factory), timing);
}

void RadioFollower::Resume(RadioLinkFactory factory)
{
    const bool told = m_failureTold;
    std::optional<QString> waiting = std::move(m_waitingFailure);
    Start(std::move(factory));
    m_failureTold = told;
    m_waitingFailure = std::move(waiting);
}

void RadioFollower::Stop()
{
    m_monitor.Stop();
    ForgetRadio();
    if (m_following) {
        m_following = false;
        emit labelChanged();
    }
}

void RadioFollower::ForgetRadio()
{
    m_radioSeen = false;
    m_radioBand.reset();
    m_radioMode = RadioModeKind::Other;
    m_waitingBand.reset();
    m_waitingMode.reset();
}

void RadioFollower::OnReading(const RadioReading& reading)
{
    if (!m_following) {
        return;
    }
    SetLabel(RadioLabelText(reading));
    const std::optional<std::string> band = BandForFrequency(reading.frequencyHz);
    const RadioModeKind mode = RadioModeKindOf(reading.mode);
    // Outside the contest's bands and modes nothing changes, but coming back counts as a change.
    if (!m_radioSeen || band != m_radioBand) {
        m_radioBand = band;
        if (band) {
            m_waitingBand = band;
        }
    }
    if (!m_radioSeen || mode != m_radioMode) {
        m_radioMode = mode;
        if (mode != RadioModeKind::Other) {
            m_waitingMode = mode;
        }
    }
    m_radioSeen = true;
    ApplyWaitingChange();
}

void RadioFollower::OnLinkFailed(const QString& reason, bool lost)
{
    if (!m_following) {
        return;
    }
    // What the radio shows when it answers again is taken as it is, like a first reading; a
    // change still waiting stays.
    m_radioSeen = false;
    SetLabel(RadioNotConnectedText());
    if (!m_failureTold) {
        m_failureTold = true;
        m_waitingFailure = FailureText(reason, lost);
    }
    // Each retry that fails is also a moment to tell a message still waiting.
    ApplyWaitingChange();
}

QString RadioFollower::FailureText(const QString& reason, bool lost)
{
    const QString what = lost ? QStringLiteral("Il collegamento con la radio si \u00e8 interrotto")
                              : QStringLiteral("Impossibile collegarsi alla radio");
    return what + QStringLiteral(": ") + reason +
           QStringLiteral(
               ".\n\nZelkor riprova a collegarsi ogni 5 secondi; intanto banda e modo "
               "si scelgono a mano.");
}

bool RadioFollower::Held() const
{
    if (m_windowBusy && m_windowBusy()) {
        return true;
    }
    const EntryValues& values = m_entry.Values();
    // An SWL entry is one exchange of two stations heard on one band: a change waits until it
    // is logged or cleared, and never pulls the focus away from the field being typed.
    if (m_entry.SwlFieldsShown()) {
        return !values.callsign.empty() || !values.answeringCallsign.empty();
    }
    return m_entry.Focus() == EntryField::Callsign && !values.callsign.empty();
}

void RadioFollower::ApplyWaitingChange()
{
    if (!m_following || m_applying || !AnythingWaiting() || Held()) {
        return;
    }
    if (m_waitingFailure) {
        // Taken first: the message box runs the event loop, which may bring the next reading.
        const QString text = *std::exchange(m_waitingFailure, std::nullopt);
        m_prompter.Warning(text);
        if (!m_following || Held()) {
            return;
        }
    }
    m_applying = true;
    // A list locked by the category presets keeps its value; the change is dropped.
    if (const std::optional<std::string> band = std::exchange(m_waitingBand, std::nullopt);
        band && m_entry.BandListEnabled()) {
        const int position = PositionIn(EntryRow::BandList(), *band);
        if (position != m_entry.BandPosition()) {
            m_entry.OnBandChosen(position);
        }
    }
    if (const std::optional<RadioModeKind> kind = std::exchange(m_waitingMode, std::nullopt);
        kind && m_entry.ModeListEnabled()) {
        if (const std::optional<std::string> mode = EntryModeFor(*kind, m_entry.Values().mode)) {
            const int position = PositionIn(EntryRow::ModeList(), *mode);
            if (position != m_entry.ModePosition()) {
                m_entry.OnModeChosen(position);
            }
        }
    }
    m_applying = false;
}

void RadioFollower::OnEntryChanged()
{
    // The entry row says it changed from inside its handlers; the waiting change runs only once
    // the handler has finished, from the event loop.
    if (m_applying || m_recheckQueued || !AnythingWaiting()) {
        return;
    }
    m_recheckQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_recheckQueued = false;
            ApplyWaitingChange();
        },
        Qt::QueuedConnection);
}

void RadioFollower::SetLabel(const QString& text)
{
    if (text != m_labelText) {
        m_labelText = text;
        emit labelChanged();
    }
}

}  // namespace zelkor
