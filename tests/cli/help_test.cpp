// --help and --version: they print and exit 0, and never take "--help" for a file name or a value.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_child.h"

namespace {

using cli_test::RunCli;

TEST(CliHelp, EverySubcommandExplainsItselfAndTouchesNothing) {
    const std::filesystem::path strayFile = std::filesystem::current_path() / "--help";
    std::filesystem::remove(strayFile);
    // Each subcommand with the help flag where a file name or a value would be.
    const std::vector<std::vector<std::string>> runs = {
        {"create", "--help"},        {"tables", "--help"},          {"dump", "x.vlt", "--help"},
        {"saveas", "--help"},        {"new", "--help"},             {"general", "--help"},
        {"spans", "--help"},         {"settings", "--help"},        {"import-route", "--help"},
        {"import-project", "--help"}, {"new-from", "--help"},       {"export-3d", "--help"},
        {"export-sub", "--help"},    {"pier-force", "--help"},      {"culvert", "--help"},
        {"geometry", "--help"},      {"design", "--help"},          {"model", "--help"},
        {"check", "--help"},         {"library", "--help"},         {"drawing", "--help"},
        {"view3d", "x.vlt", "--help"},
        {"create", "-h"},            {"library", "write", "--help"}, {"new", "a.vlt", "--from", "--help"},
    };
    for (const auto& words : runs) {
        SCOPED_TRACE(words[0] + " " + words[1]);
        auto run = RunCli(words);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out.rfind("用法: veltra-cli " + words[0], 0), 0u) << run.out;
        EXPECT_EQ(run.err, "");
    }
    EXPECT_FALSE(std::filesystem::exists(strayFile));
    EXPECT_FALSE(std::filesystem::exists("a.vlt"));
}

TEST(CliHelp, OverviewListsEverySubcommandAndVersionNamesTheProgram) {
    auto help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* name : {"create", "import-route", "export-3d", "design", "library", "drawing", "check"})
        EXPECT_NE(help.out.find("veltra-cli " + std::string(name) + " "), std::string::npos) << name;
    auto version = RunCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("veltra-cli ", 0), 0u);
    EXPECT_NE(version.out.find('.'), std::string::npos) << version.out;
    // A mistyped subcommand is still an error, with the list on standard error.
    auto wrong = RunCli({"--helpp"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(wrong.err.find("usage"), std::string::npos);
}

}  // namespace
