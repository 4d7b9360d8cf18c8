#include "core/text/EncodedText.h"

#include "core/text/Cp1252.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace zelkor {
namespace {

// The build encodes with these same values (the encoder shares this file), so they can change
// freely as long as both are rebuilt together.
constexpr unsigned char kLengthMask = 0xA5;
constexpr unsigned char kEntryKeyBase = 0x3C;
constexpr unsigned char kEntryKeyStep = 0x17;
constexpr unsigned char kManualKeySeed = 0x6B;
constexpr unsigned char kManualKeyStep = 0x29;

const char* const kStringTableResource = ":/zelkor/encoded/string-table.bin";
const char* const kInstructionsResource = ":/zelkor/encoded/instructions.bin";

char Xor(char byte, unsigned char key)
{
    return static_cast<char>(static_cast<unsigned char>(byte) ^ key);
}

// The key of an entry's byte depends only on its place in the entry, so that every entry
// decodes on its own.
unsigned char EntryKey(std::size_t position)
{
    return static_cast<unsigned char>(kEntryKeyBase + position * kEntryKeyStep);
}

// The manual's key runs on through the whole resource; encoding and decoding are the same walk.
std::string XorWithManualKey(std::string_view bytes)
{
    std::string result(bytes.size(), '\0');
    unsigned char key = kManualKeySeed;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        result[i] = Xor(bytes[i], key);
        key = static_cast<unsigned char>(key + kManualKeyStep);
    }
    return result;
}

std::size_t EntryLength(char storedLengthByte)
{
    return static_cast<unsigned char>(Xor(storedLengthByte, kLengthMask));
}

QByteArray ReadResource(const char* path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

std::string_view View(const QByteArray& bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QString Where(int line, int column)
{
    return QStringLiteral("line %1, column %2: ").arg(line).arg(column);
}

// Tabs separate the string table's numbers from the texts; every other control character but
// LF would show as a box or break the fixed-pitch layout.
bool IsControl(char16_t c)
{
    return (c < 0x20 && c != u'\n' && c != u'\t') || (c >= 0x7F && c <= 0x9F);
}

QString CodePoint(char32_t codePoint)
{
    return QStringLiteral("U+") + QString::number(static_cast<uint>(codePoint), 16)
                                      .toUpper()
                                      .rightJustified(4, QLatin1Char('0'));
}

// One character that the code page may not hold, checked by a round trip through the program's
// own conversion, so that the build accepts exactly what the program can show.
bool FitsCodePage(QChar c)
{
    if (c.isSurrogate()) {
        return false;
    }
    const QString one(c);
    return ToQString(FromQString(one)) == one;
}

}  // namespace

std::string FetchEncodedString(int n)
{
    static const QByteArray table = ReadResource(kStringTableResource);
    return DecodeStringEntry(View(table), n);
}

std::string LoadInstructionsText()
{
    return DecodeInstructions(View(ReadResource(kInstructionsResource)));
}

std::string DecodeStringEntry(std::string_view table, int n)
{
    if (n < 0) {
        return {};
    }
    std::size_t at = 0;
    for (int skipped = 0; skipped < n; ++skipped) {
        if (at >= table.size()) {
            return {};
        }
        at += 1 + EntryLength(table[at]);
    }
    if (at >= table.size()) {
        return {};
    }
    const std::size_t length = EntryLength(table[at]);
    const std::string_view stored = table.substr(at + 1);
    if (stored.size() < length) {
        return {};
    }
    std::string text(length, '\0');
    for (std::size_t i = 0; i < length; ++i) {
        text[i] = Xor(stored[i], EntryKey(i));
    }
    return text;
}

std::string DecodeInstructions(std::string_view encoded)
{
    return XorWithManualKey(encoded);
}

std::optional<std::string> EncodeStringTable(const std::vector<std::string>& entries)
{
    std::string table;
    for (const std::string& entry : entries) {
        if (entry.size() > kMaxEntryLength) {
            return std::nullopt;
        }
        table.push_back(Xor(static_cast<char>(entry.size()), kLengthMask));
        for (std::size_t i = 0; i < entry.size(); ++i) {
            table.push_back(Xor(entry[i], EntryKey(i)));
        }
    }
    return table;
}

std::string EncodeInstructions(std::string_view text)
{
    return XorWithManualKey(text);
}

std::string WithCrLfLineBreaks(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size() + text.size() / 32);
    for (const char byte : text) {
        if (byte == '\n') {
            shown.push_back('\r');
        }
        shown.push_back(byte);
    }
    return shown;
}

std::optional<std::string> SourceToCp1252(QByteArrayView utf8, QString& problem)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(utf8);
    int line = 1;
    int column = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        ++column;
        if (c == QChar::ReplacementCharacter && decoder.hasError()) {
            problem = Where(line, column) + QStringLiteral("the file is not valid UTF-8");
            return std::nullopt;
        }
        if (IsControl(c.unicode())) {
            problem = Where(line, column) +
                      QStringLiteral("control character %1 (only LF line ends are allowed)")
                          .arg(CodePoint(c.unicode()));
            return std::nullopt;
        }
        if (!FitsCodePage(c)) {
            char32_t codePoint = c.unicode();
            if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
                codePoint = QChar::surrogateToUcs4(c, text.at(i + 1));
            }
            problem =
                Where(line, column) + QStringLiteral("character %1 has no place in Windows-1252")
                                          .arg(CodePoint(codePoint));
            return std::nullopt;
        }
        if (c == u'\n') {
            ++line;
            column = 0;
        }
    }
    return FromQString(text);
}

std::optional<std::vector<std::string>> ParseStringTableSource(QByteArrayView utf8,
                                                               QString& problem)
{
    const std::optional<std::string> bytes = SourceToCp1252(utf8, problem);
    if (!bytes) {
        return std::nullopt;
    }
    std::vector<std::string> entries;
    const std::string_view source = *bytes;
    int lineNumber = 0;
    for (std::size_t start = 0; start < source.size();) {
        const std::size_t end = std::min(source.find('\n', start), source.size());
        const std::string_view line = source.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::size_t tab = line.find('\t');
        const std::string expected = std::to_string(entries.size());
        if (tab == std::string_view::npos || line.substr(0, tab) != expected) {
            problem = QStringLiteral("line %1: expected entry %2, a tab and its text")
                          .arg(lineNumber)
                          .arg(QString::fromStdString(expected));
            return std::nullopt;
        }
        const std::string_view entry = line.substr(tab + 1);
        if (entry.size() > kMaxEntryLength) {
            problem = QStringLiteral("line %1: entry %2 has %3 bytes, at most %4 fit")
                          .arg(lineNumber)
                          .arg(QString::fromStdString(expected))
                          .arg(entry.size())
                          .arg(kMaxEntryLength);
            return std::nullopt;
        }
        entries.emplace_back(entry);
    }
    return entries;
}

}  // namespace zelkor
