#pragma once
// Reads the stations and their provinces from a Cabrillo log of this contest: the QSO: lines,
// "QSO: freq mode date time own-call report province call report province" (the received
// province) or, in a listener's log (category SWL), "QSO: freq mode date time call report
// province call" (the calling station's province). Blanks need not line up, and a long report
// glued to its province ("59901RM") is read too.

#include "core/history/HistorySources.h"

namespace zelkor {

HistoryReadResult ReadCabrilloHistory(const QByteArray& bytes, const ProvinceTable& provinces);

}  // namespace zelkor
