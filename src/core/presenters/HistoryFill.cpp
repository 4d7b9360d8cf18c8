#include "core/presenters/HistoryFill.h"

namespace zelkor {

std::string HistoryFill::ProvinceFor(const CallHistory& history, HistorySlot slot,
                                     const std::string& callsign, const std::string& code)
{
    std::string& filled = m_filled[static_cast<std::size_t>(slot)];
    if (!code.empty() && code != filled) {
        return code;  // typed by the operator, or given by the log
    }
    filled = history.ProvinceOf(callsign);
    return filled;
}

}  // namespace zelkor
