// The exchange subcommands of veltra-cli: exit statuses, the success message and the answers from the flags.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/command.h"
#include "support/cli_runner.h"
#include "exchange_fixture.h"

namespace {

using namespace exchange_test;
using Strings = std::vector<std::string>;

int RunCommand(const std::string& name, const Strings& words, std::string& out, std::string& err) {
    return testing_support::RunCli(cli::ExchangeCommands(), name, words, out, err);
}

TEST(ExchangeCommands, ExportStatusesFollowTheOutcome) {
    testing_support::TempDir dir;
    std::string project = dir.file("bridge.vlt");
    {
        ProjectFile p(project);
        p.add("一般信息表", {{"TransectType", T("整体式")}});
        p.add("桥孔划分信息表", {{"SectSum", L(0)}});
        for (const char* table : {"平曲线资料表", "竖曲线资料表", "桥面横坡资料表"}) p.create(table);
        p.drop("锥坡信息表");
    }
    std::string file = dir.file("Arvo3D.bri");
    const std::string ask = "不能打开 [锥坡信息表]。是否继续？\n";
    struct Case {
        const char* command;
        Strings words;
        int status;
        std::string err;
    } cases[] = {
        {"export-3d", {project, file}, 1, ask},
        {"export-3d", {project, file, "--no"}, 1, ask},
        {"export-3d", {project, file, "--yes"}, 0, ask + "已成功输出Arvo3D接口文件。文件名为 " + file + "。\n"},
        {"export-sub", {project, file}, 0, "已成功输出Kelsa接口文件。文件名为 " + file + "。\n"},
        {"export-sub", {project, dir.file("none/K.bri")}, 2, "无法创建文件 " + dir.file("none/K.bri") + "。\n"},
        {"export-sub", {project}, 2, "usage: veltra-cli export-sub PROJECT FILE [--yes|--no]\n"},
    };
    for (const auto& c : cases) {
        std::string out, err;
        EXPECT_EQ(RunCommand(c.command, c.words, out, err), c.status) << c.command << " " << testing::PrintToString(c.words);
        EXPECT_EQ(err, c.err) << c.command << " " << testing::PrintToString(c.words);
    }
}

TEST(ExchangeCommands, ImportProjectAndNewFrom) {
    testing_support::TempDir dir;
    std::string source = dir.file("source.vlt"), target = dir.file("target.vlt");
    {
        ProjectFile s(source);
        s.add("①类帽梁信息表", {{"PierAbutmentNum", L(1)}});
        s.add("地形资料表", {{"Stake", N(1)}, {"Elevation", N(2)}});
        ProjectFile t(target);
    }
    std::string out, err;
    EXPECT_EQ(RunCommand("import-project", {target, source, "--groups", "下部构造"}, out, err), 0) << err;
    EXPECT_EQ(out, "①类帽梁信息表\n");
    EXPECT_EQ(RunCommand("import-project", {target, source, "--groups", "一般信息"}, out, err), 2);
    // A project is never its own source, however its path is written; it keeps its tables.
    for (const std::string& itself : {target, dir.file(".") + "/target.vlt"}) {
        EXPECT_EQ(RunCommand("import-project", {target, itself}, out, err), 1) << itself;
        EXPECT_EQ(err, "不能把项目“" + target + "”导入它自己：请给出另一个项目作为来源。\n");
    }
    EXPECT_TRUE(dao::Database::Open(target)->HasTableDef("①类帽梁信息表"));

    std::string fresh = dir.file("fresh.vlt");
    EXPECT_EQ(RunCommand("new-from", {source, fresh, "--groups", "地面线数据"}, out, err), 0) << err;
    EXPECT_EQ(out, "地形资料表\n");  // the question about the general information answered No
    EXPECT_EQ(RunCommand("new-from", {source, fresh, "--groups", "地面线数据", "--yes"}, out, err), 0) << err;
    EXPECT_EQ(out,
              "一般信息表\n桥孔划分信息表\n上构布置信息表\n上构布置明细表\n下构布置信息表\n伸缩缝信息表\n图形布置信息表"
              "\n地形资料表\n");
    EXPECT_EQ(RunCommand("new-from", {source, fresh, "--all", "--groups", "地面线数据"}, out, err), 2);
}

}  // namespace
