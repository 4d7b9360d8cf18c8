#include "core/settings/IniFormat.h"

#include "core/settings/IniEscaping.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <QStringView>

namespace zelkor {
namespace {

using namespace ini;

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
