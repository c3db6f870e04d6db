#pragma once
// The project database as data: every table this system creates or names, its fields in order with their
// DAO types, sizes and captions, the vocabularies of type names stored in the records, the mapping from a
// type name to the member table holding its sizes, and the category tree under which tables are shown.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dao/database.h"
#include "platform/dao/field.h"

namespace projectdb {

// ---- table names ----------------------------------------------------------------------------------------

// Central tables (this system creates and fills them).
inline constexpr const char* kGeneralInfoTable = "一般信息表";
inline constexpr const char* kSpanDivisionTable = "桥孔划分信息表";
inline constexpr const char* kSuperLayoutTable = "上构布置信息表";
inline constexpr const char* kSuperSpanTable = "上构布置明细表";
inline constexpr const char* kSubLayoutTable = "下构布置信息表";
inline constexpr const char* kJointTable = "伸缩缝信息表";
inline constexpr const char* kDrawingLayoutTable = "图形布置信息表";
// A drawing's state table is named by its title followed by this suffix.
inline constexpr const char* kDrawingStateSuffix = "绘图状态表";

// Route tables (created by the route reference import).
inline constexpr const char* kHorizontalCurveTable = "平曲线资料表";
inline constexpr const char* kVerticalCurveTable = "竖曲线资料表";
inline constexpr const char* kGroundLineTable = "地形资料表";
inline constexpr const char* kRoadDesignTable = "路基设计表";

// Site tables.
inline constexpr const char* kDeckSlopeTable = "桥面横坡资料表";
inline constexpr const char* kConeTable = "锥坡信息表";
inline constexpr const char* kBoreholeTable = "钻孔资料表";
inline constexpr const char* kBoreholeLayerTable = "钻孔描述表";
inline constexpr const char* kHydrologyTable = "水文资料表";

// Auxiliary structure tables.
inline constexpr const char* kDeckPavementTable = "桥面铺装信息表";
inline constexpr const char* kCrashBarrierTable = "防撞护栏信息表";
inline constexpr const char* kWalkwayTable = "人行道及栏杆信息表";
inline constexpr const char* kApproachSlabTable = "桥头搭板信息表";
inline constexpr const char* kDrainageTable = "排水系统信息表";
inline constexpr const char* kLightingTable = "照明系统信息表";
inline constexpr const char* kCrossedRoadTable = "被交道路信息表";
inline constexpr const char* kRetainingWallTable = "挡墙信息表";

// Superstructure member tables.
inline constexpr const char* kSlabLayoutTable = "空心板布置信息表";
inline constexpr const char* kInsideSlabTable = "中板尺寸信息表";
inline constexpr const char* kOutsideSlabTable = "边板尺寸信息表";
inline constexpr const char* kTBeamLayoutTable = "T梁布置信息表";
inline constexpr const char* kInsideTBeamTable = "中梁尺寸信息表";
inline constexpr const char* kOutsideTBeamTable = "边梁尺寸信息表";
inline constexpr const char* kSimpleConstBoxTable = "简支等截面箱梁立面、平面信息表";
inline constexpr const char* kSimpleVarBoxTable = "简支变截面箱梁立面、平面信息表";
inline constexpr const char* kContConstBoxTable = "连续等截面箱梁立面、平面信息表";
inline constexpr const char* kContVarBoxTable = "连续变截面箱梁立面、平面信息表";
inline constexpr const char* kBoxCrossSectionSuffix = "箱梁横断面信息表";
inline constexpr const char* kSingleBoxSingleCellTable = "单箱单室箱梁横断面信息表";
inline constexpr const char* kSingleBoxMultiCellTable = "单箱多室箱梁横断面信息表";
inline constexpr const char* kMultiBoxSingleCellTable = "多箱单室箱梁横断面信息表";
inline constexpr const char* kMultiBoxMultiCellTable = "多箱多室箱梁横断面信息表";

// Substructure member tables.
inline constexpr const char* kPierCap1Table = "①类帽梁信息表";
inline constexpr const char* kPierCap2Table = "②类帽梁信息表";
inline constexpr const char* kPierCap3Table = "③类帽梁信息表";
inline constexpr const char* kAbutCap1Table = "桩柱式、肋板式桥台帽梁信息表";
inline constexpr const char* kAbutCap2Table = "重力式U型桥台帽梁信息表";
inline constexpr const char* kRoundColumnTable = "圆形截面柱式墩身信息表";
inline constexpr const char* kRectColumnTable = "矩形截面柱式墩身信息表";
inline constexpr const char* kPointedSolidTable = "尖端形截面实体式墩身信息表";
inline constexpr const char* kRoundEndSolidTable = "圆端形截面实体式墩身信息表";
inline constexpr const char* kRectSolidTable = "矩形截面实体式墩身信息表";
inline constexpr const char* kPolygonWallTable = "多边形截面薄壁墩身信息表";
inline constexpr const char* kRibAbutBodyTable = "肋板式台身信息表";
inline constexpr const char* kUAbutBodyTable = "U台台身信息表";
inline constexpr const char* kPileCap1Table = "①类承台信息表";
inline constexpr const char* kPileCap2Table = "②类承台信息表";
inline constexpr const char* kPileHatTable = "桩帽信息表";
inline constexpr const char* kTieBeamTable = "系梁信息表";
inline constexpr const char* kSinglePileRowTable = "单排桩基础信息表";
inline constexpr const char* kMultiPileRowTable = "多排桩基础信息表";
inline constexpr const char* kQuincunxPileTable = "梅花形桩基础信息表";
inline constexpr const char* kSteppedFootingTable = "台阶状扩大基础信息表";
inline constexpr const char* kTrapezoidFootingTable = "梯形扩大基础信息表";
inline constexpr const char* kUAbutSteppedFootingTable = "重力式U台台阶状基础信息表";
inline constexpr const char* kUAbutToeFootingTable = "重力式U台趾板式基础信息表";
inline constexpr const char* kCaissonTable = "沉井基础信息表";
inline constexpr const char* kStopperTable = "挡块信息表";

// Tables known by name only.
inline constexpr const char* kLibraryStructureTable = "当前库结构描述表";
inline constexpr const char* kTendonTable = "钢束信息表";
inline constexpr const char* kRebarLayoutTable = "钢筋布置信息表";

// "No such member" in the four member-type columns of the pier/abutment layout.
inline constexpr const char* kNoMember = "无";

// ---- fields and tables ----------------------------------------------------------------------------------

// Declared sizes of the fields the system creates.
inline constexpr long kTextSize = 255;
inline constexpr long kLongSize = 8;
inline constexpr long kDoubleSize = 32;
inline constexpr long kRouteDoubleSize = 16;

struct FieldDef {
    std::string name;
    short type = dao::dbText;  // DAO type code: dbText, dbLong or dbDouble
    long size = kTextSize;
    std::string formCaption;  // label of the field in the forms that edit it, empty when it has none
    std::string gridCaption;  // column header of the grid editor, empty when the field name is shown
    std::string unit;  // unit of a number ("m", "cm", "°", "%"), empty where the system does not know it
};

struct TableSchema {
    std::string name;
    std::vector<FieldDef> fields;
    std::string
        orderBy;  // ORDER BY term the system reads the table with ("下构布置信息表.PierAbutNum"), or empty
    std::string keyField;  // the field by which records are found, or empty

    const FieldDef* field(std::string_view fieldName) const;
    dao::TableDef ToTableDef() const;
};

// The central tables, in the order the wizard creates them.
const std::vector<TableSchema>& CentralTables();
// 地形资料表, 平曲线资料表, 竖曲线资料表, 路基设计表, with their fields in the order the import writes them.
const std::vector<TableSchema>& RouteTables();
// Member, site and auxiliary tables that the design modules create, with the fields the system names.
// Where the system never names a field, the name is ours and follows the caption order.
const std::vector<TableSchema>& MemberTables();
// Tables the system knows by name only (tree placement); their fields belong to the design modules.
const std::vector<std::string>& NamedOnlyTables();

// The schema of a central, route, member or site table, or nullptr. Drawing state tables are named by the
// user's drawing titles; use DrawingStateTableSchema for them.
const TableSchema* FindTableSchema(std::string_view table);
// The state table of one drawing: title + 绘图状态表, fields GroupName, BasePointX, BasePointY.
TableSchema DrawingStateTableSchema(const std::string& drawingTitle);
bool IsDrawingStateTable(std::string_view table);

// Column headers of the grid editor for a table, one per field in field order; empty when the table has no
// caption list (its columns then show the field names). Every table whose name contains 绘图状态表 gets
// the drawing state captions.
std::vector<std::string> GridCaptions(std::string_view table);

// The unit of a field as the schema knows it ("m", "cm", "°", "%"), or "" for an unknown table or field.
std::string FieldUnit(std::string_view table, std::string_view field);
// What a window shows over a field: its caption followed by the unit in brackets, "桩长(m)"; the caption
// alone when the unit is unknown or the caption already ends with it ("中心桩号(m)").
// Files, clipboard copies and SQL keep the bare caption: the unit is for the eye only.
std::string CaptionWithUnit(const std::string& caption, std::string_view unit);

// ---- vocabularies ---------------------------------------------------------------------------------------
// Type names are whole strings compared byte for byte: no trimming, no case folding.

const std::vector<std::string>& StructureTypes();  // superstructure, in the order the wizard offers them
const std::vector<std::string>& BoxCrossSectionTypes();  // 单箱单室, 单箱多室, 多箱单室
const std::vector<std::string>& BentCapTypes();
const std::vector<std::string>& BodyTypes();
const std::vector<std::string>& ConnectTypes();
const std::vector<std::string>& FoundationTypes();
const std::vector<std::string>& TransectTypes();
const std::vector<std::string>& DesignedParts();  // 左半桥, 右半桥, 全桥
const std::vector<std::string>& ElevationMethods();
const std::vector<std::string>& SuperelevationMethods();
// The drawing grid offers these as one semicolon-separated string each.
inline constexpr const char* kDrawingTypeList =
    "桥型布置图;上构一般构造图;下构一般构造图;参数化钢筋图;交互式钢筋图";
inline constexpr const char* kSheetSizeList = "A0;A1;A2;A3;A4";
const std::vector<std::string>& DrawingTypes();
const std::vector<std::string>& SheetSizes();

// The member table of a substructure type name (cap beam, body, connection or foundation); none for "无",
// for an unknown name and for a name with a trailing blank.
std::optional<std::string> MemberTableOf(std::string_view substructureTypeName);
// The member tables of a superstructure structure type; for a box girder the elevation table only (its
// cross-section table follows from the box's TransectType). Empty for an unknown type.
std::vector<std::string> MemberTablesOfStructure(std::string_view structureType);
// The cross-section table of a box cross-section type: the type followed by 箱梁横断面信息表.
std::string CrossSectionTableOf(std::string_view boxType);

// ---- category tree --------------------------------------------------------------------------------------

struct Category {
    int id = 0;
    std::string name;
    // Number by which the command layer refreshes the category (1 总体信息 … 10 附属构造信息, 12 其它信息);
    // 0 for nodes that only group others.
    int refreshNumber = 0;
    std::vector<std::string> tables;         // tables placed under this category, in order
    std::vector<std::string> refreshTables;  // tables a refresh of this category tries, in order
    std::vector<Category> children;
};

// The invisible root whose children are 总体信息, 桥址信息, 结构信息 and 其它信息.
const Category& CategoryTree();
// The category a table is shown under: exact comparison against the category lists in order, first match
// wins, 其它信息 for every other table; nullptr for 上构布置信息表, which the tree never shows.
const Category* CategoryOf(std::string_view table);
const Category* CategoryByRefreshNumber(int n);
// Category names from the top, e.g. {"结构信息", "上部构造信息", "空心板"}; empty for 上构布置信息表.
std::vector<std::string> CategoryPath(std::string_view table);

// ---- creating tables ------------------------------------------------------------------------------------

// Writes a central table from scratch: deletes its definition (a missing table is fine) and creates it
// field by field, empty, in one transaction; the caller appends the records. A failure raises
// dao::DaoException and leaves the old table as it was.
void RecreateCentralTable(dao::Database& db, const TableSchema& table);
// Creates the table when the database has none of that name; an existing table is kept as it is.
void EnsureTable(dao::Database& db, const TableSchema& table);

}  // namespace projectdb
