// Every command that writes, run with each of its file calls failing in turn: the files on disk
// are the old ones byte for byte or the complete new ones, the log in memory keeps its rows, the
// user reads the reason in Italian, and once the disk is healthy again "Salva come..." writes
// every row that is on screen. The settings file is written through the same calls and walked the
// same way.

#include "core/commands/AppContext.h"
#include "core/commands/ExportCommands.h"
#include "core/commands/HistoryCommands.h"
#include "core/commands/LogCommands.h"
#include "core/commands/LogEditing.h"
#include "core/commands/ProvinceImport.h"
#include "core/history/CallHistoryFile.h"
#include "core/log/LogFile.h"
#include "core/log/LogList.h"
#include "core/log/WorkingFile.h"
#include "core/platform/FileCalls.h"
#include "core/platform/FileIO.h"
#include "core/presenters/EntryRow.h"
#include "core/presenters/ProvinceList.h"
#include "core/provinces/ProvinceFile.h"
#include "core/settings/IniFormat.h"
#include "core/settings/RadioSettings.h"
#include "core/settings/SettingKeys.h"
#include "core/worked/ProvinceWorkedTable.h"
#include "core/worked/WorkedTables.h"
#include "support/DocumentFixture.h"
#include "support/FaultWalk.h"
#include "support/FixedClock.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace zelkor {
namespace {

using test::FaultKind;
using test::FaultPersistence;
using test::FaultyFileCalls;
using test::FileCall;
using Rows = std::vector<std::vector<std::string>>;

const QByteArray kHeaderLines =
    "I2ABC\r\nMI\r\nMilano\r\nSOP\r\n\r\nMario\r\nVia Roma 1\r\n20100 Milano\r\n\r\n\r\n\r\n";
const QByteArray kQsoLog = "zelk100;qso\r\n" + kHeaderLines +
                           "05.02.2006^1432^7^SSB^I1XYZ^59^MI^59^RM^\r\n"
                           "05.02.2006^1433^3,5^CW^IK0AAA^599^MI^599^TO^\r\n"
                           "05.02.2006^1440^7^CW^IW3ZZZ^599^MI^599^MI^\r\n";
const QByteArray kOtherLog =
    "zelk100;qso\r\n" + kHeaderLines + "06.02.2006^0800^7^RTTY^I5QQQ^599^MI^599^FI^\r\n";
const QByteArray kSwlLog =
    "zelk100;hrd\r\nI0-1234\r\nRM\r\nLAZ\r\nSWL\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
    "14.02.2026^1400^3,5^CW^IK0CCC^599^RM^IK0DDD^\r\n";
const QByteArray kUserFileBefore = "a file the user had before\r\n";

// A started program in temporary folders: the working file loaded, the entry row started, every
// command at hand. Each fault gets a fresh one.
struct Program {
    explicit Program(const QByteArray& working) : commands(context, document, prompter)
    {
        context.programFolder = folder.Path();
        context.summary.callsign = "I2ABC";
        context.summary.province = "MI";
        for (const auto& [code, name] : {std::pair{"RM", "ROMA"}, std::pair{"TO", "TORINO"},
                                         std::pair{"MI", "MILANO"}, std::pair{"FI", "FIRENZE"}}) {
            context.provinces.SetName(ProvinceIndexOf(code), name);
        }
        folder.Write(QStringLiteral("_prov.cod"), ProvinceFileBytes(context.provinces));
        clock.now = QDateTime(QDate(2026, 2, 14), QTime(15, 30), QTimeZone(3600));
        log.BuildStartColumns();
        folder.Write(QStringLiteral("_ult.zelk"), working);
        loaded = commands.LoadWorkingFile();
        if (log.IsSwl()) {
            context.settings.currentBand = "3,5";
            context.settings.currentMode = "CW";
        }
        row.ApplyCategoryPresets();
        row.Start();
        prompter.boxes.clear();
    }

    QString WorkingPath() const { return folder.File(QStringLiteral("_ult.zelk")); }
    QString ProvincePath() const { return folder.File(QStringLiteral("_prov.cod")); }
    QString HistoryPath() const { return folder.File(QStringLiteral("_storico.cod")); }
    QString UserFile(const char* name) const { return logs.File(QLatin1String(name)); }
    QString SettingsPath() const { return config.File(QStringLiteral("zelkor.conf")); }

    test::TempFolder folder{test::MemoryBackedFolder()};
    test::TempFolder config{test::MemoryBackedFolder()};
    test::TempFolder logs{test::MemoryBackedFolder()};
    AppContext context{test::ContextWithStore(config)};
    LogDocument document{context.store.get(), folder.File(QStringLiteral("_ult.zelk"))};
    LogList& log = document.Log();
    WorkedTables& tables = document.Tables();
    WorkingFile& workingFile = document.File();
    test::ScriptedPrompter prompter;
    test::FixedClock clock;
    LogCommands commands;
    EntryRow row{context, document, prompter, clock};
    bool loaded = false;
};

Rows RowsOf(const LogList& log)
{
    Rows rows;
    for (int row = 0; row < log.RowCount(); ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < log.ColumnCount(); ++column) {
            cells.emplace_back(log.Cell(row, column));
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

// A file the command may change: its bytes before and once the command has succeeded.
struct Watched {
    QString path;
    QByteArray before;
    QByteArray after;
};

// What a command leaves when nothing fails, and what it may leave when something does.
struct Ends {
    std::vector<Watched> files;
    Rows rowsAfter;
    // The rows in memory after a reported failure: the old ones, or (for a command that changes
    // the log before it writes) the new ones.
    std::vector<Rows> rowsOnFailure;
    // Run once the fault has healed, after "Salva come...": for files other than the log.
    std::function<void(Program&, const std::string& where)> healed = nullptr;
};

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Bytes as one readable line for a failure message.
std::string Shown(QByteArray bytes)
{
    return bytes.replace("\r", "\\r").replace("\n", "\\n").toStdString();
}

bool ShowedAnError(const test::ScriptedPrompter& prompter)
{
    for (const MessageBox& box : prompter.boxes) {
        if (box.icon == MessageIcon::Stop) {
            return true;
        }
    }
    return false;
}

// Hidden temporary files may stay only when the disk refused even their removal.
void ExpectNoLeftovers(const Program& program, const FaultKind& kind, const FaultyFileCalls& calls,
                       const std::string& where)
{
    if (kind.persistence == FaultPersistence::FromThenOn ||
        calls.FailedCall() == FileCall::Unlink) {
        return;
    }
    for (const QString& folder :
         {program.folder.Path(), program.logs.Path(), program.config.Path()}) {
        for (const auto& [name, bytes] : test::FolderFiles(folder)) {
            EXPECT_FALSE(name.startsWith(QLatin1Char('.'))) << where << ": " << name.toStdString();
        }
    }
}

// After the fault has healed, "Salva come..." on a new name writes every row on screen, and the
// working file holds them too.
void ExpectSaveAsWritesEverything(Program& program, const std::string& where)
{
    program.prompter.boxes.clear();
    program.prompter.files = {program.UserFile("dopo.zelk")};
    ASSERT_EQ(program.commands.SaveAs(), CommandOutcome::Done) << where;
    const QByteArray everything = LogFileBytes(program.log, program.context.summary);
    EXPECT_EQ(Shown(ReadFile(program.UserFile("dopo.zelk"))), Shown(everything)) << where;
    EXPECT_EQ(Shown(ReadFile(program.WorkingPath())), Shown(everything)) << where;
}

// Counts the command's file calls, then runs it on a fresh program once for every fault at
// every call. prepare() sets up the program and names the files the command may change; the
// command returns whether it reported success.
void WalkCommand(const QByteArray& working, const std::function<Ends(Program&)>& prepare,
                 const std::function<void(Program&)>& command,
                 const std::function<bool(Program&)>& done)
{
    int count = 0;
    {
        Program program(working);
        ASSERT_TRUE(program.loaded);
        const Ends ends = prepare(program);
        count = test::CountFileCalls([&] { command(program); });
        ASSERT_TRUE(done(program));
        ASSERT_FALSE(ShowedAnError(program.prompter));
        for (const Watched& file : ends.files) {
            ASSERT_EQ(ReadFile(file.path), file.after) << file.path.toStdString();
        }
        ASSERT_EQ(RowsOf(program.log), ends.rowsAfter);
    }
    ASSERT_GT(count, 0);
    test::ForEveryFault(count, [&](const FaultKind& kind, int number) {
        Program program(working);
        ASSERT_TRUE(program.loaded);
        const Ends ends = prepare(program);
        FaultyFileCalls calls(test::PlanFor(kind, number));
        {
            const ScopedFileCalls scoped(calls);
            command(program);
        }
        const std::string where = test::DescribeFault(kind, number, calls);
        const bool succeeded = done(program);
        const bool told = ShowedAnError(program.prompter);
        bool allNew = true;
        for (const Watched& file : ends.files) {
            const QByteArray now = ReadFile(file.path);
            EXPECT_TRUE(now == file.before || now == file.after)
                << where << ": " << file.path.toStdString() << " holds a mix:\n"
                << Shown(now);
            allNew = allNew && now == file.after;
        }
        if (succeeded && !told) {
            EXPECT_TRUE(allNew) << where << ": success reported, but a file is not the new one";
            EXPECT_EQ(RowsOf(program.log), ends.rowsAfter) << where;
        } else {
            // Whatever went wrong, the user has read why.
            ASSERT_TRUE(told) << where << ": a failure nobody was told about";
            for (const MessageBox& box : program.prompter.boxes) {
                if (box.icon == MessageIcon::Stop) {
                    EXPECT_TRUE(test::NamesTheReason(box.text, kind.error))
                        << where << ": " << box.text.toStdString();
                }
            }
            const Rows rows = RowsOf(program.log);
            bool known = rows == ends.rowsAfter;
            for (const Rows& allowed : ends.rowsOnFailure) {
                known = known || rows == allowed;
            }
            EXPECT_TRUE(known) << where << ": the log in memory lost or changed rows";
        }
        ExpectNoLeftovers(program, kind, calls, where);
        ExpectSaveAsWritesEverything(program, where);
        if (ends.healed) {
            ends.healed(program, where);
        }
    });
}

// The rows of a log file as the program shows them.
Rows RowsOfLog(const QByteArray& bytes)
{
    Program program(bytes);
    return RowsOf(program.log);
}

TEST(CommandFaultTest, New)
{
    WalkCommand(
        kQsoLog,
        [](Program& p) {
            return Ends{{{p.WorkingPath(), kQsoLog, "zelk100;qso\r\n" + kHeaderLines}},
                        {},
                        {RowsOf(p.log)}};
        },
        [](Program& p) { p.commands.New(); }, [](Program& p) { return p.log.RowCount() == 0; });
}

TEST(CommandFaultTest, NewWhoseOldFileCouldNotBePutBackStillSavesEveryRow)
{
    // The disk fails from the flush of the folder on: the header-only file stays in place of the
    // old one although New failed, and the rows are on screen only.
    int folderOpen = 0;
    {
        Program dry(kQsoLog);
        FaultyFileCalls counting;
        const ScopedFileCalls scoped(counting);
        ASSERT_EQ(dry.commands.New(), CommandOutcome::Done);
        // The folder is opened after the rename.
        const std::vector<FileCall>& made = counting.Calls();
        const auto rename = std::find(made.begin(), made.end(), FileCall::Rename);
        folderOpen =
            static_cast<int>(std::find(rename, made.end(), FileCall::Open) - made.begin()) + 1;
        ASSERT_LE(folderOpen, static_cast<int>(made.size()));
    }
    Program p(kQsoLog);
    const Rows rows = RowsOf(p.log);
    FaultyFileCalls calls(
        {FileCall::Any, folderOpen, EIO, test::Fault::Error, FaultPersistence::FromThenOn});
    {
        const ScopedFileCalls scoped(calls);
        EXPECT_EQ(p.commands.New(), CommandOutcome::Failed);
    }
    EXPECT_EQ(ReadFile(p.WorkingPath()), "zelk100;qso\r\n" + kHeaderLines);
    EXPECT_EQ(RowsOf(p.log), rows);
    ExpectSaveAsWritesEverything(p, "after the failed New");
}

TEST(CommandFaultTest, Open)
{
    const Rows otherRows = RowsOfLog(kOtherLog);
    WalkCommand(
        kQsoLog,
        [&](Program& p) {
            p.logs.Write(QStringLiteral("altro.zelk"), kOtherLog);
            p.prompter.files = {p.UserFile("altro.zelk")};
            return Ends{{{p.WorkingPath(), kQsoLog, kOtherLog},
                         {p.UserFile("altro.zelk"), kOtherLog, kOtherLog}},
                        otherRows,
                        {RowsOf(p.log)}};
        },
        [](Program& p) { p.commands.Open(); },
        [](Program& p) { return p.document.OpenName() == QStringLiteral("altro.zelk"); });
}

TEST(CommandFaultTest, SaveOverTheOpenLog)
{
    WalkCommand(
        kQsoLog,
        [](Program& p) {
            p.logs.Write(QStringLiteral("gara.zelk"), kUserFileBefore);
            (void)p.document.SetOpenLog(p.UserFile("gara.zelk"));
            (void)p.document.MarkModified();
            return Ends{{{p.WorkingPath(), kQsoLog, kQsoLog},
                         {p.UserFile("gara.zelk"), kUserFileBefore, kQsoLog}},
                        RowsOf(p.log),
                        {}};
        },
        [](Program& p) { p.commands.Save(); }, [](Program& p) { return !p.document.IsModified(); });
}

TEST(CommandFaultTest, SaveAsOverAnExistingFile)
{
    WalkCommand(
        kQsoLog,
        [](Program& p) {
            p.logs.Write(QStringLiteral("gara.zelk"), kUserFileBefore);
            p.prompter.files = {p.UserFile("gara.zelk")};
            return Ends{{{p.WorkingPath(), kQsoLog, kQsoLog},
                         {p.UserFile("gara.zelk"), kUserFileBefore, kQsoLog}},
                        RowsOf(p.log),
                        {}};
        },
        [](Program& p) { p.commands.SaveAs(); },
        [](Program& p) { return !p.document.OpenPath().isEmpty(); });
}

TEST(CommandFaultTest, SaveAsUnderANewName)
{
    // Nothing was there: afterwards nothing is, or the whole log.
    WalkCommand(
        kQsoLog,
        [](Program& p) {
            p.prompter.files = {p.UserFile("nuovo.zelk")};
            return Ends{{{p.WorkingPath(), kQsoLog, kQsoLog},
                         {p.UserFile("nuovo.zelk"), "<missing>", kQsoLog}},
                        RowsOf(p.log),
                        {}};
        },
        [](Program& p) { p.commands.SaveAs(); },
        [](Program& p) { return !p.document.OpenPath().isEmpty(); });
}

TEST(CommandFaultTest, QsoAppendedFromTheEntryRow)
{
    Rows after;
    {
        Program p(kQsoLog);
        p.log.AppendLogRow({"14.02.2026", "1430", "7", "SSB", "IK0NEW", "59", "59", "RM", "Roma"});
        after = RowsOf(p.log);
    }
    WalkCommand(
        kQsoLog,
        [&](Program& p) {
            return Ends{{{p.WorkingPath(), kQsoLog,
                          kQsoLog + "14.02.2026^1430^7^SSB^IK0NEW^59^MI^59^RM^\r\n"}},
                        after,
                        {}};
        },
        [](Program& p) {
            p.row.SetFieldText(EntryField::Callsign, "IK0NEW");
            p.row.OnEntryEnter();
            p.row.SetFieldText(EntryField::ProvinceCode, "RM");
            p.row.OnEntryEnter();
        },
        [](Program& p) { return p.log.RowCount() == 4; });
}

TEST(CommandFaultTest, BothRowsOfAHeardExchange)
{
    Rows after;
    {
        Program p(kSwlLog);
        p.log.AppendLogRow({"14.02.2026", "1430", "3,5", "CW", "IK0AAA", "579", "RM", "IK0BBB"});
        p.log.AppendLogRow({"14.02.2026", "1430", "3,5", "CW", "IK0BBB", "599", "MI", "IK0AAA"});
        after = RowsOf(p.log);
    }
    WalkCommand(
        kSwlLog,
        [&](Program& p) {
            return Ends{{{p.WorkingPath(), kSwlLog,
                          kSwlLog + "14.02.2026^1430^3,5^CW^IK0AAA^579^RM^IK0BBB^\r\n"
                                    "14.02.2026^1430^3,5^CW^IK0BBB^599^MI^IK0AAA^\r\n"}},
                        after,
                        {}};
        },
        [](Program& p) {
            p.row.SetFieldText(EntryField::Callsign, "IK0AAA");
            p.row.OnEntryEnter();
            p.row.SetFieldText(EntryField::ProvinceCode, "RM");
            p.row.SetFieldText(EntryField::ReportSent, "579");
            p.row.SetFieldText(EntryField::ReportReceived, "599");
            p.row.OnFocusMoved(EntryField::ProvinceCode);
            p.row.OnEntryEnter();
            p.row.SetFieldText(EntryField::AnsweringCallsign, "IK0BBB");
            p.row.OnEntryEnter();
            p.row.SetFieldText(EntryField::AnsweringProvinceCode, "MI");
            p.row.OnEntryEnter();
        },
        [](Program& p) { return p.log.RowCount() == 3; });
}

// Plays "Modifica": the first selected row gets a new callsign and province.
class RenamingEditor : public RowEditor {
public:
    std::optional<QsoRowEdit> EditQsoRow(const QsoRowEdit& row) override
    {
        QsoRowEdit edited = row;
        edited.values.callsign = "IZ5NEW";
        edited.values.provinceCode = "FI";
        return edited;
    }
    std::optional<HrdRowEdit> EditHrdRow(const HrdRowEdit& /*row*/) override { return {}; }
};

TEST(CommandFaultTest, ModifiedRow)
{
    QByteArray modified = kQsoLog;
    modified.replace("IK0AAA^599^MI^599^TO", "IZ5NEW^599^MI^599^FI");
    const Rows after = RowsOfLog(modified);
    WalkCommand(
        kQsoLog,
        [&](Program& p) {
            p.log.SetSelectedRows({1});
            return Ends{{{p.WorkingPath(), kQsoLog, modified}}, after, {}};
        },
        [](Program& p) {
            RenamingEditor editor;
            ModifySelectedRows(p.context, p.document, p.prompter, editor);
        },
        [](Program& p) { return p.log.Cell(1, QsoColumn::Callsign) == "IZ5NEW"; });
}

TEST(CommandFaultTest, DeletedRows)
{
    QByteArray remaining = kQsoLog;
    remaining.replace("05.02.2006^1432^7^SSB^I1XYZ^59^MI^59^RM^\r\n", "");
    remaining.replace("05.02.2006^1440^7^CW^IW3ZZZ^599^MI^599^MI^\r\n", "");
    const Rows after = RowsOfLog(remaining);
    WalkCommand(
        kQsoLog,
        [&](Program& p) {
            p.log.SetSelectedRows({0, 2});
            p.prompter.answers = {Answer::Yes};
            // Deleted rows stay deleted (and renumbered) when the rewrite fails.
            return Ends{{{p.WorkingPath(), kQsoLog, remaining}}, after, {}};
        },
        [](Program& p) { DeleteSelectedRows(p.context, p.document, p.prompter); },
        [](Program& p) { return p.log.RowCount() == 1; });
}

TEST(CommandFaultTest, SortedThenSaved)
{
    // Sorting changes no file by itself; Save and Save As first rewrite the working file in the
    // new order, then copy it.
    const QByteArray unsorted = "zelk100;qso\r\n" + kHeaderLines +
                                "05.02.2006^1500^7^SSB^I1XYZ^59^MI^59^RM^\r\n"
                                "05.02.2006^1433^3,5^CW^IK0AAA^599^MI^599^TO^\r\n";
    const QByteArray sorted = "zelk100;qso\r\n" + kHeaderLines +
                              "05.02.2006^1433^3,5^CW^IK0AAA^599^MI^599^TO^\r\n"
                              "05.02.2006^1500^7^SSB^I1XYZ^59^MI^59^RM^\r\n";
    for (const bool saveAs : {false, true}) {
        SCOPED_TRACE(saveAs ? "Save As" : "Save");
        WalkCommand(
            unsorted,
            [&](Program& p) {
                SortByDateTime(p.log);
                p.logs.Write(QStringLiteral("gara.zelk"), kUserFileBefore);
                if (saveAs) {
                    p.prompter.files = {p.UserFile("gara.zelk")};
                } else {
                    (void)p.document.SetOpenLog(p.UserFile("gara.zelk"));
                }
                (void)p.document.MarkModified();
                return Ends{{{p.WorkingPath(), unsorted, sorted},
                             {p.UserFile("gara.zelk"), kUserFileBefore, sorted}},
                            RowsOf(p.log),
                            {}};
            },
            [&](Program& p) { saveAs ? p.commands.SaveAs() : p.commands.Save(); },
            [](Program& p) { return !p.document.IsModified(); });
    }
}

TEST(CommandFaultTest, SummaryDataSaved)
{
    SummaryData changed;
    changed.callsign = "I2ABC";
    changed.province = "MI";
    changed.section = "Milano";
    changed.category = "SOP";
    changed.name = "Maria";
    const QByteArray header =
        "zelk100;qso\r\nI2ABC\r\nMI\r\nMilano\r\nSOP\r\n\r\nMaria\r\n\r\n\r\n\r\n"
        "\r\n\r\n";
    WalkCommand(
        kQsoLog,
        [&](Program& p) {
            return Ends{{{p.WorkingPath(), kQsoLog, header + kQsoLog.mid(kQsoLog.indexOf("05."))}},
                        RowsOf(p.log),
                        {}};
        },
        [&](Program& p) { p.commands.ApplySummaryData(changed); },
        [](Program& p) { return p.context.summary.name == "Maria"; });
}

TEST(CommandFaultTest, LayoutSwitchedBySummaryData)
{
    SummaryData swl;
    swl.callsign = "I2ABC";
    swl.province = "MI";
    swl.category = "SWL";
    const QByteArray header =
        "zelk100;hrd\r\nI2ABC\r\nMI\r\n\r\nSWL\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
    WalkCommand(
        kQsoLog,
        [&](Program& p) {
            return Ends{{{p.WorkingPath(), kQsoLog, header}}, {}, {}};
        },
        [&](Program& p) { p.commands.ApplySummaryData(swl, true); },
        [](Program& p) { return p.log.IsSwl(); });
}

std::function<void(Program&, const std::string&)> SavingTheTableWritesIt(const ProvinceTable& table)
{
    return [table](Program& p, const std::string& where) {
        EXPECT_EQ(ProvinceFileBytes(p.context.provinces), ProvinceFileBytes(table)) << where;
        EXPECT_TRUE(SaveProvinceFile(p.ProvincePath(), p.context.provinces)) << where;
        EXPECT_EQ(ReadFile(p.ProvincePath()), ProvinceFileBytes(table)) << where;
    };
}

TEST(CommandFaultTest, ProvinceListSaved)
{
    WalkCommand(
        kQsoLog,
        [](Program& p) {
            const QByteArray before = ProvinceFileBytes(p.context.provinces);
            // What "Salva" makes of the table (the window capitalises every name).
            ProvinceTable changed = p.context.provinces;
            const ProvinceWorkedTable worked;
            ProvinceList list(changed, worked);
            list.AppendRow({"NA", "NAPOLI"});
            test::ScriptedPrompter quiet;
            EXPECT_TRUE(list.Save(quiet));
            return Ends{{{p.ProvincePath(), before, ProvinceFileBytes(changed)}},
                        RowsOf(p.log),
                        {},
                        SavingTheTableWritesIt(changed)};
        },
        [](Program& p) {
            const ProvinceWorkedTable worked;
            ProvinceList list(p.context.provinces, worked);
            list.AppendRow({"NA", "NAPOLI"});
            ASSERT_TRUE(list.Save(p.prompter));
            list.WriteProvinceFile(p.ProvincePath(), p.prompter);
        },
        [](Program& p) { return p.prompter.boxes.empty(); });
}

TEST(CommandFaultTest, ProvinceListImported)
{
    WalkCommand(
        kQsoLog,
        [](Program& p) {
            p.logs.Write(QStringLiteral("province.txt"), "Elenco\r\nNA Napoli\r\nBA Bari");
            p.prompter.answers = {Answer::Yes};
            p.prompter.files = {p.UserFile("province.txt")};
            ProvinceTable changed = p.context.provinces;
            changed.SetName(ProvinceIndexOf("NA"), "NAPOLI");
            changed.SetName(ProvinceIndexOf("BA"), "BARI");
            // Only a source that could not be read leaves the table as it was; once read, the
            // table keeps the list even when the file could not be written, so that a later save
            // of the list writes it.
            auto healed = [changed](Program& program, const std::string& where) {
                if (program.context.provinces.ProvinceNameOf("NA") == "NAPOLI") {
                    SavingTheTableWritesIt(changed)(program, where);
                }
            };
            return Ends{{{p.ProvincePath(), ProvinceFileBytes(p.context.provinces),
                          ProvinceFileBytes(changed)}},
                        RowsOf(p.log),
                        {},
                        healed};
        },
        [](Program& p) { ImportProvinceList(p.prompter, p.context.provinces, p.ProvincePath()); },
        [](Program& p) { return p.context.provinces.ProvinceNameOf("NA") == "NAPOLI"; });
}

// The history held before each call-history command, in memory and in "_storico.cod".
CallHistory HistoryBefore()
{
    CallHistory history;
    history.Merge({"IK0AAA", "TO", "20230205"});
    history.Merge({"I1XYZ", "MI", ""});
    return history;
}

void StartWithHistory(Program& p)
{
    p.context.history = HistoryBefore();
    p.folder.Write(QStringLiteral("_storico.cod"), CallHistoryFileBytes(p.context.history));
}

// The history in memory changes only once its file is written: it is the old one, or the one on
// disk. (A file whose replacement could not be undone after a failed folder flush is the new one
// while the history is still the old.) Once the disk is healthy, the next save writes it.
void ExpectHistoryWrittenBeforeItChanges(Program& p, const std::string& where)
{
    const QByteArray memory = CallHistoryFileBytes(p.context.history);
    const QByteArray disk = ReadFile(p.HistoryPath());
    EXPECT_TRUE(memory == CallHistoryFileBytes(HistoryBefore()) || memory == disk) << where;
    EXPECT_TRUE(SaveCallHistory(p.HistoryPath(), p.context.history)) << where;
    EXPECT_EQ(ReadFile(p.HistoryPath()), memory) << where;
}

TEST(CommandFaultTest, CallHistoryImported)
{
    CallHistory after = HistoryBefore();
    after.Merge({"IK0AAA", "RM", "20240204"});
    after.Merge({"I5QQQ", "FI", "20240204"});
    WalkCommand(
        kQsoLog,
        [&after](Program& p) {
            StartWithHistory(p);
            p.logs.Write(QStringLiteral("gara.cbr"),
                         "START-OF-LOG: 3.0\r\n"
                         "QSO: 7000 CW 2024-02-04 0800 I2ABC 599 MI IK0AAA 599 RM\r\n"
                         "QSO: 7000 CW 2024-02-04 0801 I2ABC 599 MI I5QQQ 599 FI\r\n"
                         "END-OF-LOG:\r\n");
            p.prompter.fileLists = {QStringList{p.UserFile("gara.cbr")}};
            return Ends{{{p.HistoryPath(), CallHistoryFileBytes(HistoryBefore()),
                          CallHistoryFileBytes(after)}},
                        RowsOf(p.log),
                        {},
                        ExpectHistoryWrittenBeforeItChanges};
        },
        [](Program& p) { ImportCallHistory(p.context, p.prompter); },
        [](Program& p) { return p.context.history.ProvinceOf("I5QQQ") == "FI"; });
}

TEST(CommandFaultTest, CallHistoryEmptied)
{
    WalkCommand(
        kQsoLog,
        [](Program& p) {
            StartWithHistory(p);
            p.prompter.answers = {Answer::Yes};
            return Ends{{{p.HistoryPath(), CallHistoryFileBytes(HistoryBefore()), QByteArray()}},
                        RowsOf(p.log),
                        {},
                        ExpectHistoryWrittenBeforeItChanges};
        },
        [](Program& p) { ClearCallHistory(p.context, p.prompter); },
        [](Program& p) { return p.context.history.IsEmpty(); });
}

TEST(CommandFaultTest, CallHistoryExported)
{
    auto outcome = std::make_shared<HistoryOutcome>();
    WalkCommand(
        kQsoLog,
        [](Program& p) {
            StartWithHistory(p);
            p.logs.Write(QStringLiteral("storico.txt"), kUserFileBefore);
            p.prompter.files = {p.UserFile("storico.txt")};
            return Ends{{{p.UserFile("storico.txt"), kUserFileBefore,
                          "!!Order!!,Call,Exch1\r\nI1XYZ,MI\r\nIK0AAA,TO\r\n"},
                         {p.HistoryPath(), CallHistoryFileBytes(HistoryBefore()),
                          CallHistoryFileBytes(HistoryBefore())}},
                        RowsOf(p.log),
                        {},
                        ExpectHistoryWrittenBeforeItChanges};
        },
        [&](Program& p) { *outcome = ExportCallHistory(p.context, p.prompter); },
        [&](Program&) { return *outcome == HistoryOutcome::Done; });
}

struct ExportCase {
    const char* name;
    std::function<CommandOutcome(Program&)> run;
};

TEST(CommandFaultTest, EveryExport)
{
    const ExportCase cases[] = {
        {"Cabrillo", [](Program& p) { return ExportCabrillo(p.context, p.log, p.prompter); }},
        {"ADIF", [](Program& p) { return ExportAdif(p.context, p.log, p.prompter); }},
        {"Vantlog", [](Program& p) { return ExportVantlogText(p.context, p.log, p.prompter); }},
    };
    for (const ExportCase& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray complete;
        {
            Program p(kQsoLog);
            p.prompter.answers = {Answer::Yes};
            p.prompter.files = {p.UserFile("uscita")};
            ASSERT_EQ(c.run(p), CommandOutcome::Done);
            complete = ReadFile(p.UserFile("uscita"));
        }
        auto outcome = std::make_shared<CommandOutcome>();
        WalkCommand(
            kQsoLog,
            [&](Program& p) {
                p.logs.Write(QStringLiteral("uscita"), kUserFileBefore);
                p.prompter.answers = {Answer::Yes};
                p.prompter.files = {p.UserFile("uscita")};
                return Ends{{{p.UserFile("uscita"), kUserFileBefore, complete},
                             {p.WorkingPath(), kQsoLog, kQsoLog}},
                            RowsOf(p.log),
                            {}};
            },
            [&](Program& p) { *outcome = c.run(p); },
            [&](Program&) { return *outcome == CommandOutcome::Done; });
    }
}

// A settings file as QSettings writes it, with the values a started program has stored.
const QByteArray kSettingsBefore =
    "[Dati%20riassuntivi]\nNominativo=I2ABC\nProvincia=MI\n\n"
    "[Parametri]\nBanda=7\nModificato=0\nModo=SSB\nPunteggio=0\n";

using SettingValues = std::vector<std::pair<SettingKey, QString>>;

struct SettingsCase {
    const char* name;
    // Runs the settings write of a command and says whether the store was written.
    std::function<bool(Program&)> write;
    // What the file holds afterwards besides what it held before.
    std::function<SettingValues(const Program&)> values;
    // Run before the walk: what the command finds in the store.
    std::function<void(Program&)> setUp = nullptr;
    // The first write of all: not even the settings folder is there.
    bool firstWrite = false;
};

QString KeyPath(const SettingKey& key)
{
    return QString::fromUtf8(key.section) + u'/' + QString::fromUtf8(key.name);
}

// "Salva come..." after the fault rewrites these itself.
bool SaveAsChanges(const SettingKey& key)
{
    const QString path = KeyPath(key);
    return path == KeyPath(keys::kOpenLogPath) || path == KeyPath(keys::kOpenLogName) ||
           path == KeyPath(keys::kModified) || path == KeyPath(keys::kOpenLogWorkingFile) ||
           path.startsWith(QLatin1String(keys::kRecentFileList));
}

// The settings file is the old one or holds every new value, the write said so, and the operator
// was told why it failed; a change that could not be written goes with the next settings write.
void WalkSettingsWrite(const SettingsCase& c)
{
    SCOPED_TRACE(c.name);
    auto written = std::make_shared<bool>(false);
    WalkCommand(
        kQsoLog,
        [&c](Program& p) {
            if (c.firstWrite) {
                EXPECT_TRUE(QDir(p.config.Path()).removeRecursively());
            } else {
                p.config.Write(QStringLiteral("zelkor.conf"), kSettingsBefore);
            }
            if (c.setUp) {
                c.setUp(p);
            }
            const QByteArray before = ReadFile(p.SettingsPath());
            IniSettings after = IniSettings::Parse(c.firstWrite ? QByteArray() : before);
            const SettingValues values = c.values(p);
            for (const auto& [key, value] : values) {
                after.SetWritten(KeyPath(key), IniValueText(value));
            }
            auto healed = [values](Program& program, const std::string& where) {
                EXPECT_FALSE(program.context.store->HasUnwrittenChanges()) << where;
                const auto stored = SettingsStore::OpenFile(program.SettingsPath());
                for (const auto& [key, value] : values) {
                    if (!SaveAsChanges(key)) {
                        EXPECT_EQ(stored->ReadSetting(key, QStringLiteral("?")), value)
                            << where << ": " << key.name;
                    }
                }
            };
            return Ends{{{p.SettingsPath(), before, after.Bytes()}}, RowsOf(p.log), {}, healed};
        },
        [&c, written](Program& p) {
            *written = c.write(p);
            p.context.ReportSettingsWrite(*written, p.prompter);
        },
        [written](Program&) { return *written; });
}

TEST(CommandFaultTest, SettingsWrites)
{
    SummaryData summary;
    summary.callsign = "IK2XYZ";
    summary.province = "MI";
    summary.section = "Milano";
    summary.category = "SOP";
    summary.name = "Citt\xE0, \"Sud\"";
    summary.operators = "IK2XYZ I2ABC";
    summary.address1 = "Via Roma 1";
    summary.address2 = "20100 Milano";
    summary.comment1 = " primo ";
    const SettingValues summaryValues = {
        {keys::kCallsign, QStringLiteral("IK2XYZ")},
        {keys::kProvince, QStringLiteral("MI")},
        {keys::kSection, QStringLiteral("Milano")},
        {keys::kName, QStringLiteral(u"Città, \"Sud\"")},
        {keys::kOperators, QStringLiteral("IK2XYZ I2ABC")},
        {keys::kCategory, QStringLiteral("SOP")},
        {keys::kAddress1, QStringLiteral("Via Roma 1")},
        {keys::kAddress2, QStringLiteral("20100 Milano")},
        {keys::kAddress3, QString()},
        {keys::kComment1, QStringLiteral(" primo ")},
        {keys::kComment2, QString()},
    };
    const SettingsCase cases[] = {
        {"the modified flag", [](Program& p) { return p.document.MarkModified(); },
         [](const Program&) {
             return SettingValues{{keys::kModified, QStringLiteral("1")}};
         }},
        {"the open log, its name and flag in one write",
         [](Program& p) { return p.document.SetOpenLog(p.UserFile("gara.zelk")); },
         [](const Program& p) {
             return SettingValues{{keys::kOpenLogPath, p.UserFile("gara.zelk")},
                                  {keys::kOpenLogName, QStringLiteral("gara.zelk")},
                                  {keys::kModified, QStringLiteral("0")},
                                  {keys::kOpenLogWorkingFile, p.document.File().Path()}};
         },
         [](Program& p) { EXPECT_TRUE(p.document.MarkModified()); }},
        {"the summary data in one write",
         [&summary](Program& p) { return WriteSummaryData(*p.context.store, summary); },
         [&summaryValues](const Program&) { return summaryValues; }},
        {"the claimed score",
         [](Program& p) { return p.context.settings.SetClaimedScore(p.context.store.get(), 4321); },
         [](const Program&) {
             return SettingValues{{keys::kScore, QStringLiteral("4321")}};
         }},
        {"the recent files",
         [](Program& p) {
             p.context.recentFiles.Add(QStringLiteral("/logs/a.zelk"));
             p.context.recentFiles.Add(QStringLiteral("/logs/b, c.zelk"));
             return p.context.recentFiles.Save(*p.context.store);
         },
         [](const Program&) {
             return SettingValues{
                 {{keys::kRecentFileList, "File1"}, QStringLiteral("/logs/b, c.zelk")},
                 {{keys::kRecentFileList, "File2"}, QStringLiteral("/logs/a.zelk")}};
         }},
        {"the radio link",
         [](Program& p) {
             return WriteRadioSettings(*p.context.store,
                                       {true, 1035, QStringLiteral("/dev/ttyUSB0"), 9600});
         },
         [](const Program&) {
             return SettingValues{{keys::kRadioFollow, QStringLiteral("1")},
                                  {keys::kRadioModel, QStringLiteral("1035")},
                                  {keys::kRadioPort, QStringLiteral("/dev/ttyUSB0")},
                                  {keys::kRadioSpeed, QStringLiteral("9600")}};
         }},
        {"the first write, which makes the settings folder",
         [](Program& p) { return p.context.settings.SetClaimedScore(p.context.store.get(), 7); },
         [](const Program&) {
             return SettingValues{{keys::kScore, QStringLiteral("7")}};
         },
         nullptr, true},
    };
    for (const SettingsCase& c : cases) {
        WalkSettingsWrite(c);
    }
}

}  // namespace
}  // namespace zelkor
