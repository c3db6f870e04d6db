// Type names stored in the records, and the member tables they select.
#include <array>

#include "projectdb/schema.h"

namespace projectdb {

namespace {

struct TypeTable {
    const char* typeName;
    const char* table;
};

// Substructure member types with their member tables; the foundation 台阶形扩大基础 is kept in
// 台阶状扩大基础信息表 (形/状 differ on purpose).
constexpr std::array kBentCaps{
    TypeTable{"1类墩帽", kPierCap1Table}, TypeTable{"2类墩帽", kPierCap2Table},
    TypeTable{"3类墩帽", kPierCap3Table}, TypeTable{"1类台帽", kAbutCap1Table},
    TypeTable{"2类台帽", kAbutCap2Table},
};
constexpr std::array kBodies{
    TypeTable{"圆形截面柱式墩身", kRoundColumnTable},
    TypeTable{"矩形截面柱式墩身", kRectColumnTable},
    TypeTable{"尖端形截面实体式墩身", kPointedSolidTable},
    TypeTable{"圆端形截面实体式墩身", kRoundEndSolidTable},
    TypeTable{"矩形截面实体式墩身", kRectSolidTable},
    TypeTable{"多边形截面薄壁墩身", kPolygonWallTable},
    TypeTable{"肋板式台身", kRibAbutBodyTable},
    TypeTable{"U型桥台台身", kUAbutBodyTable},
};
constexpr std::array kConnects{
    TypeTable{"1类承台", kPileCap1Table},
    TypeTable{"2类承台", kPileCap2Table},
    TypeTable{"桩帽", kPileHatTable},
    TypeTable{"系梁", kTieBeamTable},
};
constexpr std::array kFoundations{
    TypeTable{"单排桩基础", kSinglePileRowTable},
    TypeTable{"多排桩基础", kMultiPileRowTable},
    TypeTable{"梅花形桩基础", kQuincunxPileTable},
    TypeTable{"台阶形扩大基础", kSteppedFootingTable},
    TypeTable{"梯形扩大基础", kTrapezoidFootingTable},
    TypeTable{"U台扩大基础(台阶形)", kUAbutSteppedFootingTable},
    TypeTable{"U台扩大基础(趾板式)", kUAbutToeFootingTable},
    TypeTable{"沉井基础", kCaissonTable},
};

struct StructureEntry {
    const char* typeName;
    std::array<const char*, 3> tables;  // unused slots are null
};
constexpr std::array kStructures{
    StructureEntry{"装配式简支空心板桥", {kSlabLayoutTable, kInsideSlabTable, kOutsideSlabTable}},
    StructureEntry{"装配式简支T梁桥", {kTBeamLayoutTable, kInsideTBeamTable, kOutsideTBeamTable}},
    StructureEntry{"简支等截面箱梁桥", {kSimpleConstBoxTable, nullptr, nullptr}},
    StructureEntry{"简支变截面箱梁桥", {kSimpleVarBoxTable, nullptr, nullptr}},
    StructureEntry{"连续等截面箱梁桥", {kContConstBoxTable, nullptr, nullptr}},
    StructureEntry{"连续变截面箱梁桥", {kContVarBoxTable, nullptr, nullptr}},
};

template <std::size_t N>
std::vector<std::string> Names(const std::array<TypeTable, N>& entries) {
    std::vector<std::string> names;
    for (const TypeTable& e : entries) names.emplace_back(e.typeName);
    return names;
}

std::vector<std::string> Split(std::string_view list) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t end = list.find(';', start);
        parts.emplace_back(list.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

}  // namespace

const std::vector<std::string>& StructureTypes() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (const StructureEntry& e : kStructures) v.emplace_back(e.typeName);
        return v;
    }();
    return names;
}

const std::vector<std::string>& BoxCrossSectionTypes() {
    static const std::vector<std::string> names = {"单箱单室", "单箱多室", "多箱单室"};
    return names;
}

const std::vector<std::string>& BentCapTypes() {
    static const std::vector<std::string> names = Names(kBentCaps);
    return names;
}

const std::vector<std::string>& BodyTypes() {
    static const std::vector<std::string> names = Names(kBodies);
    return names;
}

const std::vector<std::string>& ConnectTypes() {
    static const std::vector<std::string> names = Names(kConnects);
    return names;
}

const std::vector<std::string>& FoundationTypes() {
    static const std::vector<std::string> names = Names(kFoundations);
    return names;
}

const std::vector<std::string>& TransectTypes() {
    static const std::vector<std::string> names = {"整体式", "分离式(左右半桥相同)", "分离式(左右半桥不同)"};
    return names;
}

const std::vector<std::string>& DesignedParts() {
    static const std::vector<std::string> names = {"左半桥", "右半桥", "全桥"};
    return names;
}

const std::vector<std::string>& ElevationMethods() {
    static const std::vector<std::string> names = {"按竖曲线计算", "按路基设计表计算"};
    return names;
}

const std::vector<std::string>& SuperelevationMethods() {
    static const std::vector<std::string> names = {"按长度分配", "按三次抛物线分配", "按高次抛物线分配"};
    return names;
}

const std::vector<std::string>& DrawingTypes() {
    static const std::vector<std::string> names = Split(kDrawingTypeList);
    return names;
}

const std::vector<std::string>& SheetSizes() {
    static const std::vector<std::string> names = Split(kSheetSizeList);
    return names;
}

std::optional<std::string> MemberTableOf(std::string_view substructureTypeName) {
    auto find = [&](const auto& entries) -> std::optional<std::string> {
        for (const TypeTable& e : entries)
            if (substructureTypeName == e.typeName) return std::string(e.table);
        return std::nullopt;
    };
    for (auto result : {find(kBentCaps), find(kBodies), find(kConnects), find(kFoundations)})
        if (result) return result;
    return std::nullopt;
}

std::vector<std::string> MemberTablesOfStructure(std::string_view structureType) {
    std::vector<std::string> tables;
    for (const StructureEntry& e : kStructures) {
        if (structureType != e.typeName) continue;
        for (const char* table : e.tables)
            if (table) tables.emplace_back(table);
    }
    return tables;
}

std::string CrossSectionTableOf(std::string_view boxType) {
    return std::string(boxType) + kBoxCrossSectionSuffix;
}

}  // namespace projectdb
