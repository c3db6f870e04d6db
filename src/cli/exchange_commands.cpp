// export-3d / export-sub PROJECT FILE: the two interface files; import-project PROJECT SOURCE: the site and
// structure groups of a reference project; new-from SOURCE TARGET: a new project from another.
#include <filesystem>
#include <iostream>

#include "cli/command.h"
#include "exchange/interface_writer.h"
#include "exchange/operation_summary.h"
#include "exchange/project_import.h"
#include "platform/interaction/console.h"

namespace cli {
namespace {

constexpr const char* kExport3dUsage = "export-3d PROJECT FILE [--yes|--no]";
constexpr const char* kExportSubUsage = "export-sub PROJECT FILE [--yes|--no]";
constexpr const char* kImportProjectUsage =
    "import-project PROJECT SOURCE [--groups 地面线数据,平曲线数据,竖曲线数据,上部构造,下部构造,附属构造]";
constexpr const char* kNewFromUsage = "new-from SOURCE TARGET [--all | --groups LIST] [--yes|--no]";

using Writer = exchange::InterfaceOutcome (*)(dao::Database&, const std::string&, ui::Prompter&);
using exchange::InterfaceFile;

// Questions go to standard error and are answered by the flag (No without one): a complete file is
// status 0 with the success message, a file stopped at a question 1, a file that cannot be written 2.
int Export(const std::vector<std::string>& words, const char* usage, Writer write, InterfaceFile file) {
    Args args = ParseArgs(words, {});
    if (args.positional.size() != 2) return UsageError(usage);
    auto db = dao::Database::Open(args.positional[0]);
    std::string path = std::filesystem::absolute(args.positional[1]).string();
    ui::ConsolePrompter prompter(args.answer().value_or(false));
    switch (write(*db, path, prompter)) {
        case exchange::InterfaceOutcome::Complete:
            std::cerr << exchange::InterfaceWrittenSummary(file, path) << std::endl;
            return 0;
        case exchange::InterfaceOutcome::Stopped: return 1;
        case exchange::InterfaceOutcome::FileFailed: return 2;
    }
    return 1;
}

int Export3d(const std::vector<std::string>& words) {
    return Export(words, kExport3dUsage, exchange::WriteArvo3dFile, InterfaceFile::Arvo3d);
}

int ExportSub(const std::vector<std::string>& words) {
    return Export(words, kExportSubUsage, exchange::WriteKelsaFile, InterfaceFile::Kelsa);
}

int ImportProject(const std::vector<std::string>& words) {
    Args args = ParseArgs(words, {"--groups"});
    if (args.positional.size() != 2 || args.has("--groups")) return UsageError(kImportProjectUsage);
    exchange::ImportChoices choices;
    choices.mode = exchange::ImportMode::ReferenceProject;
    choices.sourcePath = args.positional[1];
    const auto& allowed = exchange::ReferenceProjectBoxes();
    if (auto groups = args.option("--groups")) {
        if (!exchange::ParseImportBoxes(*groups, allowed, choices)) return UsageError(kImportProjectUsage);
    } else {
        for (auto box : allowed) choices.checked[static_cast<int>(box)] = true;
    }
    std::error_code ec;
    if (std::filesystem::equivalent(args.positional[0], args.positional[1], ec)) {
        std::cerr << "不能把项目“" << args.positional[0] << "”导入它自己：请给出另一个项目作为来源。" << std::endl;
        return 1;
    }
    auto db = dao::Database::Open(args.positional[0]);
    ui::ConsoleInteraction console(false);
    ui::Interaction interaction = console.interaction();
    auto copied = exchange::ImportReferenceProject(*db, choices, interaction);
    if (!copied) return 1;
    for (const auto& table : *copied) std::cout << table << "\n";
    std::cerr << exchange::ProjectImportSummary(*db, *copied, args.positional[1]) << std::endl;
    return 0;
}

// The target is named on the command line: the save dialog is answered with it.
struct NamedFile : ui::FileChooser {
    explicit NamedFile(std::string path) : path(std::move(path)) {}
    std::string choose(const ui::FileRequest&) override { return path; }
    std::string path;
};

int NewFrom(const std::vector<std::string>& words) {
    Args args = ParseArgs(words, {"--groups"});
    if (args.positional.size() != 2 || args.has("--groups") || (args.has("--all") && args.option("--groups")))
        return UsageError(kNewFromUsage);
    // Without a choice, the boxes the options dialog starts with.
    exchange::ImportOptionsState state(exchange::ImportMode::NewProject);
    if (args.has("--all")) state.setChecked(exchange::ImportBox::All, true);
    exchange::ImportChoices choices = state.choices(args.positional[0]);
    if (auto groups = args.option("--groups");
        groups && !exchange::ParseImportBoxes(*groups, exchange::TableGroupBoxes(), choices))
        return UsageError(kNewFromUsage);
    ui::ConsoleInteraction console(args.answer().value_or(false));
    ui::Interaction interaction = console.interaction();
    NamedFile target(args.positional[1]);
    auto result = exchange::ImportNewProject(choices, target, interaction, {});
    if (result.outcome != exchange::NewProjectOutcome::Opened) return 1;
    for (const auto& table : result.tables) std::cout << table << "\n";
    return 0;
}

}  // namespace

std::vector<Command> ExchangeCommands() {
    return {{"export-3d", kExport3dUsage, Export3d},
            {"export-sub", kExportSubUsage, ExportSub},
            {"import-project", kImportProjectUsage, ImportProject},
            {"new-from", kNewFromUsage, NewFrom}};
}

}  // namespace cli
