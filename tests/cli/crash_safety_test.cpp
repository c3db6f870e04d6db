// Save As, the route import and the pier report killed half way or starved of disk space: the files they
// write are always whole, old or new, and the command line says when it failed.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "cli_child.h"
#include "platform/dao/database.h"
#include "platform/text/cformat.h"
#include "projectdb/schema.h"

namespace {

using cli_test::ChildOptions;
using cli_test::RunCli;
using Strings = std::vector<std::string>;

const Strings kRouteTables{"地形资料表", "平曲线资料表", "竖曲线资料表", "路基设计表"};

std::string KillAfter(std::size_t tables) {
    return std::to_string(tables);
}

// A route file covering 0 .. `points` metres with every section.
std::string RouteText(int points) {
    std::string s = text::Format("**PROFILE**\r\n%d\r\n", points);
    for (int i = 0; i < points; ++i) s += text::Format("%d.0 %d.5\r\n", i, i % 97);
    s += "**PLAN**\r\n2\r\n";
    for (int stake : {0, points}) s += text::Format("1 2 3 0 4 5 6 0 7 0 %d 1 1\r\n", stake);
    s += "**VERT**\r\n2\r\n";
    for (int stake : {0, points}) s += text::Format("JD %d 50 3000\r\n", stake);
    s += "**DECK**\r\n";
    for (int stake : {0, points / 2, points}) {
        s += text::Format("%d", stake);
        for (int k = 1; k < 18; ++k) s += text::Format(" %d", k);
        s += "\r\n";
    }
    return s;
}

TEST(SaveAsChild, KilledAtAnyTableTheDestinationIsTheOldFileOrTheWholeCopy) {
    testing_support::TempDir dir;
    std::string source = dir.file("source.vlt"), target = dir.file("target.vlt");
    cli_test::MakeProject(source, 3);
    cli_test::MakeProject(target, 1);
    const std::string old = testing_support::ReadBytes(target);
    const std::size_t tables = cli_test::ReadTables(source).size();
    ASSERT_GT(tables, 4u);
    for (std::size_t after : {std::size_t{0}, std::size_t{1}, tables / 2, tables}) {
        auto run =
            RunCli({"saveas", source, target}, {{{"VELTRA_TEST_KILL_AFTER_TABLES", KillAfter(after)}}});
        EXPECT_TRUE(run.killed) << after << run.err;
        EXPECT_EQ(testing_support::ReadBytes(target), old) << after;
    }
    auto run = RunCli({"saveas", source, target});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(cli_test::IntegrityCheck(target), "ok");
    EXPECT_EQ(cli_test::ReadTables(target), cli_test::ReadTables(source));
}

TEST(SaveAsChild, ATableThatCannotBeCopiedFailsTheWholeSaveAs) {
    testing_support::TempDir dir;
    std::string source = dir.file("source.vlt"), damaged = dir.file("damaged.vlt"),
                target = dir.file("target.vlt");
    cli_test::MakeProject(source, 400);
    cli_test::MakeProject(target, 1);
    std::filesystem::copy_file(source, damaged);
    cli_test::DamageTable(damaged, "地形资料表");  // a table among the others, as a bad sector would hit it
    const std::string old = testing_support::ReadBytes(target);
    const Strings files = cli_test::FilesIn(dir.path());
    struct Case {
        const char* what;
        std::string project;
        long fileSizeLimit;
        std::string told;
    } cases[] = {
        {"damaged table", damaged, 0, "表 '地形资料表' 不能复制到新项目文件"},
        {"full disk", source, static_cast<long>(std::filesystem::file_size(source) / 2),
         "无法写入项目文件 '" + target + "'，原有文件未改变"},
    };
    for (const auto& c : cases) {
        auto run = RunCli({"saveas", c.project, target}, {{}, c.fileSizeLimit});
        EXPECT_EQ(run.status, 1) << c.what;
        EXPECT_NE(run.err.find(c.told), std::string::npos) << c.what << ": " << run.err;
        EXPECT_EQ(testing_support::ReadBytes(target), old) << c.what;
        EXPECT_EQ(cli_test::FilesIn(dir.path()), files) << c.what;  // no half-made file is left beside it
    }
}

TEST(SaveAsChild, CreateAndSaveAsRefuseWhatCannotBecomeTheProject) {
    testing_support::TempDir dir;
    std::string source = dir.file("source.vlt"), folder = dir.file("folder.vlt");
    cli_test::MakeProject(source, 1);
    std::filesystem::create_directory(folder);
    std::filesystem::create_symlink(source, dir.file("link.vlt"));
    const std::string isFolder = "'" + folder + "' 是一个文件夹，不能用作项目文件。";
    struct Case {
        Strings words;
        std::string told;
    } cases[] = {
        {{"create", ""}, "没有给出项目文件名。"},
        {{"create", folder}, isFolder},
        {{"saveas", source, folder}, isFolder},
        {{"saveas", source, source}, "文件 '" + source + "' 是当前打开的项目，不能用作另存为的目标。"},
        {{"saveas", source, dir.file("link.vlt")},
         "文件 '" + dir.file("link.vlt") + "' 是当前打开的项目，不能用作另存为的目标。"},
        {{"saveas", source, dir.file("missing/x.vlt")},
         "无法创建项目文件 '" + dir.file("missing/x.vlt") + "'。"},
    };
    const std::string before = testing_support::ReadBytes(source);
    for (const auto& c : cases) {
        auto run = RunCli(c.words);
        EXPECT_EQ(run.status, 1) << c.words[1];
        EXPECT_EQ(run.err.rfind(c.told, 0), 0u) << run.err;
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(testing_support::ReadBytes(source), before);
}

// A project with two records in each table and a route file over 0 .. `points` m, imported from `from` to
// `to` by the command line.
struct RouteImportScene {
    RouteImportScene(int points, int from, int to) {
        cli_test::MakeProject(project, 2);
        testing_support::WriteBytes(route, RouteText(points));
        import = {"import-route", project, route, "--from", std::to_string(from), "--to", std::to_string(to), "--yes"};
        old = cli_test::ReadTables(project, kRouteTables);
    }
    testing_support::TempDir dir;
    const std::string project = dir.file("bridge.vlt"), route = dir.file("route.BRF");
    Strings import;
    cli_test::TableRows old;  // the route tables before the import
};

TEST(ImportRouteChild, KilledAfterAnySectionTheProjectIsAsBefore) {
    const RouteImportScene s(50, 10, 40);
    const auto& [project, import, old] = std::tie(s.project, s.import, s.old);
    for (std::size_t after : {1, 2, 3, 4}) {
        auto run = RunCli(import, {{{"VELTRA_TEST_KILL_AFTER_TABLES", KillAfter(after)}}});
        EXPECT_TRUE(run.killed) << after << run.err;
        EXPECT_EQ(cli_test::ReadTables(project, kRouteTables), old) << after;
        EXPECT_EQ(cli_test::IntegrityCheck(project), "ok") << after;
    }
    auto run = RunCli(import);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "地形资料表\t33\n平曲线资料表\t2\n竖曲线资料表\t2\n路基设计表\t1\n");
}

TEST(ImportRouteChild, FailuresExitNonZeroAndLeaveTheProjectAsItWas) {
    const RouteImportScene s(20000, 0, 20000);
    const auto& [project, import, old] = std::tie(s.project, s.import, s.old);

    // Another program holds the write lock for as long as the import waits for it.
    {
        auto other = dao::Database::Open(project);
        dao::Transaction writing(*other);
        auto run = RunCli(import);
        EXPECT_EQ(run.status, 1);
        EXPECT_FALSE(run.err.empty());
        EXPECT_TRUE(run.out.empty());
    }
    // The disk fills up before the import's records are all on it.
    auto run = RunCli(import, {{}, static_cast<long>(std::filesystem::file_size(project))});
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(run.err.empty());
    EXPECT_EQ(cli_test::IntegrityCheck(project), "ok");
    EXPECT_EQ(cli_test::ReadTables(project, kRouteTables), old);

    run = RunCli(
        {"import-route", project, s.dir.file("missing.BRF"), "--from", "0", "--to", "1", "--only", "vert"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "打不开文件!\n打不开文件!\n");
}

TEST(PierReportChild, AReportThatCannotBeWrittenLeavesThePreviousOne) {
    testing_support::TempDir dir;
    testing_support::WriteBytes(dir.file("p.json"), R"({"piers": [{"stake": 0, "columns": 2, "height": 8,
        "rect": {"W": 1.2, "H": 1.4}}, {"stake": 30, "columns": 1, "height": 9, "circle": {"D": 1.3}}]})");
    ASSERT_EQ(RunCli({"pier-force", "--json", dir.file("p.json"), "--save", dir.file("b.phm")}).status, 0);
    testing_support::WriteBytes(dir.file("b.out"), "previous report");
    const Strings files = cli_test::FilesIn(dir.path());
    auto run = RunCli({"pier-force", dir.file("b.phm")}, {{}, 64});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "文件打开错误!\n");
    EXPECT_EQ(testing_support::ReadBytes(dir.file("b.out")), "previous report");
    EXPECT_EQ(cli_test::FilesIn(dir.path()), files);
}

}  // namespace
