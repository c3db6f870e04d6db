#include <gtest/gtest.h>

#include <set>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/menus.h"
#include "app/project_session.h"
#include "platform/interaction/scripted.h"

namespace {

TEST(CommandTable, AvailabilityFollowsTheProjectAndAHandlerMustExist) {
    app::CommandTable table(app::ShellCommands());
    for (const auto& spec : table.Specs()) table.SetHandler(spec.id, [] { return false; });
    struct Case {
        int id;
        bool withoutProject, withProject;
    } cases[] = {
        {cmd::kOpen, true, true},          {cmd::kSave, false, true},         {cmd::kSaveAs, false, true},
        {cmd::kClose, false, true},        {cmd::kImport, false, true},       {cmd::kImportProject, true, false},
        {cmd::kNew, false, false},         {cmd::kHelpTopics, false, false},  {cmd::kWindowTile, false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(table.IsEnabled(c.id, false), c.withoutProject) << c.id;
        EXPECT_EQ(table.IsEnabled(c.id, true), c.withProject) << c.id;
    }
    app::CommandTable bare(app::ShellCommands());
    EXPECT_FALSE(bare.IsEnabled(cmd::kOpen, true));
    EXPECT_FALSE(bare.Run(cmd::kOpen, true, nullptr));
}

TEST(CommandTable, NoShortcutIsEverLiveTwice) {
    app::CommandTable table(app::ShellCommands());
    for (const auto& spec : table.Specs()) table.SetHandler(spec.id, [] { return false; });
    for (bool project : {false, true}) {
        std::set<std::string> live;
        for (const auto& spec : table.Specs())
            if (!spec.shortcut.empty() && table.IsEnabled(spec.id, project))
                EXPECT_TRUE(live.insert(spec.shortcut).second) << spec.shortcut << " with project " << project;
    }
}

TEST(CommandTable, ACommandThatWroteAnnouncesItsCategoriesOnce) {
    ui::ScriptedPrompter prompter;
    app::ProjectSession session(app::SessionServices{prompter});
    std::vector<std::vector<int>> announced;
    auto subscription = session.OnTablesChanged([&](const std::vector<int>& c) { announced.push_back(c); });
    app::CommandTable table(app::ShellCommands());
    bool wrote = false;
    table.SetHandler(cmd::kImport, [&] { return wrote; });
    EXPECT_TRUE(table.Run(cmd::kImport, true, &session));
    EXPECT_TRUE(announced.empty());
    wrote = true;
    EXPECT_TRUE(table.Run(cmd::kImport, true, &session));
    ASSERT_EQ(announced.size(), 1u);
    EXPECT_EQ(announced[0], (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_FALSE(table.Run(cmd::kImport, false, &session));  // disabled without a project
    EXPECT_EQ(announced.size(), 1u);
}

TEST(CommandTable, EveryMenuEntryNamesACommandOfTheTable) {
    app::CommandTable table(app::ShellCommands());
    std::function<void(const std::vector<MenuEntry>&)> check = [&](const std::vector<MenuEntry>& entries) {
        for (const auto& e : entries) {
            if (e.kind == MenuEntry::Popup) check(e.children);
            if (e.kind == MenuEntry::Command) EXPECT_NE(table.Find(e.id), nullptr) << e.id;
        }
    };
    check(NoProjectMenu());
    check(ProjectMenu());
}

}  // namespace
