#include "core/document/LogDocument.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace zelkor {
namespace {

class LogDocumentTest : public ::testing::Test {
protected:
    std::unique_ptr<SettingsStore> Store() const
    {
        return SettingsStore::OpenFile(m_config.File(QStringLiteral("zelkor.conf")));
    }

    test::TempFolder m_config;
    test::TempFolder m_folder;
};

TEST_F(LogDocumentTest, TheModifiedFlagIsStoredAndSignalledOnlyWhenItChanges)
{
    const auto store = Store();
    LogDocument document(store.get(), m_folder.File(QStringLiteral("_ult.zelk")));
    std::vector<bool> signalled;
    QObject::connect(&document, &LogDocument::modifiedChanged,
                     [&signalled](bool modified) { signalled.push_back(modified); });
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(document.MarkModified());
    EXPECT_TRUE(document.MarkModified());
    EXPECT_EQ(store->ReadSetting(keys::kModified, 0), 1);
    EXPECT_TRUE(document.MarkClean());
    EXPECT_EQ(signalled, (std::vector<bool>{true, false}));
    EXPECT_EQ(store->ReadSetting(keys::kModified, 1), 0);
}

TEST_F(LogDocumentTest, TheOpenLogIsNamedAfterItsFileAndKeptForTheNextRun)
{
    {
        const auto store = Store();
        LogDocument document(store.get(), QString());
        ASSERT_TRUE(document.MarkModified());
        int changes = 0;
        QObject::connect(&document, &LogDocument::openLogChanged, [&changes] { ++changes; });
        EXPECT_TRUE(document.SetOpenLog(QStringLiteral(u"/home/op/gara è.zelk")));
        EXPECT_EQ(document.OpenName(), QStringLiteral(u"gara è.zelk"));
        EXPECT_FALSE(document.IsModified());
        EXPECT_EQ(changes, 1);
        ASSERT_TRUE(document.MarkModified());
    }
    const auto store = Store();
    LogDocument next(store.get(), QString());
    EXPECT_EQ(next.OpenPath(), QStringLiteral(u"/home/op/gara è.zelk"));
    EXPECT_EQ(next.OpenName(), QStringLiteral(u"gara è.zelk"));
    EXPECT_TRUE(next.IsModified());
    EXPECT_TRUE(next.ForgetOpenLog());
    EXPECT_TRUE(next.OpenPath().isEmpty());
    EXPECT_TRUE(next.OpenName().isEmpty());
    EXPECT_EQ(store->ReadSetting(keys::kOpenLogName, QStringLiteral("?")), QString());
}

TEST_F(LogDocumentTest, RowsOfOneExchangeReachTheWorkingFileInOneWrite)
{
    LogDocument document(nullptr, m_folder.File(QStringLiteral("_ult.zelk")));
    document.Log().SetSwlColumns();
    SummaryData summary;
    summary.callsign = "I2ABC";
    summary.province = "MI";
    ASSERT_TRUE(document.File().WriteWorkingFile(document.Log(), summary));
    const QByteArray header = m_folder.Read(QStringLiteral("_ult.zelk"));
    ASSERT_TRUE(
        document.AppendRows({{"09.12.2026", "0712", "3,5", "CW", "IK0ABC", "579", "RM", "I1XYZ"},
                             {"09.12.2026", "0712", "3,5", "CW", "I1XYZ", "589", "TO", "IK0ABC"}},
                            summary));
    EXPECT_EQ(document.Log().RowCount(), 2);
    EXPECT_EQ(m_folder.Read(QStringLiteral("_ult.zelk")),
              header +
                  "09.12.2026^0712^3,5^CW^IK0ABC^579^RM^I1XYZ^\r\n"
                  "09.12.2026^0712^3,5^CW^I1XYZ^589^TO^IK0ABC^\r\n");
    // Rows whose file can't be written at all stay in the log; the failure says why.
    LogDocument unreachable(nullptr, m_folder.File(QStringLiteral("missing/_ult.zelk")));
    const Result result = unreachable.AppendRows(
        {{"09.12.2026", "0712", "7", "SSB", "IK0ABC", "59", "59", "RM", "Roma"}}, summary);
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(result.message().isEmpty());
    EXPECT_EQ(unreachable.Log().RowCount(), 1);
}

}  // namespace
}  // namespace zelkor
