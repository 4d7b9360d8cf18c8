#include "core/log/LogFile.h"
#include "core/log/LogList.h"
#include "core/log/WorkingFile.h"
#include "core/platform/FileCalls.h"
#include "core/settings/SummaryData.h"
#include "support/FaultyFileCalls.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

namespace zelkor {
namespace {

using test::FaultPlan;
using test::FaultyFileCalls;
using test::FileCall;

// Every call of the operation fails in turn, with a full disk and with an I/O error. The
// operation reports whether it succeeded; check() then looks at the files.
void WalkFaults(const std::function<void()>& reset, const std::function<Result()>& operation,
                const std::function<void(bool ok, const std::string& where)>& check)
{
    reset();
    FaultyFileCalls counting;
    {
        const ScopedFileCalls scoped(counting);
        ASSERT_TRUE(operation().ok());
    }
    const int count = static_cast<int>(counting.Calls().size());
    ASSERT_GT(count, 0);
    for (const int error : {ENOSPC, EIO}) {
        for (int number = 1; number <= count; ++number) {
            reset();
            FaultyFileCalls calls(FaultPlan{FileCall::Any, number, error});
            Result result = Result::Ok();
            {
                const ScopedFileCalls scoped(calls);
                result = operation();
            }
            const std::string where = std::to_string(error) + " at call " + std::to_string(number) +
                                      " (" +
                                      FaultyFileCalls::Name(calls.FailedCall()).toStdString() + ")";
            if (!result) {
                EXPECT_FALSE(result.message().contains(QStringLiteral("Unknown"))) << where;
                EXPECT_TRUE(result.message().contains(QStringLiteral("\n\n"))) << where;
            }
            check(result.ok(), where);
        }
    }
}

class WorkingFileFaultTest : public ::testing::Test {
protected:
    WorkingFileFaultTest() : m_file(m_folder.File(QStringLiteral("_ult.zelk")))
    {
        m_log.BuildStartColumns();
        m_summary.callsign = "I2ABC";
        m_summary.province = "MI";
        for (int i = 0; i < 50; ++i) {
            m_log.AppendLogRow({"05.02.2006", "1432", "7", "SSB", "I1XYZ", "59", "59", "RM", ""});
        }
        m_old = LogFileBytes(m_log, m_summary);
    }

    QByteArray Working() const { return m_folder.Read(QStringLiteral("_ult.zelk")); }
    void Reset() const { m_folder.Write(QStringLiteral("_ult.zelk"), m_old); }

    test::TempFolder m_folder;
    WorkingFile m_file;
    LogList m_log;
    SummaryData m_summary;
    QByteArray m_old;
};

TEST_F(WorkingFileFaultTest, RewriteLeavesTheOldFileOrTheNewAndALaterSaveCatchesUp)
{
    m_log.DeleteRow(0);
    const QByteArray now = LogFileBytes(m_log, m_summary);
    WalkFaults([this] { Reset(); }, [this] { return m_file.WriteWorkingFile(m_log, m_summary); },
               [&](bool ok, const std::string& where) {
                   EXPECT_TRUE(Working() == now || (!ok && Working() == m_old)) << where;
                   ASSERT_TRUE(m_file.CatchUp(m_log, m_summary).ok()) << where;
                   EXPECT_EQ(Working(), now) << where;
               });
}

TEST_F(WorkingFileFaultTest, FailedAppendLeavesTheFileWholeAndTheNextCopyHasTheRow)
{
    const std::string line = "05.02.2006^1500^7^CW^IW3ZZZ^599^MI^599^NA^\r\n";
    m_log.AppendLogRow({"05.02.2006", "1500", "7", "CW", "IW3ZZZ", "599", "599", "NA", ""});
    const QByteArray now = LogFileBytes(m_log, m_summary);
    ASSERT_EQ(now, m_old + QByteArray::fromStdString(line));
    const QString copy = m_folder.File(QStringLiteral("gara.zelk"));
    WalkFaults([this] { Reset(); }, [&] { return m_file.AppendToWorkingFile(line); },
               [&](bool ok, const std::string& where) {
                   EXPECT_EQ(Working(), ok ? now : m_old) << where;
                   // Save: the working file is completed first, then copied.
                   ASSERT_TRUE(m_file.CatchUp(m_log, m_summary).ok()) << where;
                   ASSERT_TRUE(CopyWholeFile(m_file.Path(), copy).ok()) << where;
                   EXPECT_EQ(m_folder.Read(QStringLiteral("gara.zelk")), now) << where;
               });
}

TEST_F(WorkingFileFaultTest, CopyLeavesTheDestinationAsItWasOrComplete)
{
    const QString copy = m_folder.File(QStringLiteral("gara.zelk"));
    const QByteArray earlier = "zelk100;qso\r\nearlier\r\n";
    WalkFaults(
        [&] {
            Reset();
            m_folder.Write(QStringLiteral("gara.zelk"), earlier);
        },
        [&] { return CopyWholeFile(m_file.Path(), copy); },
        [&](bool ok, const std::string& where) {
            const QByteArray now = m_folder.Read(QStringLiteral("gara.zelk"));
            EXPECT_TRUE(now == m_old || (!ok && now == earlier)) << where;
            EXPECT_EQ(Working(), m_old) << where;
        });
}

}  // namespace
}  // namespace zelkor
