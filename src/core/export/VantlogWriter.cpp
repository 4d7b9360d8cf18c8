#include "core/export/VantlogWriter.h"

#include "core/export/TextPieces.h"
#include "core/log/LogColumns.h"
#include "core/log/LogList.h"

#include <string_view>

namespace zelkor {
namespace {

constexpr std::string_view kPsk31 = "PSK31";
// The usual line is 76 bytes.
constexpr std::size_t kLineCapacity = 88;

void AppendLine(std::string& out, const LogList& log, int row)
{
    auto cell = [&log, row](int column) { return log.Cell(row, column); };
    const std::string_view date = cell(QsoColumn::Date);
    const std::string_view time = cell(QsoColumn::Time);
    const bool psk31 = cell(QsoColumn::Mode) == kPsk31;

    // dd.mm.yy from dd.mm.yyyy, hhmm as typed.
    out.append(FirstChars(date, 6));
    out.append(LastChars(date, 2));
    out.push_back(' ');
    out.append(FirstChars(time, 2));
    out.append(LastChars(time, 2));
    out.push_back(' ');

    // "%-5s %-6s ", then its first comma becomes a full stop: 3,5 is written 3.5.
    const std::size_t bandStart = out.size();
    AppendLeftAligned(out, cell(QsoColumn::Band), 5);
    out.push_back(' ');
    AppendLeftAligned(out, psk31 ? std::string_view("RTTY") : cell(QsoColumn::Mode), 6);
    out.push_back(' ');
    const std::size_t comma = out.find(',', bandStart);
    if (comma != std::string::npos) {
        out[comma] = '.';
    }

    AppendLeftAligned(out, FirstChars(cell(QsoColumn::Callsign), 10), 10);
    out.push_back(' ');
    AppendLeftAligned(out, cell(QsoColumn::ReportSent), 6);
    out.push_back(' ');
    AppendLeftAligned(out, cell(QsoColumn::ReportReceived), 6);
    out.push_back(' ');
    out.append("------ SEZ ");
    out.append(FirstChars(cell(QsoColumn::ProvinceCode), 2));
    out.append(psk31 ? " PSK   --\r\n" : "       --\r\n");
}

}  // namespace

std::string VantlogLine(const LogList& log, int row)
{
    std::string line;
    line.reserve(kLineCapacity);
    AppendLine(line, log, row);
    return line;
}

QByteArray VantlogTextBytes(const LogList& log)
{
    // Written straight into the bytes handed back, a line at a time through one buffer, so
    // that a long log is never held twice.
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(log.RowCount()) * static_cast<qsizetype>(kLineCapacity));
    std::string line;
    for (int row = 0; row < log.RowCount(); ++row) {
        line.clear();
        AppendLine(line, log, row);
        bytes.append(line.data(), static_cast<qsizetype>(line.size()));
    }
    return bytes;
}

}  // namespace zelkor
