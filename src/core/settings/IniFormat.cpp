#include "core/settings/IniFormat.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <QStringView>

namespace zelkor {
namespace {

// The reader follows QSettings' own reader step by step, quirks included (a ';' ends a line
// outside quotes, a quote may span lines, a backslash escapes the next byte even at a line end),
// so that every file means the same to both.

bool IsLineSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsLineSpecial(char c)
{
    return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}

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

struct Line {
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype equals = -1;  // in the data, or -1
};

// The next logical line from pos: comment lines are skipped, a quoted part or an escaped line
// end continues the line. False at the end of the data. One pass over the bytes, as the format's
// reader does it; split up, its states would be harder to compare with the files it must read.
// NOLINTNEXTLINE(readability-function-cognitive-complexity)
bool ReadLine(QByteArrayView data, qsizetype& pos, Line& line)
{
    const qsizetype size = data.size();
    bool inQuotes = false;
    line.equals = -1;
    line.start = pos;
    while (line.start < size && IsLineSpace(data[line.start])) {
        ++line.start;
    }
    qsizetype i = line.start;
    while (i < size) {
        const char c = data[i];
        ++i;
        if (!IsLineSpecial(c)) {
            continue;
        }
        if (c == '=') {
            if (!inQuotes && line.equals == -1) {
                line.equals = i - 1;
            }
        } else if (c == '\n' || c == '\r') {
            if (i == line.start + 1) {
                ++line.start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < size) {
                const char escaped = data[i++];
                if (i < size) {
                    const char next = data[i];
                    if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n')) {
                        ++i;
                    }
                }
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (i == line.start + 1) {  // ';' opening the line: a comment
            while (i < size && data[i] != '\n' && data[i] != '\r') {
                ++i;
            }
            while (i < size && IsLineSpace(data[i])) {
                ++i;
            }
            line.start = i;
        } else if (!inQuotes) {  // ';' after text: the rest of the line is a comment
            --i;
            break;
        }
    }
    pos = i;
    line.length = i - line.start;
    return line.length > 0;
}

bool EqualsIgnoringAsciiCase(QByteArrayView text, QByteArrayView lowercase)
{
    if (text.size() != lowercase.size()) {
        return false;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != lowercase[i]) {
            return false;
        }
    }
    return true;
}

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

// What follows '=': one text, or a list when an unquoted comma separates items.
struct Unescaped {
    QString text;
    QStringList list;
    bool isList = false;
};

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

// A value Qt reads as another type than text: bytes, a serialised variant, a geometry, none.
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

// The string an untyped value stands for: "@String(...)" wraps text holding NUL, "@@" stands
// for a leading '@'.
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

// The inverse: the text that stands for a string.
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
    for (const QChar& qc : text) {
        const char16_t c = qc.unicode();
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
                if (c <= 0x1F || (c >= 0x7F && !utf8)) {
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

}  // namespace

QByteArray IniValueText(const QString& text)
{
    return Escaped(MarkedString(text));
}

IniSettings::Value IniSettings::ValueOf(QByteArrayView written)
{
    const Unescaped unescaped = UnescapedValue(written);
    if (!unescaped.isList) {
        if (IsTypedValue(unescaped.text)) {
            return {Escaped(unescaped.text), std::nullopt};
        }
        QString text = StringOf(unescaped.text);
        return {IniValueText(text), std::move(text)};
    }
    QByteArray list;
    for (const QString& item : unescaped.list) {
        if (!list.isEmpty()) {
            list += ", ";
        }
        list += Escaped(IsTypedValue(item) ? item : MarkedString(StringOf(item)));
    }
    return {list, std::nullopt};
}

IniSettings IniSettings::Parse(QByteArrayView bytes)
{
    IniSettings settings;
    QByteArrayView data = bytes;
    if (data.startsWith("\xEF\xBB\xBF")) {
        data = data.sliced(3);
    }
    QString section;  // "Name/", or empty for keys outside any section
    qsizetype pos = 0;
    Line line;
    while (ReadLine(data, pos, line)) {
        const QByteArrayView text = data.sliced(line.start, line.length);
        if (text.startsWith('[')) {
            qsizetype close = text.indexOf(']');
            if (close < 0) {
                close = text.size();
            }
            const QByteArrayView name = text.first(close).sliced(1).trimmed();
            if (EqualsIgnoringAsciiCase(name, "general")) {
                section.clear();
            } else if (EqualsIgnoringAsciiCase(name, "%general")) {
                section = QString::fromLatin1(name.sliced(1)) + u'/';
            } else {
                section = UnescapedKey(name) + u'/';
            }
            continue;
        }
        if (line.equals < 0) {
            continue;
        }
        const qsizetype equals = line.equals - line.start;
        const QString key = section + UnescapedKey(text.first(equals).trimmed());
        settings.m_values[key] = ValueOf(text.sliced(equals + 1));
    }
    return settings;
}

QByteArray IniSettings::Bytes() const
{
    // A key's section is what comes before its first '/'; the rest, slashes and all, is its name.
    std::map<QString, std::map<QString, const QByteArray*>> sections;
    for (const auto& [key, value] : m_values) {
        const qsizetype slash = key.indexOf(u'/');
        const QString section = slash < 0 ? QString() : key.first(slash);
        const QString name = slash < 0 ? key : key.sliced(slash + 1);
        sections[section][name] = &value.written;
    }
    QByteArray bytes;
    for (const auto& [section, entries] : sections) {
        if (!bytes.isEmpty()) {
            bytes += '\n';
        }
        const QByteArray escaped = EscapedKey(section);
        if (escaped.isEmpty()) {
            bytes += "[General]\n";
        } else if (EqualsIgnoringAsciiCase(escaped, "general")) {
            bytes += "[%General]\n";
        } else {
            bytes += '[' + escaped + "]\n";
        }
        for (const auto& [name, written] : entries) {
            bytes += EscapedKey(name) + '=' + *written + '\n';
        }
    }
    return bytes;
}

std::optional<QString> IniSettings::Text(const QString& key) const
{
    const auto found = m_values.find(key);
    return found == m_values.end() ? std::nullopt : found->second.text;
}

const QByteArray* IniSettings::Written(const QString& key) const
{
    const auto found = m_values.find(key);
    return found == m_values.end() ? nullptr : &found->second.written;
}

std::vector<QString> IniSettings::Keys() const
{
    std::vector<QString> keys;
    keys.reserve(m_values.size());
    for (const auto& [key, value] : m_values) {
        keys.push_back(key);
    }
    return keys;
}

void IniSettings::SetWritten(const QString& key, const QByteArray& written)
{
    m_values[key] = ValueOf(written);
}

void IniSettings::Remove(const QString& key)
{
    m_values.erase(key);
}

}  // namespace zelkor
