#pragma once
// The menu bars as data: entries name commands by id (their texts come from the command table); a popup
// holds entries and popups.
#include <string>
#include <vector>

struct MenuEntry {
    enum Kind { Command, Separator, Popup, RecentFiles, WindowList };
    Kind kind = Command;
    int id = 0;
    std::string text;  // a popup's text
    std::vector<MenuEntry> children;
};

// Resource 140: the menu while no project is open.
const std::vector<MenuEntry>& NoProjectMenu();
// Resource 148: the menu while a project window is active.
const std::vector<MenuEntry>& ProjectMenu();
