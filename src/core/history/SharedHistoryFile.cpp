#include "core/history/SharedHistoryFile.h"

#include "core/history/HistoryLines.h"
#include "core/provinces/ProvinceTable.h"
#include "core/text/Text.h"

#include <algorithm>

namespace zelkor {
namespace {

constexpr std::string_view kOrderMark = "!!Order!!";
constexpr std::size_t kSampleCount = 3;

// The fields of a line, trimmed and without surrounding quotes.
std::vector<std::string> SplitFields(std::string_view line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        std::string field = TrimWhiteSpace(line.substr(start, comma - start));
        if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
            field = TrimWhiteSpace(std::string_view(field).substr(1, field.size() - 2));
        }
        fields.push_back(std::move(field));
        if (comma == std::string_view::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

bool IsDataLine(std::string_view line)
{
    const std::string trimmed = TrimWhiteSpace(line);
    return !trimmed.empty() && trimmed.front() != '#';
}

// Calls f with the fields of every data line after the "!!Order!!" line.
template <typename F>
void ForEachDataLine(const QByteArray& bytes, F f)
{
    bool headerSeen = false;
    ForEachLine(WithoutByteOrderMark(bytes), [&](std::string_view line) {
        if (!IsDataLine(line)) {
            return;
        }
        if (!headerSeen) {
            headerSeen = true;  // the first line of the file names the columns
            return;
        }
        f(SplitFields(line));
    });
}

bool IsKnownProvinceValue(const std::string& value, const ProvinceTable& provinces)
{
    const std::string code = ProvinceFromExchange(value);
    return !code.empty() && !provinces.ProvinceNameOf(code).empty();
}

// The column names after "!!Order!!" on the first data line; none when that line is no such
// header.
std::vector<std::string> OrderColumns(const QByteArray& bytes)
{
    std::vector<std::string> columns;
    bool found = false;
    ForEachLine(WithoutByteOrderMark(bytes), [&](std::string_view line) {
        if (found || !IsDataLine(line)) {
            return;
        }
        found = true;
        std::vector<std::string> names = SplitFields(line);
        if (names.empty() || !StartsWithNoCase(names.front(), kOrderMark)) {
            return;
        }
        names.erase(names.begin());
        // "!!Order!!,Call,Name," ends with a comma in many files: no column follows it.
        while (!names.empty() && names.back().empty()) {
            names.pop_back();
        }
        columns = std::move(names);
    });
    return columns;
}

}  // namespace

SharedHistoryLayout InspectSharedHistory(const QByteArray& bytes, const ProvinceTable& provinces)
{
    SharedHistoryLayout layout;
    layout.columns = OrderColumns(bytes);
    for (std::size_t i = 0; i < layout.columns.size(); ++i) {
        std::string name = layout.columns[i];
        ToUpperAscii(name);
        if (name == "CALL" && layout.callColumn < 0) {
            layout.callColumn = static_cast<int>(i);
        }
    }
    const std::size_t count = layout.columns.size();
    layout.samples.assign(count, {});
    std::vector<int> values(count, 0);
    std::vector<int> provinceValues(count, 0);
    ForEachDataLine(bytes, [&](const std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < std::min(count, fields.size()); ++i) {
            if (fields[i].empty()) {
                continue;
            }
            ++values[i];
            provinceValues[i] += IsKnownProvinceValue(fields[i], provinces) ? 1 : 0;
            if (layout.samples[i].size() < kSampleCount) {
                layout.samples[i].push_back(fields[i]);
            }
        }
    });
    for (std::size_t i = 0; i < count; ++i) {
        // At least half: stations abroad and typing slips don't hide the column.
        if (static_cast<int>(i) != layout.callColumn && provinceValues[i] > 0 &&
            provinceValues[i] * 2 >= values[i]) {
            layout.provinceColumns.push_back(static_cast<int>(i));
        }
    }
    return layout;
}

std::optional<int> ObviousProvinceColumn(const SharedHistoryLayout& layout)
{
    if (layout.provinceColumns.size() != 1) {
        return std::nullopt;
    }
    return layout.provinceColumns.front();
}

HistoryReadResult ReadSharedHistory(const QByteArray& bytes, const SharedHistoryLayout& layout,
                                    int provinceColumn, const ProvinceTable& provinces)
{
    HistoryReadResult result;
    const auto call = static_cast<std::size_t>(layout.callColumn);
    const auto province = static_cast<std::size_t>(provinceColumn);
    ForEachDataLine(bytes, [&](const std::vector<std::string>& fields) {
        std::optional<HistoryRecord> record;
        if (layout.callColumn >= 0 && provinceColumn >= 0 && call < fields.size() &&
            province < fields.size()) {
            record = MakeHistoryRecord(fields[call], fields[province], std::string(), provinces);
        }
        if (record) {
            result.records.push_back(std::move(*record));
        } else {
            ++result.skipped;
        }
    });
    return result;
}

QByteArray SharedHistoryBytes(const CallHistory& history)
{
    QByteArray bytes("!!Order!!,Call,Exch1\r\n");
    bytes.reserve(bytes.size() + qsizetype{history.Size()} * 16);
    for (const auto& [callsign, entry] : history.AllEntries()) {
        bytes.append(callsign.data(), static_cast<qsizetype>(callsign.size()));
        bytes.append(',');
        bytes.append(entry.province.data(), static_cast<qsizetype>(entry.province.size()));
        bytes.append("\r\n");
    }
    return bytes;
}

}  // namespace zelkor
