// veltra-cli drawing send: without a running drawing host the user is told to start one and the run fails.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "cli_child.h"

namespace {

TEST(DrawingSendTest, WithoutAHostTheRunFailsWithTheMessage) {
    testing_support::TempDir temp;
    std::string runtime = temp.file("run");
    mkdir(runtime.c_str(), 0700);
    cli_test::ChildOptions options;
    options.env = {{"XDG_RUNTIME_DIR", runtime}, {"VELTRA_REGISTRY", temp.file("registry.db")}};
    cli_test::ChildRun run = cli_test::RunCli({"drawing", "send", "LoadDBAuto "}, options);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "请先启动AutoCAD 2002!\n");
    EXPECT_EQ(run.out, "");

    EXPECT_EQ(cli_test::RunCli({"drawing", "send"}, options).status, 2);
    EXPECT_EQ(cli_test::RunCli({"drawing", "print", "x"}, options).status, 2);
}

}  // namespace
