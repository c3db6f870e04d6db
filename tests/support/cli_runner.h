#pragma once
// Runs a veltra-cli subcommand in the test's own process, capturing what it prints. Header only: the test
// support library stands below the command line, the test executables that use this link it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/command.h"

namespace testing_support {

// Runs the subcommand `name` of one group of subcommands (cli::ExchangeCommands() ...) with `words`; returns
// its exit status and fills `out` and `err` with what it printed.
inline int RunCli(const std::vector<cli::Command>& commands, const std::string& name,
                  const std::vector<std::string>& words, std::string& out, std::string& err) {
    for (const auto& command : commands) {
        if (command.name != name) continue;
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        int status = cli::RunCommand(command, words);
        out = testing::internal::GetCapturedStdout();
        err = testing::internal::GetCapturedStderr();
        return status;
    }
    ADD_FAILURE() << "no " << name << " command";
    return -1;
}

}  // namespace testing_support
