// The menu bars come from the rows alone: a row's place puts its entry, separators and sub-popups where a
// reader of the row expects them, and the lists that are no commands find their place.
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "app/command_row.h"
#include "app/menus.h"

namespace {

using app::Row;
using app::Separated;

// "popup{1 | popup{2 3} 4}": ids, '|' for a separator, R for the recent projects, W for the window list.
std::string Outline(const std::vector<MenuEntry>& entries) {
    std::string out;
    for (const auto& e : entries) {
        if (!out.empty()) out += ' ';
        switch (e.kind) {
            case MenuEntry::Command: out += std::to_string(e.id); break;
            case MenuEntry::Separator: out += '|'; break;
            case MenuEntry::RecentFiles: out += 'R'; break;
            case MenuEntry::WindowList: out += 'W'; break;
            case MenuEntry::Popup: out += e.text + "{" + Outline(e.children) + "}"; break;
        }
    }
    return out;
}

TEST(MenuRows, PlacesSeparatorsSubPopupsAndListsAsTheRowsSay) {
    std::vector<app::CommandSpec> rows = {
        Row(1, "a", "").Menu(app::kBothBars, "F"),
        Row(2, "b", "").Menu(app::kProjectBar, "F", Separated),
        Row(3, "c", "").Menu(app::kNoProjectBar, "V").Menu(app::kProjectBar, "S"),
        Row(4, "d", "").Menu(app::kProjectBar, "S > sub", Separated),  // the separator goes before "sub"
        Row(5, "e", "").Menu(app::kProjectBar, "S > sub"),
        Row(6, "f", "").Menu(app::kProjectBar, "S > sub", Separated),
        Row(7, "g", "").Menu(app::kProjectBar, "S"),
        Row(8, "no menu", ""),
        Row(cmd::kExit, "x", "").Menu(app::kBothBars, "F", Separated),
        Row(cmd::kWindowTile, "t", "").Menu(app::kProjectBar, "W"),
    };
    const std::string exit = std::to_string(cmd::kExit), tile = std::to_string(cmd::kWindowTile);
    EXPECT_EQ(Outline(BuildMenuBar(rows, app::kNoProjectBar)), "F{1 | R | " + exit + "} V{3}");
    EXPECT_EQ(Outline(BuildMenuBar(rows, app::kProjectBar)),
              "F{1 | 2 | R | " + exit + "} S{3 | sub{4 5 | 6} 7} W{" + tile + " | W}");
}

// The shell's own bars, spot-checked where a wrong row order or a lost separator would show.
TEST(MenuRows, TheShellsBarsKeepTheirLayout) {
    const auto& project = ProjectMenu();
    ASSERT_EQ(project.size(), 10u);
    EXPECT_EQ(Outline(project[1].children),
              std::to_string(cmd::kViewToolbar) + " " + std::to_string(cmd::kViewStatusBar) + " | " +
                  std::to_string(cmd::kAdvancedUser) + " | " + std::to_string(cmd::kDrawingTarget) + " " +
                  std::to_string(cmd::kDrawingPreview) + " " + std::to_string(cmd::kView3d));
    const std::string structure = Outline(project[4].children);
    EXPECT_EQ(structure.substr(structure.rfind('}') + 1), " | " + std::to_string(cmd::kAssembly));
    const std::string rebar = Outline(project[6].children);
    EXPECT_NE(rebar.find(std::to_string(cmd::kRebarContinuousBox) + " | 帽梁钢筋布置{"), std::string::npos) << rebar;
    EXPECT_NE(rebar.find(" | " + std::to_string(cmd::kRebarEarWall) + " "), std::string::npos) << rebar;
    EXPECT_EQ(Outline(NoProjectMenu()[0].children),
              std::to_string(cmd::kNew) + " " + std::to_string(cmd::kOpen) + " " + std::to_string(cmd::kImportProject) +
                  " | " + std::to_string(cmd::kPrintSetup) + " | R | " + std::to_string(cmd::kExit));
}

}  // namespace
