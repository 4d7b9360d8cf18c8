#pragma once
// The entry row's use of the call history: when a callsign field is left and neither this log
// nor the station's record gives a province, the history's code goes into the province field,
// where it then works exactly as a typed code. A code the history put there for an earlier
// callsign of the same field gives way to the new station's; any other code stays.

#include "core/history/CallHistory.h"

#include <array>
#include <string>

namespace zelkor {

// The province fields the history fills: the (calling) station's and, in an SWL entry, the
// answering station's.
enum class HistorySlot { Calling, Answering };

class HistoryFill {
public:
    // The code the province field holds once the callsign has been left: the history's for the
    // station when the field is empty or holds what the history put there before, otherwise
    // the code as it is.
    std::string ProvinceFor(const CallHistory& history, HistorySlot slot,
                            const std::string& callsign, const std::string& code);

private:
    std::array<std::string, 2> m_filled;
};

}  // namespace zelkor
