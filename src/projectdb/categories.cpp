// The category tree under which the table tree shows the tables of a project.
#include "projectdb/schema.h"

namespace projectdb {

namespace {

using Names = std::vector<std::string>;

Category Node(int id, std::string name, int refresh, Names tables, Names refreshTables = {},
              std::vector<Category> children = {}) {
    return {id, std::move(name), refresh, std::move(tables), std::move(refreshTables), std::move(children)};
}

Category BuildTree() {
    const Names general = {kGeneralInfoTable,  kLibraryStructureTable, kSpanDivisionTable,
                           kSuperSpanTable,    kSubLayoutTable,        kJointTable,
                           kDrawingLayoutTable};
    // A refresh tries its own list, which also names 上构布置信息表; that table is never shown, so it is
    // left out here.
    const Names generalRefresh = {kGeneralInfoTable, kSpanDivisionTable, kSuperSpanTable,
                                  kSubLayoutTable,   kJointTable,        kDrawingLayoutTable};
    const Names site = {kGroundLineTable,      kBoreholeTable,      kBoreholeLayerTable, kHydrologyTable,
                        kHorizontalCurveTable, kVerticalCurveTable, kRoadDesignTable,    kDeckSlopeTable};
    const Names siteRefresh = {kGroundLineTable, kHorizontalCurveTable, kVerticalCurveTable,
                               kBoreholeTable,   kBoreholeLayerTable,   kHydrologyTable,
                               kRoadDesignTable, kDeckSlopeTable};
    const Names slab = {kSlabLayoutTable, kInsideSlabTable, kOutsideSlabTable};
    const Names tbeam = {kTBeamLayoutTable, kInsideTBeamTable, kOutsideTBeamTable};
    const Names box = {kSimpleConstBoxTable,     kSimpleVarBoxTable,        kContConstBoxTable,
                       kContVarBoxTable,         kSingleBoxSingleCellTable, kSingleBoxMultiCellTable,
                       kMultiBoxSingleCellTable, kMultiBoxMultiCellTable};
    const Names caps = {kPierCap1Table, kPierCap2Table, kPierCap3Table, kAbutCap1Table, kAbutCap2Table};
    const Names bodies = {kRoundColumnTable, kRectColumnTable,  kPointedSolidTable, kRoundEndSolidTable,
                          kRectSolidTable,   kPolygonWallTable, kRibAbutBodyTable,  kUAbutBodyTable};
    const Names connects = {kPileCap1Table, kPileCap2Table, kPileHatTable, kTieBeamTable};
    const Names foundations = {kSinglePileRowTable,   kMultiPileRowTable,     kQuincunxPileTable,
                               kSteppedFootingTable,  kTrapezoidFootingTable, kUAbutSteppedFootingTable,
                               kUAbutToeFootingTable, kCaissonTable,          kStopperTable};
    const Names auxiliary = {kDeckPavementTable, kCrashBarrierTable, kWalkwayTable,
                             kApproachSlabTable, kDrainageTable,     kLightingTable,
                             kCrossedRoadTable,  kConeTable,         kRetainingWallTable};
    // Every table that no other category names falls back here; these three are what a refresh lists.
    const Names other = {kDrawingStateSuffix, kTendonTable, kRebarLayoutTable};

    Category super = Node(
        4, "上部构造信息", 0, {}, {},
        {Node(5, "空心板", 3, slab, slab), Node(6, "T梁", 4, tbeam, tbeam), Node(7, "箱梁", 5, box, box)});
    Category sub = Node(
        8, "下部构造信息", 0, {}, {},
        {Node(9, "墩台帽梁", 6, caps, caps), Node(10, "墩台身", 7, bodies, bodies),
         Node(11, "连接构造", 8, connects, connects), Node(12, "墩台基础", 9, foundations, foundations)});
    Category structure =
        Node(3, "结构信息", 0, {}, {},
             {std::move(super), std::move(sub), Node(13, "附属构造信息", 10, auxiliary, auxiliary)});
    return Node(0, "", 0, {}, {},
                {Node(1, "总体信息", 1, general, generalRefresh), Node(2, "桥址信息", 2, site, siteRefresh),
                 std::move(structure), Node(14, "其它信息", 12, other, other)});
}

// Depth-first in the order of the lists; fills `path` with the nodes from the top down to the match.
bool FindPath(const Category& node, const auto& match, std::vector<const Category*>& path) {
    if (match(node)) {
        path.push_back(&node);
        return true;
    }
    for (const Category& child : node.children) {
        if (FindPath(child, match, path)) {
            if (!node.name.empty()) path.insert(path.begin(), &node);
            return true;
        }
    }
    return false;
}

std::vector<const Category*> PathOf(std::string_view table) {
    std::vector<const Category*> path;
    if (table == kSuperLayoutTable) return path;
    auto lists = [&](const Category& c) {
        for (const std::string& t : c.tables)
            if (t == table) return true;
        return false;
    };
    if (FindPath(CategoryTree(), lists, path)) return path;
    path.push_back(CategoryByRefreshNumber(12));
    return path;
}

}  // namespace

const Category& CategoryTree() {
    static const Category tree = BuildTree();
    return tree;
}

const Category* CategoryOf(std::string_view table) {
    std::vector<const Category*> path = PathOf(table);
    return path.empty() ? nullptr : path.back();
}

const Category* CategoryByRefreshNumber(int n) {
    if (n <= 0) return nullptr;
    std::vector<const Category*> path;
    FindPath(
        CategoryTree(), [n](const Category& c) { return c.refreshNumber == n; }, path);
    return path.empty() ? nullptr : path.back();
}

std::vector<std::string> CategoryPath(std::string_view table) {
    std::vector<std::string> names;
    for (const Category* c : PathOf(table)) names.push_back(c->name);
    return names;
}

}  // namespace projectdb
