#include "core/history/PartialCheckIndex.h"

#include "core/contest/BandMode.h"
#include "core/log/LogColumns.h"
#include "core/log/LogList.h"
#include "core/text/Text.h"

#include <algorithm>

namespace zelkor {

void CallsignText::Clear()
{
    m_text.clear();
    m_starts.clear();
}

void CallsignText::Reserve(std::size_t count, std::size_t bytes)
{
    m_text.reserve(bytes + count);
    m_starts.reserve(count);
}

int CallsignText::Add(std::string_view callsign)
{
    m_text.push_back('\n');
    m_starts.push_back(static_cast<std::uint32_t>(m_text.size()));
    m_text.append(callsign);
    return Size() - 1;
}

std::string_view CallsignText::At(int index) const
{
    const auto i = static_cast<std::size_t>(index);
    const std::size_t start = m_starts[i];
    const std::size_t end = i + 1 < m_starts.size() ? m_starts[i + 1] - 1 : m_text.size();
    return std::string_view(m_text).substr(start, end - start);
}

void PartialCheckIndex::SetHistory(const CallHistory& history)
{
    m_history.Clear();
    m_historyProvinces.clear();
    m_history.Reserve(static_cast<std::size_t>(history.Size()),
                      static_cast<std::size_t>(history.Size()) * 8);
    m_historyProvinces.reserve(static_cast<std::size_t>(history.Size()));
    for (const auto& [callsign, entry] : history.AllEntries()) {
        m_history.Add(callsign);
        m_historyProvinces.push_back(entry.province);
    }
}

void PartialCheckIndex::SetLog(const LogList& log)
{
    m_log.Clear();
    m_logStations.clear();
    m_logPositions.clear();
    for (int row = 0; row < log.RowCount(); ++row) {
        AddLogRow(log, row);
    }
}

PartialCheckIndex::LogStation& PartialCheckIndex::LogStationOf(std::string_view callsign)
{
    const auto [position, inserted] =
        m_logPositions.try_emplace(std::string(callsign), static_cast<int>(m_logStations.size()));
    if (inserted) {
        m_log.Add(callsign);
        m_logStations.emplace_back();
    }
    return m_logStations[static_cast<std::size_t>(position->second)];
}

void PartialCheckIndex::AddLogRow(const LogList& log, int row)
{
    const bool swl = log.IsSwl();
    const std::string_view callsign =
        log.Cell(row, swl ? int{SwlColumn::CallingCallsign} : int{QsoColumn::Callsign});
    if (!callsign.empty()) {
        LogStation& station = LogStationOf(callsign);
        // The entry row takes a station's province from its first contact, and so does this.
        if (station.province.empty()) {
            station.province =
                log.Cell(row, swl ? int{SwlColumn::ProvinceCode} : int{QsoColumn::ProvinceCode});
        }
        if (const std::optional<int> mode = ModeRowFromText(log.Cell(row, QsoColumn::Mode))) {
            const int band = BandIndexFromText(log.Cell(row, QsoColumn::Band));
            station.worked = static_cast<std::uint8_t>(station.worked | (1U << (band + 2 * *mode)));
        }
    }
    if (swl) {
        const std::string_view answering = log.Cell(row, SwlColumn::AnsweringCallsign);
        if (!answering.empty()) {
            LogStationOf(answering);
        }
    }
}

bool PartialCheckIndex::InHistory(std::string_view callsign) const
{
    int low = 0;
    int high = m_history.Size();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (m_history.At(middle) < callsign) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low < m_history.Size() && m_history.At(low) == callsign;
}

PartialMatch PartialCheckIndex::MakeMatch(std::string_view callsign,
                                          const std::string* historyProvince) const
{
    PartialMatch match;
    match.callsign = callsign;
    const auto found = m_logPositions.find(match.callsign);
    if (found != m_logPositions.end()) {
        const LogStation& station = m_logStations[static_cast<std::size_t>(found->second)];
        match.inLog = true;
        match.worked = station.worked;
        match.province = station.province;
    }
    if (match.province.empty() && historyProvince != nullptr) {
        match.province = *historyProvince;
    }
    return match;
}

PartialCheckIndex::Result PartialCheckIndex::Find(std::string_view typed, std::size_t limit) const
{
    Result result;
    std::string part = TrimWhiteSpace(typed);
    ToUpperAscii(part);
    if (part.size() < kMinimumLength || part.find('\n') != std::string::npos) {
        return result;
    }
    // The history's callsigns come in order; the log's own are few and sorted here.
    std::vector<int> fromHistory;
    m_history.ForEachContaining(part, [&](int index) { fromHistory.push_back(index); });
    std::vector<std::string_view> fromLog;
    m_log.ForEachContaining(part, [&](int index) {
        const std::string_view callsign = m_log.At(index);
        if (!InHistory(callsign)) {
            fromLog.push_back(callsign);
        }
    });
    std::sort(fromLog.begin(), fromLog.end());
    result.total = static_cast<int>(fromHistory.size() + fromLog.size());

    auto history = fromHistory.begin();
    auto log = fromLog.begin();
    while (result.matches.size() < limit &&
           (history != fromHistory.end() || log != fromLog.end())) {
        const bool takeHistory =
            log == fromLog.end() || (history != fromHistory.end() && m_history.At(*history) < *log);
        if (takeHistory) {
            result.matches.push_back(MakeMatch(
                m_history.At(*history), &m_historyProvinces[static_cast<std::size_t>(*history)]));
            ++history;
        } else {
            result.matches.push_back(MakeMatch(*log, nullptr));
            ++log;
        }
    }
    return result;
}

}  // namespace zelkor
