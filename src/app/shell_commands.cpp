// The texts of the shell's commands. Handlers are attached by the main window; the rows say when a command
// is available and which categories of tables it writes.
#include "app/command_ids.h"
#include "app/command_table.h"

namespace app {
namespace {

CommandSpec Row(int id, std::string text, std::string shortcut, std::string status, Availability when,
                std::string tip = {}) {
    CommandSpec spec;
    spec.id = id;
    spec.menuText = std::move(text);
    spec.shortcut = std::move(shortcut);
    spec.statusText = std::move(status);
    spec.toolTip = std::move(tip);
    spec.availability = when;
    return spec;
}

CommandSpec Checked(CommandSpec spec) {
    spec.checkable = true;
    return spec;
}

std::vector<int> EveryCategory() {
    std::vector<int> all;
    for (int category = 1; category <= 12; ++category) all.push_back(category);
    return all;
}

}  // namespace

std::vector<CommandSpec> ShellCommands() {
    using A = Availability;
    CommandSpec import = Row(cmd::kImport, "导入(&I)...", "Ctrl+I",
                             "从路线CAD参考文件或其它桥梁CAD项目文件中导入有关数据", A::WithProject, "导入");
    import.refreshCategories = EveryCategory();
    return {
        Row(cmd::kNew, "新建(&N)", "Ctrl+N", "建立新项目", A::NotYetBuilt, "新建"),
        Row(cmd::kOpen, "打开(&O)...", "Ctrl+O", "打开一个现有项目", A::Always, "打开"),
        import,
        // Ctrl+I belongs to whichever import the shown menu offers: never both at once.
        Row(cmd::kImportProject, "导入(&I)...", "Ctrl+I", "从其它桥梁CAD项目数据库中导入有关数据并建立新的数据库",
            A::WithoutProject, "导入"),
        Row(cmd::kSave, "保存(&S)", "Ctrl+S", "保存当前项目", A::WithProject, "保存"),
        Row(cmd::kSaveAs, "另存为(&A)...", "", "以新的文件名保存当前项目", A::WithProject),
        Row(cmd::kClose, "关闭(&C)", "", "关闭当前项目", A::WithProject),
        Row(cmd::kPrintSetup, "打印设置(&R)...", "", "改变打印机及打印选项", A::NotYetBuilt),
        Row(cmd::kExit, "退出(&X)", "Alt+F4", "退出应用程序", A::Always),
        Checked(Row(cmd::kViewToolbar, "工具栏(&T)", "", "显示或隐藏工具栏", A::Always)),
        Checked(Row(cmd::kViewStatusBar, "状态栏(&S)", "", "显示或隐藏状态栏", A::Always)),
        Checked(Row(cmd::kAdvancedUser, "高级用户", "", "允许高级用户直接编辑部分重要的数据库", A::Always,
                    "打开(关闭)高级用户")),
        Row(cmd::kPierForces, "墩台水平力计算", "", "墩台水平力计算工具（柔性墩理论）", A::Always),
        Row(cmd::kCulvert, "涵洞立面计算", "", "盖板涵、圆管涵立面实用计算工具", A::Always),
        Row(cmd::kWindowCascade, "层叠(&C)", "", "层叠排列窗口", A::WithProject),
        Row(cmd::kWindowTile, "平铺(&T)", "", "平铺排列窗口", A::WithProject),
        Row(cmd::kHelpTopics, "帮助主题(&H)", "", "列出帮助主题", A::NotYetBuilt),
        Row(cmd::kAbout, "关于Ombrix(&A)...", "", "显示程序信息、版本号和版权", A::Always, "关于"),
    };
}

}  // namespace app
