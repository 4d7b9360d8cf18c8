// The radio worker: it reads on a thread of its own, tries again after failures, and lets go at
// once when stopped, even while the radio keeps it waiting.

#include "core/radio/RadioMonitor.h"
#include "support/EventLoop.h"
#include "support/FakeRadio.h"

#include <gtest/gtest.h>

#include <vector>

namespace zelkor {
namespace {

using namespace std::chrono_literals;

class RadioMonitorTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_app = test::MakeCoreApplication(); }
    static void TearDownTestSuite() { s_app.reset(); }

    RadioMonitorTest()
    {
        QObject::connect(&m_monitor, &RadioMonitor::readingArrived,
                         [this](const RadioReading& reading) { m_readings.push_back(reading); });
        QObject::connect(&m_monitor, &RadioMonitor::linkFailed,
                         [this](const QString& reason, bool lost) {
                             m_failures.push_back({reason, lost});
                         });
        QObject::connect(&m_monitor, &RadioMonitor::finished, [this] { ++m_finished; });
    }

    ~RadioMonitorTest() override
    {
        m_radio->Release();
        m_monitor.Stop();
        EXPECT_TRUE(m_monitor.WaitEnded(10s));
    }

    static constexpr RadioMonitor::Timing kQuick{5ms, 20ms};
    static inline std::unique_ptr<QCoreApplication> s_app;

    std::shared_ptr<test::FakeRadio> m_radio = test::FakeRadio::Make();
    RadioMonitor m_monitor;
    std::vector<RadioReading> m_readings;
    std::vector<std::pair<QString, bool>> m_failures;
    int m_finished = 0;
};

TEST_F(RadioMonitorTest, ReadsAgainAndAgainOnAThreadOfItsOwn)
{
    m_radio->SetReading(3'550'000, "CW");
    m_monitor.Follow(m_radio->Factory(), kQuick);
    ASSERT_TRUE(test::RunUntil([&] { return m_readings.size() >= 3; }));
    EXPECT_EQ(m_readings.front(), (RadioReading{3'550'000, "CW"}));
    EXPECT_EQ(m_radio->Opens(), 1);

    m_monitor.Stop();
    ASSERT_TRUE(m_monitor.WaitEnded(10s));
    EXPECT_EQ(m_radio->Closes(), 1);
    EXPECT_EQ(m_radio->LinksAlive(), 0);
    // Made, opened, read, closed and destroyed on the worker's thread only.
    const std::set<std::thread::id> threads = m_radio->Threads();
    EXPECT_EQ(threads.size(), 1U);
    EXPECT_EQ(threads.count(std::this_thread::get_id()), 0U);
}

TEST_F(RadioMonitorTest, AFailedOpenIsToldAndTriedAgain)
{
    m_radio->FailOpen(QStringLiteral("la radio non risponde"));
    m_monitor.Follow(m_radio->Factory(), kQuick);
    ASSERT_TRUE(test::RunUntil([&] { return m_failures.size() >= 2; }));
    EXPECT_EQ(m_failures[0], std::pair(QStringLiteral("la radio non risponde"), false));
    EXPECT_TRUE(m_readings.empty());

    m_radio->Answer();
    ASSERT_TRUE(test::RunUntil([&] { return !m_readings.empty(); }));
    EXPECT_EQ(m_readings.front(), (RadioReading{7'045'000, "CW"}));
}

TEST_F(RadioMonitorTest, ALostLinkIsClosedToldAndOpenedAgain)
{
    m_monitor.Follow(m_radio->Factory(), kQuick);
    ASSERT_TRUE(test::RunUntil([&] { return !m_readings.empty(); }));
    m_radio->FailRead(QStringLiteral("la comunicazione con la radio si \u00e8 interrotta"));
    ASSERT_TRUE(test::RunUntil([&] { return !m_failures.empty(); }));
    EXPECT_EQ(m_failures[0].second, true);
    EXPECT_GE(m_radio->Closes(), 1);

    m_radio->Answer();
    const std::size_t before = m_readings.size();
    ASSERT_TRUE(test::RunUntil([&] { return m_readings.size() > before; }));
    EXPECT_GE(m_radio->Opens(), 2);
}

TEST_F(RadioMonitorTest, StopLetsGoOfARadioThatNeverAnswers)
{
    m_radio->HoldOpen();
    m_monitor.Follow(m_radio->Factory(), kQuick);
    ASSERT_TRUE(m_radio->WaitInOpen());

    m_monitor.Stop();
    EXPECT_FALSE(m_monitor.Active());
    EXPECT_FALSE(m_monitor.WaitEnded(0ms));

    // What the worker gets once the radio answers arrives nowhere.
    m_radio->Release();
    ASSERT_TRUE(m_monitor.WaitEnded(10s));
    test::RunFor(50ms);
    EXPECT_TRUE(m_readings.empty());
    EXPECT_TRUE(m_failures.empty());
    EXPECT_EQ(m_radio->LinksAlive(), 0);
}

TEST_F(RadioMonitorTest, ANewWorkerWaitsUntilTheLastHasClosedTheRadio)
{
    m_radio->HoldOpen();
    m_monitor.Follow(m_radio->Factory(), kQuick);
    ASSERT_TRUE(m_radio->WaitInOpen());

    auto second = test::FakeRadio::Make();
    RadioMonitor other;
    int answers = 0;
    QObject::connect(&other, &RadioMonitor::readingArrived, [&] { ++answers; });
    m_monitor.Stop();
    other.Probe(second->Factory());
    test::RunFor(100ms);
    EXPECT_EQ(second->Opens(), 0);

    m_radio->Release();
    ASSERT_TRUE(test::RunUntil([&] { return answers == 1; }));
    EXPECT_EQ(m_radio->LinksAlive(), 0);
    EXPECT_TRUE(other.WaitEnded(10s));
}

TEST_F(RadioMonitorTest, AProbeOpensReadsClosesOnce)
{
    m_radio->SetReading(7'010'000, "PKTUSB");
    m_monitor.Probe(m_radio->Factory());
    ASSERT_TRUE(test::RunUntil([&] { return m_finished == 1; }));
    EXPECT_EQ(m_readings, (std::vector<RadioReading>{{7'010'000, "PKTUSB"}}));
    EXPECT_EQ(m_radio->Opens(), 1);
    EXPECT_EQ(m_radio->Reads(), 1);
    EXPECT_EQ(m_radio->Closes(), 1);

    m_radio->FailOpen(QStringLiteral("impossibile aprire \u201c/dev/ttyUSB0\u201d"));
    m_monitor.Probe(m_radio->Factory());
    ASSERT_TRUE(test::RunUntil([&] { return m_finished == 2; }));
    EXPECT_EQ(m_failures,
              (std::vector<std::pair<QString, bool>>{
                  {QStringLiteral("impossibile aprire \u201c/dev/ttyUSB0\u201d"), false}}));
    EXPECT_EQ(m_readings.size(), 1U);
}

}  // namespace
}  // namespace zelkor
