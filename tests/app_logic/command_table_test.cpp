#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <stdexcept>

#include "app/command_table.h"
#include "app/design_calls.h"
#include "app/last_resort.h"
#include "app/menus.h"
#include "app/project_session.h"
#include "platform/interaction/scripted.h"
#include "platform/spreadsheet/grid_menu.h"
#include "projectdb/project_file.h"
#include "support/test_support.h"

namespace {

class CommandTableTest : public ::testing::Test {
protected:
    CommandTableTest() {
        project = projectdb::CreateProjectFile(dir.file("a.vlt"));
        for (const auto& spec : table.Specs()) table.SetHandler(spec.id, [] { return false; });
    }
    testing_support::TempDir dir;
    std::unique_ptr<dao::Database> project;
    app::CommandTable table{app::ShellCommands()};
};

TEST_F(CommandTableTest, AvailabilityFollowsTheProjectAndWhatItHolds) {
    struct Case {
        const char* key;
        bool withoutProject, withProject;
    } cases[] = {
        {"open", true, true},          {"save", false, true},         {"import", false, true},
        {"import-project", true, false}, {"new", true, true},         {"retaining-wall", false, false},
        {"general-info", false, true}, {"span-info", false, true},    {"window-tile", false, true},
        {"design-pier-abut", false, true}, {"design-slab", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(table.IsEnabled(table.Id(c.key), nullptr), c.withoutProject) << c.key;
        EXPECT_EQ(table.IsEnabled(table.Id(c.key), project.get()), c.withProject) << c.key;
    }
    // The superstructure design entries follow the structure types of the layout.
    project->Execute("CREATE TABLE [上构布置明细表] (SectNum LONG, StructureType TEXT(255))");
    project->Execute("INSERT INTO [上构布置明细表] VALUES (1, '装配式简支空心板桥'), (2, '连续等截面箱梁桥')");
    std::map<std::string, bool> expected = {{"design-slab", true},    {"design-tbeam", false},
                                            {"design-su-box", false}, {"design-ss-box", false},
                                            {"design-cu-box", true},  {"design-cs-box", false}};
    for (const auto& [key, enabled] : expected)
        EXPECT_EQ(table.IsEnabled(table.Id(key), project.get()), enabled) << key;
    // 上下部构造关系 edits the layout of the supports, so it waits for that table.
    EXPECT_FALSE(table.IsEnabled(table.Id("assembly"), project.get()));
    project->Execute("CREATE TABLE [下构布置信息表] (PierAbutNum LONG)");
    EXPECT_TRUE(table.IsEnabled(table.Id("assembly"), project.get()));
    app::CommandTable bare(app::ShellCommands());
    EXPECT_FALSE(bare.IsEnabled(bare.Id("open"), project.get()));  // no handler, no command
}

TEST_F(CommandTableTest, NoShortcutIsEverLiveTwice) {
    for (dao::Database* open : {static_cast<dao::Database*>(nullptr), project.get()}) {
        std::set<std::string> live;
        for (const auto& spec : table.Specs())
            if (!spec.shortcut.empty() && table.IsEnabled(spec.id, open))
                EXPECT_TRUE(live.insert(spec.shortcut).second) << spec.shortcut;
    }
}

TEST_F(CommandTableTest, ACommandThatWroteAnnouncesItsCategoriesOnce) {
    ui::ScriptedPrompter prompter;
    app::ProjectSession session(app::SessionServices{prompter});
    std::vector<std::vector<int>> announced;
    auto subscription = session.OnTablesChanged([&](const std::vector<int>& c) { announced.push_back(c); });
    bool wrote = false;
    table.SetHandler("import", [&] { return wrote; });
    EXPECT_FALSE(table.Run(table.Id("import"), session));  // disabled without a project
    ASSERT_TRUE(session.Open(dir.file("a.vlt"), app::OpenRoute::OpenFirst));
    EXPECT_TRUE(table.Run(table.Id("import"), session));
    EXPECT_TRUE(announced.empty());
    wrote = true;
    EXPECT_TRUE(table.Run(table.Id("import"), session));
    ASSERT_EQ(announced.size(), 1u);
    EXPECT_EQ(announced[0], (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

// Whatever a handler lets through ends that command with a message naming it; the table, the session and
// the next command go on as before.
TEST_F(CommandTableTest, AnErrorThatEscapesAHandlerIsShownAndGoesNoFurther) {
    ui::ScriptedPrompter prompter;
    app::ProjectSession session(app::SessionServices{prompter});
    ASSERT_TRUE(session.Open(dir.file("a.vlt"), app::OpenRoute::OpenFirst));
    std::vector<std::vector<int>> announced;
    auto subscription = session.OnTablesChanged([&](const std::vector<int>& c) { announced.push_back(c); });
    struct Case {
        std::function<bool()> handler;
        std::string shown;
    } cases[] = {
        {[]() -> bool { throw std::runtime_error("vector::reserve"); },
         "命令“导入”因意外错误中止：内部错误（vector::reserve）。"},
        {[]() -> bool { throw std::bad_alloc(); }, "命令“导入”因意外错误中止：内存不足。"},
        {[]() -> bool { throw dao::DaoException(dao::kErrIo, "磁盘已满。"); },
         "命令“导入”因意外错误中止：磁盘已满。   (3051)。"},
        {[]() -> bool { throw 42; }, "命令“导入”因意外错误中止：未知错误。"},
    };
    for (const auto& c : cases) {
        prompter.clear();
        table.SetHandler("import", c.handler);
        EXPECT_TRUE(table.Run(table.Id("import"), session));
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{c.shown});
    }
    EXPECT_TRUE(announced.empty());
    EXPECT_TRUE(session.IsOpen());
    table.SetHandler("import", [] { return true; });
    EXPECT_TRUE(table.Run(table.Id("import"), session));
    EXPECT_EQ(announced.size(), 1u);
}

TEST(LastResort, CommandNamesLoseTheirAcceleratorAndEllipsis) {
    const std::pair<const char*, const char*> cases[] = {
        {"导入(&I)...", "导入"}, {"新建(&N)", "新建"}, {"&Tile", "Tile"}, {"一般信息", "一般信息"}, {"", ""}};
    for (auto [menu, name] : cases) EXPECT_EQ(app::CommandNameOf(menu), name) << menu;
}

// Keys and ids name one row each: a copied row that kept its key or id would run, or show, the other command.
TEST(ShellCommands, EveryRowHasAKeyAndAnIdOfItsOwn) {
    std::set<std::string> keys;
    std::set<int> ids;
    for (const auto& row : app::ShellCommands()) {
        EXPECT_FALSE(row.key.empty()) << row.id;
        EXPECT_TRUE(keys.insert(row.key).second) << row.key;
        EXPECT_TRUE(ids.insert(row.id).second) << row.key << " " << row.id;
        EXPECT_EQ(app::CommandId(row.key), row.id) << row.key;
        if (row.design) {
            EXPECT_EQ(row.design->commandId, row.id) << row.key;
        }
    }
    // A misspelt key in the code fails loudly rather than naming no command.
    EXPECT_THROW(app::CommandId("bridge-chek"), std::out_of_range);
    app::CommandTable table(app::ShellCommands());
    EXPECT_THROW(table.SetHandler("bridge-chek", [] { return false; }), std::out_of_range);
}

// The grid editor's 模块 popup hands its entries' ids to the shell: they must stay the ids of those rows.
TEST(ShellCommands, TheGridModulesPopupRunsTheSiblingProgramRows) {
    EXPECT_EQ(sheet::ID_MODULE_ARVO3D, app::CommandId("run-arvo3d"));
    EXPECT_EQ(sheet::ID_MODULE_KELSA, app::CommandId("run-kelsa"));
}

TEST(ShellMenus, EveryMenuEntryNamesACommandAndEveryDesignCallHasItsRow) {
    app::CommandTable table(app::ShellCommands());
    std::function<void(const std::vector<MenuEntry>&)> check = [&](const std::vector<MenuEntry>& entries) {
        for (const auto& e : entries) {
            if (e.kind == MenuEntry::Popup) check(e.children);
            if (e.kind == MenuEntry::Command) EXPECT_NE(table.Find(e.id), nullptr) << e.id;
        }
    };
    check(NoProjectMenu());
    check(ProjectMenu());
    for (const auto& call : app::DesignCalls()) EXPECT_NE(table.Find(call.commandId), nullptr) << call.commandId;
    EXPECT_EQ(table.Find("design-pier-abut")->refreshCategories, (std::vector<int>{6, 7, 8, 9}));
    EXPECT_EQ(table.Find("general-info")->refreshCategories, (std::vector<int>{1, 3, 4, 5, 6, 7, 8, 9}));
}

}  // namespace
