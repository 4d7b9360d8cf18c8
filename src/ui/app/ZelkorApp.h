#pragma once
// The application: prepares Qt (Italian translations, colours), runs the start-up steps and then
// the main window until it closes.

#include "ui/dialogs/CSplashDlg.h"

#include <chrono>
#include <memory>

namespace zelkor {

struct AppContext;
class CVelsadDlg;
class HeldPrompter;

class ZelkorApp {
public:
    int Run(int argc, char** argv);

    // The start-up picture, and the main window made while it is up, so that a large log is
    // loaded by the time the picture closes. The window tells through the held prompter: what
    // its start tells is shown once the picture has closed, before the window, as if it had
    // been made then; what comes later stays held until the caller releases it (once the window
    // is shown). A log named on the command line may need a question answered: that window is
    // made after the picture, as is one whose picture closed before it could be made.
    static std::unique_ptr<CVelsadDlg> OpenMainWindow(
        AppContext& context, HeldPrompter& held,
        std::chrono::milliseconds splashDelay = kSplashDelay);
};

}  // namespace zelkor
