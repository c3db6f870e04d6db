#pragma once
// `veltra --help` and `veltra --version`: answered before the application starts, so that they print
// without a display and open no window. The manual page veltra(1) is made from the same text.
#include <string>

namespace app {

std::string ProgramUsage();
std::string ProgramVersion();

// The text to print for these arguments, or "" when the application should start.
std::string HelpOrVersionFor(int argc, const char* const* argv);

}  // namespace app
