#include <algorithm>
#include <iostream>

#include "app/last_resort.h"
#include "cli/command.h"
#include "platform/dao/database.h"

namespace cli {

bool Args::has(const std::string& flag) const { return std::find(flags.begin(), flags.end(), flag) != flags.end(); }

std::optional<std::string> Args::option(const std::string& name) const {
    auto it = options.find(name);
    if (it == options.end()) return std::nullopt;
    return it->second;
}

std::optional<bool> Args::answer() const {
    if (has("--yes")) return true;
    if (has("--no")) return false;
    return std::nullopt;
}

Args ParseArgs(const std::vector<std::string>& words, const std::vector<std::string>& valueOptions) {
    Args args;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w.size() > 2 && w.rfind("--", 0) == 0) {
            auto eq = w.find('=');
            std::string name = w.substr(0, eq);
            bool takesValue = std::find(valueOptions.begin(), valueOptions.end(), name) != valueOptions.end();
            if (takesValue && eq != std::string::npos) {
                args.options[name] = w.substr(eq + 1);
            } else if (takesValue && i + 1 < words.size()) {
                args.options[name] = words[++i];
            } else {
                args.flags.push_back(w);
            }
        } else {
            args.positional.push_back(w);
        }
    }
    return args;
}

int RunCommand(const Command& command, const std::vector<std::string>& words) {
    try {
        return command.run(words);
    } catch (const dao::DaoException& e) {
        std::cerr << e.m_strDescription << "   (" << e.m_lErrorCode << ")" << std::endl;
        return 1;
    } catch (...) {
        // Whatever else escaped the subcommand: said in one line, and the run counts as broken.
        std::cerr << app::EscapedErrorMessage(command.name) << std::endl;
        return 2;
    }
}

int UsageError(const std::string& usage) {
    std::cerr << "usage: veltra-cli " << usage << std::endl;
    return 2;
}

}  // namespace cli
