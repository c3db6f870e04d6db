// veltra-cli: the operations of the design shell without windows.
#include <iostream>
#include <string>
#include <vector>

#include "app/last_resort.h"
#include "cli/command.h"
#include "cli/help_texts.h"

namespace {

int Run(int argc, char** argv) {
    std::vector<cli::Command> commands;
    for (auto group : {cli::ProjectCommands, cli::WizardCommands, cli::SettingsCommands, cli::RouteCommands,
                       cli::CalcCommands, cli::GeometryCommands, cli::ExchangeCommands, cli::OpenExchangeCommands,
                       cli::DesignCommands, cli::LibraryCommands, cli::DrawingCommands, cli::BridgeCommands})
        for (auto& c : group()) commands.push_back(c);

    auto usage = [&] {
        std::cerr << "usage: veltra-cli SUBCOMMAND ...\n";
        for (const auto& c : commands) std::cerr << "  veltra-cli " << c.usage << "\n";
        return 2;
    };
    if (argc < 2) return usage();
    std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        cli::PrintOverview(std::cout, commands);
        return 0;
    }
    if (name == "--version") {
        std::cout << cli::VersionLine() << "\n";
        return 0;
    }
    std::vector<std::string> words(argv + 2, argv + argc);
    for (const auto& c : commands) {
        if (c.name != name) continue;
        if (cli::AsksForHelp(words)) {
            std::cout << cli::SubcommandHelp(c);
            return 0;
        }
        int status = cli::RunCommand(c, words);
        // Output that did not arrive (a full disk behind a redirection, a closed pipe) is a failure too.
        if (!std::cout.flush()) {
            std::cerr << "无法写入标准输出。" << std::endl;
            return status != 0 ? status : 1;
        }
        return status;
    }
    std::cerr << "veltra-cli: unknown subcommand '" << name << "'\n";
    return usage();
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (...) {
        // RunCommand catches what a subcommand lets through; this is for what happens around it.
        std::cerr << app::EscapedErrorMessage(argc > 1 ? argv[1] : "veltra-cli") << std::endl;
        return 2;
    }
}
