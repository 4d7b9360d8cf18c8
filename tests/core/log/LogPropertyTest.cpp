// Random logs and random sessions against a plain model, with fixed seeds: every value of every
// byte survives a write and a read (the bytes the format can't hold become blanks), and no mix of
// logging, modifying, deleting, sorting, saving and restarting loses or changes a field.

#include "core/commands/AppContext.h"
#include "core/commands/LogCommands.h"
#include "core/commands/LogEditing.h"
#include "core/log/LogColumns.h"
#include "core/log/LogFile.h"
#include "core/log/LogList.h"
#include "core/log/WorkingFile.h"
#include "core/worked/WorkedTables.h"
#include "support/DocumentFixture.h"
#include "support/ScriptedPrompter.h"
#include "support/TempFolder.h"

#include <QBuffer>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace zelkor {
namespace {

using Cells = std::vector<std::string>;  // the eight stored columns of a row, in column order
constexpr int kStoredColumns = 8;
// The reader shortens a time of five or more characters to its first and last two ("14:32").
constexpr std::size_t kLongestKeptTime = 4;

class Random {
public:
    explicit Random(unsigned seed) : m_engine(seed) {}

    int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_engine); }
    bool OneIn(int n) { return Below(n) == 0; }

    // Any of the 256 byte values, or only those the format holds in a value.
    std::string Value(int longest, bool anyByte)
    {
        std::string value(static_cast<std::size_t>(Below(longest + 1)), ' ');
        for (char& c : value) {
            do {
                c = static_cast<char>(Below(256));
            } while (!anyByte && (c == '^' || c == '\r' || c == '\n'));
        }
        return value;
    }

private:
    std::mt19937 m_engine;
};

std::string Blanked(std::string value, std::string_view forbidden)
{
    for (char& c : value) {
        if (forbidden.find(c) != std::string_view::npos) {
            c = ' ';
        }
    }
    return value;
}

Cells RandomRow(Random& random, bool anyByte)
{
    Cells cells;
    for (int column = 1; column <= kStoredColumns; ++column) {
        cells.push_back(random.Value(column == QsoColumn::Time ? kLongestKeptTime : 12, anyByte));
    }
    return cells;
}

Cells StoredCells(const LogList& log, int row)
{
    Cells cells;
    for (int column = 1; column <= kStoredColumns; ++column) {
        cells.emplace_back(log.Cell(row, column));
    }
    return cells;
}

std::vector<Cells> StoredRows(const LogList& log)
{
    std::vector<Cells> rows;
    for (int row = 0; row < log.RowCount(); ++row) {
        rows.push_back(StoredCells(log, row));
    }
    return rows;
}

// A QSO row as the log holds it: the province name follows from the code.
std::vector<std::string> WithProvinceName(Cells cells, bool swl)
{
    if (!swl) {
        cells.push_back(std::string());
    }
    return cells;
}

std::vector<std::string SummaryData::*> SummaryFields()
{
    return {&SummaryData::callsign, &SummaryData::province,  &SummaryData::section,
            &SummaryData::category, &SummaryData::operators, &SummaryData::name,
            &SummaryData::address1, &SummaryData::address2,  &SummaryData::address3,
            &SummaryData::comment1, &SummaryData::comment2};
}

TEST(LogPropertyTest, TenThousandRandomLogsOfAnyBytesSurviveAWriteAndARead)
{
    Random random(20060205);
    const ProvinceTable provinces;
    test::TempFolder folder(test::MemoryBackedFolder());
    int rowsChecked = 0;
    for (int round = 0; round < 10000; ++round) {
        SCOPED_TRACE("log " + std::to_string(round));
        const bool swl = random.OneIn(3);
        SummaryData summary;
        for (std::string SummaryData::*field : SummaryFields()) {
            summary.*field = random.Value(20, true);
        }
        LogList log;
        log.BuildStartColumns();
        if (swl) {
            log.SetSwlColumns();
        }
        std::vector<Cells> rows;
        for (int count = random.Below(6); count > 0; --count) {
            rows.push_back(RandomRow(random, true));
            log.AppendLogRow(WithProvinceName(rows.back(), swl));
        }

        // Every twentieth log goes through the working file on disk; the rest through memory.
        QByteArray bytes = LogFileBytes(log, summary);
        if (round % 20 == 0) {
            WorkingFile workingFile(folder.File(QStringLiteral("_ult.zelk")));
            ASSERT_TRUE(workingFile.WriteWorkingFile(log, summary).ok());
            QFile file(workingFile.Path());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            ASSERT_EQ(file.readAll(), bytes);
        }
        LogList read;
        read.BuildStartColumns();
        SummaryData readSummary;
        WorkedTables tables;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        const LogReadResult result = ReadLogFile(buffer, provinces, read, readSummary, tables);
        ASSERT_FALSE(result.headerIncomplete);
        ASSERT_FALSE(result.incompleteLastLine);
        ASSERT_EQ(read.IsSwl(), swl);

        // The model: a value keeps every byte but those that would end its field or line.
        SummaryData expected;
        for (std::string SummaryData::*field : SummaryFields()) {
            expected.*field = Blanked(summary.*field, "\r\n");
        }
        if (swl) {
            expected.category = "SWL";
        }
        ASSERT_TRUE(readSummary == expected);
        ASSERT_EQ(read.RowCount(), static_cast<int>(rows.size()));
        for (int row = 0; row < read.RowCount(); ++row) {
            Cells model;
            for (const std::string& value : rows[static_cast<std::size_t>(row)]) {
                model.push_back(Blanked(value, "^\r\n"));
            }
            ASSERT_EQ(StoredCells(read, row), model) << "row " << row;
            ++rowsChecked;
        }
    }
    RecordProperty("RowsChecked", rowsChecked);
}

// Plays "Modifica" with the values chosen beforehand.
class ChosenValuesEditor : public RowEditor {
public:
    std::optional<QsoRowEdit> EditQsoRow(const QsoRowEdit& /*row*/) override
    {
        QsoRowEdit edit;
        edit.band = next[QsoColumn::Band - 1];
        edit.values = {next[0], next[1], next[3], next[4], next[5], next[6], next[7]};
        return edit;
    }
    std::optional<HrdRowEdit> EditHrdRow(const HrdRowEdit& /*row*/) override
    {
        HrdRowEdit edit;
        edit.band = next[SwlColumn::Band - 1];
        edit.values = {next[0], next[1], next[3], next[4], next[7], next[5], next[6]};
        return edit;
    }

    Cells next;
};

// A program running on folders that outlive it, so that a restart finds what it left.
struct Session {
    Session(const test::TempFolder& folder, const test::TempFolder& config)
        : context(test::ContextWithStore(config)),
          document(context.store.get(), folder.File(QStringLiteral("_ult.zelk"))),
          commands(context, document, prompter)
    {
        context.programFolder = folder.Path();
        context.summary.callsign = "I2ABC";
        context.summary.province = "MI";
        log.BuildStartColumns();
    }

    AppContext context;
    LogDocument document;
    LogList& log = document.Log();
    WorkedTables& tables = document.Tables();
    WorkingFile& workingFile = document.File();
    test::ScriptedPrompter prompter;
    LogCommands commands;
};

std::vector<Cells> Sorted(std::vector<Cells> rows)
{
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<Cells> ReadRows(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    LogList log;
    log.BuildStartColumns();
    SummaryData summary;
    WorkedTables tables;
    const ProvinceTable provinces;
    (void)ReadLogFile(file, provinces, log, summary, tables);
    return StoredRows(log);
}

TEST(LogPropertyTest, RandomSessionsNeverLoseOrChangeAField)
{
    Random random(40802006);
    int operations = 0;
    for (int sessionNumber = 0; sessionNumber < 150; ++sessionNumber) {
        const bool swl = sessionNumber % 3 == 2;
        test::TempFolder folder(test::MemoryBackedFolder());
        test::TempFolder config(test::MemoryBackedFolder());
        test::TempFolder logs(test::MemoryBackedFolder());
        const QString saved = logs.File(QStringLiteral("gara.zelk"));
        auto session = std::make_unique<Session>(folder, config);
        if (swl) {
            session->log.SetSwlColumns();
        }
        ASSERT_TRUE(session->workingFile.WriteWorkingFile(session->log, session->context.summary));
        // The model: the rows in the order on screen. A sort reaches the working file only with
        // the next rewrite or save, so until then it may hold the rows in their earlier order; a
        // saved log always holds them in the order on screen.
        std::vector<Cells> model;
        bool diskInScreenOrder = true;
        bool savedOnce = false;
        std::vector<Cells> savedModel;

        for (int step = 0; step < 30; ++step, ++operations) {
            const std::string where =
                "session " + std::to_string(sessionNumber) + ", step " + std::to_string(step);
            Session& s = *session;
            const int operation = random.Below(10);
            if (operation < 4) {
                // Logged from the entry row: appended to the log and to the working file.
                model.push_back(RandomRow(random, false));
                s.log.AppendLogRow(WithProvinceName(model.back(), swl));
                ASSERT_TRUE(s.workingFile.AppendToWorkingFile(
                    RowLine(s.log, s.log.RowCount() - 1, s.context.summary)))
                    << where;
            } else if (operation == 4 && !model.empty()) {
                const int row = random.Below(static_cast<int>(model.size()));
                ChosenValuesEditor editor;
                editor.next = RandomRow(random, false);
                s.log.SetSelectedRows({row});
                ASSERT_EQ(ModifySelectedRows(s.context, s.document, s.prompter, editor), 1)
                    << where;
                model[static_cast<std::size_t>(row)] = editor.next;
                diskInScreenOrder = true;
            } else if (operation == 5 && !model.empty()) {
                std::vector<int> rows;
                for (int row = 0; row < static_cast<int>(model.size()); ++row) {
                    if (random.OneIn(3)) {
                        rows.push_back(row);
                    }
                }
                s.log.SetSelectedRows(rows);
                s.prompter.answers = {Answer::Yes};
                DeleteSelectedRows(s.context, s.document, s.prompter);
                for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
                    model.erase(model.begin() + *row);
                }
                // Without a selected row nothing is deleted and nothing rewritten.
                diskInScreenOrder = diskInScreenOrder || !rows.empty();
            } else if (operation == 6) {
                SortByDateTime(s.log);
                // Sorting moves rows, never changes them.
                ASSERT_EQ(Sorted(StoredRows(s.log)), Sorted(model)) << where;
                model = StoredRows(s.log);
                diskInScreenOrder = false;
            } else if (operation == 7) {
                s.prompter.files = {saved};
                ASSERT_NE(savedOnce ? s.commands.Save() : s.commands.SaveAs(),
                          CommandOutcome::Failed)
                    << where;
                savedOnce = true;
                savedModel = model;
                diskInScreenOrder = true;
            } else if (operation == 8) {
                // A restart: a new program loads the working file.
                const QString openLog = s.document.OpenPath();
                session = std::make_unique<Session>(folder, config);
                (void)session->document.SetOpenLog(openLog);
                ASSERT_TRUE(session->commands.LoadWorkingFile()) << where;
                ASSERT_EQ(session->log.IsSwl(), swl) << where;
                const std::vector<Cells> loaded = StoredRows(session->log);
                if (diskInScreenOrder) {
                    ASSERT_EQ(loaded, model) << where;
                } else {
                    ASSERT_EQ(Sorted(loaded), Sorted(model)) << where;
                    model = loaded;
                    diskInScreenOrder = true;
                }
            } else if (operation == 9 && savedOnce) {
                // The saved log holds the rows of its save, in the order then on screen.
                ASSERT_EQ(ReadRows(saved), savedModel) << where;
            }
            ASSERT_EQ(StoredRows(session->log), model) << where;
            ASSERT_TRUE(session->prompter.boxes.empty() ||
                        session->prompter.boxes.back().icon != MessageIcon::Stop)
                << where << ": " << session->prompter.boxes.back().text.toStdString();
        }
        // At the end the working file holds every row.
        const std::vector<Cells> onDisk = ReadRows(session->workingFile.Path());
        ASSERT_EQ(Sorted(onDisk), Sorted(model));
    }
    RecordProperty("Operations", operations);
}

}  // namespace
}  // namespace zelkor
