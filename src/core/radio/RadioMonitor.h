#pragma once
// Reads the radio on a worker thread of its own and hands what it reads to the thread that owns
// the monitor, through that thread's event loop. The owner never waits for the radio: stopping
// only tells the worker to end, and the worker closes the link and ends on its own once the call
// it is in returns. Only one worker in the program talks to a radio at a time, so that a new one
// never finds the serial port still held by the last.

#include "core/radio/RadioLink.h"

#include <QObject>

#include <chrono>
#include <memory>

namespace zelkor {

class RadioMonitor : public QObject {
    Q_OBJECT

public:
    struct Timing {
        // Between two readings of an open link.
        std::chrono::milliseconds poll{500};
        // Between a failed open or a lost link and the next open.
        std::chrono::milliseconds retry{5000};
    };
    // How long the program waits at its end for a worker still inside a radio call, so that
    // the radio is closed properly; Hamlib's limits keep a call well below it.
    static constexpr std::chrono::milliseconds kExitWait{3000};

    explicit RadioMonitor(QObject* parent = nullptr);
    // Stops without waiting.
    ~RadioMonitor() override;
    Q_DISABLE_COPY_MOVE(RadioMonitor)

    // Reads the radio until Stop, once every poll interval. A failed open, or a failed read
    // (which closes the link), is tried again after the retry interval. Stops a worker already
    // running first.
    void Follow(RadioLinkFactory factory, Timing timing);
    void Follow(RadioLinkFactory factory) { Follow(std::move(factory), Timing{}); }
    // One open, one reading and the close, then finished().
    void Probe(RadioLinkFactory factory);
    // Nothing the worker reads after this arrives.
    void Stop();
    [[nodiscard]] bool Active() const;
    // Waits for the last worker to have closed its link and ended; true when it did in time.
    bool WaitEnded(std::chrono::milliseconds limit);

signals:
    void readingArrived(const zelkor::RadioReading& reading);
    // lost: the link was open and a reading failed; otherwise the open failed.
    void linkFailed(const QString& reason, bool lost);
    // A probe's worker has ended.
    void finished();

private:
    struct Channel;
    void StartWorker(std::function<void(Channel&)> work);

    std::shared_ptr<Channel> m_channel;
};

}  // namespace zelkor
