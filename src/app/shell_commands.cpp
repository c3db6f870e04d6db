// Every command of the shell with its texts, when it is available and which categories of tables it writes.
// Handlers are attached by the main window; a command whose subsystem is not built yet stands in its menu,
// disabled.
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/design_calls.h"

namespace app {
namespace {

using A = Availability;
using Categories = std::vector<int>;

const Categories kCentral = {1, 3, 4, 5, 6, 7, 8, 9};  // 一般信息, 桥跨信息, 绘图信息
const Categories kSite = {2};
const Categories kAdjunct = {10};
const Categories kOther = {12};

CommandSpec Row(int id, std::string text, std::string status, A when = A::NotYetBuilt, Categories refresh = {}) {
    CommandSpec spec;
    spec.id = id;
    spec.menuText = std::move(text);
    spec.statusText = std::move(status);
    spec.availability = when;
    spec.refreshCategories = std::move(refresh);
    return spec;
}

CommandSpec Key(CommandSpec spec, std::string shortcut) {
    spec.shortcut = std::move(shortcut);
    return spec;
}

CommandSpec Tip(CommandSpec spec, std::string tip) {
    spec.toolTip = std::move(tip);
    return spec;
}

CommandSpec Checked(CommandSpec spec) {
    spec.checkable = true;
    return spec;
}

// Offered only while the layout holds a section of that structure type.
CommandSpec ForStructure(CommandSpec spec, std::string structureType) {
    spec.condition = [type = std::move(structureType)](dao::Database& db) { return HasStructureType(db, type); };
    return spec;
}

CommandSpec WhileTable(CommandSpec spec, std::string table) {
    spec.condition = [table = std::move(table)](dao::Database& db) { return HasTable(db, table); };
    return spec;
}

std::vector<int> EveryCategory() {
    std::vector<int> all;
    for (int category = 1; category <= 12; ++category) all.push_back(category);
    return all;
}

void AddProjectCommands(std::vector<CommandSpec>& rows) {
    rows.insert(
        rows.end(),
        {
            Tip(Key(Row(cmd::kNew, "新建(&N)", "建立新项目", A::Always), "Ctrl+N"), "新建"),
            Tip(Key(Row(cmd::kOpen, "打开(&O)...", "打开一个现有项目", A::Always), "Ctrl+O"), "打开"),
            // Ctrl+I belongs to whichever import the shown menu offers: never both at once.
            Tip(Key(Row(cmd::kImport, "导入(&I)...", "从路线CAD参考文件或其它桥梁CAD项目文件中导入有关数据",
                        A::WithProject, EveryCategory()),
                    "Ctrl+I"),
                "导入"),
            Tip(Key(Row(cmd::kImportProject, "导入(&I)...", "从其它桥梁CAD项目数据库中导入有关数据并建立新的数据库",
                        A::WithoutProject),
                    "Ctrl+I"),
                "导入"),
            Tip(Key(Row(cmd::kSave, "保存(&S)", "保存当前项目", A::WithProject), "Ctrl+S"), "保存"),
            Row(cmd::kSaveAs, "另存为(&A)...", "以新的文件名保存当前项目", A::WithProject),
            Row(cmd::kClose, "关闭(&C)", "关闭当前项目", A::WithProject),
            Row(cmd::kExportArvo3D, "输出Arvo3D数据", "生成桥梁三维造型CAD系统Arvo3D数据接口文件", A::WithProject),
            Row(cmd::kExportKelsa, "输出Kelsa数据", "生成桥梁下部构造施工图CAD系统Kelsa数据接口文件", A::WithProject),
            Row(cmd::kBridgeCheck, "检查(&K)...", "检查路线、地面线、桥跨与墩台是否一致，列出发现的问题", A::WithProject),
            Row(cmd::kImportLandXml, "导入LandXML路线...", "从LandXML文件导入平曲线和竖曲线资料", A::WithProject,
                EveryCategory()),
            Row(cmd::kExportLandXml, "输出LandXML路线...", "将项目的平曲线和竖曲线资料输出为LandXML文件", A::WithProject),
            Row(cmd::kExportIfc, "输出IFC模型...", "将桥梁及路线输出为IFC 4.3模型文件", A::WithProject),
            Row(cmd::kPrintSetup, "打印设置(&R)...", "改变打印机及打印选项", A::Always),
            Key(Row(cmd::kPrint, "打印(&P)...", "按打印设置打印当前表格窗口", A::WithProject), "Ctrl+P"),
            Key(Row(cmd::kExit, "退出(&X)", "退出应用程序", A::Always), "Alt+F4"),
        });
}

void AddSettingsCommands(std::vector<CommandSpec>& rows) {
    rows.insert(rows.end(),
                {
                    Checked(Row(cmd::kViewToolbar, "工具栏(&T)", "显示或隐藏工具栏", A::Always)),
                    Checked(Row(cmd::kViewStatusBar, "状态栏(&S)", "显示或隐藏状态栏", A::Always)),
                    Tip(Checked(Row(cmd::kAdvancedUser, "高级用户", "允许高级用户直接编辑部分重要的数据库", A::Always)),
                        "打开(关闭)高级用户"),
                    Row(cmd::kDrawingTarget, "绘图目标...", "选择绘图目标和绘图范围", A::WithProject),
                    Row(cmd::kDrawingPreview, "图形预览...", "预览绘图目标的图形", A::WithProject),
                });
}

void AddDesignCommands(std::vector<CommandSpec>& rows) {
    rows.insert(rows.end(),
                {
                    Row(cmd::kGeneralInfo, "一般信息", "编辑项目的一般信息", A::WithProject, kCentral),
                    Row(cmd::kSpanInfo, "桥跨信息", "编辑桥梁的分联、分跨和墩台布置", A::WithProject, kCentral),
                    Row(cmd::kDrawingInfo, "绘图信息", "编辑绘图列表", A::WithProject, kCentral),
                    Row(cmd::kGroundLine, "地面线资料", "编辑地面线资料", A::WithProject, kSite),
                    Row(cmd::kDrill, "地质资料", "编辑钻孔资料", A::WithProject, kSite),
                    Row(cmd::kWater, "水文资料", "编辑水文资料", A::WithProject, kSite),
                    Row(cmd::kHorizontalCurves, "平曲线资料", "编辑平曲线资料", A::WithProject, kSite),
                    Row(cmd::kVerticalCurves, "竖曲线资料", "编辑竖曲线资料", A::WithProject, kSite),
                    Row(cmd::kDeckSlope, "桥面横坡资料", "编辑桥面横坡资料", A::WithProject, kSite),
                    Row(cmd::kRoadTable, "路基设计表", "编辑路基设计表", A::WithProject, kSite),
                    Tip(Row(cmd::kRouteGeometry, "辅助计算",
                            "根据桥位所在路线平、纵、横信息进行一些有关坐标、高程、方位角等辅助计算", A::WithProject),
                        "辅助计算"),
                    ForStructure(Row(cmd::kDesignSlab, "简支空心板", "设计装配式简支空心板", A::WithProject, {3}),
                                 "装配式简支空心板桥"),
                    ForStructure(Row(cmd::kDesignTBeam, "简支T梁", "设计装配式简支T梁", A::WithProject, {4}),
                                 "装配式简支T梁桥"),
                    ForStructure(Row(cmd::kDesignSUBox, "简支等截面箱梁", "设计简支等截面箱梁", A::WithProject, {5}),
                                 "简支等截面箱梁桥"),
                    ForStructure(Row(cmd::kDesignSSBox, "简支变截面箱梁", "设计简支变截面箱梁", A::WithProject, {5}),
                                 "简支变截面箱梁桥"),
                    ForStructure(Row(cmd::kDesignCUBox, "连续等截面箱梁", "设计连续等截面箱梁", A::WithProject, {5}),
                                 "连续等截面箱梁桥"),
                    ForStructure(Row(cmd::kDesignCSBox, "连续变截面箱梁", "设计连续变截面箱梁", A::WithProject, {5}),
                                 "连续变截面箱梁桥"),
                    Row(cmd::kDesignPierAbut, "墩台设计", "设计墩台的帽梁、墩台身、连接构造和基础", A::WithProject,
                        {6, 7, 8, 9}),
                    Row(cmd::kPavement, "桥面铺装", "设计桥面铺装", A::WithProject, kAdjunct),
                    Row(cmd::kFence, "墙式护栏", "设计墙式护栏", A::WithProject, kAdjunct),
                    Row(cmd::kWalkway, "人行道及栏杆", "设计人行道及栏杆", A::WithProject, kAdjunct),
                    Row(cmd::kSubslab, "桥头搭板", "设计桥头搭板", A::WithProject, kAdjunct),
                    Row(cmd::kDrainage, "泄水管", "设计泄水管", A::WithProject, kAdjunct),
                    Row(cmd::kCrossway, "被交道", "设计被交道", A::WithProject, kAdjunct),
                    Row(cmd::kConeSlope, "桥头锥坡", "设计桥头锥坡", A::WithProject, kAdjunct),
                    Row(cmd::kRetainingWall, "挡土墙", "设计挡土墙"),
                    WhileTable(Tip(Row(cmd::kAssembly, "上下部构造关系",
                                       "定义上下部构造之间及下部构造个部件之间的装配关系", A::WithProject, {1}),
                                   "上下部构造关系"),
                               "下构布置信息表"),
                });
}

void AddLibraryCommands(std::vector<CommandSpec>& rows) {
    rows.insert(
        rows.end(),
        {
            Tip(Row(cmd::kLibraryBrowse, "查询构件库", "查看构件库中的构件数据并浏览构件的三维图形", A::Always),
                "查询构件库"),
            Tip(Row(cmd::kLibraryWrite, "加入构件库", "将当前项目数据库中的构件信息写入构件库", A::WithProject),
                "加入构件库"),
            Tip(Row(cmd::kLibraryManage, "管理构件库", "向构件库添加、删除或修改构件", A::Always), "管理构件库"),
            Tip(Row(cmd::kLibraryMerge, "合并构件库", "将不同的构件库合并生成新的构件库", A::Always), "合并构件库"),
            Tip(Row(cmd::kLibraryClean, "清理构件库", "删除构件库中的重复信息", A::Always), "清理构件库"),
        });
}

void AddRebarCommands(std::vector<CommandSpec>& rows) {
    rows.insert(
        rows.end(),
        {
            Row(cmd::kRebarPrestressedTBeam, "简支预应力T梁", "布置简支预应力T梁的钢束", A::WithProject, kOther),
            Row(cmd::kRebarContinuousBox, "连续等截面箱梁", "布置连续等截面箱梁的钢束", A::WithProject, kOther),
            Row(cmd::kRebarCapBeam1, "钢筋混凝土多柱式墩台帽梁（矩形截面）", "布置多柱式墩台帽梁钢筋", A::WithProject,
                kOther),
            Row(cmd::kRebarCapBeam2, "钢筋砼/预应力砼独柱墩帽梁（矩形截面）", "布置独柱墩帽梁钢筋", A::WithProject,
                kOther),
            Row(cmd::kRebarCapBeam3, "钢筋砼/预应力砼双柱墩台帽梁（T形截面）", "布置T形截面双柱墩台帽梁钢筋",
                A::WithProject, kOther),
            Row(cmd::kRebarCapBeam4, "钢筋砼/预应力砼双柱墩台帽梁（倒T形截面）", "布置倒T形截面双柱墩台帽梁钢筋",
                A::WithProject, kOther),
            Row(cmd::kRebarEarWall, "肋板式桥台耳墙", "布置肋板式桥台耳墙钢筋", A::WithProject, kOther),
            Row(cmd::kRebarBackWall, "肋板式桥台背墙", "布置肋板式桥台背墙钢筋", A::WithProject, kOther),
            Row(cmd::kRebarPierBody1, "圆形截面柱式墩身", "布置圆形截面柱式墩身钢筋", A::WithProject, kOther),
            Row(cmd::kRebarPierBody2, "矩形截面柱式墩身", "布置矩形截面柱式墩身钢筋", A::WithProject, kOther),
            Row(cmd::kRebarPierBody3, "矩形截面实体墩身", "布置矩形截面实体墩身钢筋", A::WithProject, kOther),
            Row(cmd::kRebarAbutBody1, "肋板式桥台台身", "布置肋板式桥台台身钢筋", A::WithProject, kOther),
            Row(cmd::kRebarTieBeam, "桥墩系梁", "布置桥墩系梁钢筋", A::WithProject, kOther),
            Row(cmd::kRebarPileCap1, "一类承台", "布置一类承台钢筋", A::WithProject, kOther),
            Row(cmd::kRebarPile, "桩基础", "布置桩基础钢筋", A::WithProject, kOther),
            Row(cmd::kRebarSpreadFooting, "台阶状扩大基础", "布置台阶状扩大基础钢筋", A::WithProject, kOther),
            Row(cmd::kRebarApproachSlab, "桥头搭板", "布置桥头搭板钢筋", A::WithProject, kOther),
        });
}

void AddCalculatorCommands(std::vector<CommandSpec>& rows) {
    rows.insert(rows.end(), {
                                Row(cmd::kCircleDesign, "圆形截面配筋计算", "圆形截面配筋计算", A::WithProject),
                                Row(cmd::kNonCircleDesign, "非圆截面配筋计算", "非圆截面配筋计算", A::WithProject),
                                Row(cmd::kCircleCheck, "圆形截面强度复核", "圆形截面强度复核", A::WithProject),
                                Row(cmd::kNonCircleCheck, "非圆截面强度复核", "非圆截面强度复核", A::WithProject),
                                Row(cmd::kCrackDesign, "抗裂计算", "抗裂计算", A::WithProject),
                                Row(cmd::kShearDesign, "抗剪计算", "抗剪计算", A::WithProject),
                                Row(cmd::kPierForces, "墩台水平力计算", "墩台水平力计算工具（柔性墩理论）", A::Always),
                                Row(cmd::kPileDesign, "桩基础计算", "桩基础计算", A::WithProject),
                                Row(cmd::kCulvert, "涵洞立面计算", "盖板涵、圆管涵立面实用计算工具", A::Always),
                                Row(cmd::kRunArvo3D, "三维造型", "启动桥梁三维造型CAD系统", A::WithProject),
                                Row(cmd::kRunKelsa, "下部计算", "启动桥梁下部构造CAD模块", A::Always),
                            });
}

void AddFrameCommands(std::vector<CommandSpec>& rows) {
    rows.insert(
        rows.end(),
        {
            Key(Row(cmd::kSwitchToDrawing, "", "关闭设计子系统并切换到绘图子系统", A::Always), "Ctrl+Alt+A"),
            Row(cmd::kShrink, "", "将应用程序的主窗口置于顶层并减至最小以便于浏览AutoCAD图形", A::Always),
            Row(cmd::kRestore, "", "还原应用程序的主窗口以便于浏览设计数据", A::Always),
            Row(cmd::kWindowCascade, "层叠(&C)", "层叠排列窗口", A::WithProject),
            Row(cmd::kWindowTile, "平铺(&T)", "平铺排列窗口", A::WithProject),
            Row(cmd::kHelpTopics, "帮助主题(&H)", "列出帮助主题", A::Always),
            Key(Row(cmd::kHelpTask, "", "显示当前任务的帮助", A::Always), "F1"),
            Tip(Key(Row(cmd::kHelpContext, "", "显示单击的按钮、菜单和窗口的帮助", A::Always), "Shift+F1"), "帮助"),
            Tip(Row(cmd::kAbout, "关于Ombrix(&A)...", "显示程序信息、版本号和版权", A::Always), "关于"),
        });
}

}  // namespace

std::vector<CommandSpec> ShellCommands() {
    std::vector<CommandSpec> rows;
    AddProjectCommands(rows);
    AddSettingsCommands(rows);
    AddDesignCommands(rows);
    AddLibraryCommands(rows);
    AddRebarCommands(rows);
    AddCalculatorCommands(rows);
    AddFrameCommands(rows);
    return rows;
}

}  // namespace app
