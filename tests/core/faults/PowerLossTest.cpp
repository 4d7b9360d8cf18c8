// The power goes at every file call of a contest's work in turn: appends, a modified and a
// deleted row (whole rewrites), "Salva come...", and "Salva" after a sort (a whole rewrite in the
// new order, then the copy). Whatever the disk kept of the
// writes that were never flushed, and of the name changes whose folder was never flushed, the
// working file loads at the restart (at most with its torn last line set aside), holds every
// contact that had been acknowledged, and a saved log is one of the versions saved, whole.

#include "core/commands/AppContext.h"
#include "core/commands/LogCommands.h"
#include "core/commands/LogEditing.h"
#include "core/log/LogColumns.h"
#include "core/log/LogFile.h"
#include "core/log/LogList.h"
#include "core/log/WorkingFile.h"
#include "core/platform/FileCalls.h"
#include "core/worked/WorkedTables.h"
#include "crash/CrashRows.h"
#include "support/DocumentFixture.h"
#include "support/PowerCutFileCalls.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace zelkor {
namespace {

using test::UnsyncedWrites;

constexpr int kSeed = 1;
const char* const kModifiedTime = "2359";

std::string Key(int number)
{
    return crash::RowKey(kSeed, number);
}

// A program at work in memory-backed folders: the working file, a log and the file commands.
struct Program {
    Program() : commands(context, document, prompter)
    {
        context.programFolder = folder.Path();
        context.summary.callsign = "I2ABC";
        context.summary.province = "MI";
        log.BuildStartColumns();
    }

    test::TempFolder folder{test::MemoryBackedFolder()};
    test::TempFolder logs{test::MemoryBackedFolder()};
    test::TempFolder config{test::MemoryBackedFolder()};
    AppContext context{test::ContextWithStore(config)};
    LogDocument document{context.store.get(), folder.File(QStringLiteral("_ult.zelk"))};
    LogList& log = document.Log();
    WorkedTables& tables = document.Tables();
    WorkingFile& workingFile = document.File();
    test::ScriptedPrompter prompter;
    LogCommands commands;
};

int RowOf(const LogList& log, const std::string& key)
{
    for (int row = 0; row < log.RowCount(); ++row) {
        if (log.Cell(row, QsoColumn::Callsign) == key) {
            return row;
        }
    }
    return -1;
}

// What the operator has been shown so far.
struct Acknowledged {
    std::set<std::string> rows;
    std::set<std::string> deleted;
    std::set<std::string> modified;
    // Every version a save started to write, and the last one it finished.
    std::vector<QByteArray> savedVersions;
    int lastSaved = -1;
};

struct Step {
    const char* name;
    std::function<void(Program&, Acknowledged&)> run;
};

void Append(Program& p, Acknowledged& ack, int number)
{
    p.log.AppendLogRow(crash::RowCells(Key(number)));
    // As the entry row does: an append that fails falls back to a rewrite.
    if (!p.workingFile.AppendToWorkingFile(
            RowLine(p.log, p.log.RowCount() - 1, p.context.summary))) {
        ASSERT_TRUE(p.workingFile.WriteWorkingFile(p.log, p.context.summary).ok());
    }
    ack.rows.insert(Key(number));
}

std::vector<Step> ContestWork()
{
    return {
        {"append", [](Program& p, Acknowledged& a) { Append(p, a, 3); }},
        {"append", [](Program& p, Acknowledged& a) { Append(p, a, 4); }},
        {"modify",
         [](Program& p, Acknowledged& a) {
             p.log.SetCell(RowOf(p.log, Key(1)), QsoColumn::Time, kModifiedTime);
             ASSERT_TRUE(p.workingFile.WriteWorkingFile(p.log, p.context.summary).ok());
             a.modified.insert(Key(1));
         }},
        {"save as",
         [](Program& p, Acknowledged& a) {
             a.savedVersions.push_back(LogFileBytes(p.log, p.context.summary));
             p.prompter.files = {p.logs.File(QStringLiteral("gara.zelk"))};
             ASSERT_EQ(p.commands.SaveAs(), CommandOutcome::Done);
             a.lastSaved = static_cast<int>(a.savedVersions.size()) - 1;
         }},
        {"append", [](Program& p, Acknowledged& a) { Append(p, a, 5); }},
        {"delete",
         [](Program& p, Acknowledged& a) {
             // From here on the row may be gone; once the rewrite returns, it must be.
             a.rows.erase(Key(2));
             p.log.DeleteRow(RowOf(p.log, Key(2)));
             ASSERT_TRUE(p.workingFile.WriteWorkingFile(p.log, p.context.summary).ok());
             a.deleted.insert(Key(2));
         }},
        {"sort",
         [](Program& p, Acknowledged&) {
             // The modified row's late time moves it to the end; the file keeps the old order.
             SortByDateTime(p.log);
             ASSERT_TRUE(p.document.OrderDiffersFromWorkingFile());
         }},
        {"save",
         [](Program& p, Acknowledged& a) {
             a.savedVersions.push_back(LogFileBytes(p.log, p.context.summary));
             ASSERT_EQ(p.commands.Save(), CommandOutcome::Done);
             a.lastSaved = static_cast<int>(a.savedVersions.size()) - 1;
         }},
        {"append", [](Program& p, Acknowledged& a) { Append(p, a, 6); }},
    };
}

// A log of two rows, on disk before the work starts.
void StartProgram(Program& p, Acknowledged& ack)
{
    for (int number = 1; number <= 2; ++number) {
        p.log.AppendLogRow(crash::RowCells(Key(number)));
        ack.rows.insert(Key(number));
    }
    p.folder.Write(QStringLiteral("_ult.zelk"), LogFileBytes(p.log, p.context.summary));
    p.log.DeleteAllRows();
    ASSERT_TRUE(p.commands.LoadWorkingFile());
    ASSERT_EQ(p.log.RowCount(), 2);
}

// Runs the work until the power goes (or to its end); returns the step it went at, if any.
std::optional<std::string> Work(Program& p, Acknowledged& ack)
{
    for (const Step& step : ContestWork()) {
        try {
            step.run(p, ack);
        } catch (const test::PowerCut&) {
            return step.name;
        }
    }
    return std::nullopt;
}

void ExpectTheRestartFindsEverything(const Program& p, const Acknowledged& ack,
                                     const std::string& where)
{
    LogList log;
    log.BuildStartColumns();
    SummaryData summary;
    const ProvinceTable provinces;
    test::ScriptedPrompter prompter;
    WorkingFile workingFile(p.workingFile.Path());
    const LoadReport report = workingFile.LoadWorkingFile(log, summary, provinces);
    prompter.ShowAll(report.messages);
    ASSERT_TRUE(report.loaded) << where;
    // At most the torn last line was set aside, which the user is warned about.
    EXPECT_LE(prompter.boxes.size(), 1u) << where;
    for (const MessageBox& box : prompter.boxes) {
        EXPECT_EQ(box.icon, MessageIcon::Exclamation) << where << box.text.toStdString();
    }
    std::set<std::string> loaded;
    for (int row = 0; row < log.RowCount(); ++row) {
        const std::string key(log.Cell(row, QsoColumn::Callsign));
        std::vector<std::string> cells;
        for (int column = QsoColumn::Date; column <= QsoColumn::ProvinceCode; ++column) {
            cells.emplace_back(log.Cell(row, column));
        }
        std::vector<std::string> modified = crash::RowCells(key);
        if (!modified.empty()) {
            modified[QsoColumn::Time - QsoColumn::Date] = kModifiedTime;
        }
        const bool asModified = cells == modified;
        EXPECT_TRUE(cells == crash::RowCells(key) || (asModified && key == Key(1)))
            << where << ": row " << row << " came through damaged";
        EXPECT_FALSE(ack.modified.count(key) && !asModified)
            << where << ": " << key << " lost its acknowledged change";
        EXPECT_TRUE(loaded.insert(key).second) << where << ": " << key << " loaded twice";
    }
    for (const std::string& key : ack.rows) {
        EXPECT_TRUE(loaded.count(key)) << where << ": " << key << " was acknowledged but is gone";
    }
    for (const std::string& key : ack.deleted) {
        EXPECT_FALSE(loaded.count(key)) << where << ": " << key << " was deleted but came back";
    }

    // The saved log is one of the versions saved, whole; once a save has finished, it is there.
    QFile saved(p.logs.File(QStringLiteral("gara.zelk")));
    if (!saved.exists()) {
        EXPECT_EQ(ack.lastSaved, -1) << where << ": the saved log is gone";
        return;
    }
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    const bool last = ack.lastSaved >= 0 && bytes == ack.savedVersions[ack.lastSaved];
    const bool inFlight = !ack.savedVersions.empty() && bytes == ack.savedVersions.back();
    EXPECT_TRUE(last || inFlight) << where << ": the saved log is not a version saved whole";
}

TEST(PowerLossTest, EveryCrashPointOfAppendRewriteSaveAndSaveAsKeepsWhatWasAcknowledged)
{
    int count = 0;
    {
        Program p;
        Acknowledged ack;
        StartProgram(p, ack);
        test::PowerCutFileCalls calls({p.folder.Path(), p.logs.Path()}, 0, UnsyncedWrites::Dropped,
                                      0);
        {
            const ScopedFileCalls scoped(calls);
            ASSERT_FALSE(Work(p, ack));
        }
        count = calls.CallCount();
    }
    ASSERT_GT(count, 40);
    const UnsyncedWrites kinds[] = {UnsyncedWrites::Dropped, UnsyncedWrites::Torn,
                                    UnsyncedWrites::Reordered};
    int cuts = 0;
    // The last point is a power cut once everything is done.
    for (int cutAt = 1; cutAt <= count + 1; ++cutAt) {
        for (const UnsyncedWrites kind : kinds) {
            for (unsigned seed = 1; seed <= 3; ++seed) {
                Program p;
                Acknowledged ack;
                StartProgram(p, ack);
                test::PowerCutFileCalls calls({p.folder.Path(), p.logs.Path()}, cutAt, kind,
                                              seed * 7919u + static_cast<unsigned>(cutAt));
                std::optional<std::string> step;
                {
                    const ScopedFileCalls scoped(calls);
                    step = Work(p, ack);
                }
                ASSERT_EQ(step.has_value(), cutAt <= count);
                calls.Crash();
                const std::string where = "power cut at call " + std::to_string(cutAt) +
                                          " (during " + step.value_or("nothing") + "), unsynced " +
                                          std::to_string(static_cast<int>(kind)) + ", seed " +
                                          std::to_string(seed);
                ExpectTheRestartFindsEverything(p, ack, where);
                ++cuts;
            }
        }
    }
    RecordProperty("PowerCuts", cuts);
}

}  // namespace
}  // namespace zelkor
