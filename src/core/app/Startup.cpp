#include "app/Startup.h"

#include "app/CommandLine.h"
#include "app/ProgramFolder.h"
#include "platform/Prompter.h"
#include "provinces/ProvinceFile.h"

namespace zelkor {

void RunStartup(AppContext& context, StartupInputs inputs, Prompter& prompter)
{
    context.store = std::move(inputs.store);
    context.settings = ReadAppSettings(*context.store);
    context.summary = ReadSummaryData(*context.store);
    context.swlMode = IsSwlCategory(context.summary.category);

    context.programFolder = ChooseProgramFolder(inputs.executableFolder, inputs.userDataFolder);

    const QString provinceFile = context.ProvinceFilePath();
    if (!LoadProvinceFile(provinceFile, context.provinces)) {
        prompter.Show({QStringLiteral("zelkor"), ProvinceFileOpenWarningText(provinceFile),
                       MessageIcon::Exclamation, MessageButtons::Ok});
    }

    context.recentFiles.Load(*context.store);

    const CommandLine commandLine = ParseCommandLine(inputs.arguments);
    context.startupLogPath = commandLine.startupLogPath;
    context.automation = commandLine.automation;
}

}  // namespace zelkor
