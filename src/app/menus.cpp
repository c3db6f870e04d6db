#include "app/menus.h"

#include <set>

#include "app/command_ids.h"

namespace {

MenuEntry Item(int id, std::string text, std::string status = {}) {
    MenuEntry e;
    e.id = id;
    e.text = std::move(text);
    e.statusText = std::move(status);
    return e;
}

MenuEntry Check(int id, std::string text, std::string status = {}) {
    MenuEntry e = Item(id, std::move(text), std::move(status));
    e.checkable = true;
    return e;
}

MenuEntry Separator() {
    MenuEntry e;
    e.kind = MenuEntry::Separator;
    return e;
}

MenuEntry Recent() {
    MenuEntry e;
    e.kind = MenuEntry::RecentFiles;
    e.id = cmd::kRecentFirst;
    e.text = "最近文件";
    return e;
}

MenuEntry Popup(std::string text, std::vector<MenuEntry> children) {
    MenuEntry e;
    e.kind = MenuEntry::Popup;
    e.text = std::move(text);
    e.children = std::move(children);
    return e;
}

MenuEntry HelpPopup() {
    return Popup("帮助(&H)", {Item(cmd::kHelpTopics, "帮助主题(&H)", "列出帮助主题"),
                              Item(cmd::kAbout, "关于Ombrix(&A)...", "显示程序信息、版本号和版权")});
}

}  // namespace

const std::vector<MenuEntry>& NoProjectMenu() {
    static const std::vector<MenuEntry> menu = {
        Popup("项目(&P)", {Item(cmd::kNew, "新建(&N)\tCtrl+N", "建立新项目"),
                          Item(cmd::kOpen, "打开(&O)...\tCtrl+O", "打开一个现有项目"),
                          Item(cmd::kImportProject, "导入(&I)...\tCtrl+I", "从其它桥梁CAD项目数据库中导入有关数据并建立新的数据库\n导入"),
                          Separator(), Item(cmd::kPrintSetup, "打印设置(&R)...", "改变打印机及打印选项"), Separator(),
                          Recent(), Separator(), Item(cmd::kExit, "退出(&X)\tAlt+F4", "退出应用程序")}),
        Popup("查看(&V)", {Check(cmd::kViewToolbar, "工具栏(&T)", "显示或隐藏工具栏"),
                          Check(cmd::kViewStatusBar, "状态栏(&S)", "显示或隐藏状态栏")}),
        HelpPopup(),
    };
    return menu;
}

const std::vector<MenuEntry>& ProjectMenu() {
    static const std::vector<MenuEntry> menu = {
        Popup("项目(&P)", {Item(cmd::kNew, "新建(&N)\tCtrl+N", "建立新项目"),
                          Item(cmd::kOpen, "打开(&O)...\tCtrl+O", "打开一个现有项目"),
                          Item(cmd::kImport, "导入(&I)...\tCtrl+I", "从路线CAD参考文件或其它桥梁CAD项目文件中导入有关数据\n导入"),
                          Item(cmd::kSave, "保存(&S)\tCtrl+S", "保存当前项目"),
                          Item(cmd::kSaveAs, "另存为(&A)...", "以新的文件名保存当前项目"),
                          Item(cmd::kClose, "关闭(&C)", "关闭当前项目"), Separator(), Recent(), Separator(),
                          Item(cmd::kExit, "退出(&X)\tAlt+F4", "退出应用程序")}),
        Popup("设置(&S)", {Check(cmd::kAdvancedUser, "高级用户", "允许高级用户直接编辑部分重要的数据库\n打开(关闭)高级用户")}),
        Popup("辅助计算(&O)", {Item(cmd::kPierForces, "墩台水平力计算", "墩台水平力计算工具（柔性墩理论）"),
                              Item(cmd::kCulvert, "涵洞立面计算", "盖板涵、圆管涵立面实用计算工具")}),
        HelpPopup(),
    };
    return menu;
}

bool IsCommandAvailable(int id) {
    // New runs the new-project wizard, print setup has no printer page yet, help needs the help viewer:
    // they come with their own subsystems.
    static const std::set<int> later = {cmd::kNew, cmd::kPrintSetup, cmd::kHelpTopics};
    return !later.count(id);
}
