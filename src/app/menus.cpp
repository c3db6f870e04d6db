#include "app/menus.h"

#include <algorithm>

namespace {

constexpr const char* kPathSeparator = " > ";

MenuEntry Of(MenuEntry::Kind kind) {
    MenuEntry e;
    e.kind = kind;
    return e;
}

std::vector<std::string> PathParts(const std::string& path) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (auto at = path.find(kPathSeparator); at != std::string::npos; at = path.find(kPathSeparator, start)) {
        parts.push_back(path.substr(start, at - start));
        start = at + std::char_traits<char>::length(kPathSeparator);
    }
    parts.push_back(path.substr(start));
    return parts;
}

// The popup `text` among `entries`, made at the end when it is not there yet.
MenuEntry& PopupIn(std::vector<MenuEntry>& entries, const std::string& text, bool separatorBefore) {
    for (auto& e : entries)
        if (e.kind == MenuEntry::Popup && e.text == text) return e;
    if (separatorBefore && !entries.empty()) entries.push_back(Of(MenuEntry::Separator));
    MenuEntry popup = Of(MenuEntry::Popup);
    popup.text = text;
    entries.push_back(std::move(popup));
    return entries.back();
}

void Place(std::vector<MenuEntry>& bar, const app::MenuPlace& place, int id) {
    std::vector<std::string> parts = PathParts(place.path);
    std::vector<MenuEntry>* entries = &bar;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        // A separator asked for by the first entry of a sub-popup goes in front of the sub-popup.
        const bool newSubPopup = i > 0 && std::none_of(entries->begin(), entries->end(), [&](const MenuEntry& e) {
                                     return e.kind == MenuEntry::Popup && e.text == parts[i];
                                 });
        entries = &PopupIn(*entries, parts[i], newSubPopup && place.separatorBefore).children;
    }
    if (place.separatorBefore && !entries->empty()) entries->push_back(Of(MenuEntry::Separator));
    MenuEntry item;
    item.id = id;
    entries->push_back(std::move(item));
}

// The id of the row with `key`, or 0 when the rows have none.
int IdOf(const std::vector<app::CommandSpec>& rows, std::string_view key) {
    auto row = std::find_if(rows.begin(), rows.end(), [key](const app::CommandSpec& r) { return r.key == key; });
    return row == rows.end() ? 0 : row->id;
}

// The lists that are no commands: the recent projects before 退出, each fenced by separators, and the open
// windows after the window commands.
void AddLists(std::vector<MenuEntry>& bar, const std::vector<app::CommandSpec>& rows) {
    const int exitId = IdOf(rows, "exit");
    const int tileId = IdOf(rows, "window-tile");
    auto isCommand = [](int id) {
        return [id](const MenuEntry& e) { return e.kind == MenuEntry::Command && e.id == id; };
    };
    for (auto& popup : bar) {
        auto& entries = popup.children;
        auto exit = std::find_if(entries.begin(), entries.end(), isCommand(exitId));
        if (exit != entries.end()) entries.insert(exit, {Of(MenuEntry::RecentFiles), Of(MenuEntry::Separator)});
        if (std::any_of(entries.begin(), entries.end(), isCommand(tileId)))
            entries.insert(entries.end(), {Of(MenuEntry::Separator), Of(MenuEntry::WindowList)});
    }
}

}  // namespace

std::vector<MenuEntry> BuildMenuBar(const std::vector<app::CommandSpec>& rows, unsigned bar) {
    std::vector<MenuEntry> menu;
    for (const auto& row : rows)
        for (const auto& place : row.menus)
            if (place.bars & bar) Place(menu, place, row.id);
    AddLists(menu, rows);
    return menu;
}

const std::vector<MenuEntry>& NoProjectMenu() {
    static const std::vector<MenuEntry> menu = BuildMenuBar(app::ShellCommands(), app::kNoProjectBar);
    return menu;
}

const std::vector<MenuEntry>& ProjectMenu() {
    static const std::vector<MenuEntry> menu = BuildMenuBar(app::ShellCommands(), app::kProjectBar);
    return menu;
}
