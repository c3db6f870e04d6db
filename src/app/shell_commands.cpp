// Every command of the shell, one row each, in menu order: its key and id, its texts, where it stands in the
// menus and on the toolbar, when it is available, which categories of tables it writes, and for a design command
// the module entry it calls. Other handlers are attached by the main window by the row's key; a command whose
// subsystem is not built yet stands in its menu, disabled. A new command is a row here and its handler.
//
// The rows are built on first use from nothing but literals, so that they can be asked for at any time, even
// while other files' constants are still being set up.
#include "app/command_row.h"
#include "app/design_calls.h"

namespace app {
namespace {

using A = Availability;
using Categories = std::vector<int>;

// Offered only while the layout holds a section of that structure type.
std::function<bool(dao::Database&)> ForStructure(std::string structureType) {
    return [type = std::move(structureType)](dao::Database& db) { return HasStructureType(db, type); };
}

std::function<bool(dao::Database&)> WhileTable(std::string table) {
    return [table = std::move(table)](dao::Database& db) { return HasTable(db, table); };
}

std::vector<int> EveryCategory() {
    std::vector<int> all;
    for (int category = 1; category <= 12; ++category) all.push_back(category);
    return all;
}

constexpr unsigned kBoth = kBothBars;
constexpr unsigned kProject = kProjectBar;
constexpr unsigned kNoProject = kNoProjectBar;

void AddProjectCommands(std::vector<CommandSpec>& rows) {
    const char* file = "项目(&P)";
    rows.insert(
        rows.end(),
        {
            Row("new", 32772, "新建(&N)", "建立新项目").When(A::Always).Key("Ctrl+N").Tip("新建").Menu(kBoth, file)
                .Toolbar(1, "new"),
            Row("open", 32773, "打开(&O)...", "打开一个现有项目").When(A::Always).Key("Ctrl+O").Tip("打开")
                .Menu(kBoth, file).Toolbar(1, "open"),
            // Ctrl+I belongs to whichever import the shown menu offers: never both at once.
            Row("import", 32911, "导入(&I)...", "从路线CAD参考文件或其它桥梁CAD项目文件中导入有关数据")
                .When(A::WithProject).Refreshes(EveryCategory()).Key("Ctrl+I").Tip("导入").Menu(kProject, file),
            Row("import-project", 32912, "导入(&I)...", "从其它桥梁CAD项目数据库中导入有关数据并建立新的数据库")
                .When(A::WithoutProject).Key("Ctrl+I").Tip("导入").Menu(kNoProject, file),
            Row("save", 32784, "保存(&S)", "保存当前项目").When(A::WithProject).Key("Ctrl+S").Tip("保存")
                .Menu(kProject, file).Toolbar(1, "save"),
            Row("save-as", 32785, "另存为(&A)...", "以新的文件名保存当前项目").When(A::WithProject)
                .Menu(kProject, file),
            Row("close", 32934, "关闭(&C)", "关闭当前项目").When(A::WithProject).Menu(kProject, file),
            Row("export-arvo3d", 33424, "输出Arvo3D数据", "生成桥梁三维造型CAD系统Arvo3D数据接口文件")
                .When(A::WithProject).Menu(kProject, file, Separated),
            Row("export-kelsa", 33425, "输出Kelsa数据", "生成桥梁下部构造施工图CAD系统Kelsa数据接口文件")
                .When(A::WithProject).Menu(kProject, file),
            Row("import-landxml", 33610, "导入LandXML路线...", "从LandXML文件导入平曲线和竖曲线资料")
                .When(A::WithProject).Refreshes(EveryCategory()).Menu(kProject, file, Separated),
            Row("export-landxml", 33611, "输出LandXML路线...", "将项目的平曲线和竖曲线资料输出为LandXML文件")
                .When(A::WithProject).Menu(kProject, file),
            Row("export-ifc", 33612, "输出IFC模型...", "将桥梁及路线输出为IFC 4.3模型文件").When(A::WithProject)
                .Menu(kProject, file),
            Row("bridge-check", 33600, "检查(&K)...", "检查路线、地面线、桥跨与墩台是否一致，列出发现的问题")
                .When(A::WithProject).Menu(kProject, file, Separated),
            Row("print", 57607, "打印(&P)...", "按打印设置打印当前表格窗口").When(A::WithProject).Key("Ctrl+P")
                .Menu(kProject, file),
            Row("print-setup", 57606, "打印设置(&R)...", "改变打印机及打印选项").When(A::Always)
                .Menu(kNoProject, file, Separated),
            // The recent projects stand between the entries above and 退出 (menus.cpp).
            Row("exit", 57665, "退出(&X)", "退出应用程序").When(A::Always).Key("Alt+F4").Menu(kBoth, file, Separated),
        });
}

void AddSettingsCommands(std::vector<CommandSpec>& rows) {
    // Without a project the two bars are under 查看, with one under 设置.
    const char* view = "查看(&V)";
    const char* settings = "设置(&S)";
    rows.insert(rows.end(),
                {
                    Row("view-toolbar", 59392, "工具栏(&T)", "显示或隐藏工具栏").When(A::Always).Checkable()
                        .Menu(kNoProject, view).Menu(kProject, settings),
                    Row("view-status-bar", 59393, "状态栏(&S)", "显示或隐藏状态栏").When(A::Always).Checkable()
                        .Menu(kNoProject, view).Menu(kProject, settings),
                    Row("advanced-user", 32977, "高级用户", "允许高级用户直接编辑部分重要的数据库").When(A::Always)
                        .Checkable().Tip("打开(关闭)高级用户").Menu(kProject, settings, Separated),
                    Row("drawing-target", 33009, "绘图目标...", "选择绘图目标和绘图范围").When(A::WithProject)
                        .Menu(kProject, settings, Separated),
                    Row("drawing-preview", 32910, "图形预览...", "预览绘图目标的图形").When(A::WithProject)
                        .Menu(kProject, settings),
                    Row("view-3d", 33620, "三维视图...", "在三维视图中查看桥梁及其桥址").When(A::WithProject)
                        .Menu(kProject, settings),
                });
}

void AddGeneralAndSiteCommands(std::vector<CommandSpec>& rows) {
    const char* general = "总体信息(&A)";
    const char* site = "桥址信息(&I)";
    const Categories central = {1, 3, 4, 5, 6, 7, 8, 9};  // 一般信息, 桥跨信息, 绘图信息
    const Categories siteTables = {2};
    auto siteTable = [site, siteTables](const char* key, int id, const char* text, const char* status,
                                        const char* entry, bool separated = false) {
        return Row(key, id, text, status).When(A::WithProject).Refreshes(siteTables).Menu(kProject, site, separated)
            .Design("Site.dll", entry);
    };
    rows.insert(
        rows.end(),
        {
            Row("general-info", 32938, "一般信息", "编辑项目的一般信息").When(A::WithProject).Refreshes(central)
                .Menu(kProject, general),
            Row("span-info", 32939, "桥跨信息", "编辑桥梁的分联、分跨和墩台布置").When(A::WithProject)
                .Refreshes(central).Menu(kProject, general),
            Row("drawing-info", 32940, "绘图信息", "编辑绘图列表").When(A::WithProject).Refreshes(central)
                .Menu(kProject, general),
            Row("ground-line", 32774, "地面线资料", "编辑地面线资料").When(A::WithProject).Refreshes(siteTables)
                .Menu(kProject, site).Design("Site.dll", "EditGroundLine", EntryKind::GroundLine),
            siteTable("drill", 32775, "地质资料", "编辑钻孔资料", "DesignDrill"),
            siteTable("water", 32776, "水文资料", "编辑水文资料", "DesignWater"),
            siteTable("horizontal-curves", 32786, "平曲线资料", "编辑平曲线资料", "DesignHLine", Separated),
            siteTable("vertical-curves", 32790, "竖曲线资料", "编辑竖曲线资料", "DesignVLine"),
            siteTable("deck-slope", 32976, "桥面横坡资料", "编辑桥面横坡资料", "DesignSlope"),
            siteTable("road-table", 32975, "路基设计表", "编辑路基设计表", "DesignRdTbl"),
            Row("route-geometry", 33429, "辅助计算",
                "根据桥位所在路线平、纵、横信息进行一些有关坐标、高程、方位角等辅助计算")
                .When(A::WithProject).Tip("辅助计算").Menu(kProject, site, Separated),
        });
}

void AddStructureCommands(std::vector<CommandSpec>& rows) {
    const char* super = "结构信息(&T) > 上部构造";
    const char* adjunct = "结构信息(&T) > 附属构造";
    const Categories adjunctTables = {10};
    auto girder = [super](const char* key, int id, const char* text, const char* status, const char* type,
                          int category, const char* entry) {
        return Row(key, id, text, status).When(A::WithProject).Refreshes({category}).OnlyIf(ForStructure(type))
            .Menu(kProject, super).Design("Girder.dll", entry);
    };
    auto adjunctRow = [adjunct, adjunctTables](const char* key, int id, const char* text, const char* entry) {
        return Row(key, id, text, std::string("设计") + text).When(A::WithProject).Refreshes(adjunctTables)
            .Menu(kProject, adjunct).Design("Adjunct.dll", entry);
    };
    rows.insert(
        rows.end(),
        {
            girder("design-slab", 32803, "简支空心板", "设计装配式简支空心板", "装配式简支空心板桥", 3, "DesignSlab"),
            girder("design-tbeam", 32804, "简支T梁", "设计装配式简支T梁", "装配式简支T梁桥", 4, "DesignTBeam"),
            girder("design-su-box", 32805, "简支等截面箱梁", "设计简支等截面箱梁", "简支等截面箱梁桥", 5,
                   "DesignSUBox"),
            girder("design-ss-box", 32806, "简支变截面箱梁", "设计简支变截面箱梁", "简支变截面箱梁桥", 5,
                   "DesignSSBox"),
            girder("design-cu-box", 32807, "连续等截面箱梁", "设计连续等截面箱梁", "连续等截面箱梁桥", 5,
                   "DesignCUBox"),
            girder("design-cs-box", 32808, "连续变截面箱梁", "设计连续变截面箱梁", "连续变截面箱梁桥", 5,
                   "DesignCSBox"),
            Row("design-pier-abut", 32907, "墩台设计", "设计墩台的帽梁、墩台身、连接构造和基础").When(A::WithProject)
                .Refreshes({6, 7, 8, 9}).Menu(kProject, "结构信息(&T) > 下部构造")
                .Design("PierAbut.dll", "DesignPierAbut"),
            adjunctRow("pavement", 32809, "桥面铺装", "DesignPavement"),
            adjunctRow("fence", 32900, "墙式护栏", "DesignFence"),
            adjunctRow("walkway", 32901, "人行道及栏杆", "DesignWalkway"),
            adjunctRow("subslab", 32902, "桥头搭板", "DesignSubslab"),
            adjunctRow("drainage", 32903, "泄水管", "DesignDrainage"),
            adjunctRow("crossway", 32904, "被交道", "DesignCrossway"),
            Row("cone-slope", 32905, "桥头锥坡", "设计桥头锥坡").When(A::WithProject).Refreshes(adjunctTables)
                .Menu(kProject, adjunct).Design("Site.dll", "DesignPrick"),
            Row("retaining-wall", 32906, "挡土墙", "设计挡土墙").Menu(kProject, adjunct),
            Row("assembly", 32957, "上下部构造关系", "定义上下部构造之间及下部构造个部件之间的装配关系")
                .When(A::WithProject).Refreshes({1}).OnlyIf(WhileTable("下构布置信息表")).Tip("上下部构造关系")
                .Menu(kProject, "结构信息(&T)", Separated),
        });
}

void AddLibraryCommands(std::vector<CommandSpec>& rows) {
    const char* library = "构件库(&C)";
    rows.insert(rows.end(),
                {
                    Row("library-browse", 32927, "查询构件库", "查看构件库中的构件数据并浏览构件的三维图形")
                        .When(A::Always).Tip("查询构件库").Menu(kProject, library),
                    Row("library-write", 32928, "加入构件库", "将当前项目数据库中的构件信息写入构件库")
                        .When(A::WithProject).Tip("加入构件库").Menu(kProject, library),
                    Row("library-manage", 32962, "管理构件库", "向构件库添加、删除或修改构件").When(A::Always)
                        .Tip("管理构件库").Menu(kProject, library),
                    Row("library-merge", 32930, "合并构件库", "将不同的构件库合并生成新的构件库").When(A::Always)
                        .Tip("合并构件库").Menu(kProject, library, Separated),
                    Row("library-clean", 32929, "清理构件库", "删除构件库中的重复信息").When(A::Always)
                        .Tip("清理构件库").Menu(kProject, library),
                });
}

void AddRebarCommands(std::vector<CommandSpec>& rows) {
    const std::string rebar = "钢筋图设计(&D)";
    const std::string capBeams = rebar + " > 帽梁钢筋布置";
    const std::string bodies = rebar + " > 墩台身钢筋布置";
    const std::string foundations = rebar + " > 基础钢筋布置";
    auto row = [](const char* key, int id, const char* text, const char* status, const std::string& path,
                  bool separated = false) {
        const Categories otherTables = {12};
        return Row(key, id, text, status).When(A::WithProject).Refreshes(otherTables).Menu(kProject, path, separated);
    };
    const char* capBeam = "CapBeamDes.dll";
    const auto path = EntryKind::DatabasePath;
    rows.insert(
        rows.end(),
        {
            row("rebar-prestressed-tbeam", 33372, "简支预应力T梁", "布置简支预应力T梁的钢束", rebar)
                .Design("Detail.dll", "CableTBeamDetail").NeedsTBeamLayout(),
            row("rebar-continuous-box", 33454, "连续等截面箱梁", "布置连续等截面箱梁的钢束", rebar)
                .OnDemand("BoxBeamDes.dll", "UniBoxPreStl1", path),
            row("rebar-cap-beam-1", 33453, "钢筋混凝土多柱式墩台帽梁（矩形截面）", "布置多柱式墩台帽梁钢筋", capBeams,
                Separated)
                .OnDemand(capBeam, "CapBeam1", path).ReportsLoadError()
                .AskUnless({"①类帽梁信息表"},
                           "尚未建立桥墩一类帽梁尺寸信息，或本项目不含桥墩一类帽梁构造。\n继续进行桥墩一类帽梁钢筋布置吗？"),
            row("rebar-cap-beam-2", 33455, "钢筋砼/预应力砼独柱墩帽梁（矩形截面）", "布置独柱墩帽梁钢筋", capBeams)
                .OnDemand(capBeam, "CapBeam2", path)
                .AskUnless({"独柱墩帽梁钢筋布置信息表"},
                           "尚未建立独柱墩帽梁钢筋布置信息，或本项目不含独柱墩帽梁构造。\n继续进行独柱墩帽梁钢筋布置吗？"),
            row("rebar-cap-beam-3", 33456, "钢筋砼/预应力砼双柱墩台帽梁（T形截面）", "布置T形截面双柱墩台帽梁钢筋",
                capBeams)
                .OnDemand(capBeam, "CapBeam3", path)
                .AskUnless({"双柱墩帽梁钢筋布置信息表"},
                           "尚未建立双柱墩帽梁钢筋布置信息，或本项目不含双柱墩帽梁构造。\n继续进行双柱墩帽梁钢筋布置吗？"),
            row("rebar-cap-beam-4", 33457, "钢筋砼/预应力砼双柱墩台帽梁（倒T形截面）", "布置倒T形截面双柱墩台帽梁钢筋",
                capBeams)
                .OnDemand(capBeam, "CapBeam4", path)
                .AskUnless({"倒T形截面双柱墩帽梁钢筋布置信息表"},
                           "尚未建立倒T形截面双柱墩帽梁钢筋布置信息，或本项目不含倒T形截面双柱墩帽梁构造。\n"
                           "继续进行倒T形截面双柱墩帽梁钢筋布置吗？"),
            row("rebar-ear-wall", 33440, "肋板式桥台耳墙", "布置肋板式桥台耳墙钢筋", capBeams, Separated)
                .Design("Detail.dll", "ErQiangDetail").AskUnlessMember({"桩柱式、肋板式桥台帽梁信息表"}, "耳墙"),
            row("rebar-back-wall", 33441, "肋板式桥台背墙", "布置肋板式桥台背墙钢筋", capBeams)
                .Design("Detail.dll", "BeiQiangDetail").AskUnlessMember({"桩柱式、肋板式桥台帽梁信息表"}, "背墙"),
            row("rebar-pier-body-1", 32969, "圆形截面柱式墩身", "布置圆形截面柱式墩身钢筋", bodies)
                .Design("Detail.dll", "PierBody1Detail")
                .AskUnlessMember({"圆形截面柱式墩身信息表"}, "圆形截面柱式墩身"),
            row("rebar-pier-body-2", 32971, "矩形截面柱式墩身", "布置矩形截面柱式墩身钢筋", bodies)
                .Design("Detail.dll", "PierBody2Detail")
                .AskUnlessMember({"矩形截面柱式墩身信息表"}, "矩形截面柱式墩身"),
            row("rebar-pier-body-3", 32973, "矩形截面实体墩身", "布置矩形截面实体墩身钢筋", bodies)
                .Design("Detail.dll", "PierBody3Detail")
                .AskUnlessMember({"矩形截面实体式墩身信息表"}, "矩形截面实体墩身"),
            row("rebar-abut-body-1", 32972, "肋板式桥台台身", "布置肋板式桥台台身钢筋", bodies)
                .Design("Detail.dll", "AbutBody1Detail").AskUnlessMember({"肋板式台身信息表"}, "肋板式台身"),
            row("rebar-tie-beam", 33442, "桥墩系梁", "布置桥墩系梁钢筋", rebar + " > 连接构造钢筋布置")
                .Design("Detail.dll", "XiLiangDetail").AskUnlessMember({"系梁信息表"}, "系梁"),
            row("rebar-pile-cap-1", 33446, "一类承台", "布置一类承台钢筋", foundations)
                .Design("Detail.dll", "ChengTai1Detail").AskUnlessMember({"①类承台信息表"}, "①类承台"),
            row("rebar-pile", 33381, "桩基础", "布置桩基础钢筋", foundations)
                .Design("Detail.dll", "PileDetail")
                .AskUnlessMember({"单排桩基础信息表", "多排桩基础信息表", "梅花形桩基础信息表"}, "桩基础"),
            row("rebar-spread-footing", 33447, "台阶状扩大基础", "布置台阶状扩大基础钢筋", foundations)
                .Design("Detail.dll", "KuoDaJiChu1Detail").AskUnlessMember({"台阶状扩大基础信息表"}, "台阶状扩大基础"),
            row("rebar-approach-slab", 33448, "桥头搭板", "布置桥头搭板钢筋", rebar + " > 附属构造钢筋布置")
                .Design("Detail.dll", "DaBanDetail"),
        });
}

void AddCalculatorCommands(std::vector<CommandSpec>& rows) {
    const char* tools = "辅助计算(&O)";
    auto section = [tools](const char* key, int id, const char* text, const char* module, const char* entry,
                           bool separated = false) {
        return Row(key, id, text, text).When(A::WithProject).Menu(kProject, tools, separated)
            .OnDemand(module, entry, EntryKind::Calculator);
    };
    rows.insert(rows.end(),
                {
                    section("circle-design", 33462, "圆形截面配筋计算", "RCSteel.dll", "CirDsn"),
                    section("non-circle-design", 33464, "非圆截面配筋计算", "RCSteel.dll", "NoCirDsn"),
                    section("circle-check", 33463, "圆形截面强度复核", "RCSteel.dll", "CirChk"),
                    section("non-circle-check", 33465, "非圆截面强度复核", "RCSteel.dll", "NoCirChk"),
                    section("crack-design", 33466, "抗裂计算", "RCSteel.dll", "CrackDsn"),
                    section("shear-design", 33467, "抗剪计算", "RCSteel.dll", "SkewDsn"),
                    Row("pier-forces", 33468, "墩台水平力计算", "墩台水平力计算工具（柔性墩理论）").When(A::Always)
                        .Menu(kProject, tools, Separated),
                    section("pile-design", 33469, "桩基础计算", "Pile.dll", "PileDsn"),
                    Row("culvert", 33470, "涵洞立面计算", "盖板涵、圆管涵立面实用计算工具").When(A::Always)
                        .Menu(kProject, tools),
                    Row("run-arvo3d", 33428, "三维造型", "启动桥梁三维造型CAD系统").When(A::WithProject)
                        .Menu(kProject, tools, Separated),
                    Row("run-kelsa", 33438, "下部计算", "启动桥梁下部构造CAD模块").When(A::Always)
                        .Menu(kProject, tools),
                });
}

void AddFrameCommands(std::vector<CommandSpec>& rows) {
    const char* window = "窗口(&W)";
    const char* help = "帮助(&H)";
    rows.insert(
        rows.end(),
        {
            Row("switch-to-drawing", 32802, "", "关闭设计子系统并切换到绘图子系统").When(A::Always).Key("Ctrl+Alt+A")
                .Toolbar(2, "drawing"),
            Row("shrink", 32931, "", "将应用程序的主窗口置于顶层并减至最小以便于浏览AutoCAD图形").When(A::Always)
                .Toolbar(2, "shrink"),
            Row("restore", 32932, "", "还原应用程序的主窗口以便于浏览设计数据").When(A::Always).Toolbar(2, "restore"),
            // The open windows follow these two in the menu (menus.cpp).
            Row("window-cascade", 57650, "层叠(&C)", "层叠排列窗口").When(A::WithProject).Menu(kProject, window),
            Row("window-tile", 57651, "平铺(&T)", "平铺排列窗口").When(A::WithProject).Menu(kProject, window),
            Row("help-topics", 57667, "帮助主题(&H)", "列出帮助主题").When(A::Always).Menu(kBoth, help),
            Row("help-task", 57670, "", "显示当前任务的帮助").When(A::Always).Key("F1"),
            Row("about", 57664, "关于Ombrix(&A)...", "显示程序信息、版本号和版权").When(A::Always).Tip("关于")
                .Menu(kBoth, help).Toolbar(3, "about"),
            Row("help-context", 57669, "", "显示单击的按钮、菜单和窗口的帮助").When(A::Always).Key("Shift+F1")
                .Tip("帮助").Toolbar(3, "context-help"),
        });
}

}  // namespace

std::vector<CommandSpec> ShellCommands() {
    std::vector<CommandSpec> rows;
    AddProjectCommands(rows);
    AddSettingsCommands(rows);
    AddGeneralAndSiteCommands(rows);
    AddStructureCommands(rows);
    AddLibraryCommands(rows);
    AddRebarCommands(rows);
    AddCalculatorCommands(rows);
    AddFrameCommands(rows);
    return rows;
}

}  // namespace app
