#include "core/settings/IniEscaping.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <QStringView>

namespace zelkor::ini {
namespace {

bool IsHexDigit(char32_t c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

int OctalValue(char c)
{
    return c >= '0' && c <= '7' ? c - '0' : -1;
}

char SimpleEscape(char c)
{
    switch (c) {
        case 'a':
            return '\a';
        case 'b':
            return '\b';
        case 'f':
            return '\f';
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        case 'v':
            return '\v';
        case '"':
        case '?':
        case '\'':
        case '\\':
            return c;
        default:
            return 0;
    }
}

void ChopTrailingBlanks(QString& text, qsizetype limit)
{
    qsizetype n = text.size();
    while (n > limit && (text.at(n - 1) == u' ' || text.at(n - 1) == u'\t')) {
        --n;
    }
    text.truncate(n);
}

// The number of arguments of "@Rect(1 2 3 4)" as Qt counts them: one per blank or ')'.
qsizetype TypedArguments(const QString& text, qsizetype open)
{
    qsizetype count = 0;
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        if (text.at(i) == u' ' || text.at(i) == u')') {
            ++count;
        }
    }
    return count;
}

}  // namespace

QByteArray EscapedKey(const QString& key)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    QByteArray result;
    result.reserve(key.size() * 3 / 2);
    for (const QChar qc : key) {
        const char16_t c = qc.unicode();
        if (c == '/') {
            result += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                   c == '_' || c == '-' || c == '.') {
            result += static_cast<char>(c);
        } else if (c <= 0xFF) {
            result += '%';
            result += kHex[c / 16];
            result += kHex[c % 16];
        } else {
            result += "%U";
            for (int shift = 12; shift >= 0; shift -= 4) {
                result += kHex[(c >> shift) & 0xF];
            }
        }
    }
    return result;
}

QString UnescapedKey(QByteArrayView key)
{
    const QString decoded = QString::fromUtf8(key);
    const qsizetype size = decoded.size();
    QString result;
    result.reserve(size);
    qsizetype i = 0;
    while (i < size) {
        const QChar c = decoded.at(i);
        if (c == u'\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (c != u'%' || i == size - 1) {
            result += c;
            ++i;
            continue;
        }
        qsizetype digits = 2;
        qsizetype first = i + 1;
        if (decoded.at(first) == u'U') {
            ++first;
            digits = 4;
        }
        bool ok = false;
        const ushort code = first + digits <= size
                                ? QStringView(decoded).sliced(first, digits).toUShort(&ok, 16)
                                : 0;
        if (!ok) {
            result += u'%';
            ++i;
            continue;
        }
        result += QChar(code);
        i = first + digits;
    }
    return result;
}

// The value's bytes decoded in one pass, escapes, quotes and lists as QSettings reads them; the
// round-trip and fuzz tests hold it to QSettings' own reading.
// NOLINTNEXTLINE(readability-function-cognitive-complexity)
Unescaped UnescapedValue(QByteArrayView value)
{
    Unescaped out;
    QString& text = out.text;
    // One decoder for the whole value, fed run by run, as QSettings does: a sequence broken by an
    // escape decodes as it does there.
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    const qsizetype size = value.size();
    qsizetype i = 0;
    bool inQuotes = false;
    bool quoted = false;
    // Blanks after this point of the text are dropped at the end unless the item was quoted;
    // blanks that came from escapes or quotes stay.
    qsizetype chopLimit = 0;
    // An escape cut short by the end of the value ends it without dropping any blank.
    bool cutShort = false;
    auto skipBlanks = [&] {
        while (i < size && (value[i] == ' ' || value[i] == '\t')) {
            ++i;
        }
        chopLimit = text.size();
    };

    skipBlanks();
    while (i < size && !cutShort) {
        const char c = value[i];
        if (c == '\\') {
            ++i;
            if (i >= size) {
                cutShort = true;
                break;
            }
            const char escaped = value[i++];
            if (const char simple = SimpleEscape(escaped)) {
                text += QLatin1Char(simple);
                chopLimit = text.size();
                continue;
            }
            const int base = escaped == 'x' ? 16 : (OctalValue(escaped) >= 0 ? 8 : 0);
            if (escaped == 'x' && i >= size) {
                cutShort = true;
                break;
            }
            if (base == 16 ? HexValue(value[i]) >= 0 : base == 8) {
                char16_t code = base == 8 ? static_cast<char16_t>(OctalValue(escaped)) : u'\0';
                for (;;) {
                    const int digit =
                        i < size ? (base == 16 ? HexValue(value[i]) : OctalValue(value[i])) : -1;
                    if (digit < 0) {
                        break;
                    }
                    code = static_cast<char16_t>(code * base + digit);
                    ++i;
                }
                text += QChar(code);
                if (i >= size) {
                    cutShort = true;
                    break;
                }
                chopLimit = text.size();
                continue;
            }
            if ((escaped == '\n' || escaped == '\r') && i < size) {
                const char next = value[i];
                if ((next == '\n' || next == '\r') && next != escaped) {
                    ++i;
                }
            }
            // Any other escaped byte is dropped.
            chopLimit = text.size();
            continue;
        }
        if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
            }
            continue;
        }
        if (c == ',' && !inQuotes) {
            if (!quoted) {
                ChopTrailingBlanks(text, chopLimit);
            }
            out.isList = true;
            out.list.append(text);
            text.clear();
            quoted = false;
            ++i;
            skipBlanks();
            continue;
        }
        qsizetype end = i + 1;
        while (end < size && value[end] != '\\' && value[end] != '"' && value[end] != ',') {
            ++end;
        }
        text += fromUtf8(value.sliced(i, end - i));
        i = end;
    }
    if (!cutShort && !quoted) {
        ChopTrailingBlanks(text, chopLimit);
    }
    if (out.isList) {
        out.list.append(text);
        text.clear();
    }
    return out;
}

bool IsTypedValue(const QString& text)
{
    if (!text.startsWith(u'@') || !text.endsWith(u')')) {
        return false;
    }
    auto starts = [&text](const char* prefix) { return text.startsWith(QLatin1String(prefix)); };
    return starts("@ByteArray(") || starts("@Variant(") || starts("@DateTime(") ||
           (starts("@Rect(") && TypedArguments(text, 5) == 4) ||
           (starts("@Size(") && TypedArguments(text, 5) == 2) ||
           (starts("@Point(") && TypedArguments(text, 6) == 2) ||
           text == QLatin1String("@Invalid()");
}

QString StringOf(const QString& text)
{
    if (text.startsWith(QLatin1String("@String(")) && text.endsWith(u')')) {
        return text.sliced(8).chopped(1);
    }
    if (text.startsWith(QLatin1String("@@"))) {
        return text.sliced(1);
    }
    return text;
}

QString MarkedString(const QString& value)
{
    if (value.contains(QChar(u'\0'))) {
        return QLatin1String("@String(") + value + u')';
    }
    if (value.startsWith(u'@')) {
        return u'@' + value;
    }
    return value;
}

QByteArray Escaped(const QString& text)
{
    constexpr char16_t kByteOrderMark = 0xFEFF;
    // Bytes and serialised variants keep one byte a character; everything else is UTF-8.
    const bool utf8 = !(text.startsWith(QLatin1String("@ByteArray(")) ||
                        text.startsWith(QLatin1String("@Variant(")) ||
                        text.startsWith(QLatin1String("@DateTime(")));
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    QByteArray result;
    result.reserve(text.size() * 3 / 2);
    bool needsQuotes = false;
    // After a numeric escape a hex digit would extend it, so it is escaped too.
    bool escapeNextIfDigit = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar qc = text[i];
        const char16_t c = qc.unicode();
        // Half of a surrogate pair has no UTF-8 form: only an escape brings it back unchanged.
        const bool loneSurrogate =
            (qc.isHighSurrogate() && (i + 1 == text.size() || !text[i + 1].isLowSurrogate())) ||
            (qc.isLowSurrogate() && (i == 0 || !text[i - 1].isHighSurrogate()));
        if (c == ';' || c == ',' || c == '=') {
            needsQuotes = true;
        }
        if (escapeNextIfDigit && IsHexDigit(c)) {
            result += "\\x" + QByteArray::number(static_cast<uint>(c), 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (c) {
            case u'\0':
                result += "\\0";
                escapeNextIfDigit = true;
                break;
            case u'\a':
                result += "\\a";
                break;
            case u'\b':
                result += "\\b";
                break;
            case u'\f':
                result += "\\f";
                break;
            case u'\n':
                result += "\\n";
                break;
            case u'\r':
                result += "\\r";
                break;
            case u'\t':
                result += "\\t";
                break;
            case u'\v':
                result += "\\v";
                break;
            case u'"':
            case u'\\':
                result += '\\';
                result += static_cast<char>(c);
                break;
            default:
                // A byte order mark that opens the decoded part of a value is dropped when it is
                // read back (QSettings loses it the same way), so it is always written escaped.
                if (c <= 0x1F || (c >= 0x7F && !utf8) || c == kByteOrderMark || loneSurrogate) {
                    result += "\\x" + QByteArray::number(static_cast<uint>(c), 16);
                    escapeNextIfDigit = true;
                } else if (utf8) {
                    // Character by character through one encoder, which joins surrogate pairs.
                    result += QByteArray(toUtf8(QStringView(&qc, 1)));
                } else {
                    result += static_cast<char>(c);
                }
        }
    }
    if (needsQuotes || (!result.isEmpty() && (result.front() == ' ' || result.back() == ' '))) {
        result.prepend('"');
        result.append('"');
    }
    return result;
}

}  // namespace zelkor::ini
