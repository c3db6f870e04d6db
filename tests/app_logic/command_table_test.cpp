#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/design_calls.h"
#include "app/last_resort.h"
#include "app/menus.h"
#include "app/project_session.h"
#include "platform/interaction/scripted.h"
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
        int id;
        bool withoutProject, withProject;
    } cases[] = {
        {cmd::kOpen, true, true},         {cmd::kSave, false, true},          {cmd::kImport, false, true},
        {cmd::kImportProject, true, false}, {cmd::kNew, true, true},          {cmd::kRetainingWall, false, false},
        {cmd::kGeneralInfo, false, true}, {cmd::kSpanInfo, false, true},
        {cmd::kWindowTile, false, true},  {cmd::kDesignPierAbut, false, true}, {cmd::kDesignSlab, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(table.IsEnabled(c.id, nullptr), c.withoutProject) << c.id;
        EXPECT_EQ(table.IsEnabled(c.id, project.get()), c.withProject) << c.id;
    }
    // The superstructure design entries follow the structure types of the layout.
    project->Execute("CREATE TABLE [上构布置明细表] (SectNum LONG, StructureType TEXT(255))");
    project->Execute("INSERT INTO [上构布置明细表] VALUES (1, '装配式简支空心板桥'), (2, '连续等截面箱梁桥')");
    std::map<int, bool> expected = {{cmd::kDesignSlab, true},   {cmd::kDesignTBeam, false}, {cmd::kDesignSUBox, false},
                                    {cmd::kDesignSSBox, false}, {cmd::kDesignCUBox, true},  {cmd::kDesignCSBox, false}};
    for (auto [id, enabled] : expected) EXPECT_EQ(table.IsEnabled(id, project.get()), enabled) << id;
    // 上下部构造关系 edits the layout of the supports, so it waits for that table.
    EXPECT_FALSE(table.IsEnabled(cmd::kAssembly, project.get()));
    project->Execute("CREATE TABLE [下构布置信息表] (PierAbutNum LONG)");
    EXPECT_TRUE(table.IsEnabled(cmd::kAssembly, project.get()));
    app::CommandTable bare(app::ShellCommands());
    EXPECT_FALSE(bare.IsEnabled(cmd::kOpen, project.get()));  // no handler, no command
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
    table.SetHandler(cmd::kImport, [&] { return wrote; });
    EXPECT_FALSE(table.Run(cmd::kImport, session));  // disabled without a project
    ASSERT_TRUE(session.Open(dir.file("a.vlt"), app::OpenRoute::OpenFirst));
    EXPECT_TRUE(table.Run(cmd::kImport, session));
    EXPECT_TRUE(announced.empty());
    wrote = true;
    EXPECT_TRUE(table.Run(cmd::kImport, session));
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
        table.SetHandler(cmd::kImport, c.handler);
        EXPECT_TRUE(table.Run(cmd::kImport, session));
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{c.shown});
    }
    EXPECT_TRUE(announced.empty());
    EXPECT_TRUE(session.IsOpen());
    table.SetHandler(cmd::kImport, [] { return true; });
    EXPECT_TRUE(table.Run(cmd::kImport, session));
    EXPECT_EQ(announced.size(), 1u);
}

TEST(LastResort, CommandNamesLoseTheirAcceleratorAndEllipsis) {
    const std::pair<const char*, const char*> cases[] = {
        {"导入(&I)...", "导入"}, {"新建(&N)", "新建"}, {"&Tile", "Tile"}, {"一般信息", "一般信息"}, {"", ""}};
    for (auto [menu, name] : cases) EXPECT_EQ(app::CommandNameOf(menu), name) << menu;
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
    EXPECT_EQ(table.Find(cmd::kDesignPierAbut)->refreshCategories, (std::vector<int>{6, 7, 8, 9}));
    EXPECT_EQ(table.Find(cmd::kGeneralInfo)->refreshCategories, (std::vector<int>{1, 3, 4, 5, 6, 7, 8, 9}));
}

}  // namespace
