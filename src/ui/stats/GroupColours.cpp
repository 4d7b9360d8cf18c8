#include "ui/stats/GroupColours.h"

#include <array>

namespace zelkor {

QColor GroupColour(int group)
{
    static const std::array<QColor, 6> kColours = {
        QColor(0x00, 0x72, 0xB2), QColor(0xD5, 0x5E, 0x00), QColor(0x00, 0x9E, 0x73),
        QColor(0x56, 0xB4, 0xE9), QColor(0xE6, 0x9F, 0x00), QColor(0x8C, 0xD9, 0xB8)};
    if (group < 0 || group >= static_cast<int>(kColours.size())) {
        return QColor(0x99, 0x99, 0x99);
    }
    return kColours[static_cast<std::size_t>(group)];
}

QColor RaceColour()
{
    return QColor(0x33, 0x33, 0x33);
}

}  // namespace zelkor
