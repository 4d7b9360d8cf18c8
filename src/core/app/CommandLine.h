#pragma once
// The command line: an optional log file to open at start, and the option words "Embedding" and
// "Automation" (after '/' or '-'), which are recognised and never taken as file names.

#include <QString>
#include <QStringList>

namespace zelkor {

struct CommandLine {
    // The first plain argument, or empty.
    QString startupLogPath;
    bool automation = false;
};

// Arguments without the program name. Any argument starting with '-' is an option; one starting
// with '/' is an option only when it is one of the option words, because on this system it is
// otherwise an absolute path.
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace zelkor
