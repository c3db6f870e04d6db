#pragma once
// The menu bars, built from the command table's rows: entries name commands by id (their texts come from
// the rows); a popup holds entries and popups.
#include <string>
#include <vector>

#include "app/command_table.h"

struct MenuEntry {
    enum Kind { Command, Separator, Popup, RecentFiles, WindowList };
    Kind kind = Command;
    int id = 0;
    std::string text;  // a popup's text
    std::vector<MenuEntry> children;
};

// The menu bar `bar` (app::kNoProjectBar or app::kProjectBar) as the rows place their commands, with the
// recent projects before 退出 and the open windows at the end of 窗口.
std::vector<MenuEntry> BuildMenuBar(const std::vector<app::CommandSpec>& rows, unsigned bar);

// Resource 140: the menu while no project is open.
const std::vector<MenuEntry>& NoProjectMenu();
// Resource 148: the menu while a project window is active.
const std::vector<MenuEntry>& ProjectMenu();
