// The process the crash test kills. "append <folder> <seed>" takes the instance lock, loads the
// working file, then appends rows for ever, printing each row's key once its append has
// returned, and rewrites the whole file every few rows. "hold-lock <folder>" takes the instance
// lock, prints "locked" and holds it until its input closes. "contend <folder> <attempts>" tries
// to start that many times: each start that gets the lock marks the folder as in use with a file
// only one process can create, holds it a moment and lets it go; it prints how many starts got
// the lock, how many were refused, and how many found the mark already there (two holders).

#include "core/log/LogFile.h"
#include "core/log/LogList.h"
#include "core/log/WorkingFile.h"
#include "core/platform/InstanceLock.h"
#include "core/platform/Prompter.h"
#include "core/provinces/ProvinceTable.h"
#include "core/settings/SummaryData.h"
#include "core/worked/WorkedTables.h"
#include "crash/CrashRows.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>
#include <random>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace zelkor::crash {
namespace {

// One write per line, so that the parent never reads half a key.
bool PrintLine(const std::string& text)
{
    const std::string line = text + "\n";
    return ::write(STDOUT_FILENO, line.data(), line.size()) == static_cast<ssize_t>(line.size());
}

int HoldLock(const QString& folder)
{
    InstanceLock lock(folder);
    if (lock.TryLock() != LockOutcome::Acquired) {
        return 3;
    }
    PrintLine(kLockedLine);
    char buffer[64];
    while (::read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
    }
    return 0;
}

int Contend(const QString& folder, int attempts)
{
    const QByteArray mark = QFile::encodeName(folder + QStringLiteral("in-use"));
    int acquired = 0;
    int refused = 0;
    int overlaps = 0;
    int unavailable = 0;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        InstanceLock lock(folder);
        switch (lock.TryLock()) {
            case LockOutcome::Acquired: {
                ++acquired;
                const int fd = ::open(mark.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
                if (fd < 0) {
                    ++overlaps;
                    break;
                }
                ::close(fd);
                // Long enough for the others to try meanwhile.
                ::usleep(50);
                ::unlink(mark.constData());
                break;
            }
            case LockOutcome::HeldElsewhere:
                ++refused;
                break;
            case LockOutcome::Unavailable:
                ++unavailable;
                break;
        }
    }
    PrintLine(std::to_string(acquired) + " " + std::to_string(refused) + " " +
              std::to_string(overlaps) + " " + std::to_string(unavailable));
    return 0;
}

int AppendRows(const QString& folder, int seed)
{
    InstanceLock lock(folder);
    if (lock.TryLock() != LockOutcome::Acquired) {
        std::fprintf(stderr, "instance lock refused\n");
        return 3;
    }
    WorkingFile workingFile(folder + QStringLiteral("_ult.zelk"));
    LogList log;
    log.BuildStartColumns();
    SummaryData summary;
    summary.callsign = "I2ABC";
    summary.province = "MI";
    const ProvinceTable provinces;
    // Nobody answers: what the load would tell goes to the error stream for the test's output.
    const LoadReport report = workingFile.LoadWorkingFile(log, summary, provinces);
    for (const MessageBox& box : report.messages) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(box.title), qPrintable(box.text));
    }
    if (!report.loaded) {
        return 2;
    }
    std::mt19937 random(static_cast<unsigned>(seed));
    // Bounded so that a child whose parent vanished without closing the pipe still ends.
    for (int number = 1; number <= 100000; ++number) {
        const std::string key = RowKey(seed, number);
        log.AppendLogRow(RowCells(key));
        const Result appended =
            workingFile.AppendToWorkingFile(RowLine(log, log.RowCount() - 1, summary));
        if (!appended) {
            std::fprintf(stderr, "%s\n", qPrintable(appended.message()));
            return 4;
        }
        if (!PrintLine(key)) {
            return 0;
        }
        if (random() % 6 == 0) {
            const Result rewritten = workingFile.WriteWorkingFile(log, summary);
            if (!rewritten) {
                std::fprintf(stderr, "%s\n", qPrintable(rewritten.message()));
                return 5;
            }
        }
    }
    return 0;
}

}  // namespace
}  // namespace zelkor::crash

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String(zelkor::crash::kHoldLockMode)) {
        return zelkor::crash::HoldLock(arguments[2]);
    }
    if (arguments.size() == 4 && arguments[1] == QLatin1String(zelkor::crash::kContendMode)) {
        return zelkor::crash::Contend(arguments[2], arguments[3].toInt());
    }
    if (arguments.size() == 4 && arguments[1] == QLatin1String(zelkor::crash::kAppendMode)) {
        return zelkor::crash::AppendRows(arguments[2], arguments[3].toInt());
    }
    std::fprintf(stderr, "usage: %s append FOLDER SEED | hold-lock FOLDER | contend FOLDER N\n",
                 argv[0]);
    return 64;
}
