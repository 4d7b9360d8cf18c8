#pragma once
// Everything the "Andamento" window shows about the log at one moment, computed in one go from
// the rows: the timeline, the rate, the contacts per hour and the score (the same computation as
// "Mostra punteggio", silent).

#include "core/log/LogColumns.h"
#include "core/scoring/ComputeScore.h"
#include "core/stats/HourlyCounts.h"
#include "core/stats/LogTimeline.h"
#include "core/stats/RateFigures.h"

namespace zelkor {

class LogList;

struct LogProgress {
    LogLayout layout = LogLayout::Qso;
    LogTimeline timeline;
    RateFigures rates;
    HourlyCounts hourly;
    ScoreDetail score;
};

LogProgress ComputeLogProgress(const LogList& log);

}  // namespace zelkor
