#pragma once
// The escapes of the settings file's keys and values, as QSettings (IniFormat, Qt 6) writes and
// reads them: percent escapes in keys, backslash escapes, quotes and lists in values, and the
// "@" marks of typed values. IniFormat reads and writes whole files with them.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace zelkor::ini {

// A key as written in the file ("Path log aperto" -> "Path%20log%20aperto"), and back.
QByteArray EscapedKey(const QString& key);
QString UnescapedKey(QByteArrayView key);

// What follows '=': one text, or a list when an unquoted comma separates items.
struct Unescaped {
    QString text;
    QStringList list;
    bool isList = false;
};
Unescaped UnescapedValue(QByteArrayView value);

// A value Qt reads as another type than text: bytes, a serialised variant, a geometry, none.
bool IsTypedValue(const QString& text);
// The string an untyped value stands for: "@String(...)" wraps text holding NUL, "@@" stands
// for a leading '@'.
QString StringOf(const QString& text);
// The inverse: the text that stands for a string.
QString MarkedString(const QString& value);
// A text as written after '=': escapes, UTF-8 (one byte a character for typed values), quotes
// where needed.
QByteArray Escaped(const QString& text);

}  // namespace zelkor::ini
