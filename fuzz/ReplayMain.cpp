// Runs a fuzz target once on every input given (files, or folders of files) and on the known-bad
// inputs, without libFuzzer: the test run checks every seed this way.

#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

int RunOne(const QByteArray& bytes)
{
    return LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                  static_cast<std::size_t>(bytes.size()));
}

bool RunFile(const QString& path, int& count)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "can't read %s\n", qPrintable(path));
        return false;
    }
    RunOne(file.readAll());
    ++count;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QFile::decodeName(argv[i]);
        if (QFileInfo(path).isDir()) {
            for (const QFileInfo& entry : QDir(path).entryInfoList(QDir::Files | QDir::Hidden)) {
                if (!RunFile(entry.filePath(), count)) {
                    return 1;
                }
            }
        } else if (!RunFile(path, count)) {
            return 1;
        }
    }
    for (const auto& [name, bytes] : zelkor::fuzz::KnownBadInputs()) {
        RunOne(bytes);
        ++count;
    }
    std::printf("%d inputs replayed\n", count);
    return 0;
}
