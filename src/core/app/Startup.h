#pragma once
// The start-up steps that come before the main window: settings, program folder and its lock,
// province table, recent files and the command line.

#include "core/commands/AppContext.h"

#include <QStringList>

namespace zelkor {

class Prompter;

struct StartupInputs {
    std::unique_ptr<SettingsStore> store;
    QStringList arguments;  // without the program name
    // The folder the program was started in, against which a relative log path on the command
    // line is read; empty for the process's current folder.
    QString startFolder;
    QString executableFolder;
    QString userDataFolder;
    // Claims the program folder for this run. The real program does; most tests don't.
    bool lockProgramFolder = false;
};

// Fills the context in the program's start-up order. The program folder is claimed as soon as it
// is known, before anything is shown: when another running Zelkor holds it, that is the one box
// shown, and false tells the caller to end the program. A missing province file is reported
// through the prompter and start-up goes on with an empty table; so is a call history that is
// there but can't be read (a missing one is simply empty).
bool RunStartup(AppContext& context, StartupInputs inputs, Prompter& prompter);

}  // namespace zelkor
