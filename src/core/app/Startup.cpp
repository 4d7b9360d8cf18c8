#include "core/app/Startup.h"

#include "core/app/CommandLine.h"
#include "core/history/CallHistoryFile.h"
#include "core/platform/InstanceLock.h"
#include "core/platform/ProgramFolder.h"
#include "core/platform/Prompter.h"
#include "core/provinces/ProvinceFile.h"

#include <QDir>

namespace zelkor {

bool RunStartup(AppContext& context, StartupInputs inputs, Prompter& prompter)
{
    context.store = std::move(inputs.store);
    context.settings = ReadAppSettings(*context.store);
    context.summary = ReadSummaryData(*context.store);

    context.programFolder = ChooseProgramFolder(inputs.executableFolder, inputs.userDataFolder);

    if (inputs.lockProgramFolder) {
        // A second live instance on the same folder would overwrite this one's working file. A
        // lock that can't be made at all is no sign of another instance: the file commands
        // report any real write problem.
        context.instanceLock = std::make_unique<InstanceLock>(context.programFolder);
        if (context.instanceLock->TryLock() == LockOutcome::HeldElsewhere) {
            prompter.Error(context.instanceLock->HeldElsewhereText());
            return false;
        }
    }

    const QString provinceFile = context.ProvinceFilePath();
    if (!LoadProvinceFile(provinceFile, context.provinces)) {
        prompter.Show({QStringLiteral("zelkor"), ProvinceFileOpenWarningText(provinceFile),
                       MessageIcon::Exclamation, MessageButtons::Ok});
    }

    // Most users never import a history: a missing file is an empty one and says nothing.
    QString reason;
    if (LoadCallHistory(context.HistoryFilePath(), context.history, &reason) ==
        HistoryLoad::Failed) {
        prompter.Show({QStringLiteral("zelkor"),
                       CallHistoryOpenWarningText(context.HistoryFilePath(), reason),
                       MessageIcon::Exclamation, MessageButtons::Ok});
    }

    context.recentFiles.Load(*context.store);

    const CommandLine commandLine = ParseCommandLine(inputs.arguments);
    const QString startFolder =
        inputs.startFolder.isEmpty() ? QDir::currentPath() : inputs.startFolder;
    context.startupLogPath = AbsoluteLogPath(commandLine.startupLogPath, startFolder);
    context.automation = commandLine.automation;
    return true;
}

}  // namespace zelkor
