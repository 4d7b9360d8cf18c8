#pragma once
// The entrant's eleven station values, written into every log file header.

#include <string>

namespace zelkor {

class SettingsStore;

struct SummaryData {
    std::string callsign;
    std::string province;
    std::string section;
    std::string name;
    std::string operators;
    std::string category = "SOP";
    std::string address1;
    std::string address2;
    std::string address3;
    std::string comment1;
    std::string comment2;

    bool operator==(const SummaryData&) const = default;
};

// The log is an SWL log exactly when the category is "SWL" (whole string, case-sensitive).
bool IsSwlCategory(const std::string& category);

SummaryData ReadSummaryData(const SettingsStore& store);
// Writes all eleven values in the store's order; false when the store could not be written.
bool WriteSummaryData(SettingsStore& store, const SummaryData& data);

}  // namespace zelkor
