#pragma once
// Everything the "Andamento" window shows about the log at one moment, computed in one go from
// the rows: the timeline, the rate, the contacts per hour and the score (the same computation as
// "Mostra punteggio", silent).

#include "log/LogColumns.h"
#include "scoring/ComputeScore.h"
#include "stats/HourlyCounts.h"
#include "stats/LogTimeline.h"
#include "stats/RateFigures.h"

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
