#pragma once
// veltra-cli subcommands: each is a few lines over a logic function. A group of subcommands lives in
// one file and is listed in main.cpp.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace cli {

// Command-line words after the subcommand: "--name value" options, "--flag" switches, positionals.
struct Args {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    std::vector<std::string> flags;

    bool has(const std::string& flag) const;
    std::optional<std::string> option(const std::string& name) const;
    // --yes / --no; nullopt when neither was given.
    std::optional<bool> answer() const;
};

// `valueOptions` are the options that take a value; every other "--word" is a flag.
Args ParseArgs(const std::vector<std::string>& words, const std::vector<std::string>& valueOptions);

struct Command {
    std::string name;
    std::string usage;  // one line: "create FILE"
    int (*run)(const std::vector<std::string>& words);
};

std::vector<Command> ProjectCommands();   // create, tables, dump, saveas
std::vector<Command> SettingsCommands();  // settings get/set
std::vector<Command> RouteCommands();     // import-route
std::vector<Command> CalcCommands();      // pier-force, culvert
std::vector<Command> WizardCommands();    // new, general, spans
std::vector<Command> GeometryCommands();  // geometry
std::vector<Command> ExchangeCommands();  // export-3d, export-sub, import-project, new-from
std::vector<Command> OpenExchangeCommands();  // import-landxml, export-landxml, export-ifc
std::vector<Command> DesignCommands();    // design
std::vector<Command> DrawingCommands();   // drawing send|list|target
std::vector<Command> LibraryCommands();   // library list|write|tables|dump|clean|merge|preview
std::vector<Command> BridgeCommands();    // model, check, view3d

// Prints a table of a project or library file: the field names, then one tab-separated line per record.
int DumpTable(const std::string& file, const std::string& table);

// Runs one subcommand. A database that cannot be opened or read ends every subcommand the same way: its
// message on standard error and status 1. Any other error that escapes the subcommand is a message naming
// it and status 2.
int RunCommand(const Command& command, const std::vector<std::string>& words);

// Prints "usage: veltra-cli <usage>" to standard error and returns the exit status for a usage error.
int UsageError(const std::string& usage);

}  // namespace cli
