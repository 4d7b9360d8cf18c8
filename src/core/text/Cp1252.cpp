#include "core/text/Cp1252.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace zelkor {
namespace {

// Unicode code points of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t CodePointOf(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

char ByteOf(char16_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<char>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

}  // namespace

QString ToQString(std::string_view cp1252)
{
    QString text(static_cast<qsizetype>(cp1252.size()), Qt::Uninitialized);
    for (std::size_t i = 0; i < cp1252.size(); ++i) {
        text[static_cast<qsizetype>(i)] = QChar(CodePointOf(static_cast<unsigned char>(cp1252[i])));
    }
    return text;
}

std::string FromQString(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;  // one character outside the code page, written once
            bytes.push_back('?');
            continue;
        }
        bytes.push_back(ByteOf(ch.unicode()));
    }
    return bytes;
}

std::optional<QByteArray> Utf8AsCp1252(QByteArrayView bytes)
{
    const bool beyondAscii =
        std::any_of(bytes.begin(), bytes.end(), [](char byte) { return (byte & 0x80) != 0; });
    if (!beyondAscii) {
        return std::nullopt;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    const std::string converted = FromQString(text);
    // A character without its byte came out as '?': such a file is no list of names.
    if (ToQString(converted) != text) {
        return std::nullopt;
    }
    return QByteArray(converted.data(), static_cast<qsizetype>(converted.size()));
}

}  // namespace zelkor
