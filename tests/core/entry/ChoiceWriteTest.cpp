// The band and mode chosen in the entry row reach the settings file a moment after the choice,
// with the event loop running as in the window: a run of choices makes one write, any other
// settings write and the end of the run take an unwritten choice along, and a failure is told.

#include "core/entry/EntryRowFixture.h"
#include "core/settings/SettingKeys.h"
#include "support/EventLoop.h"
#include "support/FaultyFileCalls.h"

#include <QDir>

#include <algorithm>

namespace zelkor {
namespace {

class ChoiceWriteTest : public EntryRowTest {
protected:
    static void SetUpTestSuite() { s_app = test::MakeCoreApplication(); }
    static void TearDownTestSuite() { s_app.reset(); }

    QByteArray SettingsFile() const { return m_config.Read(QStringLiteral("zelkor.conf")); }
    bool FileHolds(const char* line) const { return SettingsFile().contains(line); }

    static inline std::unique_ptr<QCoreApplication> s_app;
};

TEST_F(ChoiceWriteTest, AChoiceReachesTheFileAfterTheChangeAndARunOfChoicesMakesOneWrite)
{
    Start();
    test::FaultyFileCalls counting;
    {
        const ScopedFileCalls scoped(counting);
        m_row.OnBandChosen(0);
        m_row.OnModeChosen(1);
        m_row.OnBandChosen(1);
        m_row.OnBandChosen(0);
        // The change has been shown; the file has nothing yet.
        EXPECT_EQ(m_row.Values().band, "3,5");
        EXPECT_EQ(m_context.settings.currentBand, "3,5");
        EXPECT_EQ(m_context.store->ReadSetting(keys::kBand, QString()), QStringLiteral("3,5"));
        EXPECT_TRUE(counting.Calls().empty());
        ASSERT_TRUE(test::RunUntil([&] { return !m_context.store->HasUnwrittenChanges(); }));
    }
    EXPECT_TRUE(FileHolds("Banda=\"3,5\"\n"));
    EXPECT_TRUE(FileHolds("Modo=CW\n"));
    const auto& calls = counting.Calls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), test::FileCall::Rename), 1);
    EXPECT_TRUE(m_prompter.boxes.empty());
}

TEST_F(ChoiceWriteTest, AnyOtherSettingsWriteTakesAnUnwrittenChoiceAlong)
{
    Start();
    m_row.OnModeChosen(2);
    ASSERT_TRUE(m_document.MarkModified());
    EXPECT_FALSE(m_context.store->HasUnwrittenChanges());
    EXPECT_TRUE(FileHolds("Modo=RTTY\n"));
    EXPECT_TRUE(FileHolds("Modificato=1\n"));
}

TEST_F(ChoiceWriteTest, TheEndOfTheRunWritesTheLastChoice)
{
    Start();
    m_row.OnBandChosen(0);
    m_row.OnModeChosen(3);
    m_context.SaveSettingsAtExit(m_prompter);
    EXPECT_TRUE(FileHolds("Banda=\"3,5\"\n"));
    EXPECT_TRUE(FileHolds("Modo=PSK31\n"));
    EXPECT_TRUE(m_prompter.boxes.empty());
}

TEST_F(ChoiceWriteTest, AFailedWriteIsToldOnceAndTheChoiceStays)
{
    Start();
    // The settings folder turns into a plain file: no write can reach it.
    ASSERT_TRUE(QDir(m_config.Path()).removeRecursively());
    QFile blocker(m_config.Path().chopped(1));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    m_row.OnBandChosen(0);
    EXPECT_TRUE(m_prompter.boxes.empty());
    ASSERT_TRUE(test::RunUntil([&] { return !m_prompter.boxes.empty(); }));
    ASSERT_EQ(m_prompter.boxes.size(), 1u);
    EXPECT_EQ(m_prompter.boxes[0].title, "Errore");
    EXPECT_EQ(m_prompter.boxes[0].text,
              "Impossibile salvare le impostazioni nel file:\n" + m_config.File("zelkor.conf") +
                  "\n\nUna parte del percorso non è una cartella.\n\nLe scelte fatte restano "
                  "valide fino alla chiusura del programma.");

    m_row.OnModeChosen(1);
    test::RunFor(std::chrono::milliseconds(400));
    m_context.SaveSettingsAtExit(m_prompter);
    EXPECT_EQ(m_prompter.boxes.size(), 1u);
    EXPECT_EQ(m_context.settings.currentBand, "3,5");
    EXPECT_EQ(m_context.settings.currentMode, "CW");
    EXPECT_EQ(m_row.Values().mode, "CW");
    ASSERT_TRUE(blocker.remove());
}

}  // namespace
}  // namespace zelkor
