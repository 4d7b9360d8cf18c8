#include "core/platform/InstanceLock.h"
#include "crash/ChildProcess.h"
#include "crash/CrashRows.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

#include <unistd.h>

namespace zelkor {
namespace {

TEST(InstanceLockTest, LiveHolderBlocksUntilItIsKilled)
{
    test::TempFolder folder;
    crash::ChildProcess holder({QLatin1String(crash::kHoldLockMode), folder.Path()});
    ASSERT_TRUE(holder.Started());
    ASSERT_EQ(holder.NextLine(), std::optional<std::string>(crash::kLockedLine))
        << holder.ErrorOutput();

    QString withoutSeparator = folder.Path();
    withoutSeparator.chop(1);
    InstanceLock lock(withoutSeparator);
    EXPECT_EQ(lock.LockFilePath(), folder.File(QStringLiteral("_ult.zelk.lock")));
    EXPECT_EQ(lock.TryLock(), LockOutcome::HeldElsewhere);
    EXPECT_FALSE(lock.IsLocked());
    EXPECT_EQ(
        lock.HeldElsewhereText().toStdString(),
        (QStringLiteral("Il log in questa cartella è già aperto in un altro Zelkor in "
                        "esecuzione:\n") +
         folder.Path() + QStringLiteral("\n\nChiudere l'altro Zelkor prima di avviarne uno nuovo."))
            .toStdString());

    holder.Kill();
    ASSERT_TRUE(holder.WasKilled());
    // The killed holder's file is still there; only its process is gone.
    ASSERT_TRUE(QFileInfo::exists(lock.LockFilePath()));
    EXPECT_EQ(lock.TryLock(), LockOutcome::Acquired);
    EXPECT_TRUE(lock.IsLocked());
    lock.Unlock();
    EXPECT_FALSE(QFileInfo::exists(lock.LockFilePath()));
}

TEST(InstanceLockTest, AKilledHoldersFileGoesAlsoWhereQtCannotMakeItsRemovalLock)
{
    test::TempFolder folder;
    crash::ChildProcess holder({QLatin1String(crash::kHoldLockMode), folder.Path()});
    ASSERT_TRUE(holder.Started());
    ASSERT_EQ(holder.NextLine(), std::optional<std::string>(crash::kLockedLine))
        << holder.ErrorOutput();
    holder.Kill();
    ASSERT_TRUE(holder.WasKilled());
    // Qt removes a stale lock file only while it holds "<lock>.rmlock", which a full disk never
    // lets it write; a folder in its place stands for that here.
    ASSERT_TRUE(QDir(folder.Path()).mkdir(QStringLiteral("_ult.zelk.lock.rmlock")));

    InstanceLock lock(folder.Path());
    EXPECT_EQ(lock.TryLock(), LockOutcome::Acquired);
    EXPECT_TRUE(lock.IsLocked());
}

// A quick run by default; ZELKOR_LOCK_ATTEMPTS asks for a longer one (the soak tests).
int StartAttempts()
{
    bool ok = false;
    const int attempts = qEnvironmentVariableIntValue("ZELKOR_LOCK_ATTEMPTS", &ok);
    return ok && attempts > 0 ? attempts : 100;
}

TEST(InstanceLockTest, FourProcessesStartingAtOnceNeverHoldTheFolderTogether)
{
    test::TempFolder folder;
    const int attempts = StartAttempts();
    std::vector<std::unique_ptr<crash::ChildProcess>> children;
    for (int i = 0; i < 4; ++i) {
        children.push_back(std::make_unique<crash::ChildProcess>(QStringList{
            QLatin1String(crash::kContendMode), folder.Path(), QString::number(attempts)}));
        ASSERT_TRUE(children.back()->Started());
    }
    int acquired = 0;
    int refused = 0;
    for (auto& child : children) {
        const std::optional<std::string> line = child->NextLine();
        ASSERT_TRUE(line) << child->ErrorOutput();
        std::istringstream counts(*line);
        int got = -1;
        int notGot = -1;
        int overlaps = -1;
        int unavailable = -1;
        counts >> got >> notGot >> overlaps >> unavailable;
        EXPECT_EQ(got + notGot, attempts) << *line;
        EXPECT_EQ(overlaps, 0) << "two processes held the folder at once";
        EXPECT_EQ(unavailable, 0) << *line;
        acquired += got;
        refused += notGot;
    }
    // Every process got its turn now and then, and the folder was free at the end.
    EXPECT_GT(acquired, 0);
    InstanceLock lock(folder.Path());
    EXPECT_EQ(lock.TryLock(), LockOutcome::Acquired);
    RecordProperty("Starts", acquired + refused);
    RecordProperty("Refused", refused);
}

TEST(InstanceLockTest, SecondLockInTheSameProcessWaitsForTheFirst)
{
    test::TempFolder folder;
    InstanceLock second(folder.Path());
    {
        InstanceLock first(folder.Path());
        ASSERT_EQ(first.TryLock(), LockOutcome::Acquired);
        EXPECT_EQ(first.TryLock(), LockOutcome::Acquired);
        EXPECT_EQ(second.TryLock(), LockOutcome::HeldElsewhere);
    }
    EXPECT_EQ(second.TryLock(), LockOutcome::Acquired);
}

TEST(InstanceLockTest, LeftoversOfEndedRunsNeverBlock)
{
    // An empty or unreadable file (its contents never reached the disk), and one that names this
    // very process, as a crashed run can when process ids start again after a reboot.
    const QString ownName =
        QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).fileName();
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    const QByteArray leftovers[] = {
        "",
        "garbage",
        QByteArray::number(static_cast<qint64>(::getpid())) + "\n" + ownName.toUtf8() + "\n" +
            host + "\n",
    };
    for (const QByteArray& contents : leftovers) {
        test::TempFolder folder;
        folder.Write(QStringLiteral("_ult.zelk.lock"), contents);
        InstanceLock lock(folder.Path());
        EXPECT_EQ(lock.TryLock(), LockOutcome::Acquired) << contents.toStdString();
    }
}

TEST(InstanceLockTest, MissingFolderIsNotTakenForAnotherInstance)
{
    test::TempFolder folder;
    InstanceLock lock(folder.File(QStringLiteral("missing")));
    EXPECT_EQ(lock.TryLock(), LockOutcome::Unavailable);
    EXPECT_FALSE(QFileInfo::exists(folder.File(QStringLiteral("missing"))));
}

}  // namespace
}  // namespace zelkor
