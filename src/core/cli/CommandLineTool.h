#pragma once
// Zelkor without its window, for scripts and batch use: "--export FORMAT LOG OUTPUT" writes
// exactly the bytes of the menu command, "--score LOG" prints the score report, "--help" and
// "--version" print the usage and the version. It runs where no display exists and changes
// nothing but the output file: no settings, working file or lock.

#include "core/settings/SummaryData.h"

#include <QString>
#include <QStringList>

class QIODevice;

namespace zelkor {

inline constexpr int kToolSucceeded = 0;
// The log can't be read, the output can't be written, or the format refuses the log.
inline constexpr int kToolFailed = 1;
inline constexpr int kToolMisused = 2;

struct CommandLineToolSetup {
    // The program folder is found as at start, without creating anything: the executable's
    // folder, or the user's data folder when the executable's can't be written or the program
    // is installed.
    QString executableFolder;
    QString userDataFolder;
    // Used for a log file without header, as the window would.
    SummaryData settingsSummary;
};

// True when an argument after the program name starts with "--" or is "-h" or "-v": the exports,
// the score, the usage, the version and the refusal of an unknown option all run without a window.
bool IsCommandLineToolRequest(int argc, const char* const* argv);

// What "zelkor --help" prints, without the final line feed; also the answer to wrong arguments.
QString CommandLineUsageText();

// Runs one request (arguments without the program name). The score report goes to out; every
// message goes to err in the words the window's boxes use, one box a paragraph. Wrong rows are
// reported and skipped by the score, and the status stays kToolSucceeded.
int RunCommandLineTool(const QStringList& arguments, const CommandLineToolSetup& setup,
                       QIODevice& out, QIODevice& err);

// What main() calls: a QCoreApplication (no window system), the setup from the user's folders
// and settings (only read), and the request; returns the exit status.
int RunCommandLineToolProcess(int argc, char** argv);

}  // namespace zelkor
