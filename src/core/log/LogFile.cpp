#include "core/log/LogFile.h"

#include "core/log/LogList.h"
#include "core/provinces/ProvinceTable.h"
#include "core/worked/WorkedTables.h"

#include <QIODevice>

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace zelkor {

namespace {

constexpr std::string_view kMagicPrefix = "zelk100";
constexpr std::string_view kLineEnd = "\r\n";
constexpr char kSeparator = '^';
constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';

// The header lines in file order, which is not the order of the settings.
constexpr std::array kHeaderFields = {
    &SummaryData::callsign,  &SummaryData::province, &SummaryData::section,  &SummaryData::category,
    &SummaryData::operators, &SummaryData::name,     &SummaryData::address1, &SummaryData::address2,
    &SummaryData::address3,  &SummaryData::comment1, &SummaryData::comment2,
};

// Row fields of each layout, in file order. A QSO row carries the own province between the
// report sent and the report received; kOwnProvince marks where.
constexpr int kOwnProvince = -1;
constexpr std::array<int, 9> kQsoFields = {
    QsoColumn::Date, QsoColumn::Time,           QsoColumn::Band,
    QsoColumn::Mode, QsoColumn::Callsign,       QsoColumn::ReportSent,
    kOwnProvince,    QsoColumn::ReportReceived, QsoColumn::ProvinceCode,
};
constexpr std::array<int, 8> kSwlFields = {
    SwlColumn::Date,
    SwlColumn::Time,
    SwlColumn::Band,
    SwlColumn::Mode,
    SwlColumn::CallingCallsign,
    SwlColumn::Report,
    SwlColumn::ProvinceCode,
    SwlColumn::AnsweringCallsign,
};

// A time field this long or longer is shown as its first two and last two characters, which
// turns a typed '14:32' into '1432'.
constexpr std::size_t kLongTime = 5;

// No escaping exists in the format, so a byte that would end a field or a line can't be kept.
void AppendBlanked(std::string& out, std::string_view value, std::string_view forbidden)
{
    for (char c : value) {
        out.push_back(forbidden.find(c) == std::string_view::npos ? c : ' ');
    }
}

std::string WithoutCarriageReturns(std::string_view bytes)
{
    std::string text(bytes);
    std::erase(text, kCarriageReturn);
    return text;
}

struct Line {
    std::string text;
    // The read found no byte before the line could end with LF.
    bool endOfFile = false;
};

// Splits the file into lines: CR is dropped wherever it stands, LF ends a line. A line is read
// whole however long it is, so that a long line stays one row.
class LineReader {
public:
    explicit LineReader(std::string_view bytes) : m_bytes(bytes) {}

    Line Next()
    {
        Line line;
        const std::size_t end = m_bytes.find(kLineFeed, m_position);
        const std::size_t stop = end == std::string_view::npos ? m_bytes.size() : end;
        line.text = WithoutCarriageReturns(m_bytes.substr(m_position, stop - m_position));
        line.endOfFile = end == std::string_view::npos;
        m_position = line.endOfFile ? m_bytes.size() : end + 1;
        return line;
    }

private:
    std::string_view m_bytes;
    std::size_t m_position = 0;
};

// What follows the file's last LF, exactly as it stands: empty when the file ends with one.
std::string_view UnterminatedLastLine(std::string_view bytes)
{
    const std::size_t lastLineFeed = bytes.rfind(kLineFeed);
    return lastLineFeed == std::string_view::npos ? bytes : bytes.substr(lastLineFeed + 1);
}

// Takes the text up to the next '^' (or the end), then drops it and the one character after it.
std::string_view TakeField(std::string_view& rest)
{
    const std::string_view field = rest.substr(0, rest.find(kSeparator));
    rest.remove_prefix(std::min(rest.size(), field.size() + 1));
    return field;
}

// Columns 1..n of a row from its line; missing fields stay empty and extra fields are ignored.
std::vector<std::string> RowCells(std::string_view line, bool swl, const ProvinceTable& provinces)
{
    std::vector<std::string> cells(swl ? SwlColumn::Count - 1 : QsoColumn::Count - 1);
    auto cell = [&cells](int column) -> std::string& { return cells[column - 1]; };
    std::string_view rest = line;
    if (swl) {
        for (int column : kSwlFields) {
            cell(column) = TakeField(rest);
        }
    } else {
        for (int column : kQsoFields) {
            const std::string_view field = TakeField(rest);
            if (column != kOwnProvince) {
                cell(column) = field;
            }
        }
    }
    // The time sits in the same column in both layouts.
    std::string& time = cell(QsoColumn::Time);
    if (time.size() >= kLongTime) {
        time = time.substr(0, 2) + time.substr(time.size() - 2);
    }
    if (!swl) {
        std::string name = provinces.ProvinceNameOf(cell(QsoColumn::ProvinceCode));
        CapitaliseProvinceName(name);
        cell(QsoColumn::ProvinceName) = std::move(name);
    }
    return cells;
}

}  // namespace

std::string LogFileMagic(bool swl)
{
    return std::string(kMagicPrefix) + (swl ? ";hrd" : ";qso");
}

QByteArray WriteLogHeader(bool swl, const SummaryData& summary)
{
    // SWL mode is told by the magic line alone, but the category line still has to say so.
    SummaryData written = summary;
    if (swl) {
        written.category = "SWL";
    }
    std::string header = LogFileMagic(swl);
    header += kLineEnd;
    for (std::string SummaryData::*field : kHeaderFields) {
        AppendBlanked(header, written.*field, "\r\n");
        header += kLineEnd;
    }
    return QByteArray(header.data(), static_cast<qsizetype>(header.size()));
}

std::string RowLine(const LogList& log, int row, const SummaryData& summary)
{
    std::string line;
    auto appendField = [&line](std::string_view value) {
        AppendBlanked(line, value, "^\r\n");
        line += kSeparator;
    };
    if (log.IsSwl()) {
        for (int column : kSwlFields) {
            appendField(log.Cell(row, column));
        }
    } else {
        for (int column : kQsoFields) {
            appendField(column == kOwnProvince ? summary.province : log.Cell(row, column));
        }
    }
    line += kLineEnd;
    return line;
}

QByteArray LogFileBytes(const LogList& log, const SummaryData& summary)
{
    QByteArray bytes = WriteLogHeader(log.IsSwl(), summary);
    for (int row = 0; row < log.RowCount(); ++row) {
        const std::string line = RowLine(log, row, summary);
        bytes.append(line.data(), static_cast<qsizetype>(line.size()));
    }
    return bytes;
}

LogReadResult ReadLogFile(QIODevice& device, const ProvinceTable& provinces, LogList& log,
                          SummaryData& summary, WorkedTables& tables)
{
    const QByteArray bytes = device.readAll();
    const std::string_view fileBytes(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    LineReader reader(fileBytes);
    tables.Clear();

    LogReadResult result;
    Line line = reader.Next();
    bool swl = false;
    if (line.text.starts_with(kMagicPrefix)) {
        // Only the magic line decides the layout; a category "SWL" read below does not.
        swl = line.text.find("hrd", kMagicPrefix.size()) != std::string::npos;
        // Header lines are taken even when the file ends inside the header: the missing
        // values become empty and no row follows.
        for (std::string SummaryData::*field : kHeaderFields) {
            result.headerIncomplete = result.headerIncomplete || line.endOfFile;
            line = reader.Next();
            summary.*field = std::move(line.text);
        }
        result.headerIncomplete = result.headerIncomplete || line.endOfFile;
        line = reader.Next();
    }
    if (swl) {
        log.SetSwlColumns();
    } else {
        log.SetQsoColumns();
    }

    // A line that the end of the file cut off may be half written, so it is never a row.
    for (int number = 1; !line.endOfFile; ++number) {
        log.InsertRow(number - 1, number, RowCells(line.text, swl, provinces));
        tables.AddRowToWorkedTables(log, number - 1, CallerProvinceRule::KeepExisting);
        line = reader.Next();
    }

    const std::string_view lastLine = UnterminatedLastLine(fileBytes);
    if (!lastLine.empty() &&
        lastLine.find_first_not_of(kCarriageReturn) != std::string_view::npos) {
        result.incompleteLastLine = true;
        result.incompleteLine =
            QByteArray(lastLine.data(), static_cast<qsizetype>(lastLine.size()));
    }
    return result;
}

}  // namespace zelkor
