// The superstructure of each span: what the member tables hold, else the standard proposal, marked so.
#include "bridge_fixture.h"
#include "bridge/standard_sizes.h"

namespace bridge_test {
namespace {

TEST(Superstructure, StandardTBeamDepthsBySpan) {
    // The common standard T-beams: 1.5 m at 20 m, 2.0 m at 30 m, 2.5 m at 40 m.
    for (auto [span, depth] : {std::pair{20.0, 1.5}, {30.0, 2.0}, {40.0, 2.5}}) {
        SCOPED_TRACE(span);
        EXPECT_DOUBLE_EQ(bridge::StandardDepth("装配式简支T梁桥", span), depth);
    }
}

TEST(Superstructure, EmptyMemberTablesGiveAProposalMarkedAsSuch) {
    ProjectSpec spec;
    spec.sections = {{"装配式简支T梁桥", "1", "20"}};
    Project p = MakeProject(spec);
    const bridge::Bridge b = p.Read();
    ASSERT_EQ(b.superstructures.size(), 1u);
    const bridge::Superstructure& g = b.superstructures[0];
    EXPECT_TRUE(g.proposed);
    EXPECT_TRUE(g.table.empty());
    EXPECT_GE(g.depth, 1.4);
    EXPECT_GT(g.beamCount, 0);
}

TEST(Superstructure, MemberTablesHoldTheDepthAndLayout) {
    ProjectSpec spec;
    spec.sections = {{"装配式简支T梁桥", "1", "20"}};
    Project p = MakeProject(spec);
    AddRecord(*p.db, projectdb::kTBeamLayoutTable,
              {{"TBeamInWhichSpan", N(1)}, {"TBeamsEverySpan", N(5)}, {"TransverseDist", M(2.4)},
               {"InsideTBeamType", S("T20")}, {"OutsideTBeamType", S("T20边")}});
    AddRecord(*p.db, projectdb::kInsideTBeamTable, {{"TBeamType", S("T20")}, {"TBeamHeight", M(1.6)}, {"DistToBearing", M(0.3)}});
    const bridge::Bridge b = p.Read();
    const bridge::Superstructure& g = b.superstructures[0];
    EXPECT_FALSE(g.proposed);
    EXPECT_EQ(g.table, projectdb::kInsideTBeamTable);
    EXPECT_DOUBLE_EQ(g.depth, 1.6);
    EXPECT_EQ(g.beamCount, 5);
    EXPECT_DOUBLE_EQ(g.beamSpacing, 2.4);
    // The bearing line lies half the 4 cm joint gap plus 0.30 m inside the span.
    ASSERT_EQ(b.supports[0].bearings.size(), 1u);
    EXPECT_NEAR(b.supports[0].bearings[0].station, 1000.32, 1e-9);
    // The end abutment's chain takes the beam depth.
    EXPECT_DOUBLE_EQ(b.supports[1].chain.girderDepth, 1.6);
}

TEST(Superstructure, VariableDepthBoxOverItsPier) {
    ProjectSpec spec;
    const std::string box = "连续变截面箱梁桥";
    spec.sections = {{box, "1", "40"}, {box, "1", "60"}, {box, "1", "40"}};
    spec.joints = Rows{{"1000"}, {"1140"}};
    Project p = MakeProject(spec);
    AddRecord(*p.db, projectdb::kContVarBoxTable,
              {{"InWhichSpan", N(2)}, {"Position", S("中跨")}, {"BoxEndHeightL", M(3.6)}, {"BoxEndHeightR", M(3.4)},
               {"BoxCenterHeight", M(1.8)}, {"DistToBearing", M(0.5)}, {"TransectType", S("单箱多室")}});
    AddRecord(*p.db, projectdb::kSingleBoxMultiCellTable, {{"Position", S("中跨")}, {"BoxNumber", M(2)}});
    const bridge::Bridge b = p.Read();
    const bridge::Superstructure& main = b.superstructures[1];
    EXPECT_FALSE(main.proposed);
    EXPECT_DOUBLE_EQ(main.depth, 1.8);
    EXPECT_EQ(main.boxCells, 2);
    // Pier 1 carries the deeper of the side span's proposed end and the main span's 3.6 m start.
    EXPECT_GE(b.supports[1].chain.girderDepth, 3.6);
    EXPECT_DOUBLE_EQ(b.supports[2].chain.girderDepth,
                     std::max(3.4, b.superstructures[2].startDepth));
    // One girder: each pier has a single bearing line on its centre line.
    EXPECT_EQ(b.supports[1].bearings.size(), 1u);
    EXPECT_DOUBLE_EQ(b.supports[1].bearings[0].station, 1040);
}

}  // namespace
}  // namespace bridge_test
