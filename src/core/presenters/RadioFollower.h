#pragma once
// The entry row follows the radio: a band or mode the radio changes to is chosen in the entry row
// as if the operator had chosen it from the list, with everything that choice runs. A change never
// lands while the operator is typing a callsign: it waits until the callsign field is left, or
// the row is logged or cleared. Also the radio's label in the entry box and the one message about
// a radio that can't be reached, which waits in the same way so that no box takes the keys of a
// callsign being typed.

#include "core/radio/RadioMapping.h"
#include "core/radio/RadioMonitor.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>

namespace zelkor {

class EntryRow;
class Prompter;

class RadioFollower : public QObject {
    Q_OBJECT

public:
    RadioFollower(EntryRow& entry, Prompter& prompter, QObject* parent = nullptr);
    // Stops, and gives the worker a moment to close the radio.
    ~RadioFollower() override;
    Q_DISABLE_COPY_MOVE(RadioFollower)

    // Says whether the window is inside something of its own (a message box, a dialog) that a
    // change must not interrupt; the change then waits for the next reading.
    void SetWindowBusy(std::function<bool()> busy) { m_windowBusy = std::move(busy); }

    // Starts reading the radio on a worker thread; the label shows "Radio non collegata" until
    // the first reading, and the next failure is told once.
    void Start(RadioLinkFactory factory, RadioMonitor::Timing timing = {});
    // Follows again with the settings of before (the radio's dialog was cancelled): a failure
    // already told is not told again.
    void Resume(RadioLinkFactory factory);
    // The worker is let go without waiting for it; the label hides.
    void Stop();
    [[nodiscard]] bool Following() const { return m_following; }
    RadioMonitor& Monitor() { return m_monitor; }

    // What the worker delivers (public so that the rules are tested without a thread).
    void OnReading(const RadioReading& reading);
    void OnLinkFailed(const QString& reason, bool lost);

    [[nodiscard]] bool LabelShown() const { return m_following; }
    [[nodiscard]] const QString& LabelText() const { return m_labelText; }
    // A change of the radio that still waits for the operator.
    [[nodiscard]] bool ChangeWaiting() const
    {
        return m_waitingBand.has_value() || m_waitingMode.has_value();
    }
    // Applies the waiting change, and tells a waiting failure, unless something still holds them.
    void ApplyWaitingChange();

    static QString FailureText(const QString& reason, bool lost);

signals:
    void labelChanged();

private:
    [[nodiscard]] bool Held() const;
    [[nodiscard]] bool AnythingWaiting() const
    {
        return ChangeWaiting() || m_waitingFailure.has_value();
    }
    void OnEntryChanged();
    void SetLabel(const QString& text);
    void ForgetRadio();

    EntryRow& m_entry;
    Prompter& m_prompter;
    RadioMonitor m_monitor;
    std::function<bool()> m_windowBusy;
    bool m_following = false;
    QString m_labelText;
    bool m_failureTold = false;
    // The one failure message, until the operator is free to read it.
    std::optional<QString> m_waitingFailure;
    // What the radio said last, so that only a change of it reaches the entry row and the
    // operator's own choice stands until the radio moves. Forgotten when the link drops: what
    // the radio shows when it answers again counts as a change.
    bool m_radioSeen = false;
    std::optional<std::string> m_radioBand;
    RadioModeKind m_radioMode = RadioModeKind::Other;
    std::optional<std::string> m_waitingBand;
    std::optional<RadioModeKind> m_waitingMode;
    bool m_applying = false;
    bool m_recheckQueued = false;
};

}  // namespace zelkor
