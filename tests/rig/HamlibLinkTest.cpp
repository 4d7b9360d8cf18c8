// The Hamlib link against Hamlib itself: its list of models, the Italian reasons of its failures,
// and a real rigctld with Hamlib's dummy radio reached through the network model.

#include "rig/HamlibLink.h"
#include "support/RadioServers.h"

#include <hamlib/rig.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>

namespace zelkor {
namespace {

RadioSettings Network(const QString& address)
{
    return {true, RadioSettings::kNetworkModel, address, 0};
}

TEST(HamlibLinkTest, TheModelListIsHamlibsSortedByMakerAndModel)
{
    const std::vector<RadioModel> models = HamlibLink::Models();
    ASSERT_GT(models.size(), 100U);
    const auto has = [&](const RadioModel& wanted) {
        return std::find(models.begin(), models.end(), wanted) != models.end();
    };
    EXPECT_TRUE(has({RIG_MODEL_DUMMY, "Hamlib", "Dummy"}));
    EXPECT_TRUE(has({RIG_MODEL_NETRIGCTL, "Hamlib", "NET rigctl"}));
    std::vector<RadioModel> sorted = models;
    SortRadioModels(sorted);
    EXPECT_EQ(models, sorted);
}

TEST(HamlibLinkTest, HamlibsFailuresInItalian)
{
    const struct {
        int error;
        QString port;
        const char* text;
    } cases[] = {
        {-RIG_ETIMEOUT, {}, "la radio non risponde"},
        {-RIG_EIO, QStringLiteral("/dev/ttyUSB0"), "impossibile aprire \u201c/dev/ttyUSB0\u201d"},
        {-RIG_EIO, {}, "errore di comunicazione con la radio"},
        {-RIG_ECONF, {}, "impostazioni della porta non valide"},
        {-RIG_EPROTO, {}, "la radio ha dato una risposta non valida"},
        {-RIG_ERJCTED, {}, "la radio ha rifiutato il comando"},
        {-RIG_ENAVAIL, {}, "questo modello non permette di leggere la frequenza"},
        {-RIG_EPOWER, {}, "la radio \u00e8 spenta"},
        {-RIG_BUSBUSY, {}, "errore sul bus di comunicazione con la radio"},
        {-RIG_EINTERNAL, {}, "errore di Hamlib numero 7"},
        {-99, {}, "errore di Hamlib numero 99"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HamlibLink::ErrorText(c.error, c.port), QString::fromUtf8(c.text)) << c.error;
    }
}

TEST(HamlibLinkTest, AnUnknownModelOrAClosedPortIsNoLink)
{
    QString reason;
    HamlibLink unknown({true, 999'999, QStringLiteral("/dev/null"), 0});
    EXPECT_FALSE(unknown.Open(reason));
    EXPECT_EQ(reason, QStringLiteral("modello di radio sconosciuto (999999)"));
    EXPECT_FALSE(unknown.Read(reason));

    const QString address = QStringLiteral("127.0.0.1:%1").arg(test::FreeLocalPort());
    HamlibLink closed(Network(address));
    EXPECT_FALSE(closed.Open(reason));
    EXPECT_EQ(reason, QStringLiteral("impossibile aprire \u201c%1\u201d").arg(address));
}

TEST(HamlibLinkTest, ARadioThatNeverAnswersTimesOut)
{
    test::SilentServer silent;
    ASSERT_TRUE(silent.Listening());
    HamlibLink link(Network(silent.Address()));
    QString reason;
    EXPECT_FALSE(link.Open(reason));
    EXPECT_EQ(reason, QStringLiteral("la radio non risponde"));
}

TEST(HamlibLinkTest, ReadsTheDummyRadioOfARigctld)
{
    if (!test::Rigctld::Available()) {
        GTEST_SKIP() << "rigctld e rigctl mancano (pacchetto Debian libhamlib-utils)";
    }
    test::Rigctld rigctld;
    ASSERT_TRUE(rigctld.Start());
    ASSERT_TRUE(rigctld.Command({QStringLiteral("F"), QStringLiteral("3550000")}));
    ASSERT_TRUE(
        rigctld.Command({QStringLiteral("M"), QStringLiteral("CW"), QStringLiteral("500")}));

    HamlibLink link(Network(rigctld.Address()));
    QString reason;
    ASSERT_TRUE(link.Open(reason)) << reason.toStdString();
    EXPECT_EQ(link.Read(reason), (RadioReading{3'550'000, "CW"}));

    ASSERT_TRUE(rigctld.Command({QStringLiteral("F"), QStringLiteral("7074000")}));
    ASSERT_TRUE(
        rigctld.Command({QStringLiteral("M"), QStringLiteral("PKTUSB"), QStringLiteral("3000")}));
    EXPECT_EQ(link.Read(reason), (RadioReading{7'074'000, "PKTUSB"}));
    link.Close();
    EXPECT_FALSE(link.Read(reason));
}

// QApplication sets the user's locale, whose LC_NUMERIC name Hamlib frees and then reads back
// each time it turns the numbers locale to "C" on the radio's thread (the sanitizer build of the
// radio window's test with a real rigctld shows the read); with "C" set before, it turns nothing.
TEST(HamlibLinkTest, MakingALinkSetsTheNumbersLocaleToC)
{
    ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
    const RadioLinkFactory factory = HamlibLink::Factory(Network(QStringLiteral("127.0.0.1:1")));
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    EXPECT_STREQ(std::setlocale(LC_CTYPE, nullptr), "C.UTF-8");
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace zelkor
