// The radio's settings: their own group "Radio", defaults, and nothing else of the store touched.

#include "core/settings/AppSettings.h"
#include "core/settings/RadioSettings.h"
#include "core/settings/SettingsStore.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace zelkor {
namespace {

class RadioSettingsTest : public ::testing::Test {
protected:
    QString StorePath() const { return m_folder.File(QStringLiteral("zelkor.conf")); }
    std::unique_ptr<SettingsStore> Open() const { return SettingsStore::OpenFile(StorePath()); }

    test::TempFolder m_folder;
};

TEST_F(RadioSettingsTest, MissingValuesReadAsFollowingOffOverTheNetworkModel)
{
    const RadioSettings s = ReadRadioSettings(*Open());
    EXPECT_FALSE(s.follow);
    EXPECT_EQ(s.model, 2);
    EXPECT_EQ(s.port, QStringLiteral("localhost:4532"));
    EXPECT_EQ(s.speed, 0);
    EXPECT_FALSE(QFile::exists(StorePath()));
}

TEST_F(RadioSettingsTest, WrittenInTheirOwnGroupBesideTheOtherSettings)
{
    m_folder.Write(QStringLiteral("zelkor.conf"), "[Parametri]\nBanda=\"3,5\"\nModo=CW\n");
    EXPECT_TRUE(WriteRadioSettings(*Open(), {true, 1035, QStringLiteral("/dev/ttyUSB0"), 38400}));

    EXPECT_EQ(m_folder.Read(QStringLiteral("zelkor.conf")),
              QByteArray("[Parametri]\nBanda=\"3,5\"\nModo=CW\n\n"
                         "[Radio]\nModello=1035\nPorta=/dev/ttyUSB0\nSegui=1\nVelocita=38400\n"));
    const auto store = Open();
    EXPECT_EQ(ReadRadioSettings(*store),
              (RadioSettings{true, 1035, QStringLiteral("/dev/ttyUSB0"), 38400}));
    const AppSettings app = ReadAppSettings(*store);
    EXPECT_EQ(app.currentBand, "3,5");
    EXPECT_EQ(app.currentMode, "CW");
}

TEST_F(RadioSettingsTest, MalformedValuesReadAsDefaults)
{
    m_folder.Write(QStringLiteral("zelkor.conf"),
                   "[Radio]\nSegui=s\xec\nModello=IC-7300\nPorta=127.0.0.1:4532\nVelocita=-9600\n");
    const RadioSettings s = ReadRadioSettings(*Open());
    EXPECT_FALSE(s.follow);
    EXPECT_EQ(s.model, 2);
    EXPECT_EQ(s.port, QStringLiteral("127.0.0.1:4532"));
    EXPECT_EQ(s.speed, 0);
}

TEST_F(RadioSettingsTest, AStoreThatCantBeWrittenSaysSo)
{
    // A folder that is a plain file can't hold the store, whoever runs the test.
    m_folder.Write(QStringLiteral("blocked"), QByteArray("x"));
    const auto store =
        SettingsStore::OpenFile(m_folder.File(QStringLiteral("blocked/zelkor.conf")));
    EXPECT_FALSE(WriteRadioSettings(*store, {true, 1035, QStringLiteral("/dev/ttyUSB0"), 0}));
}

}  // namespace
}  // namespace zelkor
