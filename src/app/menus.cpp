#include "app/menus.h"

#include "app/command_ids.h"

namespace {

MenuEntry Item(int id) {
    MenuEntry e;
    e.id = id;
    return e;
}

MenuEntry Of(MenuEntry::Kind kind) {
    MenuEntry e;
    e.kind = kind;
    return e;
}

MenuEntry Popup(std::string text, std::vector<MenuEntry> children) {
    MenuEntry e = Of(MenuEntry::Popup);
    e.text = std::move(text);
    e.children = std::move(children);
    return e;
}

MenuEntry HelpPopup() { return Popup("帮助(&H)", {Item(cmd::kHelpTopics), Item(cmd::kAbout)}); }

}  // namespace

const std::vector<MenuEntry>& NoProjectMenu() {
    static const std::vector<MenuEntry> menu = {
        Popup("项目(&P)", {Item(cmd::kNew), Item(cmd::kOpen), Item(cmd::kImportProject), Of(MenuEntry::Separator),
                          Item(cmd::kPrintSetup), Of(MenuEntry::Separator), Of(MenuEntry::RecentFiles),
                          Of(MenuEntry::Separator), Item(cmd::kExit)}),
        Popup("查看(&V)", {Item(cmd::kViewToolbar), Item(cmd::kViewStatusBar)}),
        HelpPopup(),
    };
    return menu;
}

const std::vector<MenuEntry>& ProjectMenu() {
    static const std::vector<MenuEntry> menu = {
        Popup("项目(&P)", {Item(cmd::kNew), Item(cmd::kOpen), Item(cmd::kImport), Item(cmd::kSave),
                          Item(cmd::kSaveAs), Item(cmd::kClose), Of(MenuEntry::Separator),
                          Of(MenuEntry::RecentFiles), Of(MenuEntry::Separator), Item(cmd::kExit)}),
        Popup("设置(&S)", {Item(cmd::kAdvancedUser)}),
        Popup("辅助计算(&O)", {Item(cmd::kPierForces), Item(cmd::kCulvert)}),
        Popup("窗口(&W)", {Item(cmd::kWindowCascade), Item(cmd::kWindowTile), Of(MenuEntry::Separator),
                          Of(MenuEntry::WindowList)}),
        HelpPopup(),
    };
    return menu;
}
