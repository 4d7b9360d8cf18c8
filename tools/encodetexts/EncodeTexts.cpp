// Build step: turns the readable sources of the string table and of the user manual (UTF-8, LF)
// into the encoded resources the program decodes. It shares the encoding with the program, and
// a failure (a character Windows-1252 can't hold, an entry too long, a gap in the numbering)
// stops the build with the file, line and column.

#include "core/text/EncodedText.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

#include <cstdio>
#include <optional>
#include <string>

namespace {

int Fail(const QString& path, const QString& problem)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(problem));
    return 1;
}

std::optional<QByteArray> ReadWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll();
}

bool WriteWhole(const QString& path, const std::string& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size()) &&
           file.commit();
}

std::optional<std::string> Encode(const QString& kind, const QByteArray& source, QString& problem)
{
    if (kind == QLatin1String("table")) {
        const auto entries = zelkor::ParseStringTableSource(source, problem);
        return entries ? zelkor::EncodeStringTable(*entries) : std::nullopt;
    }
    const auto text = zelkor::SourceToCp1252(source, problem);
    return text ? std::optional(zelkor::EncodeInstructions(*text)) : std::nullopt;
}

}  // namespace

int main(int argc, char** argv)
{
    const QString kind = argc == 4 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (kind != QLatin1String("table") && kind != QLatin1String("manual")) {
        std::fprintf(stderr, "usage: %s table|manual SOURCE.txt OUTPUT\n", argv[0]);
        return 2;
    }
    const QString sourcePath = QString::fromLocal8Bit(argv[2]);
    const QString outputPath = QString::fromLocal8Bit(argv[3]);

    const std::optional<QByteArray> source = ReadWhole(sourcePath);
    if (!source) {
        return Fail(sourcePath, QStringLiteral("can't be read"));
    }
    QString problem;
    const std::optional<std::string> encoded = Encode(kind, *source, problem);
    if (!encoded) {
        return Fail(sourcePath, problem);
    }
    if (!WriteWhole(outputPath, *encoded)) {
        return Fail(outputPath, QStringLiteral("can't be written"));
    }
    return 0;
}
