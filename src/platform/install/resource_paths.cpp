#include "platform/install/resource_paths.h"

#include <cstdlib>

namespace install {
namespace {

bool IsFolder(const std::filesystem::path& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_directory(path, ec);
}

// The build passes where its own tree keeps each resource; a program built elsewhere gets "".
#ifndef VELTRA_BUILD_MODULES_DIR
#define VELTRA_BUILD_MODULES_DIR ""
#endif
#ifndef VELTRA_BUILD_LIBRARY_DIR
#define VELTRA_BUILD_LIBRARY_DIR ""
#endif
#ifndef VELTRA_SOURCE_DIR
#define VELTRA_SOURCE_DIR ""
#endif

std::string InSourceTree(const char* subfolder) {
    const std::string source = VELTRA_SOURCE_DIR;
    return source.empty() ? std::string() : source + "/" + subfolder;
}

}  // namespace

const char* OverrideVariable(Resource resource) {
    switch (resource) {
    case Resource::Modules: return "VELTRA_MODULES";
    case Resource::Help: return "VELTRA_HELP";
    case Resource::Pictures: return "VELTRA_PICTURES";
    case Resource::Samples: return "VELTRA_SAMPLES";
    case Resource::LibraryTemplates: return "VELTRA_LIBRARY_TEMPLATES";
    }
    return "";
}

std::string InstalledSubfolder(Resource resource) {
    switch (resource) {
    case Resource::Modules: return "lib/veltra/modules";
    case Resource::Help: return "share/veltra/help";
    case Resource::Pictures: return "share/veltra/pictures";
    case Resource::Samples: return "share/veltra/samples";
    case Resource::LibraryTemplates: return "share/veltra/library";
    }
    return "";
}

std::string BuildTreeFolder(Resource resource) {
    switch (resource) {
    case Resource::Modules: return VELTRA_BUILD_MODULES_DIR;
    case Resource::Help: return InSourceTree("res/help");
    case Resource::Pictures: return InSourceTree("res/pictures");
    case Resource::Samples: return InSourceTree("samples");
    case Resource::LibraryTemplates: return VELTRA_BUILD_LIBRARY_DIR;
    }
    return "";
}

std::filesystem::path FindResourceFolder(Resource resource, const LookupInputs& inputs) {
    if (!inputs.overrideValue.empty()) return inputs.overrideValue;
    const std::filesystem::path installed =
        (inputs.programFolder / ".." / InstalledSubfolder(resource)).lexically_normal();
    if (!inputs.programFolder.empty() && IsFolder(installed)) return installed;
    if (resource == Resource::Modules && IsFolder(inputs.programFolder / "modules"))
        return inputs.programFolder / "modules";
    if (IsFolder(inputs.buildTreeFolder)) return inputs.buildTreeFolder;
    return installed;
}

std::filesystem::path RunningProgramFolder() {
    std::error_code ec;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : program.parent_path();
}

std::string ResourceFolder(Resource resource) {
    LookupInputs inputs;
    if (const char* value = std::getenv(OverrideVariable(resource)); value) inputs.overrideValue = value;
    inputs.programFolder = RunningProgramFolder();
    inputs.buildTreeFolder = BuildTreeFolder(resource);
    return FindResourceFolder(resource, inputs).string();
}

}  // namespace install
