#include "app/program_help.h"

#include <cstring>

#ifndef VELTRA_VERSION
#define VELTRA_VERSION "unknown"
#endif

namespace app {

std::string ProgramUsage() {
    return "用法: veltra [PROJECT.vlt] [--no-splash]\n"
           "      veltra --list-menus [PROJECT.vlt]\n"
           "      veltra --screenshot PNG [PROJECT.vlt]\n"
           "桥梁设计数据外壳：建立和打开项目数据库（.vlt），在树和表格中浏览和编辑其中的表，\n"
           "导入路线数据，运行设计模块和辅助计算。\n\n"
           "选项:\n"
           "  PROJECT.vlt         启动后打开这个项目\n"
           "  --no-splash         不显示启动画面\n"
           "  --list-menus        打印菜单栏（弹出路径、命令号、文字、快捷键、状态栏文字、可用），不开窗口\n"
           "  --screenshot PNG    把主窗口画到 PNG 文件（没有显示器时在屏幕外绘制）\n"
           "  --help              显示本说明\n"
           "  --version           显示版本\n\n"
           "环境变量:\n"
           "  VELTRA_MODULES      设计模块所在的文件夹（默认为安装目录下的 lib/veltra/modules）\n"
           "  VELTRA_REGISTRY     共享设置文件（默认为 ~/.config/veltra/registry.db）\n";
}

std::string ProgramVersion() { return std::string("veltra ") + VELTRA_VERSION + "\n"; }

std::string HelpOrVersionFor(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return ProgramUsage();
        if (std::strcmp(argv[i], "--version") == 0) return ProgramVersion();
    }
    return "";
}

}  // namespace app
