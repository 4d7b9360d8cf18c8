#include "core/presenters/HistoryFill.h"

namespace zelkor {

void HistoryFill::Fill(const CallHistory& history, HistorySlot slot, const std::string& callsign,
                       std::string& code)
{
    std::string& filled = m_filled[static_cast<std::size_t>(slot)];
    if (!code.empty() && code != filled) {
        return;  // typed by the operator, or given by the log
    }
    code = history.ProvinceOf(callsign);
    filled = code;
}

}  // namespace zelkor
