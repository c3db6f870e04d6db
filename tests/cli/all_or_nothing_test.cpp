// Every write of the command line is all or nothing: a failed or killed run leaves each file it writes as it
// was, a new file appears only complete, and the next write in a folder clears the half-made files that
// killed runs left there.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "cli_child.h"
#include "exchange/project_import.h"
#include "platform/dao/database.h"
#include "platform/interaction/scripted.h"

namespace {

using cli_test::RunCli;
using Strings = std::vector<std::string>;

const Strings kRouteTables{"地形资料表", "平曲线资料表", "竖曲线资料表", "路基设计表"};
const Strings kLayoutTables{"桥孔划分信息表", "上构布置信息表", "上构布置明细表", "下构布置信息表", "伸缩缝信息表"};

constexpr const char* kBridge = R"({"general": {"BridgeName": "甲大桥"},
    "spans": {"StartStake": "1200", "sections": [["装配式简支空心板桥", "3", "20"]]}})";
constexpr const char* kOtherSpans =
    R"({"StartStake": "500", "sections": [["装配式简支T梁桥", "2", "30"], ["装配式简支空心板桥", "4", "13"]]})";

cli_test::ChildOptions KillAfter(int tables) {
    return {{{"VELTRA_TEST_KILL_AFTER_TABLES", std::to_string(tables)}}};
}

// A project made by `new` from the wizard description above.
std::string NewBridge(const testing_support::TempDir& dir, const std::string& name) {
    testing_support::WriteBytes(dir.file("bridge.json"), kBridge);
    auto run = RunCli({"new", dir.file(name), "--from", dir.file("bridge.json")});
    EXPECT_EQ(run.status, 0) << run.err;
    return dir.file(name);
}

Strings HiddenFiles(const std::string& folder) {
    Strings hidden;
    for (const auto& name : cli_test::FilesIn(folder))
        if (name[0] == '.') hidden.push_back(name);
    return hidden;
}

// The ground line and the plan are emptied before their file is opened, as the import has always done; the
// vertical curves and the road design table wait for their section and stay as they were.
TEST(AllOrNothing, ARouteFileThatCannotBeReadEmptiesOnlyTheGroundLineAndThePlan) {
    testing_support::TempDir dir;
    std::string project = dir.file("bridge.vlt");
    cli_test::MakeProject(project, 3);
    testing_support::WriteBytes(dir.file("empty.BRF"), "");
    testing_support::WriteBytes(dir.file("garbage.BRF"), std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) + "路线");
    std::filesystem::create_directory(dir.file("folder.BRF"));
    const Strings waiting{"竖曲线资料表", "路基设计表"};
    const auto old = cli_test::ReadTables(project, waiting);
    struct Case {
        const char* file;
        const char* told;  // the one message, on the error stream
    } cases[] = {
        {"missing.BRF", "打不开文件!\n"},
        {"folder.BRF", "打不开文件!\n"},
        {"empty.BRF", "该文件中无可参考信息!\n"},
        {"garbage.BRF", "该文件中无可参考信息!\n"},
    };
    for (const auto& c : cases) {
        auto run = RunCli({"import-route", project, dir.file(c.file), "--from", "0", "--to", "100", "--yes"});
        EXPECT_EQ(run.status, 1) << c.file;
        std::string everySection;
        for (int i = 0; i < 4; ++i) everySection += c.told;
        EXPECT_EQ(run.err, everySection) << c.file;
        EXPECT_EQ(cli_test::ReadTables(project, waiting), old) << c.file;
        const auto emptied = cli_test::ReadTables(project, {"地形资料表", "平曲线资料表"});
        ASSERT_EQ(emptied.size(), 2u);
        for (const auto& [table, rows] : emptied) EXPECT_TRUE(rows.empty()) << table << " " << c.file;
        EXPECT_EQ(cli_test::IntegrityCheck(project), "ok");
    }
}

TEST(AllOrNothing, AWholeFileWriteThatFailsOrIsKilledLeavesTheFileAtItsPath) {
    testing_support::TempDir dir;
    std::string source = NewBridge(dir, "source.vlt");
    std::string target = dir.file("target.vlt");
    cli_test::MakeProject(target, 2);
    const std::string old = testing_support::ReadBytes(target);
    testing_support::WriteBytes(dir.file("bridge.json"), kBridge);
    struct Case {
        const char* what;
        Strings words;
        cli_test::ChildOptions options;
    } cases[] = {
        {"new, disk full", {"new", target, "--from", dir.file("bridge.json")}, {{}, 20000}},
        {"new, killed", {"new", target, "--from", dir.file("bridge.json")}, KillAfter(2)},
        {"new-from, disk full", {"new-from", source, target, "--all"}, {{}, 20000}},
        {"new-from, killed", {"new-from", source, target, "--all"}, KillAfter(3)},
        {"create, disk full", {"create", target}, {{}, 2000}},
    };
    for (const auto& c : cases) {
        auto run = RunCli(c.words, c.options);
        if (c.options.fileSizeLimit)
            EXPECT_EQ(run.status, 1) << c.what << ": " << run.err;
        else
            EXPECT_TRUE(run.killed) << c.what << ": " << run.err;
        EXPECT_EQ(testing_support::ReadBytes(target), old) << c.what;
    }
    // Whole runs for contrast: the file is replaced by a sound, complete project.
    for (const auto& c : cases) {
        if (c.what == std::string("create, disk full")) continue;
        ASSERT_EQ(RunCli(c.words).status, 0) << c.what;
        EXPECT_EQ(cli_test::IntegrityCheck(target), "ok") << c.what;
        EXPECT_EQ(cli_test::ReadTables(target, kLayoutTables), cli_test::ReadTables(source, kLayoutTables))
            << c.what;
    }
}

TEST(AllOrNothing, ANewLibraryAppearsOnlyComplete) {
    testing_support::TempDir dir;
    std::string project = NewBridge(dir, "bridge.vlt");
    ASSERT_EQ(RunCli({"design", project, "Girder", "DesignSlab", "--yes"}).status, 0);
    const Strings write{"library", "write", project, dir.file("lib"), "--upper", "all", "--yes"};
    auto killed = RunCli(write, KillAfter(1));
    EXPECT_TRUE(killed.killed) << killed.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("LIB.BCL")));

    auto whole = RunCli(write);
    ASSERT_EQ(whole.status, 0) << whole.err;
    EXPECT_EQ(cli_test::IntegrityCheck(dir.file("LIB.BCL")), "ok");
    EXPECT_FALSE(cli_test::ReadTables(dir.file("LIB.BCL")).empty());
}

// Operations on an open project write all their tables in one transaction: killed after any table, the
// project holds every table as it was.
TEST(AllOrNothing, KilledHalfWayATransactionLeavesEveryTableAsItWas) {
    testing_support::TempDir dir;
    std::string project = NewBridge(dir, "bridge.vlt");
    std::string source = dir.file("source.vlt");
    cli_test::MakeProject(source, 4);
    testing_support::WriteBytes(dir.file("spans.json"), kOtherSpans);
    struct Case {
        const char* what;
        Strings words;
        int tables;  // tables written in all
    } cases[] = {
        {"spans", {"spans", project, "--from", dir.file("spans.json")}, 5},
        {"import-project", {"import-project", project, source}, 50},
    };
    for (const auto& c : cases) {
        const auto old = cli_test::ReadTables(project);
        for (int after : {1, 2, c.tables - 1}) {
            auto run = RunCli(c.words, KillAfter(after));
            EXPECT_TRUE(run.killed) << c.what << " " << after << ": " << run.err;
            EXPECT_EQ(cli_test::IntegrityCheck(project), "ok") << c.what;
            EXPECT_EQ(cli_test::ReadTables(project), old) << c.what << " killed after table " << after;
        }
        auto run = RunCli(c.words);
        ASSERT_EQ(run.status, 0) << c.what << ": " << run.err;
        EXPECT_NE(cli_test::ReadTables(project), old) << c.what;
    }
}

TEST(AllOrNothing, AMergeKilledBeforeItsCleanLeavesTheTargetAsItWas) {
    testing_support::TempDir dir;
    std::string project = NewBridge(dir, "bridge.vlt");
    ASSERT_EQ(RunCli({"design", project, "Girder", "DesignSlab", "--yes"}).status, 0);
    ASSERT_EQ(RunCli({"library", "write", project, dir.file("a"), "--upper", "all", "--yes"}).status, 0);
    std::filesystem::copy_file(dir.file("A.BCL"), dir.file("B.BCL"));
    const auto old = cli_test::ReadTables(dir.file("A.BCL"));
    const int tables = static_cast<int>(old.size());
    ASSERT_GT(tables, 0);

    // Killed after the last table is appended, before the repeats it brought are gone.
    auto killed = RunCli({"library", "merge", dir.file("A.BCL"), dir.file("B.BCL")}, KillAfter(tables));
    EXPECT_TRUE(killed.killed) << killed.err;
    EXPECT_EQ(cli_test::ReadTables(dir.file("A.BCL")), old);

    // Merged whole, every entry of B repeats one of A and goes.
    auto whole = RunCli({"library", "merge", dir.file("A.BCL"), dir.file("B.BCL")});
    ASSERT_EQ(whole.status, 0) << whole.err;
    EXPECT_EQ(cli_test::ReadTables(dir.file("A.BCL")), old);
}

TEST(AllOrNothing, AProjectThatCannotBeWrittenRefusesTheImportWithAMessage) {
    testing_support::TempDir dir;
    std::string project = dir.file("bridge.vlt"), source = dir.file("source.vlt");
    cli_test::MakeProject(project, 1);
    cli_test::MakeProject(source, 3);
    const auto old = cli_test::ReadTables(project);
    {
        auto db = dao::Database::Open(project, true);
        exchange::ImportChoices choices;
        choices.mode = exchange::ImportMode::ReferenceProject;
        choices.sourcePath = source;
        for (auto box : exchange::ReferenceProjectBoxes()) choices.checked[static_cast<int>(box)] = true;
        ui::ScriptedInteraction ui;
        auto interaction = ui.interaction();
        EXPECT_FALSE(exchange::ImportReferenceProject(*db, choices, interaction).has_value());
        ASSERT_EQ(ui.prompter.texts().size(), 1u);
        EXPECT_NE(ui.prompter.texts()[0].find("文件 '" + db->GetName() + "' 是只读的，不能写入。"), std::string::npos)
            << ui.prompter.texts()[0];
    }
    EXPECT_EQ(cli_test::ReadTables(project), old);
    // A user who may not write the file is refused the same way; the superuser may write any file.
    if (geteuid() != 0) {
        chmod(project.c_str(), 0444);
        auto run = RunCli({"import-project", project, source});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find("是只读的"), std::string::npos) << run.err;
        chmod(project.c_str(), 0644);
        EXPECT_EQ(cli_test::ReadTables(project), old);
    }
}

TEST(AllOrNothing, TheNextWriteClearsWhatKilledWritersLeftBesideTheirFiles) {
    testing_support::TempDir dir;
    std::string source = dir.file("source.vlt"), target = dir.file("target.vlt");
    cli_test::MakeProject(source, 50);
    cli_test::MakeProject(target, 1);
    // A file of a writer that still runs (this test) and files of other names stay.
    const std::string ours = "." + std::string("x.vlt.") + std::to_string(getpid()) + ".0.tmp";
    for (const std::string& name : {ours, std::string(".notes.tmp"), std::string(".x.vlt.12.tmp.bak")})
        testing_support::WriteBytes(dir.file(name), "kept");

    auto killed = RunCli({"saveas", source, target}, KillAfter(3));
    ASSERT_TRUE(killed.killed) << killed.err;
    ASSERT_GE(HiddenFiles(dir.path()).size(), 4u) << "the killed Save As left nothing behind";

    auto next = RunCli({"create", dir.file("next.vlt")});
    EXPECT_EQ(next.status, 0) << next.err;
    Strings kept{ours, ".notes.tmp", ".x.vlt.12.tmp.bak"};
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(HiddenFiles(dir.path()), kept);
}

TEST(AllOrNothing, NewFromRefusesAFolderEmptyOrNot) {
    testing_support::TempDir dir;
    std::string source = dir.file("source.vlt");
    cli_test::MakeProject(source, 1);
    std::filesystem::create_directory(dir.file("empty.vlt"));
    std::filesystem::create_directory(dir.file("full.vlt"));
    testing_support::WriteBytes(dir.file("full.vlt/a.txt"), "a");
    for (const char* folder : {"empty.vlt", "full.vlt"}) {
        auto run = RunCli({"new-from", source, dir.file(folder), "--all"});
        EXPECT_EQ(run.status, 1) << folder;
        EXPECT_NE(run.err.find("'" + dir.file(folder) + "' 是一个文件夹，不能用作项目文件。"), std::string::npos)
            << run.err;
        EXPECT_TRUE(std::filesystem::is_directory(dir.file(folder))) << folder;
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("empty.vlt")));
}

}  // namespace
