#include "support/FakeRadio.h"

namespace zelkor::test {

class FakeRadioLink : public RadioLink {
public:
    explicit FakeRadioLink(std::shared_ptr<FakeRadio> radio) : m_radio(std::move(radio))
    {
        std::lock_guard lock(m_radio->m_mutex);
        m_radio->Note();
        ++m_radio->m_alive;
    }

    ~FakeRadioLink() override
    {
        std::lock_guard lock(m_radio->m_mutex);
        m_radio->Note();
        --m_radio->m_alive;
    }

    bool Open(QString& reason) override
    {
        std::unique_lock lock(m_radio->m_mutex);
        m_radio->Note();
        ++m_radio->m_opens;
        m_radio->m_inOpen = true;
        m_radio->m_changed.notify_all();
        m_radio->m_changed.wait(lock, [this] { return !m_radio->m_hold; });
        m_radio->m_inOpen = false;
        reason = m_radio->m_openFailure;
        return reason.isEmpty();
    }

    std::optional<RadioReading> Read(QString& reason) override
    {
        std::lock_guard lock(m_radio->m_mutex);
        m_radio->Note();
        ++m_radio->m_reads;
        reason = m_radio->m_readFailure;
        if (!reason.isEmpty()) {
            return std::nullopt;
        }
        return m_radio->m_reading;
    }

    void Close() override
    {
        std::lock_guard lock(m_radio->m_mutex);
        m_radio->Note();
        ++m_radio->m_closes;
    }

private:
    std::shared_ptr<FakeRadio> m_radio;
};

RadioLinkFactory FakeRadio::Factory()
{
    return [radio = shared_from_this()] { return std::make_unique<FakeRadioLink>(radio); };
}

RadioLinkMaker FakeRadio::Maker()
{
    return [radio = shared_from_this()](const RadioSettings&) { return radio->Factory(); };
}

void FakeRadio::Note()
{
    m_threads.insert(std::this_thread::get_id());
}

void FakeRadio::SetReading(double hertz, const std::string& mode)
{
    std::lock_guard lock(m_mutex);
    m_reading = {hertz, mode};
}

void FakeRadio::FailOpen(const QString& reason)
{
    std::lock_guard lock(m_mutex);
    m_openFailure = reason;
}

void FakeRadio::FailRead(const QString& reason)
{
    std::lock_guard lock(m_mutex);
    m_readFailure = reason;
}

void FakeRadio::Answer()
{
    std::lock_guard lock(m_mutex);
    m_openFailure.clear();
    m_readFailure.clear();
}

void FakeRadio::HoldOpen()
{
    std::lock_guard lock(m_mutex);
    m_hold = true;
}

void FakeRadio::Release()
{
    {
        std::lock_guard lock(m_mutex);
        m_hold = false;
    }
    m_changed.notify_all();
}

bool FakeRadio::WaitInOpen(std::chrono::milliseconds limit)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, limit, [this] { return m_inOpen; });
}

int FakeRadio::Opens() const
{
    std::lock_guard lock(m_mutex);
    return m_opens;
}

int FakeRadio::Reads() const
{
    std::lock_guard lock(m_mutex);
    return m_reads;
}

int FakeRadio::Closes() const
{
    std::lock_guard lock(m_mutex);
    return m_closes;
}

int FakeRadio::LinksAlive() const
{
    std::lock_guard lock(m_mutex);
    return m_alive;
}

std::set<std::thread::id> FakeRadio::Threads() const
{
    std::lock_guard lock(m_mutex);
    return m_threads;
}

}  // namespace zelkor::test
