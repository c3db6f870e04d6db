#pragma once
// Where the programs find what they did not compile in: the design modules, the help manual, the member
// pictures, the sample bridge and the component library templates. The same look-up serves the application,
// veltra-cli and drawhost, whether they run from an installed tree or from the build folder.
#include <filesystem>
#include <string>

namespace install {

enum class Resource { Modules, Help, Pictures, Samples, LibraryTemplates };

// The environment variable that overrides the look-up (VELTRA_MODULES, VELTRA_HELP, ...).
const char* OverrideVariable(Resource resource);

// The folder relative to the installation prefix ("lib/veltra/modules", "share/veltra/help", ...).
std::string InstalledSubfolder(Resource resource);

// Where the build tree keeps it (compiled in when the program is built; empty when unknown).
std::string BuildTreeFolder(Resource resource);

struct LookupInputs {
    std::string overrideValue;             // the override variable's value, "" when unset
    std::filesystem::path programFolder;   // the folder of the running program
    std::filesystem::path buildTreeFolder; // where the build keeps the resource
};

// The folder of a resource, first of:
//   1. the override, when set (taken as given, so that a wrong one is reported by the caller, not hidden);
//   2. the installed layout beside the program: <program>/../lib/veltra/modules, <program>/../share/veltra/...;
//   3. for the modules, a folder "modules" beside the program (the application in its build folder);
//   4. the build tree.
// When none exists, the installed location, so that the caller's message names where it looked.
std::filesystem::path FindResourceFolder(Resource resource, const LookupInputs& inputs);

// The same for the running program: its environment, /proc/self/exe and the build tree.
std::string ResourceFolder(Resource resource);

// The folder of the running program ("" when unknown).
std::filesystem::path RunningProgramFolder();

}  // namespace install
