#include "core/log/LogFile.h"

#include "core/log/LogList.h"
#include "core/provinces/ProvinceTable.h"
#include "core/text/Text.h"
#include "core/worked/WorkedTables.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace zelkor {
namespace {

using Cells = std::vector<std::string>;

// Known codes with the name the log shows for each; any other code has no name.
const std::map<std::string, std::string> kShownNames = {
    {"RM", "Roma"}, {"TO", "Torino"}, {"PU", "Pesaro E Urbino"}, {"SP", "La Spezia"}};

ProvinceTable Provinces()
{
    ProvinceTable table;
    table.SetName(ProvinceIndexOf("RM"), "ROMA");
    table.SetName(ProvinceIndexOf("TO"), "TORINO");
    table.SetName(ProvinceIndexOf("PU"), "PESARO E URBINO");
    table.SetName(ProvinceIndexOf("SP"), " LA SPEZIA");
    return table;
}

// Draws logs within the rules the entry row enforces.
class LogGenerator {
public:
    explicit LogGenerator(unsigned seed) : m_random(seed) {}

    int Number(int low, int high) { return std::uniform_int_distribution(low, high)(m_random); }

    char PickCharacter(std::string_view characters)
    {
        return characters[static_cast<std::size_t>(Number(0, int(characters.size()) - 1))];
    }
    std::string Pick(const std::vector<std::string>& texts)
    {
        return texts[static_cast<std::size_t>(Number(0, int(texts.size()) - 1))];
    }

    std::string Callsign()
    {
        std::string callsign;
        for (int i = Number(3, 13); i > 0; --i) {
            callsign += PickCharacter("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/");
        }
        return callsign;
    }

    // Half of the codes have a name, the others are any two capital letters.
    std::string ProvinceCode()
    {
        if (Number(0, 1) == 0) {
            return std::next(kShownNames.begin(), Number(0, 3))->first;
        }
        constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        return {PickCharacter(kLetters), PickCharacter(kLetters)};
    }

    // Printable Windows-1252: everything from blank up, except DEL, the five unassigned bytes
    // and '^'.
    SummaryData Summary()
    {
        constexpr std::string_view kNotPrintable = "^\x7F\x81\x8D\x8F\x90\x9D";
        SummaryData summary;
        for (std::string* value :
             {&summary.callsign, &summary.province, &summary.section, &summary.name,
              &summary.operators, &summary.category, &summary.address1, &summary.address2,
              &summary.address3, &summary.comment1, &summary.comment2}) {
            for (int i = Number(0, 30); i > 0; --i) {
                char byte = 0;
                do {
                    byte = static_cast<char>(Number(0x20, 0xFF));
                } while (kNotPrintable.find(byte) != std::string_view::npos);
                *value += byte;
            }
        }
        return summary;
    }

    // Columns 1..8 of a row, without the province name; a small pool of callsigns makes
    // stations come back.
    Cells Row(bool swl, const std::vector<std::string>& callsigns)
    {
        Cells cells = {Format("%02d.%02d.%04d", Number(1, 28), Number(1, 12), Number(2000, 2030)),
                       Format("%04d", Number(0, 2359)),
                       Pick({"3,5", "7"}),
                       Pick({"SSB", "CW", "RTTY", "PSK31"}),
                       Pick(callsigns),
                       Format("%d", Number(10, 999))};
        if (swl) {
            cells.push_back(ProvinceCode());
            cells.push_back(Pick(callsigns));
        } else {
            cells.push_back(Format("%d", Number(10, 999)));
            cells.push_back(ProvinceCode());
        }
        return cells;
    }

private:
    std::mt19937 m_random;
};

std::vector<Cells> Rows(const LogList& log)
{
    std::vector<Cells> rows;
    for (int row = 0; row < log.RowCount(); ++row) {
        Cells cells;
        for (int column = 0; column < log.ColumnCount(); ++column) {
            cells.emplace_back(log.Cell(row, column));
        }
        rows.push_back(cells);
    }
    return rows;
}

TEST(LogFileRoundTripTest, RandomLogsReadBackWithTheirRowsSummaryAndWorkedTables)
{
    const ProvinceTable provinces = Provinces();
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const bool swl = seed % 2 == 0;
        LogGenerator generate(seed);
        std::vector<std::string> callsigns;
        for (int i = 0; i < 6; ++i) {
            callsigns.push_back(generate.Callsign());
        }

        LogList written;
        if (swl) {
            written.SetSwlColumns();
        }
        std::vector<Cells> expectedRows;
        for (int row = 0, count = generate.Number(0, 40); row < count; ++row) {
            const Cells cells = generate.Row(swl, callsigns);
            Cells expected = cells;
            expected.insert(expected.begin(), LogList::RowNumberText(row + 1));
            if (!swl) {
                const auto name = kShownNames.find(cells.back());
                expected.push_back(name == kShownNames.end() ? "" : name->second);
            }
            written.AppendLogRow(cells);
            expectedRows.push_back(expected);
        }
        const SummaryData summary = generate.Summary();
        const QByteArray bytes = LogFileBytes(written, summary);

        LogList log;
        SummaryData readSummary;
        WorkedTables tables;
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        const LogReadResult result = ReadLogFile(buffer, provinces, log, readSummary, tables);

        ASSERT_EQ(log.IsSwl(), swl) << "seed " << seed;
        EXPECT_FALSE(result.incompleteLastLine) << "seed " << seed;
        EXPECT_EQ(Rows(log), expectedRows) << "seed " << seed;
        SummaryData expectedSummary = summary;
        if (swl) {
            expectedSummary.category = "SWL";
        }
        EXPECT_TRUE(readSummary == expectedSummary) << "seed " << seed;
        EXPECT_EQ(LogFileBytes(log, readSummary), bytes) << "seed " << seed;

        // The loader differs from a rebuild only in the province of a calling station, which
        // stays the one of the first row in which the station calls.
        WorkedTables rebuilt;
        rebuilt.RebuildWorkedTables(log);
        std::vector<StationRecord> stations = rebuilt.Stations().Records();
        for (StationRecord& station : stations) {
            station.province.clear();
            for (int row = 0; row < log.RowCount(); ++row) {
                if (log.Cell(row, SwlColumn::CallingCallsign) == station.callsign) {
                    station.province = log.Cell(row, SwlColumn::ProvinceCode);
                    break;
                }
            }
        }
        EXPECT_TRUE(tables.Provinces() == rebuilt.Provinces()) << "seed " << seed;
        EXPECT_EQ(tables.Stations().Records(), stations) << "seed " << seed;
    }
}

}  // namespace
}  // namespace zelkor
