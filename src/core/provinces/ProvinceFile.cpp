#include "core/provinces/ProvinceFile.h"

#include "core/platform/FileIO.h"
#include "core/text/Text.h"

#include <QBuffer>
#include <QIODevice>

#include <optional>

namespace zelkor {

namespace {

constexpr char kLineFeed = '\n';
constexpr char kCarriageReturn = '\r';

// Throws away what is left of a line the reader stopped in the middle of.
void SkipRestOfLine(QIODevice& device)
{
    char c = 0;
    while (device.getChar(&c) && c != kLineFeed) {
    }
}

}  // namespace

ProvinceLineRead ReadProvinceLine(QIODevice& device, std::string& line, int limit)
{
    ProvinceLineRead result;
    line.clear();
    char c = 0;
    for (;;) {
        if (!device.getChar(&c)) {
            result.endOfFile = true;
            break;
        }
        if (c == kLineFeed) {
            result.endedWithLineFeed = true;
            break;
        }
        if (c != kCarriageReturn) {
            line.push_back(c);
        }
        if (static_cast<int>(line.size()) > limit) {
            break;
        }
    }
    result.length = static_cast<int>(line.size());
    return result;
}

bool AcceptProvinceLine(std::string line, ProvinceTable& table)
{
    if (line.size() < 6) {
        return false;
    }
    ToUpperAscii(line);
    if (!IsUpperAsciiLetter(line[0]) || !IsUpperAsciiLetter(line[1]) || line[2] != ' ' ||
        !IsUpperAsciiLetter(line[3])) {
        return false;
    }
    table.SetName(ProvinceIndexOf(std::string_view(line).substr(0, 2)), line.substr(3));
    return true;
}

bool LoadProvinceFile(const QString& path, ProvinceTable& table)
{
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes) {
        return false;
    }
    QBuffer buffer;
    buffer.setData(*bytes);
    buffer.open(QIODevice::ReadOnly);
    LoadProvinceFile(buffer, table);
    return true;
}

void LoadProvinceFile(QIODevice& device, ProvinceTable& table)
{
    // A line that ends the file without LF carries the end-of-file flag and so is not taken;
    // the first over-long line ends the reading, since such a file is no province file.
    std::string line;
    ProvinceLineRead read = ReadProvinceLine(device, line);
    while (!read.endOfFile && read.length < kProvinceLineLimit) {
        AcceptProvinceLine(line, table);
        read = ReadProvinceLine(device, line);
    }
}

QString ProvinceFileOpenWarningText(const QString& path)
{
    return QStringLiteral("Errore apertura file province:\n") + path +
           QStringLiteral("\n\nImportare elenco province dal menu Strumenti");
}

int ImportProvinceLines(QIODevice& device, ProvinceTable& table)
{
    // Lists found elsewhere often carry long header or footer lines and lack a final line end,
    // so neither ends the import early.
    int accepted = 0;
    std::string line;
    for (;;) {
        const ProvinceLineRead read = ReadProvinceLine(device, line);
        if (read.length >= kProvinceLineLimit) {
            if (!read.endedWithLineFeed && !read.endOfFile) {
                SkipRestOfLine(device);
            }
        } else if (AcceptProvinceLine(TrimWhiteSpace(line), table)) {
            ++accepted;
        }
        if (read.endOfFile) {
            return accepted;
        }
    }
}

QByteArray ProvinceFileBytes(const ProvinceTable& table)
{
    QByteArray bytes;
    for (int index = 0; index < kProvinceSlotCount; ++index) {
        const std::string& name = table.Name(index);
        if (name.empty()) {
            continue;
        }
        const std::string line = ProvinceCodeAt(index) + ' ' + name + "\r\n";
        bytes.append(line.data(), static_cast<qsizetype>(line.size()));
    }
    return bytes;
}

bool SaveProvinceFile(const QString& path, const ProvinceTable& table, QString* reason)
{
    return WriteFileAtomically(path, ProvinceFileBytes(table), reason);
}

QString ProvinceFileNotWrittenText(const QString& reason)
{
    return QStringLiteral("Non posso salvare sul file _prov.cod!\n\n") + reason;
}

}  // namespace zelkor
