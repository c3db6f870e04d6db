#pragma once
// The menus as data: each entry is a command id with its menu text; a popup holds entries and popups.
// Menus, toolbar and status texts are built from these lists.
#include <string>
#include <vector>

struct MenuEntry {
    enum Kind { Command, Separator, Popup, RecentFiles };
    Kind kind = Command;
    int id = 0;
    std::string text;        // menu text, "\t" followed by the shortcut where there is one
    std::string statusText;  // status bar text while highlighted; after a "\n", the tool tip
    std::vector<MenuEntry> children;
    bool checkable = false;
};

// Resource 140: the menu while no project is open.
const std::vector<MenuEntry>& NoProjectMenu();
// Resource 148: the menu while a project window is active.
const std::vector<MenuEntry>& ProjectMenu();

// Commands whose handlers live in later subsystems: shown, but disabled until they exist.
bool IsCommandAvailable(int id);
