#include "core/document/LogDocument.h"
#include "core/settings/AppSettings.h"
#include "core/settings/RecentFileList.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/SummaryData.h"
#include "support/FaultyFileCalls.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cerrno>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace zelkor {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    QString StorePath() const { return m_folder.File(QStringLiteral("zelkor.conf")); }
    std::unique_ptr<SettingsStore> Open() const { return SettingsStore::OpenFile(StorePath()); }
    void WriteRaw(const QByteArray& ini) const
    {
        m_folder.Write(QStringLiteral("zelkor.conf"), ini);
    }

    test::TempFolder m_folder;
};

TEST_F(SettingsTest, EmptyStoreGivesEveryDefault)
{
    const auto store = Open();
    const AppSettings s = ReadAppSettings(*store);
    EXPECT_EQ(s.currentBand, "7");
    EXPECT_EQ(s.currentMode, "SSB");
    EXPECT_EQ(s.claimedScore, 0);
    const LogDocument document(store.get(), QString());
    EXPECT_TRUE(document.OpenPath().isEmpty());
    EXPECT_TRUE(document.OpenName().isEmpty());
    EXPECT_FALSE(document.IsModified());
    EXPECT_FALSE(s.swlExportByBand);
    EXPECT_EQ(s.backgroundColour, 2121952);
    EXPECT_EQ(s.textColour, 16777215);

    const SummaryData d = ReadSummaryData(*store);
    EXPECT_EQ(d, SummaryData{});
    EXPECT_EQ(d.category, "SOP");
    EXPECT_FALSE(IsSwlCategory(d.category));
}

TEST_F(SettingsTest, ReadingNeverCreatesAValue)
{
    const auto store = Open();
    (void)ReadAppSettings(*store);
    (void)ReadSummaryData(*store);
    RecentFileList recent;
    recent.Load(*store);
    EXPECT_FALSE(QFile::exists(StorePath()));
}

TEST_F(SettingsTest, WrongKindValuesReadAsDefaults)
{
    WriteRaw(
        "[Parametri]\n"
        "Banda=a, b\n"
        "Punteggio=molti\n"
        "Modificato=\n"
        "Colore%20sfondo=12x\n"
        "Colore%20testo=99999999999\n"
        "File%20SWL%20ordinati%20banda=@ByteArray(1)\n"
        "Modo=CW\n"
        "[Dati%20riassuntivi]\n"
        "Categoria=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x18)\n"
        "Nominativo=I2ABC\n");
    const auto store = Open();
    const AppSettings s = ReadAppSettings(*store);
    EXPECT_EQ(s.currentBand, "7");
    EXPECT_EQ(s.currentMode, "CW");
    EXPECT_EQ(s.claimedScore, 0);
    EXPECT_FALSE(LogDocument(store.get(), QString()).IsModified());
    EXPECT_EQ(s.backgroundColour, 0x2060E0);
    EXPECT_EQ(s.textColour, 0xFFFFFF);
    EXPECT_FALSE(s.swlExportByBand);
    const SummaryData d = ReadSummaryData(*store);
    EXPECT_EQ(d.category, "SOP");
    EXPECT_EQ(d.callsign, "I2ABC");
}

TEST_F(SettingsTest, GarbageFileGivesDefaults)
{
    WriteRaw(QByteArray("\x00\xff\xfe[[[=\n\x01\x02", 11) + QByteArray(5000, '\x80'));
    const auto store = Open();
    EXPECT_EQ(ReadAppSettings(*store), AppSettings{});
    EXPECT_EQ(ReadSummaryData(*store), SummaryData{});
}

TEST_F(SettingsTest, WritesReachTheFileAtOnceAndReadBack)
{
    auto store = Open();
    SummaryData d;
    d.callsign = "IK2XYZ";
    d.province = "MI";
    d.category = "SWL";
    d.address1 = "Via Roma, 1";
    d.comment1 = "Citt\xE0 \x80";  // bytes of the code page beyond ASCII
    ASSERT_TRUE(WriteSummaryData(*store, d));
    ASSERT_TRUE(store->WriteSetting(keys::kScore, 123456));
    ASSERT_TRUE(store->WriteSetting(keys::kOpenLogPath, QStringLiteral(u"/home/op/gara è.zelk")));

    // Another reader of the same file sees the values without the first one being closed.
    const auto other = Open();
    EXPECT_EQ(ReadSummaryData(*other), d);
    EXPECT_TRUE(IsSwlCategory(ReadSummaryData(*other).category));
    const AppSettings s = ReadAppSettings(*other);
    EXPECT_EQ(s.claimedScore, 123456);
    EXPECT_EQ(LogDocument(other.get(), QString()).OpenPath(),
              QStringLiteral(u"/home/op/gara è.zelk"));
}

// Every rewrite puts a new file in place of the old one, which tells a write from a skipped one
// while the old file is held open.
TEST_F(SettingsTest, AValueTheFileHoldsIsNotWrittenAgainButAnotherInstancesChangeIs)
{
    QFile held;
    auto hold = [&] {
        held.close();
        held.setFileName(StorePath());
        ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    };
    auto replaced = [&] {
        struct stat atPath {};
        struct stat open {};
        EXPECT_EQ(::stat(StorePath().toLocal8Bit().constData(), &atPath), 0);
        EXPECT_EQ(::fstat(held.handle(), &open), 0);
        return atPath.st_ino != open.st_ino;
    };
    auto store = Open();
    auto other = Open();
    ASSERT_TRUE(store->WriteSetting(keys::kBand, QStringLiteral("7")));
    ASSERT_TRUE(store->WriteSetting(keys::kScore, 42));
    hold();

    EXPECT_TRUE(store->WriteSetting(keys::kBand, QStringLiteral("7")));
    EXPECT_TRUE(store->WriteSetting(keys::kScore, 42));
    EXPECT_FALSE(replaced());

    // Another store changed the band meanwhile: this one's earlier "7" is no reason to skip.
    ASSERT_TRUE(other->WriteSetting(keys::kBand, QStringLiteral("3,5")));
    hold();
    EXPECT_TRUE(store->WriteSetting(keys::kBand, QStringLiteral("7")));
    EXPECT_TRUE(replaced());
    EXPECT_TRUE(m_folder.Read(QStringLiteral("zelkor.conf")).contains("Banda=7\n"));

    // A text that only reads like the number is another value.
    WriteRaw("[Parametri]\nPunteggio=042\n");
    hold();
    EXPECT_TRUE(store->WriteSetting(keys::kScore, 42));
    EXPECT_TRUE(replaced());
    EXPECT_TRUE(m_folder.Read(QStringLiteral("zelkor.conf")).contains("Punteggio=42\n"));
}

TEST_F(SettingsTest, KeysHaveTheirExactNames)
{
    auto store = Open();
    ASSERT_TRUE(store->WriteSetting(keys::kSwlExportByBand, 1));
    ASSERT_TRUE(store->WriteSetting(keys::kAddress2, QStringLiteral("x")));
    QSettings raw(StorePath(), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("Parametri/File SWL ordinati banda")).toInt(), 1);
    EXPECT_EQ(raw.value(QStringLiteral("Dati riassuntivi/Indirizzo riga 2")).toString(),
              QStringLiteral("x"));
}

TEST(SwlCategoryTest, OnlyTheExactWord)
{
    const std::pair<const char*, bool> cases[] = {
        {"SWL", true},   {"swl", false}, {"SWL ", false},
        {" SWL", false}, {"SOP", false}, {"", false},
    };
    for (const auto& [category, swl] : cases) {
        EXPECT_EQ(IsSwlCategory(category), swl) << category;
    }
}

TEST_F(SettingsTest, TheFirstWriteMakesTheMissingFolders)
{
    const QString path = m_folder.File(QStringLiteral("config/ORVENT/zelkor.conf"));
    auto store = SettingsStore::OpenFile(path);
    EXPECT_EQ(store->ReadSetting(keys::kBand, QStringLiteral("7")), QStringLiteral("7"));
    EXPECT_FALSE(QDir(m_folder.File(QStringLiteral("config"))).exists());

    ASSERT_TRUE(store->WriteSetting(keys::kBand, QStringLiteral("3,5")));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[Parametri]\nBanda=\"3,5\"\n");
}

TEST_F(SettingsTest, AFileThatCanNotBeReadIsNeverReplaced)
{
    // Its values could not be carried over: a rewrite would lose them.
    ASSERT_TRUE(QDir(m_folder.Path()).mkdir(QStringLiteral("zelkor.conf")));
    auto store = Open();
    EXPECT_FALSE(store->WriteSetting(keys::kBand, QStringLiteral("3,5")));
    EXPECT_EQ(store->FailureReason(),
              QStringLiteral("Il percorso indica una cartella, non un file."));
    EXPECT_TRUE(QFileInfo(StorePath()).isDir());
    // The value holds for the rest of the run.
    EXPECT_EQ(store->ReadSetting(keys::kBand, QString()), QStringLiteral("3,5"));
}

TEST_F(SettingsTest, AFailedWriteKeepsTheOldFileAndItsChangeGoesWithTheNextWrite)
{
    auto store = Open();
    ASSERT_TRUE(store->WriteSetting(keys::kBand, QStringLiteral("7")));
    const QByteArray before = m_folder.Read(QStringLiteral("zelkor.conf"));
    {
        test::FaultyFileCalls full({test::FileCall::Write, 1, ENOSPC});
        const ScopedFileCalls scoped(full);
        EXPECT_FALSE(store->WriteSetting(keys::kScore, 1234));
    }
    EXPECT_EQ(store->FailureReason(), QStringLiteral("Spazio su disco esaurito."));
    EXPECT_EQ(m_folder.Read(QStringLiteral("zelkor.conf")), before);
    EXPECT_EQ(store->ReadSetting(keys::kScore, 0), 1234);

    ASSERT_TRUE(store->WriteSetting(keys::kMode, QStringLiteral("CW")));
    EXPECT_EQ(m_folder.Read(QStringLiteral("zelkor.conf")),
              "[Parametri]\nBanda=7\nModo=CW\nPunteggio=1234\n");
}

TEST_F(SettingsTest, ChoicesWrittenLaterReachTheFileWithTheNextWriteOrAFlush)
{
    auto store = Open();
    store->ChangeSetting(keys::kBand, QStringLiteral("3,5"));
    store->ChangeSetting(keys::kBand, QStringLiteral("7"));
    store->ChangeSetting(keys::kMode, QStringLiteral("CW"));
    EXPECT_EQ(store->ReadSetting(keys::kBand, QString()), QStringLiteral("7"));
    EXPECT_TRUE(store->HasUnwrittenChanges());
    EXPECT_FALSE(QFile::exists(StorePath()));

    ASSERT_TRUE(store->Flush());
    EXPECT_FALSE(store->HasUnwrittenChanges());
    EXPECT_EQ(m_folder.Read(QStringLiteral("zelkor.conf")), "[Parametri]\nBanda=7\nModo=CW\n");

    // Any other write takes an unwritten choice along.
    store->ChangeSetting(keys::kMode, QStringLiteral("SSB"));
    ASSERT_TRUE(store->WriteSetting(keys::kModified, 1));
    EXPECT_EQ(m_folder.Read(QStringLiteral("zelkor.conf")),
              "[Parametri]\nBanda=7\nModificato=1\nModo=SSB\n");
    EXPECT_FALSE(store->HasUnwrittenChanges());

    // A choice the file already holds writes nothing.
    store->ChangeSetting(keys::kMode, QStringLiteral("SSB"));
    {
        test::FaultyFileCalls counting;
        const ScopedFileCalls scoped(counting);
        ASSERT_TRUE(store->Flush());
        for (const test::FileCall call : counting.Calls()) {
            EXPECT_NE(call, test::FileCall::Write);
        }
    }
}

TEST_F(SettingsTest, RecentFilesNewestFirstAtMostFive)
{
    auto store = Open();
    RecentFileList recent;
    for (int i = 1; i <= 7; ++i) {
        recent.Add(QStringLiteral("/logs/%1.zelk").arg(i));
    }
    recent.Add(QStringLiteral("/logs/5.zelk"));
    ASSERT_TRUE(recent.Save(*store));

    RecentFileList loaded;
    loaded.Load(*Open());
    const QStringList expected = {QStringLiteral("/logs/5.zelk"), QStringLiteral("/logs/7.zelk"),
                                  QStringLiteral("/logs/6.zelk"), QStringLiteral("/logs/4.zelk"),
                                  QStringLiteral("/logs/3.zelk")};
    EXPECT_EQ(loaded.Entries(), expected);
    QSettings raw(StorePath(), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("Recent File List/File1")).toString(), expected.at(0));
    EXPECT_EQ(raw.value(QStringLiteral("Recent File List/File5")).toString(), expected.at(4));
}

}  // namespace
}  // namespace zelkor
