#pragma once
// Design modules that live in the test program: each module name maps its entry names to functions of the
// test. A name it does not hold fails to load with error 2, as a missing file does. Header only.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/modules/module_loader.h"

namespace testing_support {

class FakeModuleLoader : public modules::ModuleLoader {
public:
    std::unique_ptr<modules::LoadedModule> Load(const std::string& name, long& errorCode) override {
        loaded.push_back(name);
        auto it = modules.find(name);
        if (it == modules.end()) {
            errorCode = 2;
            return nullptr;
        }
        struct Module : modules::LoadedModule {
            std::map<std::string, void*> entries;
            void* Resolve(const std::string& e) override { return entries.count(e) ? entries[e] : nullptr; }
        };
        auto module = std::make_unique<Module>();
        module->entries = it->second;
        return module;
    }
    // Module name -> entry name -> the function, e.g. modules["Site.dll"]["DesignWater"].
    std::map<std::string, std::map<std::string, void*>> modules;
    std::vector<std::string> loaded;  // every name asked for, in order
};

}  // namespace testing_support
