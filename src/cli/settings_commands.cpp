// settings get SECTION NAME / settings set SECTION NAME VALUE
#include <iostream>

#include "cli/command.h"
#include "platform/registry/registry.h"

namespace cli {
namespace {

int Settings(const std::vector<std::string>& words) {
    const char* usage = "settings get SECTION NAME | settings set SECTION NAME VALUE";
    try {
        if (words.size() == 3 && words[0] == "get") {
            std::cout << registry::ReadSetting(words[1], words[2]) << std::endl;
            return 0;
        }
        if (words.size() == 4 && words[0] == "set") {
            registry::WriteSettingOrThrow(words[1], words[2], words[3]);
            return 0;
        }
    } catch (const registry::SettingsError& e) {
        std::cerr << e.what() << std::endl;
        return 1;
    }
    return UsageError(usage);
}

}  // namespace

std::vector<Command> SettingsCommands() {
    return {{"settings", "settings get SECTION NAME | settings set SECTION NAME VALUE", Settings}};
}

}  // namespace cli
