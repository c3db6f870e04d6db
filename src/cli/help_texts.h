#pragma once
// What `veltra-cli --help`, `veltra-cli SUBCOMMAND --help` and `--version` print. The manual page
// veltra-cli(1) is made at build time from the same text.
#include <ostream>
#include <string>
#include <vector>

#include "cli/command.h"

namespace cli {

// True when the words after the subcommand ask for its help: "--help" anywhere, or "-h" first. Such a run
// prints and touches no file (without this, `create --help` would create a file named "--help").
bool AsksForHelp(const std::vector<std::string>& words);

// One subcommand's usage line and what it does, in Chinese.
std::string SubcommandHelp(const Command& command);

// Every subcommand, one usage line each, with the program's options; `--help` prints it to standard output.
void PrintOverview(std::ostream& out, const std::vector<Command>& commands);

// "veltra-cli 4.6.1.1".
std::string VersionLine();

}  // namespace cli
