#pragma once
// The application: prepares Qt (Italian translations, colours), runs the start-up steps and then
// the main window until it closes.

namespace zelkor {

class ZelkorApp {
public:
    int Run(int argc, char** argv);
};

}  // namespace zelkor
