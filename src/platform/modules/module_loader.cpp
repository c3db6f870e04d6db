#include "platform/modules/module_loader.h"

#include <dlfcn.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "platform/install/resource_paths.h"

namespace modules {
namespace {

class SharedLibrary : public LoadedModule {
public:
    explicit SharedLibrary(void* handle) : m_handle(handle) {}
    ~SharedLibrary() override { dlclose(m_handle); }
    void* Resolve(const std::string& entryName) override { return dlsym(m_handle, entryName.c_str()); }

private:
    void* m_handle;
};

}  // namespace

std::string SharedLibraryFileName(const std::string& moduleName) {
    std::string base = moduleName;
    auto dot = base.rfind('.');
    if (dot != std::string::npos) base.erase(dot);
    return "lib" + base + ".so";
}

std::string DefaultModulesFolder() { return install::ResourceFolder(install::Resource::Modules); }

std::unique_ptr<LoadedModule> SharedLibraryLoader::Load(const std::string& moduleName, long& errorCode) {
    std::string path = (std::filesystem::path(m_folder) / SharedLibraryFileName(moduleName)).string();
    errno = 0;
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        // dlopen sets no error number of its own; a missing file is the common case.
        std::error_code ec;
        errorCode = errno != 0 ? errno : (std::filesystem::exists(path, ec) ? ENOEXEC : ENOENT);
        return nullptr;
    }
    errorCode = 0;
    return std::make_unique<SharedLibrary>(handle);
}

}  // namespace modules
