#pragma once
// Design modules are shared libraries loaded at run time from the modules folder. A module is named the
// way the system names it ("CapBeamDes.dll"); the file looked for is that base name with the platform's
// shared-library naming ("libCapBeamDes.so").
#include <memory>
#include <string>

namespace modules {

// A loaded module; the library is released when the object goes.
class LoadedModule {
public:
    virtual ~LoadedModule() = default;
    // The exported entry point, or nullptr when the module does not export it.
    virtual void* Resolve(const std::string& entryName) = 0;
};

class ModuleLoader {
public:
    virtual ~ModuleLoader() = default;
    // The module, or nullptr with `errorCode` set to the system's error number when it cannot be loaded.
    virtual std::unique_ptr<LoadedModule> Load(const std::string& moduleName, long& errorCode) = 0;
};

// "CapBeamDes.dll" -> "libCapBeamDes.so".
std::string SharedLibraryFileName(const std::string& moduleName);

// $VELTRA_MODULES, else the installed lib/veltra/modules, else "modules" beside the running program, else the
// build tree's (see platform/install/resource_paths.h).
std::string DefaultModulesFolder();

class SharedLibraryLoader : public ModuleLoader {
public:
    explicit SharedLibraryLoader(std::string folder = DefaultModulesFolder()) : m_folder(std::move(folder)) {}
    std::unique_ptr<LoadedModule> Load(const std::string& moduleName, long& errorCode) override;
    const std::string& folder() const { return m_folder; }

private:
    std::string m_folder;
};

}  // namespace modules
