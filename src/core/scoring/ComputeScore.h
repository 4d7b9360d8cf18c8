#pragma once
// The score of a log: one pass over the rows, counting contacts, points per mode group and
// multipliers (distinct provinces per band and mode group). Rows with a band or mode the contest
// doesn't know are left out, each with an error box giving its position.

#include "core/scoring/ScoreTable.h"

#include <cstdint>

namespace zelkor {

class LogList;
class Prompter;

struct ScoreResult {
    ScoreTable table;
    // Total points x total multipliers as the 32-bit value the settings and the exports carry.
    int score = 0;
};

// Scores every row in list order. The province comes from the code column of the log's own
// layout: "Sigla" in a QSO log, the calling station's "Prov" in an SWL log.
ScoreResult ComputeScore(const LogList& log, Prompter& prompter);

// The exact score brought into 0..INT32_MAX: a product above the maximum is claimed as the
// maximum rather than wrapped into a negative or smaller number. Only a log of hundreds of
// thousands of contacts gets there.
int ClaimedScoreOf(std::int64_t exactScore);

}  // namespace zelkor
