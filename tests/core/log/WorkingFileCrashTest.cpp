// A writer killed at random points must never cost a row it had acknowledged, never leave a
// working file that fails to load, and never leave a lock that refuses the next start.

#include "core/log/LogList.h"
#include "core/log/WorkingFile.h"
#include "core/platform/InstanceLock.h"
#include "core/provinces/ProvinceTable.h"
#include "core/settings/SummaryData.h"
#include "core/worked/WorkedTables.h"
#include "crash/ChildProcess.h"
#include "crash/CrashRows.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace zelkor {
namespace {

// A quick run by default; ZELKOR_KILL_ROUNDS asks for a longer one (the soak tests).
int Rounds()
{
    bool ok = false;
    const int rounds = qEnvironmentVariableIntValue("ZELKOR_KILL_ROUNDS", &ok);
    return ok && rounds > 0 ? rounds : 20;
}

// Every so many rounds the child starts on a new working file, so that a long run does not slow
// down with an ever longer log.
constexpr int kRoundsPerLog = 50;

TEST(WorkingFileCrashTest, KilledWriterKeepsEveryAcknowledgedRow)
{
    // A kill takes nothing the page cache holds, so memory will do and the long runs stay short.
    test::TempFolder folder(test::MemoryBackedFolder());
    const QString workingPath = folder.File(QStringLiteral("_ult.zelk"));
    std::mt19937 random(40802006);
    std::set<std::string> acknowledged;
    const int rounds = Rounds();
    int kills = 0;
    std::size_t rowsChecked = 0;

    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        if (round % kRoundsPerLog == 0) {
            QFile::remove(workingPath);
            acknowledged.clear();
        }
        std::vector<std::string> tornLines;
        // Every fourth round starts from a line cut short, as a power cut during an append
        // would leave it; the rows appended after it must come through whole.
        const bool torn = round % 4 == 3;
        if (torn) {
            const std::string line = "05.02.2006^1432^7^SSB^TORN" + std::to_string(round);
            QFile file(workingPath);
            ASSERT_TRUE(file.open(QIODevice::Append));
            file.write(line.c_str());
            file.close();
            tornLines.push_back(line);
        }

        const int seed = 1000 + round;
        crash::ChildProcess child(
            {QLatin1String(crash::kAppendMode), folder.Path(), QString::number(seed)});
        ASSERT_TRUE(child.Started());
        if (random() % 2 == 0) {
            // Anywhere from start-up and the first load to the middle of the appends.
            std::this_thread::sleep_for(std::chrono::milliseconds(random() % 51));
        } else {
            for (int wanted = 1 + static_cast<int>(random() % 40); wanted > 0; --wanted) {
                const std::optional<std::string> key = child.NextLine();
                ASSERT_TRUE(key) << child.ErrorOutput();
                acknowledged.insert(*key);
            }
        }
        child.Kill();
        ASSERT_TRUE(child.WasKilled()) << child.ErrorOutput();
        ++kills;
        for (const std::string& key : child.RemainingLines()) {
            acknowledged.insert(key);
        }

        InstanceLock lock(folder.Path());
        EXPECT_EQ(lock.TryLock(), LockOutcome::Acquired);
        lock.Unlock();

        LogList log;
        log.BuildStartColumns();
        SummaryData summary;
        const ProvinceTable provinces;
        test::ScriptedPrompter prompter;
        WorkingFile workingFile(workingPath);
        const LoadReport report = workingFile.LoadWorkingFile(log, summary, provinces);
        prompter.ShowAll(report.messages);
        ASSERT_TRUE(report.loaded);
        // Only a torn round may warn, and only if the child died before its own load did.
        EXPECT_LE(prompter.boxes.size(), torn ? 1u : 0u);
        for (const MessageBox& box : prompter.boxes) {
            EXPECT_EQ(box.icon, MessageIcon::Exclamation) << box.text.toStdString();
        }

        std::set<std::string> loaded;
        for (int row = 0; row < log.RowCount(); ++row) {
            const std::string key(log.Cell(row, QsoColumn::Callsign));
            std::vector<std::string> cells;
            for (int column = QsoColumn::Date; column <= QsoColumn::ProvinceCode; ++column) {
                cells.emplace_back(log.Cell(row, column));
            }
            ASSERT_EQ(cells, crash::RowCells(key)) << "row " << row << " came through damaged";
            EXPECT_TRUE(loaded.insert(key).second) << key << " loaded twice";
        }
        for (const std::string& key : acknowledged) {
            EXPECT_TRUE(loaded.count(key)) << key << " was acknowledged but is gone";
        }

        // Each recovery file holds one torn line exactly. A kill between keeping a torn line
        // and rewriting the file may keep it twice, and a kill while the child was writing the
        // recovery file leaves it with the start of the line only: the working file still held
        // the whole line, and the next load kept it whole in a file of its own.
        std::vector<std::string> kept;
        for (const QString& name :
             QDir(folder.Path()).entryList({QStringLiteral("_ult.zelk.recupero*")}, QDir::Files)) {
            kept.push_back(folder.Read(name).toStdString());
        }
        for (const std::string& line : tornLines) {
            EXPECT_NE(std::find(kept.begin(), kept.end(), line), kept.end()) << line;
        }
        for (const std::string& line : kept) {
            EXPECT_TRUE(std::any_of(
                tornLines.begin(), tornLines.end(),
                [&line](const std::string& tornLine) { return tornLine.starts_with(line); }))
                << "a recovery file holds \"" << line << "\"";
        }
        // Checked: the next round's recovery files are its own.
        for (const QString& name :
             QDir(folder.Path()).entryList({QStringLiteral("_ult.zelk.recupero*")}, QDir::Files)) {
            QFile::remove(folder.File(name));
        }
        rowsChecked += loaded.size();
        if (::testing::Test::HasFailure()) {
            break;
        }
    }
    EXPECT_GT(rowsChecked, 0u);
    RecordProperty("Kills", kills);
    RecordProperty("RowsChecked", static_cast<int>(rowsChecked));
}

}  // namespace
}  // namespace zelkor
