// The design shell's entry point; the application lives in veltra_app_ui so that tests can drive it.
#include "app/ui/veltra_app.h"

int main(int argc, char** argv) { return CVeltraApp::Run(argc, argv); }
