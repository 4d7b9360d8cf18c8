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

// The log path as an absolute path, a relative one read against the folder the program was
// started in, so that the path stored and shown names the same file from any folder later on.
// An empty path stays empty.
QString AbsoluteLogPath(const QString& path, const QString& startFolder);

}  // namespace zelkor
