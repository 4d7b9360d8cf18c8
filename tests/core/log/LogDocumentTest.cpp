#include "core/document/LogDocument.h"
#include "core/log/LogFile.h"
#include "core/platform/FileCalls.h"
#include "core/provinces/ProvinceTable.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"
#include "support/FaultyFileCalls.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>

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

TEST_F(LogDocumentTest, TheOpenLogOfAnotherProgramFolderIsNotTakenForThisOne)
{
    test::TempFolder other;
    const QString here = m_folder.File(QStringLiteral("_ult.zelk"));
    const QString there = other.File(QStringLiteral("_ult.zelk"));
    SummaryData summary;
    {
        const auto store = Store();
        LogDocument first(store.get(), there);
        ASSERT_TRUE(first.SetOpenLog(QStringLiteral("/logs/gara.zelk")));
        EXPECT_EQ(store->ReadSetting(keys::kOpenLogWorkingFile, QString()), there);
    }

    struct Case {
        const char* name;
        QByteArray workingFile;  // empty: none
        bool modified;
    };
    const Case cases[] = {
        {"no working file", QByteArray(), false},
        {"a header alone", "zelk100;qso\r\nI2ABC\r\n", false},
        {"rows",
         "zelk100;qso\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
         "05.02.2006^1432^7^SSB^I1XYZ^59^MI^59^RM^\r\n",
         true},
    };
    for (const Case& c : cases) {
        QFile::remove(here);
        if (!c.workingFile.isEmpty()) {
            m_folder.Write(QStringLiteral("_ult.zelk"), c.workingFile);
        }
        const auto store = Store();
        LogDocument second(store.get(), here);
        EXPECT_TRUE(second.OpenPath().isEmpty()) << c.name;
        EXPECT_TRUE(second.OpenName().isEmpty()) << c.name;
        (void)second.LoadWorkingFile(summary, ProvinceTable());
        EXPECT_EQ(second.IsModified(), c.modified) << c.name;
        // Nothing is written for the other folder's log until this one changes.
        EXPECT_EQ(store->ReadSetting(keys::kOpenLogPath, QString()),
                  QStringLiteral("/logs/gara.zelk"))
            << c.name;
    }

    {
        // The flag changes here alone; the store keeps the other folder's.
        const auto store = Store();
        QFile::remove(here);
        LogDocument second(store.get(), here);
        (void)second.LoadWorkingFile(summary, ProvinceTable());
        ASSERT_TRUE(second.MarkModified());
        EXPECT_TRUE(second.IsModified());
        ASSERT_TRUE(second.MarkClean());
        EXPECT_EQ(store->ReadSetting(keys::kOpenLogPath, QString()),
                  QStringLiteral("/logs/gara.zelk"));
        EXPECT_EQ(store->ReadSetting(keys::kOpenLogWorkingFile, QString()), there);

        // A log saved here takes the store over, whole.
        ASSERT_TRUE(second.MarkModified());
        ASSERT_TRUE(second.SetOpenLog(QStringLiteral("/logs/altro.zelk")));
        EXPECT_EQ(store->ReadSetting(keys::kOpenLogWorkingFile, QString()), here);
        EXPECT_EQ(store->ReadSetting(keys::kModified, 1), 0);
    }
    {
        const auto store = Store();
        // The same working file reached by another spelling of its path is this one.
        LogDocument again(store.get(), m_folder.Path() + QStringLiteral("/./_ult.zelk"));
        EXPECT_EQ(again.OpenPath(), QStringLiteral("/logs/altro.zelk"));
        EXPECT_FALSE(again.IsModified());
        // The first folder's log is no longer known there.
        LogDocument first(store.get(), there);
        EXPECT_TRUE(first.OpenPath().isEmpty());
        EXPECT_TRUE(first.IsModified());
    }

    // Settings that name no working file describe this one.
    const auto store = Store();
    ASSERT_TRUE(store->WriteSetting(keys::kOpenLogWorkingFile, QString()));
    LogDocument first(store.get(), there);
    EXPECT_EQ(first.OpenPath(), QStringLiteral("/logs/altro.zelk"));
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

TEST_F(LogDocumentTest, TheNextRowAfterAFailedWriteBringsTheWholeLogToTheWorkingFile)
{
    // A disk that refuses every write for a while: the row appended, or the row deleted, during
    // that time must reach the file with the next row, not only at the next save.
    struct Case {
        const char* name;
        bool deleteRow;
    };
    for (const Case c : {Case{"append", false}, Case{"delete", true}}) {
        SCOPED_TRACE(c.name);
        test::TempFolder folder;
        LogDocument document(nullptr, folder.File(QStringLiteral("_ult.zelk")));
        document.Log().BuildStartColumns();
        const SummaryData summary;
        const auto row = [](const char* callsign) {
            return std::vector<std::vector<std::string>>{
                {"05.02.2006", "1432", "7", "SSB", callsign, "59", "59", "RM", "Roma"}};
        };
        ASSERT_TRUE(document.RewriteWorkingFile(summary));
        ASSERT_TRUE(document.AppendRows(row("I1AAA"), summary));
        {
            test::FaultyFileCalls calls(test::FaultPlan{test::FileCall::Any, 1, EACCES,
                                                        test::Fault::Error,
                                                        test::FaultPersistence::FromThenOn});
            const ScopedFileCalls scoped(calls);
            if (c.deleteRow) {
                document.Log().DeleteRow(0);
                EXPECT_FALSE(document.RewriteWorkingFile(summary));
            } else {
                EXPECT_FALSE(document.AppendRows(row("I1BBB"), summary));
            }
        }
        EXPECT_TRUE(document.File().LacksRows());
        ASSERT_TRUE(document.AppendRows(row("I1CCC"), summary));
        EXPECT_FALSE(document.File().LacksRows());
        EXPECT_EQ(folder.Read(QStringLiteral("_ult.zelk")), LogFileBytes(document.Log(), summary));
        EXPECT_EQ(document.Log().RowCount(), c.deleteRow ? 1 : 3);
    }
}

TEST_F(LogDocumentTest, RowsMovedDifferFromTheWorkingFileUntilItIsWrittenWholeOrLoaded)
{
    LogDocument document(nullptr, m_folder.File(QStringLiteral("_ult.zelk")));
    LogList& log = document.Log();
    log.BuildStartColumns();
    SummaryData summary;
    ASSERT_TRUE(document.RewriteWorkingFile(summary));
    for (const char* callsign : {"I1AAA", "I1BBB", "I1CCC"}) {
        ASSERT_TRUE(document.AppendRows(
            {{"05.02.2006", "1432", "7", "SSB", callsign, "59", "59", "RM", "Roma"}}, summary));
    }
    const auto moved = [&](const std::vector<int>& order) {
        EXPECT_TRUE(log.ReorderRows(order));
        return document.OrderDiffersFromWorkingFile();
    };
    EXPECT_FALSE(moved({0, 1, 2}));
    EXPECT_TRUE(moved({1, 0, 2}));
    // Appending and moving the rows back leave the note as it is: it says "since the last write".
    ASSERT_TRUE(document.AppendRows(
        {{"05.02.2006", "1433", "7", "SSB", "I1DDD", "59", "59", "TO", "Torino"}}, summary));
    EXPECT_TRUE(moved({1, 0, 2, 3}));
    EXPECT_TRUE(document.RewriteWorkingFile(summary));
    EXPECT_FALSE(document.OrderDiffersFromWorkingFile());

    // A failed write keeps the note; the catch-up before a copy writes the file.
    EXPECT_TRUE(moved({3, 2, 1, 0}));
    const QByteArray before = m_folder.Read(QStringLiteral("_ult.zelk"));
    {
        test::FaultyFileCalls calls(test::FaultPlan{test::FileCall::Write, 1, ENOSPC});
        const ScopedFileCalls scoped(calls);
        EXPECT_FALSE(document.CatchUpWorkingFile(summary));
    }
    EXPECT_TRUE(document.OrderDiffersFromWorkingFile());
    EXPECT_EQ(m_folder.Read(QStringLiteral("_ult.zelk")), before);
    EXPECT_TRUE(document.CatchUpWorkingFile(summary));
    EXPECT_FALSE(document.OrderDiffersFromWorkingFile());
    EXPECT_EQ(m_folder.Read(QStringLiteral("_ult.zelk")), LogFileBytes(log, summary));

    // Emptying or loading the log puts the screen in the file's order.
    EXPECT_TRUE(moved({1, 0, 2, 3}));
    EXPECT_TRUE(document.EmptyLog(summary));
    EXPECT_FALSE(document.OrderDiffersFromWorkingFile());
    const ProvinceTable provinces;
    m_folder.Write(QStringLiteral("altro.zelk"),
                   "05.02.2006^1432^7^SSB^I1AAA^59^MI^59^RM^\r\n"
                   "05.02.2006^1433^7^SSB^I1BBB^59^MI^59^RM^\r\n");
    EXPECT_TRUE(
        document.ReplaceAndLoad(m_folder.File(QStringLiteral("altro.zelk")), summary, provinces)
            .loaded);
    EXPECT_TRUE(moved({1, 0}));
    EXPECT_TRUE(
        document.ReplaceAndLoad(m_folder.File(QStringLiteral("altro.zelk")), summary, provinces)
            .loaded);
    EXPECT_FALSE(document.OrderDiffersFromWorkingFile());
}

}  // namespace
}  // namespace zelkor
