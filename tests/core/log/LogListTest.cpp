#include "core/log/LogList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zelkor {
namespace {

using Cells = std::vector<std::string>;

// Columns 1..9 of a QSO row; the callsign tells rows apart.
Cells QsoCells(const std::string& callsign)
{
    return {"05.02.2006", "1432", "7", "SSB", callsign, "59", "59", "MI", "Milano"};
}

std::vector<std::string> Column(const LogList& log, int column)
{
    std::vector<std::string> texts;
    for (int row = 0; row < log.RowCount(); ++row) {
        texts.emplace_back(log.Cell(row, column));
    }
    return texts;
}

// Writes down every signal of the log in the order it comes, as an item model would see it.
class SignalRecorder {
public:
    explicit SignalRecorder(LogList& log)
    {
        const auto note = [this](std::string event) { events.push_back(std::move(event)); };
        QObject::connect(&log, &LogList::rowsAboutToBeReset, [=] { note("aboutToReset"); });
        QObject::connect(&log, &LogList::rowsReset, [=] { note("reset"); });
        QObject::connect(&log, &LogList::rowAboutToBeInserted,
                         [=](int row) { note("aboutToInsert " + std::to_string(row)); });
        QObject::connect(&log, &LogList::rowInserted,
                         [=](int row) { note("inserted " + std::to_string(row)); });
        QObject::connect(&log, &LogList::rowsAboutToBeRemoved, [=](int first, int last) {
            note("aboutToRemove " + std::to_string(first) + "-" + std::to_string(last));
        });
        QObject::connect(&log, &LogList::rowsRemoved, [=](int first, int last) {
            note("removed " + std::to_string(first) + "-" + std::to_string(last));
        });
        QObject::connect(&log, &LogList::cellChanged, [=](int row, int column) {
            note("cell " + std::to_string(row) + "," + std::to_string(column));
        });
        QObject::connect(&log, &LogList::rowsChanged, [=](int first, int last) {
            note("rows " + std::to_string(first) + "-" + std::to_string(last));
        });
        QObject::connect(&log, &LogList::layoutRebuilt, [=] { note("layout"); });
        QObject::connect(&log, &LogList::rowVisibleRequested,
                         [=](int row) { note("visible " + std::to_string(row)); });
        QObject::connect(&log, &LogList::selectionChanged, [=] { note("selection"); });
    }

    std::vector<std::string> events;
};

TEST(LogListTest, RowNumbersAreRightAlignedInFiveCharacters)
{
    const std::vector<std::pair<int, std::string>> cases = {
        {1, "    1"}, {42, "   42"}, {99999, "99999"}, {100000, "100000"}, {1234567, "1234567"}};
    for (const auto& [number, text] : cases) {
        EXPECT_EQ(LogList::RowNumberText(number), text) << number;
    }
}

TEST(LogListTest, AppendingToAnEmptyLogGivesRowOneAndShowsIt)
{
    LogList log;
    log.BuildStartColumns();
    SignalRecorder recorder(log);

    log.AppendLogRow(QsoCells("I2ABC"));

    ASSERT_EQ(log.RowCount(), 1);
    EXPECT_EQ(log.Cell(0, QsoColumn::Number), "    1");
    EXPECT_EQ(log.Cell(0, QsoColumn::Date), "05.02.2006");
    EXPECT_EQ(log.Cell(0, QsoColumn::Callsign), "I2ABC");
    EXPECT_EQ(log.Cell(0, QsoColumn::ProvinceName), "Milano");
    EXPECT_EQ(recorder.events,
              (std::vector<std::string>{"aboutToInsert 0", "inserted 0", "visible 0"}));
}

TEST(LogListTest, TheHundredThousandthRowIsNumberedInSixCharacters)
{
    LogList log;
    for (int i = 0; i < 100000; ++i) {
        log.AppendLogRow(QsoCells("I2ABC"));
    }
    ASSERT_EQ(log.RowCount(), 100000);
    EXPECT_EQ(log.Cell(99998, QsoColumn::Number), "99999");
    EXPECT_EQ(log.Cell(99999, QsoColumn::Number), "100000");
}

TEST(LogListTest, TheLoaderInsertsRowsWithTheirNumbers)
{
    LogList log;
    log.InsertRow(0, 1, QsoCells("I1AAA"));
    log.InsertRow(1, 2, QsoCells("I2BBB"));
    // An index past the end goes at the end; the number is taken as given.
    log.InsertRow(7, 9, QsoCells("I3CCC"));
    log.InsertRow(0, 100000, QsoCells("I4DDD"));

    EXPECT_EQ(Column(log, QsoColumn::Callsign),
              (std::vector<std::string>{"I4DDD", "I1AAA", "I2BBB", "I3CCC"}));
    EXPECT_EQ(Column(log, QsoColumn::Number),
              (std::vector<std::string>{"100000", "    1", "    2", "    9"}));
}

TEST(LogListTest, CellsAreReadAndWrittenAsBytes)
{
    LogList log;
    log.AppendLogRow(QsoCells("I2ABC"));
    SignalRecorder recorder(log);

    log.SetCell(0, QsoColumn::ProvinceName, "Forl\xEC-Cesena");
    log.SetCell(0, QsoColumn::Number, "");
    log.SetCell(1, QsoColumn::Callsign, "IGNORED");
    log.SetCell(0, QsoColumn::Count, "IGNORED");

    EXPECT_EQ(log.Cell(0, QsoColumn::ProvinceName), "Forl\xEC-Cesena");
    EXPECT_EQ(log.Cell(0, QsoColumn::Number), "");
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"cell 0,9", "cell 0,0"}));

    const std::vector<std::pair<int, int>> outside = {{-1, 0}, {1, 0}, {0, -1}, {0, 10}};
    for (const auto& [row, column] : outside) {
        EXPECT_EQ(log.Cell(row, column), "") << row << "," << column;
    }
}

TEST(LogListTest, ShortRowsAreFilledWithEmptyTextsAndLongRowsCut)
{
    LogList log;
    log.AppendLogRow({"05.02.2006", "1432"});
    Cells tooMany = QsoCells("I2ABC");
    tooMany.push_back("EXTRA");
    log.AppendLogRow(tooMany);

    EXPECT_EQ(log.Cell(0, QsoColumn::Time), "1432");
    EXPECT_EQ(log.Cell(0, QsoColumn::ProvinceName), "");
    EXPECT_EQ(log.Cell(1, QsoColumn::ProvinceName), "Milano");
    EXPECT_EQ(log.Cell(1, QsoColumn::Count), "");
}

TEST(LogListTest, DeletingFromTheHighestIndexThenRenumberingClosesTheGaps)
{
    LogList log;
    for (const char* callsign : {"I1AAA", "I2BBB", "I3CCC", "I4DDD", "I5EEE"}) {
        log.AppendLogRow(QsoCells(callsign));
    }

    log.DeleteRow(3);
    log.DeleteRow(1);
    EXPECT_EQ(Column(log, QsoColumn::Number),
              (std::vector<std::string>{"    1", "    3", "    5"}));

    SignalRecorder recorder(log);
    log.RenumberRows();
    EXPECT_EQ(Column(log, QsoColumn::Number),
              (std::vector<std::string>{"    1", "    2", "    3"}));
    EXPECT_EQ(Column(log, QsoColumn::Callsign),
              (std::vector<std::string>{"I1AAA", "I3CCC", "I5EEE"}));
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"rows 0-2"}));
}

// Deleting a selection in one pass must leave exactly the rows a deletion one by one leaves, keep
// their numbers for the renumbering that follows, and move the rest of the selection with them.
TEST(LogListTest, DeletingManyRowsKeepsExactlyTheOthers)
{
    constexpr int kRows = 120;
    auto every = [](int step, int offset) {
        std::vector<int> rows;
        for (int row = offset; row < kRows; row += step) {
            rows.push_back(row);
        }
        return rows;
    };
    auto runs = [](int count) {
        std::vector<int> rows;
        for (int run = 0; run < count; ++run) {
            rows.push_back(run * 5);
            rows.push_back(run * 5 + 1);
        }
        return rows;
    };
    struct Case {
        const char* name;
        std::vector<int> deleted;
        // The signals the views get: the runs from the last one up, or one reset.
        std::vector<std::string> events;
    };
    const std::vector<Case> cases = {
        {"nothing", {}, {}},
        {"only indices outside", {-1, kRows, kRows + 7}, {}},
        {"one row", {7}, {"aboutToRemove 7-7", "removed 7-7", "selection"}},
        {"repeats and disorder",
         {9, 3, 9, -2, 4, 500, 3},
         {"aboutToRemove 9-9", "removed 9-9", "selection", "aboutToRemove 3-4", "removed 3-4",
          "selection"}},
        {"every row", every(1, 0), {"aboutToRemove 0-119", "removed 0-119", "selection"}},
        {"sixteen runs", runs(16), {}},
        {"seventeen runs", runs(17), {"aboutToReset", "reset", "selection"}},
        {"every third row", every(3, 1), {"aboutToReset", "reset", "selection"}},
    };
    for (const Case& c : cases) {
        LogList log;
        for (int row = 0; row < kRows; ++row) {
            log.AppendLogRow(QsoCells("C" + std::to_string(row)));
        }
        log.SetSelectedRows(every(2, 0));
        std::vector<std::string> keptCalls;
        std::vector<std::string> keptNumbers;
        std::vector<int> keptSelection;
        for (int row = 0; row < kRows; ++row) {
            if (std::find(c.deleted.begin(), c.deleted.end(), row) == c.deleted.end()) {
                if (row % 2 == 0) {
                    keptSelection.push_back(static_cast<int>(keptCalls.size()));
                }
                keptCalls.push_back("C" + std::to_string(row));
                keptNumbers.push_back(LogList::RowNumberText(row + 1));
            }
        }
        SignalRecorder recorder(log);

        log.DeleteRows(c.deleted);

        EXPECT_EQ(Column(log, QsoColumn::Callsign), keptCalls) << c.name;
        EXPECT_EQ(Column(log, QsoColumn::Number), keptNumbers) << c.name;
        EXPECT_EQ(log.SelectedRows(), keptSelection) << c.name;
        if (std::string(c.name) == "sixteen runs") {
            ASSERT_EQ(recorder.events.size(), 16U * 3U) << c.name;
            EXPECT_EQ(recorder.events.front(), "aboutToRemove 75-76") << c.name;
            EXPECT_EQ(recorder.events.back(), "selection") << c.name;
        } else {
            EXPECT_EQ(recorder.events, c.events) << c.name;
        }
    }
}

TEST(LogListTest, HeadingsOfBothLayouts)
{
    LogList log;
    log.BuildStartColumns();
    std::vector<std::string> qso;
    for (int column = 0; column < log.ColumnCount(); ++column) {
        qso.push_back(log.Heading(column));
    }
    EXPECT_EQ(qso, (std::vector<std::string>{"Qso", "Data", "Utc", "MHz", "Modo", "Nominativo",
                                             "RstT", "RstR", "Sigla", "Provincia"}));

    log.SetSwlColumns();
    std::vector<std::string> swl;
    for (int column = 0; column < log.ColumnCount(); ++column) {
        swl.push_back(log.Heading(column));
    }
    EXPECT_EQ(swl,
              (std::vector<std::string>{"Hrd", "Data", "Utc", "MHz", "Modo", "Nomin. chiamante",
                                        "Rst", "Prov", "Nomin. risposta"}));
    EXPECT_EQ(log.Heading(SwlColumn::Count), "");
    EXPECT_EQ(log.Heading(-1), "");
}

TEST(LogListTest, ColumnWidthsOfEachLayout)
{
    // W = client width - 22; each column W * p / 100 truncated toward zero.
    struct Case {
        const char* name;
        int clientWidth;
        bool throughSwl;  // QSO built by a switch back from SWL rather than at window start
        LogLayout layout;
        std::vector<int> widths;
    };
    // clang-format off
    const Case cases[] = {
        {"start, W=1000", 1022, false, LogLayout::Qso,
         {70, 160, 70, 60, 80, 180, 70, 70, 70, 180}},
        {"switched back, W=1000", 1022, true, LogLayout::Qso,
         {70, 160, 70, 60, 70, 190, 70, 70, 70, 180}},
        {"swl, W=1000", 1022, false, LogLayout::Swl, {80, 140, 80, 80, 80, 190, 80, 80, 190}},
        {"start, W=533", 555, false, LogLayout::Qso, {37, 85, 37, 31, 42, 95, 37, 37, 37, 95}},
        {"swl, W=533", 555, false, LogLayout::Swl, {42, 74, 42, 42, 42, 101, 42, 42, 101}},
        {"start, W=0", 22, false, LogLayout::Qso, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"start, W=-12", 10, false, LogLayout::Qso, {0, -1, 0, 0, 0, -2, 0, 0, 0, -2}},
        {"start, W=-22", 0, false, LogLayout::Qso, {-1, -3, -1, -1, -1, -3, -1, -1, -1, -3}},
        {"swl, W=-22", 0, false, LogLayout::Swl, {-1, -3, -1, -1, -1, -4, -1, -1, -4}},
    };
    // clang-format on
    for (const Case& c : cases) {
        LogList log;
        log.BuildStartColumns();
        if (c.layout == LogLayout::Swl || c.throughSwl) {
            log.SetSwlColumns();
        }
        if (c.layout == LogLayout::Qso && c.throughSwl) {
            log.SetQsoColumns();
        }
        EXPECT_EQ(log.Layout(), c.layout) << c.name;
        EXPECT_EQ(ColumnPixelWidths(log.ColumnPercentages(), c.clientWidth), c.widths) << c.name;
        EXPECT_EQ(log.ColumnCount(), static_cast<int>(c.widths.size())) << c.name;
        // However narrow the columns, the texts are all there.
        log.AppendLogRow(QsoCells("I2ABC"));
        EXPECT_EQ(log.Cell(0, QsoColumn::Callsign), "I2ABC") << c.name;
    }
}

TEST(LogListTest, ASwitchToTheCurrentLayoutKeepsTheRows)
{
    LogList log;
    log.BuildStartColumns();
    log.AppendLogRow(QsoCells("I2ABC"));
    EXPECT_FALSE(log.SetQsoColumns());
    EXPECT_EQ(log.RowCount(), 1);

    EXPECT_TRUE(log.SetSwlColumns());
    EXPECT_TRUE(log.IsSwl());
    EXPECT_EQ(log.RowCount(), 0);
    log.AppendLogRow({"05.02.2006", "1432", "7", "CW", "I2ABC", "599", "MI", "I3XYZ"});

    SignalRecorder recorder(log);
    EXPECT_FALSE(log.SetSwlColumns());
    EXPECT_TRUE(log.IsSwl());
    EXPECT_EQ(log.RowCount(), 1);
    EXPECT_EQ(log.Cell(0, SwlColumn::AnsweringCallsign), "I3XYZ");
    EXPECT_EQ(log.ColumnPercentages()[SwlColumn::Date], 14);
    EXPECT_TRUE(recorder.events.empty());
}

TEST(LogListTest, QsoToSwlToQsoEmptiesTheLogAndRebuildsTheColumns)
{
    LogList log;
    log.BuildStartColumns();
    log.AppendLogRow(QsoCells("I2ABC"));
    log.SetSelectedRows({0});
    log.SetSwlColumns();
    log.AppendLogRow({"05.02.2006", "1432", "7", "CW", "I2ABC", "599", "MI", "I3XYZ"});

    SignalRecorder recorder(log);
    EXPECT_TRUE(log.SetQsoColumns());

    EXPECT_FALSE(log.IsSwl());
    EXPECT_EQ(log.RowCount(), 0);
    EXPECT_EQ(log.ColumnCount(), 10);
    EXPECT_EQ(log.ColumnPercentages()[QsoColumn::Mode], 7);
    EXPECT_EQ(log.ColumnPercentages()[QsoColumn::Callsign], 19);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"aboutToReset", "reset", "layout"}));
}

TEST(LogListTest, WindowStartAlwaysRebuildsTheQsoLayout)
{
    LogList log;
    log.SetSwlColumns();
    log.AppendLogRow({"05.02.2006"});
    log.BuildStartColumns();
    EXPECT_FALSE(log.IsSwl());
    EXPECT_EQ(log.RowCount(), 0);
    EXPECT_EQ(log.ColumnPercentages()[QsoColumn::Mode], 8);
}

TEST(LogListTest, SelectionIsSortedAndFollowsTheRows)
{
    LogList log;
    for (const char* callsign : {"I1AAA", "I2BBB", "I3CCC", "I4DDD", "I5EEE"}) {
        log.AppendLogRow(QsoCells(callsign));
    }
    SignalRecorder recorder(log);

    log.SetSelectedRows({4, 1, 4, 9, -1, 3});
    EXPECT_EQ(log.SelectedRows(), (std::vector<int>{1, 3, 4}));
    log.SetSelectedRows({3, 4, 1});
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"selection"}));

    struct Step {
        const char* name;
        void (*change)(LogList&);
        std::vector<int> selection;
    };
    // clang-format off
    const Step steps[] = {
        {"delete a selected row", [](LogList& l) { l.DeleteRow(3); }, {1, 3}},
        {"delete a row above", [](LogList& l) { l.DeleteRow(0); }, {0, 2}},
        {"insert above", [](LogList& l) { l.InsertRow(0, 1, QsoCells("I6FFF")); }, {1, 3}},
        {"append below", [](LogList& l) { l.AppendLogRow(QsoCells("I7GGG")); }, {1, 3}},
        {"reorder keeps positions", [](LogList& l) { l.ReorderRows({4, 3, 2, 1, 0}); }, {1, 3}},
        {"renumber", [](LogList& l) { l.RenumberRows(); }, {1, 3}},
        {"delete all", [](LogList& l) { l.DeleteAllRows(); }, {}},
    };
    // clang-format on
    for (const Step& step : steps) {
        step.change(log);
        EXPECT_EQ(log.SelectedRows(), step.selection) << step.name;
    }
}

TEST(LogListTest, SelectionMovesBeforeTheDoneSignal)
{
    LogList log;
    log.AppendLogRow(QsoCells("I1AAA"));
    log.AppendLogRow(QsoCells("I2BBB"));
    log.SetSelectedRows({1});
    std::vector<int> seenWhenInserted;
    QObject::connect(&log, &LogList::rowInserted, [&] { seenWhenInserted = log.SelectedRows(); });
    SignalRecorder recorder(log);

    log.InsertRow(0, 1, QsoCells("I3CCC"));

    EXPECT_EQ(seenWhenInserted, (std::vector<int>{2}));
    EXPECT_EQ(recorder.events,
              (std::vector<std::string>{"aboutToInsert 0", "inserted 0", "selection"}));
}

TEST(LogListTest, ReorderMovesWholeRowsNumbersIncluded)
{
    LogList log;
    for (const char* callsign : {"I1AAA", "I2BBB", "I3CCC"}) {
        log.AppendLogRow(QsoCells(callsign));
    }
    EXPECT_TRUE(log.ReorderRows({2, 0, 1}));
    EXPECT_EQ(Column(log, QsoColumn::Callsign),
              (std::vector<std::string>{"I3CCC", "I1AAA", "I2BBB"}));
    EXPECT_EQ(Column(log, QsoColumn::Number),
              (std::vector<std::string>{"    3", "    1", "    2"}));

    const std::vector<std::vector<int>> notPermutations = {
        {0, 1}, {0, 1, 1}, {0, 1, 3}, {-1, 0, 1}, {0, 1, 2, 3}};
    for (const std::vector<int>& order : notPermutations) {
        EXPECT_FALSE(log.ReorderRows(order));
        EXPECT_EQ(Column(log, QsoColumn::Callsign),
                  (std::vector<std::string>{"I3CCC", "I1AAA", "I2BBB"}));
    }
}

}  // namespace
}  // namespace zelkor
