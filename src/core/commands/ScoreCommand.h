#pragma once
// The score as a command: computes it and keeps it as the claimed score, in memory and in the
// settings. "Mostra punteggio" then shows the table; the exports only read the claimed score.

#include "core/scoring/ComputeScore.h"

namespace zelkor {

struct AppContext;
class Prompter;

// Scores the log and shows an error box for each ignored row, in list order.
ScoreResult ScoreAndReportIgnored(const LogList& log, Prompter& prompter);

// Error boxes for ignored rows appear whoever asks. A failed settings write leaves the value in
// memory, which the exports read, so the command still counts as done; the operator is told.
ScoreResult RunScoreComputation(AppContext& context, const LogList& log, Prompter& prompter);

}  // namespace zelkor
