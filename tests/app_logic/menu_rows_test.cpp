// The menu bars come from the rows alone: a row's place puts its entry, separators and sub-popups where a
// reader of the row expects them, and the lists that are no commands find their place.
#include <gtest/gtest.h>

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
        Row("a", 1, "a", "").Menu(app::kBothBars, "F"),
        Row("b", 2, "b", "").Menu(app::kProjectBar, "F", Separated),
        Row("c", 3, "c", "").Menu(app::kNoProjectBar, "V").Menu(app::kProjectBar, "S"),
        Row("d", 4, "d", "").Menu(app::kProjectBar, "S > sub", Separated),  // the separator goes before "sub"
        Row("e", 5, "e", "").Menu(app::kProjectBar, "S > sub"),
        Row("f", 6, "f", "").Menu(app::kProjectBar, "S > sub", Separated),
        Row("g", 7, "g", "").Menu(app::kProjectBar, "S"),
        Row("h", 8, "no menu", ""),
        // The recent projects go before 退出, the open windows after 平铺: the menus find them by their keys.
        Row("exit", 9, "x", "").Menu(app::kBothBars, "F", Separated),
        Row("window-tile", 10, "t", "").Menu(app::kProjectBar, "W"),
    };
    EXPECT_EQ(Outline(BuildMenuBar(rows, app::kNoProjectBar)), "F{1 | R | 9} V{3}");
    EXPECT_EQ(Outline(BuildMenuBar(rows, app::kProjectBar)), "F{1 | 2 | R | 9} S{3 | sub{4 5 | 6} 7} W{10 | W}");
}

// "32773 32772" for {"open", "new"}: the shell commands' ids, as Outline writes them.
std::string Ids(std::initializer_list<const char*> keys) {
    std::string out;
    for (const char* key : keys) out += (out.empty() ? "" : " ") + std::to_string(app::CommandId(key));
    return out;
}

// The shell's own bars, spot-checked where a wrong row order or a lost separator would show.
TEST(MenuRows, TheShellsBarsKeepTheirLayout) {
    const auto& project = ProjectMenu();
    ASSERT_EQ(project.size(), 10u);
    EXPECT_EQ(Outline(project[1].children), Ids({"view-toolbar", "view-status-bar"}) + " | " +
                                                Ids({"advanced-user"}) + " | " +
                                                Ids({"drawing-target", "drawing-preview", "view-3d"}));
    const std::string structure = Outline(project[4].children);
    EXPECT_EQ(structure.substr(structure.rfind('}') + 1), " | " + Ids({"assembly"}));
    const std::string rebar = Outline(project[6].children);
    EXPECT_NE(rebar.find(Ids({"rebar-continuous-box"}) + " | 帽梁钢筋布置{"), std::string::npos) << rebar;
    EXPECT_NE(rebar.find(" | " + Ids({"rebar-ear-wall"}) + " "), std::string::npos) << rebar;
    EXPECT_EQ(Outline(NoProjectMenu()[0].children),
              Ids({"new", "open", "import-project"}) + " | " + Ids({"print-setup"}) + " | R | " + Ids({"exit"}));
}

}  // namespace
