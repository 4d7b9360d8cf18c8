#include "core/export/CabrilloWriter.h"

#include "core/export/TextPieces.h"
#include "core/log/LogColumns.h"
#include "core/log/LogList.h"
#include "core/settings/SummaryData.h"

#include <array>
#include <utility>

namespace zelkor {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kCallsignWidth = 14;
constexpr std::size_t kReportWidth = 4;
constexpr std::size_t kProvinceWidth = 6;
// A generous line: the usual one is 79 bytes.
constexpr std::size_t kLineCapacity = 96;

// Exact texts of the edit dialog's bands outside the contest; they come before the comma rule,
// since "1,8" has a comma too.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kOtherBands = {{
    {"1,8", " 1800 "},
    {"14", "14000 "},
    {"21", "21000 "},
    {"28", "28000 "},
}};

void AppendLine(std::string& out, std::string_view keyword, std::string_view value)
{
    out.append(keyword);
    out.append(value);
    out.append(kLineEnd);
}

void AppendLineIfAny(std::string& out, std::string_view keyword, std::string_view value)
{
    if (!value.empty()) {
        AppendLine(out, keyword, value);
    }
}

void AppendHeader(std::string& out, const SummaryData& summary, int score)
{
    out.append("START-OF-LOG: 2.0\r\n");
    out.append("CREATED-BY: ZELKOR v1.0\r\n");
    out.append("CONTEST: 40/80 METRI\r\n");
    AppendLine(out, "CALLSIGN: ", summary.callsign);
    AppendLine(out, "CATEGORY: ", summary.category);
    AppendLine(out, "OPERATORS: ", summary.operators);
    AppendLine(out, "CLAIMED-SCORE: ", std::to_string(score));
    AppendLine(out, "NAME: ", summary.name);
    AppendLineIfAny(out, "ADDRESS: ", summary.address1);
    AppendLineIfAny(out, "ADDRESS: ", summary.address2);
    AppendLineIfAny(out, "ADDRESS: ", summary.address3);
    out.append("SOAPBOX: Prov. ");
    out.append(summary.province);
    out.append(" - Sezione ");
    out.append(summary.section);
    out.append(kLineEnd);
    AppendLineIfAny(out, "SOAPBOX: ", summary.comment1);
    AppendLineIfAny(out, "SOAPBOX: ", summary.comment2);
}

// yyyy-mm-dd from dd.mm.yyyy, and a blank; a shorter text gives shorter pieces.
void AppendDate(std::string& out, std::string_view date)
{
    out.append(LastChars(date, 4));
    out.push_back('-');
    out.append(CharsFrom(date, 3, 2));
    out.push_back('-');
    out.append(FirstChars(date, 2));
    out.push_back(' ');
}

}  // namespace

std::string_view CabrilloFrequency(std::string_view band)
{
    for (const auto& [text, frequency] : kOtherBands) {
        if (band == text) {
            return frequency;
        }
    }
    return band.find(',') != std::string_view::npos ? " 3500 " : " 7000 ";
}

std::string_view CabrilloMode(std::string_view mode)
{
    if (mode == "SSB") {
        return "PH ";
    }
    if (mode == "CW") {
        return "CW ";
    }
    return "RY ";
}

namespace {

void AppendQsoLine(std::string& line, const LogList& log, int row, const SummaryData& summary)
{
    // Date, time, band and mode sit in the same columns in both layouts.
    static_assert(int{QsoColumn::Date} == int{SwlColumn::Date} &&
                  int{QsoColumn::Time} == int{SwlColumn::Time} &&
                  int{QsoColumn::Band} == int{SwlColumn::Band} &&
                  int{QsoColumn::Mode} == int{SwlColumn::Mode});
    auto cell = [&log, row](int column) { return log.Cell(row, column); };

    line.append("QSO: ");
    line.append(CabrilloFrequency(cell(QsoColumn::Band)));
    line.append(CabrilloMode(cell(QsoColumn::Mode)));
    AppendDate(line, cell(QsoColumn::Date));
    line.append(cell(QsoColumn::Time));
    line.push_back(' ');
    if (log.IsSwl()) {
        AppendLeftAligned(line, cell(SwlColumn::CallingCallsign), kCallsignWidth);
        AppendLeftAligned(line, cell(SwlColumn::Report), kReportWidth);
        line.append(cell(SwlColumn::ProvinceCode));
        line.append("   ");
        AppendLeftAligned(line, cell(SwlColumn::AnsweringCallsign), kCallsignWidth);
    } else {
        AppendLeftAligned(line, summary.callsign, kCallsignWidth);
        AppendLeftAligned(line, cell(QsoColumn::ReportSent), kReportWidth);
        line.append(summary.province);
        line.append("   ");
        AppendLeftAligned(line, cell(QsoColumn::Callsign), kCallsignWidth);
        AppendLeftAligned(line, cell(QsoColumn::ReportReceived), kReportWidth);
        AppendLeftAligned(line, cell(QsoColumn::ProvinceCode), kProvinceWidth);
    }
    line.append(kLineEnd);
}

}  // namespace

std::string CabrilloQsoLine(const LogList& log, int row, const SummaryData& summary)
{
    std::string line;
    line.reserve(kLineCapacity);
    AppendQsoLine(line, log, row, summary);
    return line;
}

QByteArray CabrilloBytes(const LogList& log, const SummaryData& summary, int score)
{
    // Written straight into the bytes handed back, a line at a time through one buffer, so
    // that a long log is never held twice.
    std::string text;
    AppendHeader(text, summary, score);
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(text.size()) +
                  static_cast<qsizetype>(log.RowCount()) * static_cast<qsizetype>(kLineCapacity));
    bytes.append(text.data(), static_cast<qsizetype>(text.size()));
    for (int row = 0; row < log.RowCount(); ++row) {
        text.clear();
        AppendQsoLine(text, log, row, summary);
        bytes.append(text.data(), static_cast<qsizetype>(text.size()));
    }
    bytes.append("END-OF-LOG: \r\n");
    return bytes;
}

}  // namespace zelkor
