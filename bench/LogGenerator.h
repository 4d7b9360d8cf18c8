#pragma once
// Realistic logs of any size for the benchmarks and for bench/compare.sh: Italian callsigns, the
// real province codes, the contest's bands and modes in plausible shares, times in entry order
// with the odd late entry. Everything comes from a fixed seed, so every run measures the same log.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelkor::bench {

inline constexpr std::array<std::string_view, 107> kProvinceCodes = {
    "AG", "AL", "AN", "AO", "AP", "AQ", "AR", "AT", "AV", "BA", "BG", "BI", "BL", "BN", "BO", "BR",
    "BS", "BT", "BZ", "CA", "CB", "CE", "CH", "CL", "CN", "CO", "CR", "CS", "CT", "CZ", "EN", "FC",
    "FE", "FG", "FI", "FM", "FR", "GE", "GO", "GR", "IM", "IS", "KR", "LC", "LE", "LI", "LO", "LT",
    "LU", "MB", "MC", "ME", "MI", "MN", "MO", "MS", "MT", "NA", "NO", "NU", "OR", "PA", "PC", "PD",
    "PE", "PG", "PI", "PN", "PO", "PR", "PT", "PU", "PV", "PZ", "RA", "RC", "RE", "RG", "RI", "RM",
    "RN", "RO", "SA", "SI", "SO", "SP", "SR", "SS", "SU", "SV", "TA", "TE", "TN", "TO", "TP", "TR",
    "TS", "TV", "UD", "VA", "VB", "VC", "VE", "VI", "VR", "VT", "VV"};

// A small, fast generator whose sequence is the same on every platform (xorshift64*).
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed * 2685821657736338717ULL + 1) {}

    std::uint32_t Next()
    {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return static_cast<std::uint32_t>((m_state * 2685821657736338717ULL) >> 32);
    }
    // 0..bound-1.
    int Below(int bound) { return static_cast<int>(Next() % static_cast<std::uint32_t>(bound)); }

private:
    std::uint64_t m_state;
};

// Station k's callsign: one of the Italian prefixes, a call-area digit and a suffix of three
// letters, four once the three-letter ones run out. Distinct k give distinct callsigns.
inline std::string StationCallsign(std::uint32_t k)
{
    static constexpr std::array<std::string_view, 10> kPrefixes = {"I",  "IK", "IZ", "IW", "IU",
                                                                   "IV", "IN", "IQ", "IT", "IS"};
    std::string call(kPrefixes[k % 10]);
    call += static_cast<char>('0' + (k / 10) % 10);
    std::uint32_t rest = k / 100;
    int letters = 3;
    if (rest >= 26 * 26 * 26) {
        rest -= 26 * 26 * 26;
        letters = 4;
    }
    char suffix[4];
    for (int i = letters - 1; i >= 0; --i) {
        suffix[i] = static_cast<char>('A' + rest % 26);
        rest /= 26;
    }
    call.append(suffix, static_cast<std::size_t>(letters));
    return call;
}

// Spreads consecutive numbers over the callsign space in a scrambled order, without repeats
// below 2^23, so that new stations arrive in no particular alphabetical order.
inline std::uint32_t ScrambledStation(std::uint32_t n)
{
    return (n * 2654435761U + 12345U) & ((1U << 23) - 1);
}

inline std::string_view StationProvince(std::uint32_t k)
{
    return kProvinceCodes[(k * 40503U >> 3) % kProvinceCodes.size()];
}

struct GeneratedRow {
    std::string date;
    std::string time;
    std::string band;
    std::string mode;
    std::string callsign;
    std::string reportSent;
    std::string reportReceived;
    std::string provinceCode;
    // SWL rows: the answering station.
    std::string answeringCallsign;
};

// The rows of a contest weekend in entry order. QSO logs: stations drawn from a pool about a
// third of the log, so most are worked on several bands and modes. SWL logs with allNewStations:
// every row brings two stations never heard before, the worst case for the station list; without
// it, both stations come from a pool as in a QSO log.
class RowGenerator {
public:
    RowGenerator(int rowCount, bool swl, bool allNewStations, std::uint64_t seed = 40)
        : m_rowCount(rowCount),
          m_swl(swl),
          m_allNew(allNewStations),
          m_pool(static_cast<std::uint32_t>(rowCount / 3 + 50)),
          m_random(seed)
    {
    }

    GeneratedRow Next()
    {
        GeneratedRow row;
        // Two days of 24 hours spread over the log; every 97th row was logged a few minutes late.
        long minute = static_cast<long>(m_index) * 2880L / (m_rowCount > 0 ? m_rowCount : 1);
        if (m_index % 97 == 96 && minute >= 3) {
            minute -= 3;
        }
        row.date = minute < 1440 ? "05.02.2006" : "06.02.2006";
        const long dayMinute = minute % 1440;
        row.time = TwoDigits(dayMinute / 60) + TwoDigits(dayMinute % 60);
        row.band = m_random.Below(10) < 6 ? "7" : "3,5";
        const int modeDraw = m_random.Below(20);
        row.mode = modeDraw < 10 ? "SSB" : modeDraw < 17 ? "CW" : modeDraw < 19 ? "RTTY" : "PSK31";
        const bool phone = row.mode == "SSB";
        static constexpr std::array<std::string_view, 4> kPhone = {"59", "59", "57", "58"};
        static constexpr std::array<std::string_view, 4> kOther = {"599", "599", "579", "589"};
        row.reportSent = phone ? "59" : "599";
        row.reportReceived = std::string((phone ? kPhone : kOther)[m_random.Below(4)]);
        const std::uint32_t caller = DrawStation();
        row.callsign = StationCallsign(caller);
        row.provinceCode = std::string(StationProvince(caller));
        if (m_swl) {
            std::uint32_t answerer = DrawStation();
            if (answerer == caller) {
                answerer = ScrambledStation(m_pool + 1);
            }
            row.answeringCallsign = StationCallsign(answerer);
        }
        ++m_index;
        return row;
    }

    // Columns 1..n as the log takes them.
    std::vector<std::string> Cells(const GeneratedRow& row) const
    {
        if (m_swl) {
            return {row.date,     row.time,       row.band,         row.mode,
                    row.callsign, row.reportSent, row.provinceCode, row.answeringCallsign};
        }
        return {row.date,       row.time,           row.band,         row.mode, row.callsign,
                row.reportSent, row.reportReceived, row.provinceCode, ""};
    }

    // The row's line in a log file, own province "RM".
    std::string FileLine(const GeneratedRow& row) const
    {
        std::string line = row.date + '^' + row.time + '^' + row.band + '^' + row.mode + '^' +
                           row.callsign + '^' + row.reportSent + '^';
        if (m_swl) {
            line += row.provinceCode + '^' + row.answeringCallsign + "^\r\n";
        } else {
            line += "RM^" + row.reportReceived + '^' + row.provinceCode + "^\r\n";
        }
        return line;
    }

    // The magic line and the eleven summary lines of the entrant IK0ABC from Rome.
    std::string FileHeader() const
    {
        return std::string(m_swl ? "zelk100;hrd" : "zelk100;qso") + "\r\nIK0ABC\r\nRM\r\nLAZ\r\n" +
               (m_swl ? "SWL" : "SOP") +
               "\r\nIK0ABC\r\nMario Rossi\r\nVia Roma 1\r\n00100 Roma\r\n\r\n\r\n\r\n";
    }

private:
    static std::string TwoDigits(long n)
    {
        return {static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
    }

    std::uint32_t DrawStation()
    {
        if (m_allNew) {
            return ScrambledStation(m_pool + 2 + m_newStations++);
        }
        return ScrambledStation(static_cast<std::uint32_t>(m_random.Next() % m_pool));
    }

    int m_rowCount;
    bool m_swl;
    bool m_allNew;
    std::uint32_t m_pool;
    std::uint32_t m_newStations = 0;
    int m_index = 0;
    Random m_random;
};

}  // namespace zelkor::bench
