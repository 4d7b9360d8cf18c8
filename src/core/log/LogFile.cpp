#include "core/log/LogFile.h"

#include "core/log/LogList.h"
#include "core/provinces/ProvinceTable.h"

#include <QBuffer>
#include <QIODevice>

#include <algorithm>
#include <array>
#include <span>
#include <string>
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
    const std::size_t start = out.size();
    out.append(value);
    for (std::size_t at = out.find_first_of(forbidden, start); at != std::string::npos;
         at = out.find_first_of(forbidden, at + 1)) {
        out[at] = ' ';
    }
}

struct Line {
    std::string text;
    // The read found no byte before the line could end with LF.
    bool endOfFile = false;
};

struct LineView {
    std::string_view text;
    bool endOfFile = false;
};

// Splits the file into lines: CR is dropped wherever it stands, LF ends a line. A line is read
// whole however long it is, so that a long line stays one row.
class LineReader {
public:
    explicit LineReader(std::string_view bytes) : m_bytes(bytes) {}

    Line Next()
    {
        LineView view;
        NextView(view);
        return {std::string(view.text), view.endOfFile};
    }

    // The same as a view into the file, or into a buffer of the reader's own when a CR has to
    // go from inside the line; valid until the next read. The row loop reads every line this
    // way, without copying it.
    void NextView(LineView& line)
    {
        const std::size_t end = m_bytes.find(kLineFeed, m_position);
        const std::size_t stop = end == std::string_view::npos ? m_bytes.size() : end;
        const std::string_view whole = m_bytes.substr(m_position, stop - m_position);
        line.text = whole;
        if (line.text.ends_with(kCarriageReturn)) {
            line.text.remove_suffix(1);
        }
        if (line.text.find(kCarriageReturn) != std::string_view::npos) {
            m_withoutCarriageReturns.assign(whole);
            std::erase(m_withoutCarriageReturns, kCarriageReturn);
            line.text = m_withoutCarriageReturns;
        }
        line.endOfFile = end == std::string_view::npos;
        m_position = line.endOfFile ? m_bytes.size() : end + 1;
    }

private:
    std::string_view m_bytes;
    std::size_t m_position = 0;
    std::string m_withoutCarriageReturns;
};

// What is left to read; a buffer's bytes are shared rather than copied, which matters for a log
// of a million rows.
QByteArray ReadRest(QIODevice& device)
{
    if (auto* buffer = qobject_cast<QBuffer*>(&device); buffer != nullptr && buffer->pos() == 0) {
        QByteArray bytes = buffer->data();
        buffer->seek(bytes.size());
        return bytes;
    }
    return device.readAll();
}

// What follows the file's last LF, exactly as it stands: empty when the file ends with one.
std::string_view UnterminatedLastLine(std::string_view bytes)
{
    const std::size_t lastLineFeed = bytes.rfind(kLineFeed);
    return lastLineFeed == std::string_view::npos ? bytes : bytes.substr(lastLineFeed + 1);
}

// Takes the text up to the next '^' (or the end), then drops it and the one character after it.
// Fields are short: a plain loop beats a library search call per field.
std::string_view TakeField(std::string_view& rest)
{
    std::size_t length = 0;
    while (length < rest.size() && rest[length] != kSeparator) {
        ++length;
    }
    const std::string_view field = rest.substr(0, length);
    rest.remove_prefix(std::min(rest.size(), length + 1));
    return field;
}

// Columns 1..n of a row from its line, as views into the line, into the time kept here and into
// the province names; missing fields stay empty and extra fields are ignored. Made once per
// load, so that no row costs an allocation.
class RowCells {
public:
    RowCells(bool swl, const ProvinceTable& provinces) : m_swl(swl), m_provinces(provinces) {}

    std::span<const std::string_view> Parse(std::string_view line)
    {
        auto cell = [this](int column) -> std::string_view& { return m_cells[column - 1]; };
        std::string_view rest = line;
        if (m_swl) {
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
        std::string_view& time = cell(QsoColumn::Time);
        if (time.size() >= kLongTime) {
            m_time = {time[0], time[1], time[time.size() - 2], time[time.size() - 1]};
            time = std::string_view(m_time.data(), m_time.size());
        }
        if (!m_swl) {
            // A name depends only on the code's slot: made the first time the slot is met.
            const int slot = ProvinceIndexOf(cell(QsoColumn::ProvinceCode));
            if (!m_nameMade[slot]) {
                m_provinceNames[slot] = m_provinces.Name(slot);
                CapitaliseProvinceName(m_provinceNames[slot]);
                m_nameMade[slot] = true;
            }
            cell(QsoColumn::ProvinceName) = m_provinceNames[slot];
        }
        return {m_cells.data(),
                static_cast<std::size_t>(m_swl ? SwlColumn::Count - 1 : QsoColumn::Count - 1)};
    }

private:
    bool m_swl;
    const ProvinceTable& m_provinces;
    std::array<std::string_view, QsoColumn::Count - 1> m_cells{};
    std::array<char, 4> m_time{};
    std::array<std::string, kProvinceSlotCount> m_provinceNames;
    std::array<bool, kProvinceSlotCount> m_nameMade{};
};

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

namespace {

void AppendRowLine(std::string& line, const LogList& log, int row, const SummaryData& summary)
{
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
}

}  // namespace

std::string RowLine(const LogList& log, int row, const SummaryData& summary)
{
    std::string line;
    AppendRowLine(line, log, row, summary);
    return line;
}

QByteArray LogFileBytes(const LogList& log, const SummaryData& summary)
{
    QByteArray bytes = WriteLogHeader(log.IsSwl(), summary);
    // About the size of a usual line, so that the text grows in few steps.
    bytes.reserve(bytes.size() + static_cast<qsizetype>(log.RowCount()) * 48);
    std::string line;
    for (int row = 0; row < log.RowCount(); ++row) {
        line.clear();
        AppendRowLine(line, log, row, summary);
        bytes.append(line.data(), static_cast<qsizetype>(line.size()));
    }
    return bytes;
}

LogReadResult ReadLogFile(QIODevice& device, const ProvinceTable& provinces, LogList& log,
                          SummaryData& summary)
{
    const QByteArray bytes = ReadRest(device);
    const std::string_view fileBytes(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    LineReader reader(fileBytes);

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
    {
        RowCells cells(swl, provinces);
        LogList::RowBatch rows(log);
        // The first row line came with the header; the others are read in place.
        LineView row{line.text, line.endOfFile};
        for (int number = 1; !row.endOfFile; ++number) {
            rows.Append(number, cells.Parse(row.text));
            reader.NextView(row);
        }
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

bool IsBinaryNotLog(const QByteArray& bytes)
{
    if (!bytes.contains('\0')) {
        return false;
    }
    LineReader reader(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    LineView first;
    reader.NextView(first);
    return !first.text.starts_with(kMagicPrefix);
}

}  // namespace zelkor
