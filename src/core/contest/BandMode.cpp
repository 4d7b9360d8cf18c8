#include "core/contest/BandMode.h"

namespace zelkor {

int ModeRowFromPosition(int position)
{
    if (position < 0) {
        return 0;
    }
    return position > 2 ? 2 : position;
}

std::optional<int> ModeRowFromText(std::string_view mode)
{
    if (mode.empty()) {
        return std::nullopt;
    }
    switch (mode.front()) {
        case 'S':
            return 0;
        case 'C':
            return 1;
        case 'R':
        case 'P':
            return 2;
        default:
            return std::nullopt;
    }
}

int BandIndexFromPosition(int position)
{
    return position == 1 ? 1 : 0;
}

int BandIndexFromText(std::string_view band)
{
    return band == "7" ? 1 : 0;
}

}  // namespace zelkor
