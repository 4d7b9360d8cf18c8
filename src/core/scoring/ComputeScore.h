#pragma once
// The score of a log: one pass over the rows, counting contacts, points per mode group and
// multipliers (distinct provinces per band and mode group). Rows with a band or mode the contest
// doesn't know are left out and come back with their positions, for the caller to show.

#include "core/scoring/ScoreTable.h"
#include "core/worked/ProvinceWorkedTable.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace zelkor {

class LogList;

struct ScoreResult {
    ScoreTable table;
    // Total points x total multipliers as the 32-bit value the settings and the exports carry.
    int score = 0;
};

enum class IgnoredReason { WrongBand, WrongMode };

// A row the score left out, by its 1-based position in the list.
struct IgnoredRow {
    int position = 0;
    IgnoredReason reason = IgnoredReason::WrongBand;

    bool operator==(const IgnoredRow&) const = default;
};

// Everything one pass over the rows finds, for callers that show it their own way.
struct ScoreDetail {
    ScoreResult result;
    // In list order.
    std::vector<IgnoredRow> ignored;
    // The multiplier memory as the pass left it: slot, mode group and band of every multiplier.
    ProvinceWorkedTable multipliers;
};

// Scores every row in list order. The province comes from the code column of the log's own
// layout: "Sigla" in a QSO log, the calling station's "Prov" in an SWL log.
ScoreDetail ComputeScore(const LogList& log);
// Only the rows given (0-based indices, ascending), as if the log held nothing else; positions
// of ignored rows are still those of the whole list.
ScoreDetail ComputeScore(const LogList& log, std::span<const int> rows);

// "Ignorato QSO n. %d per BANDA errata." or "... per MODO errato.".
QString IgnoredRowText(const IgnoredRow& row);

// The score's band rule: exactly "3,5" is 0 and "7" is 1; any other band is not a contest band
// (stricter than the worked tables, which count it as 80 m).
std::optional<int> ScoringBandIndex(std::string_view band);

// The exact score brought into 0..INT32_MAX: a product above the maximum is claimed as the
// maximum rather than wrapped into a negative or smaller number. Only a log of hundreds of
// thousands of contacts gets there.
int ClaimedScoreOf(std::int64_t exactScore);

}  // namespace zelkor
