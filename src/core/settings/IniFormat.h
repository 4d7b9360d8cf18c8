#pragma once
// The settings file's text: the INI dialect that Qt's QSettings (IniFormat, Qt 6) reads and
// writes, byte for byte, so that a file written by either reads back the same in the other.
// Keys are paths "Section/name" as QSettings names them ("Parametri/Path log aperto" is written
// "Path%20log%20aperto=" under "[Parametri]"); sections and keys are written in QSettings' order
// (sorted), one blank line between sections, LF line ends.
//
// Every value is held as the text that stands after '=' when QSettings writes it: a value read
// from a hand-edited file ("Banda = 7 ; comment") is held as QSettings would rewrite it
// ("Banda=7"). Values that are no single text (lists such as "a, b", "@ByteArray(...)",
// "@Invalid()" and Qt's other typed values) are kept and written back as they are.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace zelkor {

// The text as QSettings writes a string value after '=': escapes, UTF-8, quotes where needed.
QByteArray IniValueText(const QString& text);

class IniSettings {
public:
    // Reads any bytes as QSettings does: what can't be read is left out.
    static IniSettings Parse(QByteArrayView bytes);
    // The file QSettings writes for these values.
    [[nodiscard]] QByteArray Bytes() const;

    // The string value of the key; nothing when the key is missing or holds another kind.
    [[nodiscard]] std::optional<QString> Text(const QString& key) const;
    // The value as written after '=', or nullptr.
    [[nodiscard]] const QByteArray* Written(const QString& key) const;

    // Every key, in order.
    [[nodiscard]] std::vector<QString> Keys() const;

    void SetWritten(const QString& key, const QByteArray& written);
    void Remove(const QString& key);
    [[nodiscard]] bool IsEmpty() const { return m_values.empty(); }

private:
    struct Value {
        QByteArray written;
        std::optional<QString> text;
    };
    static Value ValueOf(QByteArrayView written);

    std::map<QString, Value> m_values;
};

}  // namespace zelkor
