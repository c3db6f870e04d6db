#include "adjunct/adjunct_design.h"

namespace adjunct {
namespace {

using dao::Value;
using modulekit::EnsureDefaultRecords;
using modulekit::SchemaOf;

// Lengths are in metres, angles in degrees.
Value M(double metres) { return Value::Double(metres); }

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
modulekit::TableOutcome DesignPavement(dao::Database& db) {
    return EnsureDefaultRecords(db, SchemaOf(projectdb::kDeckPavementTable),
                                {{{"PaveMaterial", Value::Text("沥青混凝土")},
                                  {"WaterproofMaterial", Value::Text("防水涂料")},
                                  {"CenterThick", M(0.10)},
                                  {"LeftThick", M(0.10)},
                                  {"RightThick", M(0.10)}}});
}

// The common SA-grade concrete wall barrier on both edges: 1.1 m high, 0.25 m at the top, 0.5 m at the foot.
modulekit::TableOutcome DesignFence(dao::Database& db) {
    return EnsureDefaultRecords(db, FenceTable(),
                                {{{"Position", Value::Text("两侧")},
                                  {"FenceType", Value::Text("SA级墙式护栏")},
                                  {"Height", M(1.10)},
                                  {"TopWidth", M(0.25)},
                                  {"BottomWidth", M(0.50)}}});
}

// A 1.5 m walkway with a 0.25 m railing base, posts every 2.5 m, the end post 0.5 m in.
modulekit::TableOutcome DesignWalkway(dao::Database& db) {
    return EnsureDefaultRecords(
        db, SchemaOf(projectdb::kWalkwayTable),
        {{{"WalkwayWidth", M(1.5)}, {"RailBaseWidth", M(0.25)}, {"PostSpacing", M(2.5)}, {"EndPostPosition", M(0.5)}}});
}

// One 8 m approach slab, 0.35 m thick, square to the abutment; its stake and widths are the user's to set.
modulekit::TableOutcome DesignSubslab(dao::Database& db) {
    return EnsureDefaultRecords(db, SchemaOf(projectdb::kApproachSlabTable),
                                {{{"Position", Value::Text("起点")},
                                  {"SlabNum", Value::Long(1)},
                                  {"StartStake", M(0)},
                                  {"CenterLength", M(8.0)},
                                  {"StartWidth", M(12.0)},
                                  {"EndWidth", M(12.0)},
                                  {"StartAngle", M(90)},
                                  {"EndAngle", M(90)},
                                  {"EndThick", M(0.35)},
                                  {"CenterThick", M(0.35)},
                                  {"BL", M(0)},
                                  {"CL", M(0)},
                                  {"BR", M(0)},
                                  {"CR", M(0)}}});
}

// Drain pipes every 5 m, 0.5 m from the kerb.
modulekit::TableOutcome DesignDrainage(dao::Database& db) {
    return EnsureDefaultRecords(db, SchemaOf(projectdb::kDrainageTable),
                                {{{"PipeType", Value::Text("PVC泄水管")},
                                  {"SpaceBetween", M(5.0)},
                                  {"DistDD", M(0.5)},
                                  {"DimL1", M(0.3)},
                                  {"DimL2", M(0.3)},
                                  {"DimL", M(0.6)}}});
}

// A two-lane road under the bridge: 7 m clear width, 4.5 m clear height, crossing square.
modulekit::TableOutcome DesignCrossway(dao::Database& db) {
    return EnsureDefaultRecords(
        db, SchemaOf(projectdb::kCrossedRoadTable),
        {{{"CenterStake", M(0)}, {"ClearWidth", M(7.0)}, {"ClearHeight", M(4.5)}, {"CrossAngle", M(90)}}});
}

}  // namespace adjunct
