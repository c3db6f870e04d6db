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

// Where each resource is looked for: the variable that names another folder, the folder below the
// installation prefix, and in a build tree either a folder of the build or one of the source tree.
struct ResourcePlace {
    Resource resource;
    const char* variable;
    const char* installed;
    const char* buildFolder;   // nullptr: the resource stays in the source tree
    const char* sourceFolder;  // below the source tree, where buildFolder is nullptr
};

const ResourcePlace kPlaces[] = {
    {Resource::Modules, "VELTRA_MODULES", "lib/veltra/modules", VELTRA_BUILD_MODULES_DIR, nullptr},
    {Resource::Help, "VELTRA_HELP", "share/veltra/help", nullptr, "res/help"},
    {Resource::Pictures, "VELTRA_PICTURES", "share/veltra/pictures", nullptr, "res/pictures"},
    {Resource::Samples, "VELTRA_SAMPLES", "share/veltra/samples", nullptr, "samples"},
    {Resource::LibraryTemplates, "VELTRA_LIBRARY_TEMPLATES", "share/veltra/library", VELTRA_BUILD_LIBRARY_DIR, nullptr},
};

const ResourcePlace* PlaceOf(Resource resource) {
    for (const ResourcePlace& place : kPlaces)
        if (place.resource == resource) return &place;
    return nullptr;
}

}  // namespace

const char* OverrideVariable(Resource resource) {
    const ResourcePlace* place = PlaceOf(resource);
    return place ? place->variable : "";
}

std::string InstalledSubfolder(Resource resource) {
    const ResourcePlace* place = PlaceOf(resource);
    return place ? place->installed : "";
}

std::string BuildTreeFolder(Resource resource) {
    const ResourcePlace* place = PlaceOf(resource);
    if (!place) return "";
    return place->buildFolder ? place->buildFolder : InSourceTree(place->sourceFolder);
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
