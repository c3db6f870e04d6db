// The design shell's entry point; the application lives in veltra_app_ui so that tests can drive it.
#include <iostream>

#include "app/program_help.h"
#include "app/ui/veltra_app.h"

int main(int argc, char** argv) {
    // --help and --version print before any window (or display) is needed.
    if (std::string text = app::HelpOrVersionFor(argc, argv); !text.empty()) {
        std::cout << text;
        return 0;
    }
    return CVeltraApp::Run(argc, argv);
}
