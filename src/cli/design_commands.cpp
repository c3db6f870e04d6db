// design PROJECT MODULE ENTRY: runs a design module's entry point on a project without windows, as the menu
// command runs it and as if its dialog were confirmed unchanged, and prints the tables it made or filled.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>

#include "app/design_calls.h"
#include "app/design_summary.h"
#include "cli/command.h"
#include "platform/interaction/console.h"

namespace cli {
namespace {

constexpr const char* kUsage = "design PROJECT MODULE ENTRY [--yes|--no]";


// "Adjunct" and "Adjunct.dll" name the same module.
std::string BaseName(const std::string& module) {
    auto dot = module.rfind('.');
    return dot == std::string::npos ? module : module.substr(0, dot);
}

const app::DesignCall* FindCall(const std::string& module, const std::string& entry) {
    for (const auto& call : app::DesignCalls())
        if (BaseName(call.module) == BaseName(module) && call.entry == entry) return &call;
    return nullptr;
}

// Passes every message on, and remembers whether one of them was a warning or an error: a module that could
// not do its work says so that way, and the command then fails.
class WarningWatcher : public ui::Prompter {
public:
    explicit WarningWatcher(ui::Prompter& inner) : inner_(inner) {}
    bool warned() const { return warned_; }

protected:
    ui::Answer show(const std::string& text, ui::Buttons buttons, ui::Icon icon, const std::string& caption) override {
        warned_ = warned_ || icon == ui::Icon::Stop || icon == ui::Icon::Exclamation;
        return inner_.message(text, buttons, icon, caption);
    }

private:
    ui::Prompter& inner_;
    bool warned_ = false;
};

int Design(const std::vector<std::string>& words) {
    Args args = ParseArgs(words, {});
    if (args.positional.size() != 3) return UsageError(kUsage);
    const std::string& project = args.positional[0];
    const std::string& moduleName = args.positional[1];
    const std::string& entryName = args.positional[2];
    ui::ConsolePrompter prompter(args.answer());
    auto db = dao::Database::Open(project);
    modules::SharedLibraryLoader loader(modules::DefaultModulesFolder());
    long errorCode = 0;
    std::unique_ptr<modules::LoadedModule> module = loader.Load(moduleName, errorCode);
    if (!module) {
        std::string file =
            (std::filesystem::path(loader.folder()) / modules::SharedLibraryFileName(moduleName)).string();
        std::cerr << "找不到设计模块 " << moduleName << "（" << file << "，错误码 " << errorCode << "）。" << std::endl;
        return 1;
    }
    void* entry = module->Resolve(entryName);
    if (!entry) {
        std::cerr << "设计模块 " << moduleName << " 没有入口 " << entryName << "。" << std::endl;
        return 1;
    }
    const app::DesignCall* call = FindCall(moduleName, entryName);
    if (!call) {
        std::cerr << "没有哪条命令调用 " << moduleName << " 的入口 " << entryName << "，不知如何调用它。" << std::endl;
        return 1;
    }
    module.reset();
    const app::TableCounts before = app::RecordCounts(*db);
    WarningWatcher watcher(prompter);
    // The menu's own run: its checks first (a layout the command needs, the question before a member design
    // with no sizes yet), so that a refusal there fails the command as it stops the menu command.
    const bool ran = app::RunDesignCall(*call, *db, loader, watcher);
    const app::TableCounts after = app::RecordCounts(*db);
    for (const std::string& change : app::TableChanges(before, after)) std::cout << change << "\n";
    if (ran) std::cerr << app::DesignSummary(app::DesignCommandName(*call), before, after) << std::endl;
    return ran && !watcher.warned() ? 0 : 1;
}

}  // namespace

std::vector<Command> DesignCommands() { return {{"design", kUsage, Design}}; }

}  // namespace cli
