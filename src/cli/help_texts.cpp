#include "cli/help_texts.h"

#include <map>

#ifndef VELTRA_VERSION
#define VELTRA_VERSION "unknown"
#endif

namespace cli {
namespace {

// What each subcommand does, as its help says it. A subcommand missing here still gets its usage line.
const std::map<std::string, std::string>& Descriptions() {
    static const std::map<std::string, std::string> texts = {
        {"create", "新建一个空的项目数据库（只有表，没有记录）；已有的同名文件被替换。"},
        {"tables", "按数据库顺序列出每个表及其分类路径。"},
        {"dump", "打印一个表：先是字段名，然后每条记录一行，以制表符分隔。"},
        {"saveas", "把项目另存为新文件；目标文件只会被完整的副本替换，不会写一半。"},
        {"new", "像新建项目向导的“完成”一样建立项目；可由向导的 JSON 描述给出各页的值。"},
        {"general", "打印一般信息表（FIELD=VALUE 每行一个），或像“一般信息”对话框的“确定”一样改写它。"},
        {"spans", "像“桥跨信息”对话框的“确定”一样改写桥跨布置，被删除或改动的支承的构件记录一并处理。"},
        {"settings", "读取（get）或写入（set）与其他程序共享的设置。"},
        {"import-route", "导入路线数据文件（.BRF）；不给范围时按桥梁范围导入；问题由 --yes/--no 回答。"},
        {"import-project", "用另一个项目的桥址和结构表替换本项目的同名表；--groups 选择要复制的组。"},
        {"new-from", "由源项目的表建立新项目：--all 复制全部表，否则复制 --groups 列出的组。"},
        {"export-3d", "写出三维造型接口文件；读不出的数据块询问是否继续（默认 --no）。"},
        {"export-sub", "写出下部构造计算接口文件；读不出的数据块询问是否继续（默认 --no）。"},
        {"pier-force", "重新计算桥墩水平力文件（.phm）并写出计算书，或由 JSON 描述建立这样的文件。"},
        {"culvert", "涵洞标高计算：每个值写作 --名称 值，输出各项结果。"},
        {"geometry", "按路线表计算某桩号和偏距处的坐标、桥面标高、方位角和横坡，或按步长列表（可存为 .xlsx）。"},
        {"design", "在项目上运行设计模块的入口，如同其对话框原样确定；打印新建或改动的表及其记录数。"},
        {"model", "打印程序所理解的桥梁：全长、桥面、联、每个支承处的竖向尺寸链及检查结果；--json 供程序读取。"},
        {"view3d", "把桥梁及其桥址画成三维图片（PNG），不需要显示器：--view 选视图（iso 轴测，plan 平面，elevation 立面），--size 宽x高（默认 1600x1000）。"},
        {"check", "打印检查结果，每行一条：E 为错误，W 为警告；有错误时退出状态为 1。"},
        {"library",
         "构件库（.BCL）：\n"
         "  list PROJECT        “写入构件库”对话框列出的行\n"
         "  write PROJECT LIB   把选中的行写入构件库（--upper/--lower 选择行，--yes 新建构件库）\n"
         "  tables LIB          每个表及其条目数\n"
         "  dump LIB TABLE      打印一个表的条目\n"
         "  clean LIB           删除重复条目\n"
         "  merge TARGET SOURCE...  把源构件库的表追加到目标构件库\n"
         "  preview LIB TABLE ROW   打印预览所用的数值表"},
        {"drawing",
         "图形：\n"
         "  send TEXT           向绘图程序发送一行命令（没有运行的绘图程序时退出状态为 1）\n"
         "  list PROJECT        列出图形布置信息表中的图形\n"
         "  target PROJECT KIND [TITLE]  选择绘图程序下一个要画的图形"},
    };
    return texts;
}

}  // namespace

bool AsksForHelp(const std::vector<std::string>& words) {
    if (!words.empty() && words[0] == "-h") return true;
    for (const auto& word : words)
        if (word == "--help") return true;
    return false;
}

std::string SubcommandHelp(const Command& command) {
    std::string text = "用法: veltra-cli " + command.usage + "\n";
    auto found = Descriptions().find(command.name);
    if (found != Descriptions().end()) text += "\n" + found->second + "\n";
    return text;
}

void PrintOverview(std::ostream& out, const std::vector<Command>& commands) {
    out << "用法: veltra-cli SUBCOMMAND ...\n"
           "无窗口地完成桥梁设计数据外壳的各项操作。\n\n"
           "子命令:\n";
    for (const auto& c : commands) out << "  veltra-cli " << c.usage << "\n";
    out << "\n"
           "选项:\n"
           "  veltra-cli --help              显示本说明\n"
           "  veltra-cli SUBCOMMAND --help   显示一个子命令的说明\n"
           "  veltra-cli --version           显示版本\n\n"
           "环境变量:\n"
           "  VELTRA_MODULES    设计模块所在的文件夹（默认为安装目录下的 lib/veltra/modules）\n"
           "  VELTRA_REGISTRY   共享设置文件（默认为 ~/.config/veltra/registry.db）\n";
}

std::string VersionLine() { return std::string("veltra-cli ") + VELTRA_VERSION; }

}  // namespace cli
