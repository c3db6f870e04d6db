#include "adjunct/adjunct_design.h"

#include "kit/bridge_facts.h"
#include "kit/record_sheet.h"

namespace adjunct {
namespace {

using dao::Value;
using modulekit::M;
using modulekit::SchemaOf;

// Lengths are in metres, angles in degrees.
// The table's records through the editor, or the one default record when it has none.
bool Edit(dao::Database& db, const projectdb::TableSchema& table, const char* title, const char* defaultsFrom,
          const modulekit::Record& defaults) {
    std::string note = "表中已有的记录原样列出；表为空时列出的是默认记录：" + std::string(defaultsFrom) +
                       "。长度以米计，角度以度计。";
    return modulekit::EditTable(db, {&table, {}, "", false}, title, note, {defaults});
}

}  // namespace

const projectdb::TableSchema& FenceTable() {
    static const projectdb::TableSchema table = [] {
        using projectdb::FieldDef;
        projectdb::TableSchema t;
        t.name = projectdb::kCrashBarrierTable;
        t.fields = {
            FieldDef{"Position", dao::dbText, projectdb::kTextSize, "位置", "位置"},
            FieldDef{"FenceType", dao::dbText, projectdb::kTextSize, "护栏形式", "护栏形式"},
            FieldDef{"Height", dao::dbDouble, projectdb::kDoubleSize, "高度", "高度"},
            FieldDef{"TopWidth", dao::dbDouble, projectdb::kDoubleSize, "顶宽", "顶宽"},
            FieldDef{"BottomWidth", dao::dbDouble, projectdb::kDoubleSize, "底宽", "底宽"},
        };
        return t;
    }();
    return table;
}

// 10 cm asphalt concrete over a waterproof coat, even across the deck.
bool DesignPavement(dao::Database& db) {
    return Edit(db, SchemaOf(projectdb::kDeckPavementTable), "桥面铺装", "10 cm沥青混凝土铺装加防水涂料，全宽等厚",
                {{"PaveMaterial", Value::Text("沥青混凝土")},
                 {"WaterproofMaterial", Value::Text("防水涂料")},
                 {"CenterThick", M(0.10)},
                 {"LeftThick", M(0.10)},
                 {"RightThick", M(0.10)}});
}

// The common SA-grade concrete wall barrier on both edges: 1.1 m high, 0.25 m at the top, 0.5 m at the foot.
bool DesignFence(dao::Database& db) {
    return Edit(db, FenceTable(), "墙式护栏", "两侧SA级混凝土墙式护栏，高1.1 m、顶宽0.25 m、底宽0.5 m",
                {{"Position", Value::Text("两侧")},
                 {"FenceType", Value::Text("SA级墙式护栏")},
                 {"Height", M(1.10)},
                 {"TopWidth", M(0.25)},
                 {"BottomWidth", M(0.50)}});
}

// A 1.5 m walkway with a 0.25 m railing base, posts every 2.5 m, the end post 0.5 m in.
bool DesignWalkway(dao::Database& db) {
    return Edit(
        db, SchemaOf(projectdb::kWalkwayTable), "人行道及栏杆",
        "人行道宽1.5 m，栏杆座宽0.25 m，立柱间距2.5 m，端立柱距端部0.5 m",
        {{"WalkwayWidth", M(1.5)}, {"RailBaseWidth", M(0.25)}, {"PostSpacing", M(2.5)}, {"EndPostPosition", M(0.5)}});
}

// One 8 m approach slab, 0.35 m thick, square to the abutment, at the start abutment and as wide as the deck
// this project designs (the designed half of a divided bridge; 12 m when the general information gives no
// width).
bool DesignSubslab(dao::Database& db) {
    const modulekit::BridgeFacts bridge = modulekit::ReadBridgeFacts(db);
    const double start = bridge.startStation;
    const double width = bridge.deck.width;
    return Edit(db, SchemaOf(projectdb::kApproachSlabTable), "桥头搭板",
                "起点桥台一块8 m长、0.35 m厚的正交搭板，起点桩号取起点桥台桩号，宽度取本项目所设计桥面的全宽"
                "（分离式取本幅宽度，未定时12 m）",
                {{"Position", Value::Text("起点")},
                 {"SlabNum", Value::Long(1)},
                 {"StartStake", M(start)},
                 {"CenterLength", M(8.0)},
                 {"StartWidth", M(width)},
                 {"EndWidth", M(width)},
                 {"StartAngle", M(90)},
                 {"EndAngle", M(90)},
                 {"EndThick", M(0.35)},
                 {"CenterThick", M(0.35)},
                 {"BL", M(0)},
                 {"CL", M(0)},
                 {"BR", M(0)},
                 {"CR", M(0)}});
}

// Drain pipes every 5 m, 0.5 m from the kerb.
bool DesignDrainage(dao::Database& db) {
    return Edit(db, SchemaOf(projectdb::kDrainageTable), "泄水管", "PVC泄水管，间距5 m，距缘石0.5 m",
                {{"PipeType", Value::Text("PVC泄水管")},
                 {"SpaceBetween", M(5.0)},
                 {"DistDD", M(0.5)},
                 {"DimL1", M(0.3)},
                 {"DimL2", M(0.3)},
                 {"DimL", M(0.6)}});
}

// A two-lane road under the middle of the bridge: 7 m clear width, 4.5 m clear height, crossing square.
bool DesignCrossway(dao::Database& db) {
    const double centre = modulekit::ReadBridgeFacts(db).centreStation;
    return Edit(db, SchemaOf(projectdb::kCrossedRoadTable), "被交道",
                "桥中心处正交的双车道公路，净宽7 m、净高4.5 m，中心桩号取桥中心桩号",
                {{"CenterStake", M(centre)}, {"ClearWidth", M(7.0)}, {"ClearHeight", M(4.5)}, {"CrossAngle", M(90)}});
}

}  // namespace adjunct
