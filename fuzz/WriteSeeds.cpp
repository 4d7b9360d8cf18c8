// Writes the known-bad inputs into a folder, for a fuzzing run to start from.

#include "FuzzSupport.h"

#include <QDir>
#include <QFile>

int main(int argc, char** argv)
{
    if (argc != 2) {
        return 2;
    }
    const QDir folder(QFile::decodeName(argv[1]));
    for (const auto& [name, bytes] : zelkor::fuzz::KnownBadInputs()) {
        QFile file(folder.filePath(QString::fromStdString(name)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            return 1;
        }
    }
    return 0;
}
