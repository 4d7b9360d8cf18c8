// The settings file against Qt's own QSettings (IniFormat): what either writes, the other reads
// back the same, and both write the same bytes.

#include "core/settings/IniFormat.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

namespace zelkor {
namespace {

struct Stored {
    SettingKey key;
    QString value;
};

QString Path(const SettingKey& key)
{
    return QString::fromUtf8(key.section) + u'/' + QString::fromUtf8(key.name);
}

// Values an operator's settings may hold, and the characters the format must escape or quote.
std::vector<Stored> StoredValues()
{
    return {
        {keys::kOpenLogPath, QStringLiteral(u"/home/op/gare/2026 40-80/gara è.zelk")},
        {keys::kOpenLogName, QStringLiteral(u"gara, \"finale\"; ok=sì.zelk")},
        {keys::kBand, QStringLiteral("3,5")},
        {keys::kMode, QStringLiteral(" SSB ")},
        {keys::kScore, QStringLiteral("123456")},
        {keys::kModified, QStringLiteral("1")},
        {keys::kName, QStringLiteral(u"Città d'Italia €‚ƒ„…†‡ˆ‰Š‹ŒŽ ‘’“”•–—˜™š›œžŸ")},
        {keys::kComment1, QStringLiteral("tab\there\\back\\slash\nnew line\r")},
        {keys::kComment2, QStringLiteral("@home")},
        {keys::kAddress1, QString()},
        {keys::kAddress2, QStringLiteral("a") + QChar(u'\0') + QStringLiteral("1b")},
        {keys::kAddress3, QStringLiteral("\x01"
                                         "F\x7f") +
                              QChar(0x80) + QChar(0x9F) + QChar(0xA0) + QStringLiteral("end")},
        {keys::kOperators, QStringLiteral(u"😀 IK2ABC, I2XYZ")},
        {keys::kSection, QStringLiteral("   ")},
        {keys::kCategory, QStringLiteral("\"SWL\"")},
        {keys::kCallsign, QStringLiteral("@String(x)")},
        {keys::kProvince, QStringLiteral("@Invalid()")},
        {{keys::kRecentFileList, "File1"}, QStringLiteral("/a b/c;d.zelk")},
        {keys::kRadioPort, QStringLiteral("127.0.0.1:4532")},
        {keys::kBackgroundColour, QStringLiteral("2121952")},
        {keys::kTextColour, QStringLiteral("\\x41 \\101 =")},
    };
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Shown byte by byte for a failure message.
std::string Shown(const QString& text)
{
    return text.toUtf8().toPercentEncoding(" /,;=@\"'").toStdString();
}

TEST(IniFormatTest, WhatQSettingsWroteReadsBackTheSame)
{
    const test::TempFolder folder;
    const QString path = folder.File(QStringLiteral("qt.conf"));
    {
        QSettings qt(path, QSettings::IniFormat);
        for (const Stored& s : StoredValues()) {
            qt.setValue(Path(s.key), s.value);
        }
    }
    const auto store = SettingsStore::OpenFile(path);
    for (const Stored& s : StoredValues()) {
        EXPECT_EQ(store->ReadSetting(s.key, QStringLiteral("<default>")), s.value)
            << s.key.name << ": " << Shown(s.value);
    }
}

TEST(IniFormatTest, WhatTheStoreWroteReadsBackTheSameInQSettingsAndHasItsBytes)
{
    const test::TempFolder folder;
    const QString ours = folder.File(QStringLiteral("ours.conf"));
    const QString theirs = folder.File(QStringLiteral("theirs.conf"));
    {
        const auto store = SettingsStore::OpenFile(ours);
        QSettings qt(theirs, QSettings::IniFormat);
        for (const Stored& s : StoredValues()) {
            ASSERT_TRUE(store->WriteSetting(s.key, s.value)) << s.key.name;
            qt.setValue(Path(s.key), s.value);
        }
    }
    EXPECT_EQ(ReadBytes(ours).toStdString(), ReadBytes(theirs).toStdString());

    const QSettings qt(ours, QSettings::IniFormat);
    for (const Stored& s : StoredValues()) {
        const QVariant read = qt.value(Path(s.key));
        EXPECT_EQ(read.typeId(), QMetaType::QString) << s.key.name;
        EXPECT_EQ(read.toString(), s.value) << s.key.name << ": " << Shown(read.toString());
    }
}

TEST(IniFormatTest, CharactersUtf8CannotCarryOrAReaderDropsAreWrittenAsEscapes)
{
    // Written raw, the mark would be dropped by the next read wherever it opens the decoded text
    // of a value: at the start, after escapes, after a quoted comma.
    const QChar mark(0xFEFF);
    const QString values[] = {
        mark + QStringLiteral("abc"),
        QStringLiteral("\a\a") + mark + QStringLiteral("2"),
        QStringLiteral(",") + mark + QStringLiteral("x"),
        QStringLiteral("a") + mark,
        QString(mark),
        // Halves of surrogate pairs, which a hand-edited file can hold through "\\x" escapes.
        QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b"),
        QString(QChar(0xDC00)) + QChar(0xD83D),
        QStringLiteral(u"ok 😀") + QChar(0xDE00),
    };
    const test::TempFolder folder;
    const QString path = folder.File(QStringLiteral("zelkor.conf"));
    const auto store = SettingsStore::OpenFile(path);
    int n = 0;
    for (const QString& value : values) {
        const QByteArray name = "File" + QByteArray::number(++n);
        const SettingKey key{keys::kRecentFileList, name.constData()};
        ASSERT_TRUE(store->WriteSetting(key, value));
        EXPECT_EQ(SettingsStore::OpenFile(path)->ReadSetting(key, QString()), value)
            << Shown(value);
        // QSettings keeps files it read in memory: each state is read under a name of its own.
        const QString copy = QStringLiteral("qt%1.conf").arg(n);
        folder.Write(copy, ReadBytes(path));
        const QSettings qt(folder.File(copy), QSettings::IniFormat);
        EXPECT_EQ(qt.value(Path(key)).toString(), value) << Shown(value);
    }
    EXPECT_FALSE(ReadBytes(path).contains("\xEF\xBB\xBF"));
}

TEST(IniFormatTest, TheFileHasQSettingsLayout)
{
    const test::TempFolder folder;
    const QString path = folder.File(QStringLiteral("zelkor.conf"));
    const auto store = SettingsStore::OpenFile(path);
    ASSERT_TRUE(store->WriteSetting(keys::kOpenLogPath, QStringLiteral(u"/home/op/gara è.zelk")));
    ASSERT_TRUE(store->WriteSetting(keys::kBand, QStringLiteral("3,5")));
    ASSERT_TRUE(store->WriteSetting(keys::kCallsign, QStringLiteral("IK2ABC")));
    ASSERT_TRUE(store->WriteSetting({keys::kRecentFileList, "File1"}, QStringLiteral("/a.zelk")));
    EXPECT_EQ(ReadBytes(path).toStdString(),
              "[Dati%20riassuntivi]\n"
              "Nominativo=IK2ABC\n"
              "\n"
              "[Parametri]\n"
              "Banda=\"3,5\"\n"
              "Path%20log%20aperto=/home/op/gara \xC3\xA8.zelk\n"
              "\n"
              "[Recent%20File%20List]\n"
              "File1=/a.zelk\n");
}

// Files written by hand or by other programs: every value reads as QSettings reads it (a text,
// or no text at all), and once the store has written another value, the file has the bytes
// QSettings would have written and reads in QSettings as that file does.
struct RawFile {
    const char* name;
    QByteArray bytes;
    // Values that QSettings rewrites in its own form (a serialised variant): only their
    // meaning is compared, not the bytes of the rewritten file.
    bool sameBytes = true;
};

std::vector<RawFile> RawFiles()
{
    return {
        {"comments and blanks",
         "; a comment\n\n  [Parametri]  \n  Banda = 7  \nModo=CW;trailing comment\n"
         "Punteggio = \" 12 \" \n\t; indented comment\nColore%20sfondo=\t255\n"},
        {"CR LF and a BOM", "\xEF\xBB\xBF[Parametri]\r\nBanda=3,5\r\nModo=SSB\r\n"},
        {"lists and typed values",
         "[Parametri]\nBanda=a, b\nModo=\"a\", b\nPunteggio=@Invalid()\n"
         "Modificato=@ByteArray(\\0\\x1\\xff)\nColore%20testo=@Rect(1 2 3 4)\n"
         "Colore%20sfondo=@Rect(1 2 3)\nNome%20log%20aperto=@Size(1 2)\n"
         "File%20SWL%20ordinati%20banda=@Point(1 2 3)\n"},
        {"strings that start with @",
         "[Parametri]\nBanda=@@7\nModo=@String(CW)\nPunteggio=@foo\n"
         "Modificato=@String(a\\0\\x62)\nColore%20sfondo=@\n"},
        {"escapes",
         "[Parametri]\nBanda=\\x41\\101\\x\\q\\\"\\'\\?\\a\\b\\f\\v\\t\\r\\n\\\\end\n"
         "Modo=\\x41g\\x4142434445\\0101\nPunteggio=abc\\\nColore%20sfondo=  \\ \n"
         "Colore%20testo=\"abc\nNome%20log%20aperto=abc  \\\n"},
        {"a line continued after a backslash",
         "[Parametri]\nBanda=one\\\n two\nModo=three\\\r\n four\nPunteggio=x\\\n\\\ny\n"},
        {"a quote spanning lines", "[Parametri]\nBanda=\"a\nb\"\nModo=\"c;d\"e\n"},
        {"invalid UTF-8",
         "[Parametri]\nBanda=abc\xC3\nModo=\xC3\\\\nx\nPunteggio=\xE2\x82\nColore%20sfondo="
         "\xFF\xFE\xED\xA0\x80\nNome%20log%20aperto=\xEF\xBB\xBFlead\n"},
        {"keys escaped and not",
         "[Dati%20riassuntivi]\nCommento riga 1=spaces\nIndirizzo%20riga%201=escaped\n"
         "Citt\xC3\xA0=raw\nCitt%E0=percent\nCitt%U00E0x=unicode\n%zz=bad\n%4=short\n"
         "%U12=shorter\nSub\\Key=slash\n"},
        {"general sections",
         "top=1\n[General]\nBanda=2\n[%General]\nx=3\n[general]\ny=4\n[%GENERAL]\nz=5\n"
         "[Parametri]\nBanda=6\n"},
        {"sections split and repeated",
         "[Parametri]\nBanda=1\nModo=CW\n[Radio]\nPorta=p\n[Parametri]\nBanda=2\nModo=SSB\n"
         "Banda=3\n"},
        {"junk between the keys",
         "garbage line\n[Parametri\nBanda=open section\n[]\nx=empty section\n"
         "[Parametri]x=after header\nModo=ok\n=no key\n  = blank key\n"},
        // A point (Qt's type 25, x 1, y 2), which QSettings rewrites as "@Point(1 2)".
        {"a serialised variant",
         "[Parametri]\nBanda=@Variant(\\0\\0\\0\\x19\\0\\0\\0\\x1\\0\\0\\0\\x2)\n", false},
        {"nothing but comments", "; only\n;comments\n"},
        {"empty", ""},
    };
}

// Keys QSettings can name: no empty part, which its key handling would drop.
bool QSettingsCanName(const QString& key)
{
    return !key.isEmpty() && !key.startsWith(u'/') && !key.endsWith(u'/') &&
           !key.contains(QLatin1String("//"));
}

// The value as the store would read it: a text, or none when QSettings reads another type.
std::optional<QString> QtText(const QSettings& qt, const QString& key)
{
    const QVariant value = qt.value(key);
    if (value.typeId() != QMetaType::QString) {
        return std::nullopt;
    }
    return value.toString();
}

void ExpectSameReading(QByteArrayView bytes, const QString& path, const std::string& where)
{
    const IniSettings ours = IniSettings::Parse(bytes);
    const QSettings qt(path, QSettings::IniFormat);
    std::set<QString> qtKeys;
    for (const QString& key : qt.allKeys()) {
        if (QSettingsCanName(key)) {
            qtKeys.insert(key);
        }
    }
    std::set<QString> ourKeys;
    for (const QString& key : ours.Keys()) {
        if (QSettingsCanName(key)) {
            ourKeys.insert(key);
        }
    }
    EXPECT_EQ(ourKeys, qtKeys) << where;
    for (const QString& key : qtKeys) {
        const std::optional<QString> expected = QtText(qt, key);
        const std::optional<QString> actual = ours.Text(key);
        EXPECT_EQ(actual.has_value(), expected.has_value()) << where << ": " << Shown(key);
        if (actual && expected) {
            EXPECT_EQ(*actual, *expected) << where << ": " << Shown(key) << " = " << Shown(*actual)
                                          << " instead of " << Shown(*expected);
        }
    }
}

TEST(IniFormatTest, AnyFileReadsAsQSettingsReadsIt)
{
    const test::TempFolder folder;
    int n = 0;
    for (const RawFile& raw : RawFiles()) {
        // QSettings caches files by name: every case has its own.
        const QString name = QStringLiteral("raw%1.conf").arg(++n);
        folder.Write(name, raw.bytes);
        ExpectSameReading(raw.bytes, folder.File(name), raw.name);
    }
}

TEST(IniFormatTest, AWriteKeepsEveryOtherValueAndWritesWhatQSettingsWrites)
{
    const test::TempFolder folder;
    int n = 0;
    for (const RawFile& raw : RawFiles()) {
        const QString ours = QStringLiteral("ours%1.conf").arg(++n);
        const QString theirs = QStringLiteral("theirs%1.conf").arg(n);
        const QString before = QStringLiteral("before%1.conf").arg(n);
        for (const QString& name : {ours, theirs, before}) {
            folder.Write(name, raw.bytes);
        }
        ASSERT_TRUE(SettingsStore::OpenFile(folder.File(ours))
                        ->WriteSetting(keys::kCallsign, QStringLiteral("IK2ABC")))
            << raw.name;
        {
            QSettings qt(folder.File(theirs), QSettings::IniFormat);
            qt.setValue(Path(keys::kCallsign), QStringLiteral("IK2ABC"));
        }
        if (raw.sameBytes) {
            EXPECT_EQ(folder.Read(ours).toStdString(), folder.Read(theirs).toStdString())
                << raw.name;
        }
        // Every value the file held reads in QSettings as after its own write (which may lose
        // what it can't name).
        const QSettings original(folder.File(before), QSettings::IniFormat);
        const QSettings rewritten(folder.File(ours), QSettings::IniFormat);
        // (QSettings keeps a file it wrote in memory: its bytes are read under another name.)
        const QString reread = QStringLiteral("reread%1.conf").arg(n);
        folder.Write(reread, folder.Read(theirs));
        const QSettings reference(folder.File(reread), QSettings::IniFormat);
        QStringList names = original.allKeys() + reference.allKeys();
        names.removeDuplicates();
        for (const QString& key : names) {
            if (QSettingsCanName(key)) {
                EXPECT_EQ(rewritten.value(key), reference.value(key))
                    << raw.name << ": " << Shown(key);
            }
        }
        EXPECT_EQ(rewritten.value(Path(keys::kCallsign)).toString(), QStringLiteral("IK2ABC"));
    }
}

// Random files from the pieces the reader treats specially, read by both.
TEST(IniFormatTest, RandomFilesReadAsQSettingsReadsThem)
{
    static const char* const kPieces[] = {
        "[",      "]",           "Parametri",  "general", "%General",
        "=",      "=",           "\"",         ",",       ";",
        "\\",     "\n",          "\n",         "\r\n",    "\r",
        " ",      " ",           "\t",         "a",       "Banda",
        "%20",    "%U00e8",      "%zz",        "%",       "@String(",
        "@@",     "@",           "@Invalid()", ")",       "@Rect(",
        "@Size(", "@ByteArray(", "\\x41",      "\\x",     "\\0",
        "\\101",  "\xC3\xA8",    "\xC3",       "\xA8",    "\\\n",
        "\\\r\n", "x",           "1",          "2 3",     "\xEF\xBB\xBF",
        "\\\"",   "\\\\",        "/",          "\x7F",
    };
    std::mt19937 random(20260214);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    std::uniform_int_distribution<int> length(0, 60);
    const test::TempFolder folder;
    for (int n = 0; n < 1500; ++n) {
        QByteArray bytes;
        for (int i = length(random); i > 0; --i) {
            bytes += kPieces[piece(random)];
        }
        const QString name = QStringLiteral("random%1.conf").arg(n);
        folder.Write(name, bytes);
        ExpectSameReading(
            bytes, folder.File(name),
            "file " + std::to_string(n) + ": " + bytes.toPercentEncoding().toStdString());
        if (HasFailure()) {
            break;
        }
    }
}

}  // namespace
}  // namespace zelkor
