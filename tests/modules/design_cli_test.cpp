// veltra-cli design: what it prints, and its exit status when the module or the entry point is missing.
#include <gtest/gtest.h>

#include "cli_child.h"
#include "projectdb/project_file.h"

namespace {

using cli_test::ChildOptions;
using cli_test::RunCli;

class DesignCliTest : public ::testing::Test {
protected:
    DesignCliTest() { projectdb::CreateProjectFile(project)->Close(); }
    cli_test::ChildRun Design(const std::string& module, const std::string& entry) {
        return RunCli({"design", project, module, entry}, modulesHere);
    }
    testing_support::TempDir dir;
    std::string project = dir.file("p.vlt");
    ChildOptions modulesHere{{{"VELTRA_MODULES", VELTRA_MODULES_DIR}}};
};

TEST_F(DesignCliTest, PrintsTheTablesItWroteAndThenThatNothingChanged) {
    auto first = Design("Adjunct", "DesignWalkway");
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "新建表 人行道及栏杆信息表：1 条记录\n");
    // The line the menu command leaves in the status bar: the command's name and every change.
    EXPECT_EQ(first.err, "人行道及栏杆：新建表 人行道及栏杆信息表：1 条记录\n");
    auto second = Design("Adjunct.dll", "DesignWalkway");
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.out, "未改动任何表。\n");
}

TEST_F(DesignCliTest, RowsTheModuleCannotWriteAsProposedFailTheCommand) {
    std::string withLayout = dir.file("layout.vlt");
    ASSERT_EQ(RunCli({"new", withLayout}, modulesHere).status, 0);
    auto run = RunCli({"design", withLayout, "Site", "EditGroundLine"}, modulesHere);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "“地形资料表”第1行的“高程(m)”不能为空。\n地面线资料：未改动任何表。\n");
    EXPECT_EQ(run.out, "未改动任何表。\n");
}

// The command line stops where the menu command stops, and says so with a failing exit status.
TEST_F(DesignCliTest, TheMenusChecksRunBeforeTheModule) {
    struct Case {
        const char* module;
        const char* entry;
        const char* errStart;
    };
    const Case cases[] = {
        {"Detail", "CableTBeamDetail", "尚未建立T梁尺寸信息"},
        {"Detail", "PierBody1Detail", "尚未建立圆形截面柱式墩身尺寸信息"},  // answered No
    };
    for (const auto& c : cases) {
        auto run = Design(c.module, c.entry);
        EXPECT_EQ(run.status, 1) << c.entry;
        EXPECT_EQ(run.err.rfind(c.errStart, 0), 0u) << run.err;
        EXPECT_EQ(run.out, "未改动任何表。\n");
    }
}

TEST_F(DesignCliTest, FindsTheApplicationsModulesFromTheBuildTreeWithoutTheVariable) {
    auto run = RunCli({"design", project, "Pile", "PileDsn"}, ChildOptions{{{"VELTRA_MODULES", ""}}});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "桩基计算模块尚未提供：将进行桩基础计算。\n桩基础计算：未改动任何表。\n");
}

TEST_F(DesignCliTest, FailsWhenTheModuleOrTheEntryIsMissingOrTheWordsAreWrong) {
    struct Case {
        std::vector<std::string> words;
        int status;
        std::string errStart;
    };
    const Case cases[] = {
        {{"design", project, "Nowhere", "DesignWalkway"}, 1, "找不到设计模块 Nowhere"},
        {{"design", project, "Adjunct", "DesignNothing"}, 1, "设计模块 Adjunct 没有入口 DesignNothing"},
        {{"design", project, "Adjunct", "SetModulePrompter"}, 1, "没有哪条命令调用"},
        {{"design", dir.file("none.vlt"), "Adjunct", "DesignWalkway"}, 1, ""},
        {{"design", project, "Adjunct"}, 2, "usage: veltra-cli design"},
    };
    for (const auto& c : cases) {
        auto run = RunCli(c.words, modulesHere);
        EXPECT_EQ(run.status, c.status) << c.words[2] << ": " << run.err;
        EXPECT_EQ(run.err.rfind(c.errStart, 0), 0u) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace
