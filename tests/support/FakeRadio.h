#pragma once
// A radio for the tests of the radio link: it answers with the reading it is given, fails when
// told to, and can hold its open call until released, like a radio that never answers. The test
// keeps the radio while the worker owns the links made from it.

#include "core/radio/RadioLink.h"

#include <condition_variable>
#include <memory>
#include <mutex>
#include <set>
#include <thread>

namespace zelkor::test {

class FakeRadio : public std::enable_shared_from_this<FakeRadio> {
public:
    static std::shared_ptr<FakeRadio> Make() { return std::make_shared<FakeRadio>(); }

    RadioLinkFactory Factory();
    RadioLinkMaker Maker();

    void SetReading(double hertz, const std::string& mode);
    // Every open or every read fails with the reason, until told otherwise.
    void FailOpen(const QString& reason);
    void FailRead(const QString& reason);
    void Answer();
    // Opens wait until Release.
    void HoldOpen();
    void Release();
    // Waits until a worker is inside a held open.
    bool WaitInOpen(std::chrono::milliseconds limit = std::chrono::seconds(10));

    int Opens() const;
    int Reads() const;
    int Closes() const;
    int LinksAlive() const;
    // The threads the links were made, used and destroyed on.
    std::set<std::thread::id> Threads() const;

private:
    friend class FakeRadioLink;
    void Note();

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    RadioReading m_reading{7'045'000, "CW"};
    QString m_openFailure;
    QString m_readFailure;
    bool m_hold = false;
    bool m_inOpen = false;
    int m_opens = 0;
    int m_reads = 0;
    int m_closes = 0;
    int m_alive = 0;
    std::set<std::thread::id> m_threads;
};

}  // namespace zelkor::test
