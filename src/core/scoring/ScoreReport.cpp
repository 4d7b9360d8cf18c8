#include "core/scoring/ScoreReport.h"

#include "core/text/Text.h"

#include <array>
#include <cinttypes>

namespace zelkor {

namespace {

constexpr std::array<const char*, ScoreTable::kRowCount> kRowLabels = {
    "80m ssb", "80m cw", "80m rtty/psk", "40m ssb", "40m cw", "40m rtty/psk", "TOT."};

constexpr const char* kColumnRule = " ------------  ------  ------  -----  ----------\r\n";
constexpr const char* kTotalRule = " -----------------------------------------------\r\n";

// Moves three digits at a time from the end of the text to the front of the grouped part, as
// often as there are full groups after the first digit.
std::string GroupDigits(std::string remaining)
{
    std::string grouped;
    for (std::size_t groups = (remaining.size() - 1) / 3; groups > 0; --groups) {
        grouped.insert(0, "." + remaining.substr(remaining.size() - 3));
        remaining.resize(remaining.size() - 3);
    }
    return remaining + grouped;
}

}  // namespace

std::string FormatThousands(std::int64_t n)
{
    const std::string digits = Format("%" PRId64, n);
    // Grouping the text rather than the value keeps INT64_MIN, whose magnitude has no int64.
    return n < 0 ? "-" + GroupDigits(digits.substr(1)) : GroupDigits(digits);
}

std::string ScoreReportText(const ScoreTable& table, LogLayout layout)
{
    std::string text = "\r\n Punteggio (finale o parziale)\r\n\r\n";
    text += " Banda e modo   N.";
    text += layout == LogLayout::Swl ? "Hrd" : "Qso";
    text += "   Punti  Molt.  Tot. banda\r\n";
    text += kColumnRule;
    for (int row = 0; row < ScoreTable::kRowCount; ++row) {
        const ScoreCounts& counts = table.Row(row);
        text += Format(" %-14s", kRowLabels[row]);
        text += Format("%6s  ", FormatThousands(counts.contacts).c_str());
        text += Format("%6s  ", FormatThousands(counts.points).c_str());
        text += Format("%5s  ", FormatThousands(counts.multipliers).c_str());
        if (row == ScoreTable::kTotalRow) {
            break;
        }
        const std::int64_t rowProduct = std::int64_t{counts.points} * counts.multipliers;
        text += Format("%10s\r\n", FormatThousands(rowProduct).c_str());
        if (row == ScoreTable::kBandModeRowCount - 1) {
            text += kTotalRule;
        }
    }
    text += Format("\r\n\r\n PUNTEGGIO TOTALE = %s\r\n", FormatThousands(table.Score()).c_str());
    return text;
}

}  // namespace zelkor
