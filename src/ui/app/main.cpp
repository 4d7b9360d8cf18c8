#include "core/cli/CommandLineTool.h"
#include "ui/app/ZelkorApp.h"

int main(int argc, char** argv)
{
    // The command line's options (exports, score, usage, version) run where no display exists (a
    // script over ssh, CI), so they are decided before any QApplication could reach for the
    // window system.
    if (zelkor::IsCommandLineToolRequest(argc, argv)) {
        return zelkor::RunCommandLineToolProcess(argc, argv);
    }
    zelkor::ZelkorApp app;
    return app.Run(argc, argv);
}
