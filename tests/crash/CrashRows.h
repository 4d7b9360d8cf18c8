#pragma once
// The rows the crash child appends, derived from their key alone, so that the test can tell a
// row that came through whole from one that was cut or glued to another.

#include <regex>
#include <string>
#include <vector>

namespace zelkor::crash {

inline constexpr const char* kAppendMode = "append";
inline constexpr const char* kHoldLockMode = "hold-lock";
inline constexpr const char* kLockedLine = "locked";
inline constexpr const char* kContendMode = "contend";

// The key doubles as the callsign: "S" seed "N" number.
inline std::string RowKey(int seed, int number)
{
    return "S" + std::to_string(seed) + "N" + std::to_string(number);
}

// Columns 1 to 8 of the QSO row appended under the key; empty when the text is no key.
inline std::vector<std::string> RowCells(const std::string& key)
{
    static const std::regex kKey("S[0-9]{1,6}N[0-9]{1,6}");
    if (!std::regex_match(key, kKey)) {
        return {};
    }
    const int number = std::stoi(key.substr(key.find('N') + 1));
    static const char* const kModes[] = {"SSB", "CW", "RTTY", "PSK31"};
    static const char* const kCodes[] = {"RM", "TO", "MI", "NA", "ZZ"};
    const std::string minutes = std::to_string(100 + number % 60).substr(1);
    const std::string hours = std::to_string(100 + number / 60 % 24).substr(1);
    const std::string mode = kModes[number % 4];
    const std::string report = mode == "SSB" ? "59" : "599";
    return {"05.02.2006", hours + minutes, number % 2 ? "7" : "3,5", mode, key,
            report,       report,          kCodes[number % 5]};
}

}  // namespace zelkor::crash
