#pragma once
// One colour per band/mode group, shared by the chart and the map so that a colour means the same
// in both: SSB blue, CW orange, RTTY/PSK green, darker on 80 m and lighter on 40 m. The hues stay
// apart for the common kinds of colour blindness.

#include <QColor>

namespace zelkor {

// Group 0..5 as in the score table; any other group (kOtherGroup) is grey.
QColor GroupColour(int group);
// The line of the log raced against.
QColor RaceColour();

}  // namespace zelkor
