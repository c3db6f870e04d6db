// The central tables (written by the wizard and the drawing layout) and the route tables (written by the
// route reference import).
#include "projectdb/schema.h"
#include "projectdb/schema_fields.h"

namespace projectdb {

using namespace schema_detail;

namespace {

std::vector<TableSchema> BuildCentralTables() {
    std::vector<TableSchema> t;

    // Form and grid captions differ in places (the form labels carry units and symbols).
    t.push_back({kGeneralInfoTable,
                 {
                     Text("DeptName", "设计单位名称", "设计单位名称"),
                     Text("ProjectName", "工程项目名称", "工程项目名称"),
                     Text("BridgeName", "桥梁名称", "桥梁名称"),
                     Text("LineMark", "路线名称", "路线名称"),
                     Text("ForwardSite", "前进方向地名", "前进方向地名"),
                     Text("BackwardSite", "后退方向地名", "后退方向地名"),
                     Text("TransectType", "桥梁横断面类型", "桥梁横断面类型"),
                     Text("LeftOrRight", "当前项目仅设计", "当前设计目标"),
                     Double("RoadWidth", "路基宽度 (m)", "路基宽度", kMetre),
                     Double("BridgeWidth", "全桥宽度 B(m)", "全桥宽度", kMetre),
                     Double("LeftBridgeWidth", "左半桥宽度 B1(m)", "左半桥宽度", kMetre),
                     Double("RightBridgeWidth", "右半桥宽度 B2(m)", "右半桥宽度", kMetre),
                     Double("DividerWidth", "左右半桥间隔宽度 B0(m)", "左右半桥间隔", kMetre),
                     // The form keeps its C2 box in Dist1 and its C1 box in Dist2, while the grid's
                     // headers name the two columns the other way round; both are kept as they are.
                     Double("Dist1", "右半桥中心线至路中心线距离 C2(m)", "左半桥中心线至路中心线距离", kMetre),
                     Double("Dist2", "左半桥中心线至路中心线距离 C1(m)", "右半桥中心线至路中心线距离", kMetre),
                     Double("Dist3", "设计线至路中心线距离 D(m)", "设计线至路中心线距离", kMetre),
                     Text("高程计算方法", "高程计算方法", "高程计算方法"),
                     Text("超高过渡方法", "超高过渡方法", "超高过渡方法"),
                 },
                 "",
                 ""});

    t.push_back({kSpanDivisionTable,
                 {
                     Long("SectSum", "全桥分段数", "全桥分段数"),
                     Long("SpanSum", "全桥分跨数", "全桥跨数"),
                     Long("JointSum", "全桥伸缩缝条数", "全桥伸缩缝条数"),
                     Double("StartStake", "起点桥台理论跨径线桩号(m)", "起点伸缩缝桩号", kMetre),
                     Double("CenterStake", "桥中心桩号(m)", "桥中心桩号", kMetre),
                     Double("CrossAngle", "桥中心交角(°)", "桥中心交角", kDegree),
                 },
                 "",
                 ""});

    t.push_back({kSuperLayoutTable,
                 {
                     Long("SectNumber", "分段序号", "分段序号"),
                     Text("StructureType", "该段结构类型", "结构类型"),
                     Long("SpansInSect", "该段所含跨数", "所含跨数"),
                     Double("SpanLength", "各跨跨径(m)", "跨径", kMetre),
                 },
                 "上构布置信息表.SectNumber",
                 "SectNumber"});

    t.push_back({kSuperSpanTable,
                 {
                     Long("SpanNumber", "", "分跨序号"),
                     Text("StructureType", "", "结构类型"),
                     Double("SpanLength", "", "跨径", kMetre),
                 },
                 "",
                 "SpanNumber"});

    t.push_back({kSubLayoutTable,
                 {
                     Long("PierAbutNum", "墩台序号", "墩台序号"),
                     Double("PierAbutStake", "中心桩号(m)", "中心桩号", kMetre),
                     Text("BentCapType", "帽梁类型", "帽梁类型"),
                     Text("BodyType", "墩台身类型", "墩台身类型"),
                     Text("ConnectType", "联接构造类型", "连接构造类型"),
                     Text("FoundationType", "基础类型", "基础类型"),
                     Double("DistToGround", "基顶埋深(cm)", "基础顶面至地面", kCentimetre),
                     Double("DistToDeck", "桥面至帽梁顶高差(cm)", "帽梁顶面至桥面", kCentimetre),
                     Double("PierAbutAngle", "斜交角度(°)", "交角", kDegree),
                     Double("PierAbutGradient", "帽梁横坡(%)", "帽梁横坡", kPercent),
                     Double("BriCntrToCapX", "", "桥中心线至帽梁中心线横桥向距离", kCentimetre),
                     Double("BriCntrToCapY", "", "伸缩缝(连续缝)中心线至帽梁中心线顺桥向距离", kCentimetre),
                     Double("CapToBodyX", "", "帽梁至墩台身横桥向距离", kCentimetre),
                     Double("CapToBodyY", "", "帽梁至墩台身顺桥向距离", kCentimetre),
                     Double("BodyToConnectX", "", "墩台身至连接构造横桥向距离", kCentimetre),
                     Double("BodyToConnectY", "", "墩台身至连接构造顺桥向距离", kCentimetre),
                     Double("ConnectToFoundX", "", "连接构造至基础横桥向距离", kCentimetre),
                     Double("ConnectToFoundY", "", "连接构造至基础顺桥向距离", kCentimetre),
                 },
                 "下构布置信息表.PierAbutNum",
                 "PierAbutNum"});

    t.push_back({kJointTable,
                 {
                     Long("JointNum", "伸缩缝序号", "序号"),
                     Double("JointStake", "中心桩号(m)", "中心桩号", kMetre),
                 },
                 "伸缩缝信息表.JointNum",
                 "JointNum"});

    t.push_back({kDrawingLayoutTable,
                 {
                     Text("DrawingName", "图  名", "图名"),
                     Text("FileName", "图形文件名(*.dwg)", "文件名"),
                     Text("DrawingType", "类别", "类别"),
                     Text("DrawingRange", "图幅大小", "图幅"),
                     Double("TotalScale", "比例", "整体比例"),
                     Double("LocalScale", "横断面比例", "横断面比例"),
                     Text("IconType", "图标类型", "图标类型"),
                     Text("CornerIcon", "会签栏及角标", "会签栏及角标"),
                     Double("GCSX", "", "大地坐标系X"),
                     Double("GCSY", "", "大地坐标系Y"),
                     Double("GCSA", "", "大地坐标系转角"),
                     Double("SECSX", "", "桩号高程坐标系X"),
                     Double("SECSY", "", "桩号高程坐标系Y"),
                     Double("LBPX", "", "图框左下角X"),
                     Double("LBPY", "", "图框左下角Y"),
                     Double("BreadthLength", "", "图框长度"),
                 },
                 "",
                 "DrawingName"});
    return t;
}

// Every number of the route tables that has a unit is metres (stakes, coordinates, elevations, radii,
// lengths, offsets); the azimuths stay without one.
FieldDef RD(std::string name, std::string grid, std::string unit = kMetre) {
    return Double(std::move(name), "", std::move(grid), std::move(unit), kRouteDoubleSize);
}

std::vector<TableSchema> BuildRouteTables() {
    std::vector<TableSchema> t;
    t.push_back({kGroundLineTable, {RD("Stake", "桩号"), RD("Elevation", "高程")}, "", "Stake"});
    t.push_back({kHorizontalCurveTable,
                 {
                     L("CurveSectNum", "序号"),
                     T("CurveType", "类型"),
                     T("CurveDirect", "偏向"),
                     RD("StartPointStake", "起点桩号"),
                     RD("StartPointX", "起点大地坐标X"),
                     RD("StartPointY", "起点大地坐标Y"),
                     RD("StartPointAngle", "起点方位角", ""),
                     RD("StartPointRadii", "起点半径"),
                     RD("EndPointX", "终点大地坐标X"),
                     RD("EndPointY", "终点大地坐标Y"),
                     RD("EndPointAngle", "终点方位角", ""),
                     RD("EndPointRadii", "终点半径"),
                     RD("CurveLength", "长度"),
                     RD("A_Value", "A值"),
                 },
                 "",
                 "CurveSectNum"});
    t.push_back({kVerticalCurveTable,
                 {RD("TurnPointStake", "桩号"), RD("TurnPointElev", "高程"), RD("TurnPointRadii", "半径")},
                 "",
                 "TurnPointStake"});
    // The import writes a road design record by position, so this order is binding. No captions: the grid
    // shows the field names.
    TableSchema road{kRoadDesignTable, {RD("CenterStake", ""), RD("CenterElev", "")}, "", "CenterStake"};
    for (int k = 1; k <= 8; ++k) {
        road.fields.push_back(RD("Dist" + std::to_string(k), ""));
        road.fields.push_back(RD("Elev" + std::to_string(k), ""));
    }
    t.push_back(std::move(road));
    return t;
}

}  // namespace

const std::vector<TableSchema>& CentralTables() {
    static const std::vector<TableSchema> tables = BuildCentralTables();
    return tables;
}

const std::vector<TableSchema>& RouteTables() {
    static const std::vector<TableSchema> tables = BuildRouteTables();
    return tables;
}

TableSchema DrawingStateTableSchema(const std::string& drawingTitle) {
    return {drawingTitle + kDrawingStateSuffix,
            {T("GroupName", "组名"), D("BasePointX", "基点X"), D("BasePointY", "基点Y")},
            "",
            "GroupName"};
}

}  // namespace projectdb
