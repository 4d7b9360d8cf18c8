#include "core/radio/RadioMonitor.h"

#include <QMetaObject>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace zelkor {

// What the monitor and its worker share. The worker holds it until it ends, so the monitor may
// go first.
struct RadioMonitor::Channel : std::enable_shared_from_this<Channel> {
    std::mutex mutex;
    std::condition_variable wake;
    bool stop = false;
    bool ended = false;
    RadioMonitor* receiver = nullptr;

    bool Stopped()
    {
        std::lock_guard lock(mutex);
        return stop;
    }

    // Sleeps for the interval; false when told to stop meanwhile.
    bool Wait(std::chrono::milliseconds interval)
    {
        std::unique_lock lock(mutex);
        return !wake.wait_for(lock, interval, [this] { return stop; });
    }

    // Runs the call on the receiver's thread, unless the monitor has let go by then.
    template <typename Call>
    void Post(Call call)
    {
        std::lock_guard lock(mutex);
        if (receiver == nullptr || stop) {
            return;
        }
        // The receiver can't be destroyed while the lock is held: its destructor takes it first.
        RadioMonitor* target = receiver;
        QMetaObject::invokeMethod(
            target,
            [self = shared_from_this(), target, call] {
                bool current = false;
                {
                    std::lock_guard again(self->mutex);
                    current = !self->stop;
                }
                if (current) {
                    call(*target);
                }
            },
            Qt::QueuedConnection);
    }
};

namespace {

// One worker at a time talks to a radio.
std::timed_mutex& RadioTurn()
{
    static std::timed_mutex turn;
    return turn;
}

}  // namespace

RadioMonitor::RadioMonitor(QObject* parent) : QObject(parent) {}

RadioMonitor::~RadioMonitor()
{
    Stop();
}

bool RadioMonitor::Active() const
{
    return m_channel != nullptr && !m_channel->Stopped();
}

void RadioMonitor::Stop()
{
    if (m_channel == nullptr) {
        return;
    }
    {
        std::lock_guard lock(m_channel->mutex);
        m_channel->stop = true;
        m_channel->receiver = nullptr;
    }
    m_channel->wake.notify_all();
}

bool RadioMonitor::WaitEnded(std::chrono::milliseconds limit)
{
    if (m_channel == nullptr) {
        return true;
    }
    std::unique_lock lock(m_channel->mutex);
    return m_channel->wake.wait_for(lock, limit, [this] { return m_channel->ended; });
}

void RadioMonitor::StartWorker(std::function<void(Channel&)> work)
{
    Stop();
    auto channel = std::make_shared<Channel>();
    channel->receiver = this;
    m_channel = channel;
    std::thread([channel, work = std::move(work)]() mutable {
        // A worker stopped before its turn came has nothing to do.
        std::unique_lock turn(RadioTurn(), std::defer_lock);
        while (!turn.try_lock_for(std::chrono::milliseconds(50))) {
            if (channel->Stopped()) {
                break;
            }
        }
        if (turn.owns_lock()) {
            work(*channel);
            turn.unlock();
        }
        // Whatever the work holds (the link's maker) goes before the worker counts as ended.
        work = nullptr;
        {
            std::lock_guard lock(channel->mutex);
            channel->ended = true;
        }
        channel->wake.notify_all();
    }).detach();
}

void RadioMonitor::Follow(RadioLinkFactory factory, Timing timing)
{
    StartWorker([factory = std::move(factory), timing](Channel& channel) {
        std::unique_ptr<RadioLink> link = factory();
        bool open = false;
        QString reason;
        while (!channel.Stopped()) {
            if (!open) {
                open = link->Open(reason);
                if (!open) {
                    channel.Post([reason](RadioMonitor& m) { emit m.linkFailed(reason, false); });
                    channel.Wait(timing.retry);
                    continue;
                }
            }
            const std::optional<RadioReading> reading = link->Read(reason);
            if (!reading) {
                link->Close();
                open = false;
                channel.Post([reason](RadioMonitor& m) { emit m.linkFailed(reason, true); });
                channel.Wait(timing.retry);
                continue;
            }
            channel.Post([reading = *reading](RadioMonitor& m) { emit m.readingArrived(reading); });
            channel.Wait(timing.poll);
        }
        if (open) {
            link->Close();
        }
    });
}

void RadioMonitor::Probe(RadioLinkFactory factory)
{
    StartWorker([factory = std::move(factory)](Channel& channel) {
        std::unique_ptr<RadioLink> link = factory();
        QString reason;
        if (!link->Open(reason)) {
            channel.Post([reason](RadioMonitor& m) { emit m.linkFailed(reason, false); });
        } else {
            const std::optional<RadioReading> reading = link->Read(reason);
            link->Close();
            if (reading) {
                channel.Post(
                    [reading = *reading](RadioMonitor& m) { emit m.readingArrived(reading); });
            } else {
                channel.Post([reason](RadioMonitor& m) { emit m.linkFailed(reason, true); });
            }
        }
        channel.Post([](RadioMonitor& m) { emit m.finished(); });
    });
}

}  // namespace zelkor
