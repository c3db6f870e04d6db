// Cone slopes and approach slabs at the bridge ends: their heights, toes, corners and volumes against hand
// calculations on the fixture's route (due north from stake 800 at X 1000, Y 500; deck 101.000 at stake
// 1000 on a 1 % grade; 12 m deck; standard 10 cm pavement; abutments at stakes 1000 and 1020).
#include <cmath>
#include <numbers>

#include "bridge_fixture.h"

namespace bridge_test {
namespace {

// One quarter cone of height h falling 1:m along and 1:n across: a quarter of an elliptic cone.
double QuarterCone(double h, double m, double n) { return std::numbers::pi / 12 * (h * m) * (h * n) * h; }

double VolumeOf(const bridge::Bridge& b, const std::string& member, int support) {
    double v = 0;
    for (const auto& s : b.solids)
        if (s.member == member && s.support == support) v += s.volume;
    return v;
}

void AddCone(dao::Database& db, const std::string& position, double dist, double along, double across) {
    AddRecord(db, projectdb::kConeTable,
              {{"Position", S(position)}, {"DistToAbutEnd", M(dist)}, {"RatioAlong", M(along)},
               {"RatioAcross", M(across)}, {"BackSlopeLength", M(1)}});
}

TEST(ConeSlopes, HeightToeAndVolumeOnLevelAndRisingGround) {
    struct Case {
        const char* name;
        std::vector<std::pair<double, double>> ground;
        double dist;
        int support;
        double height, toeStation;
    };
    // Level ground at 90: the start cone falls from 101.000 − 0.10 = 100.900, the end cone from 101.100;
    // 1:1.5 along. Ground rising 1:20 from 90 at stake 900: at the start 100.900 − d/1.5 = 95 + d/20 gives
    // d = 5.9 / (1/1.5 + 1/20) = 8.2326. A top 2 m into the span stands at 100.920.
    const Case cases[] = {
        {"level start", {{900, 90}, {1200, 90}}, 0, 0, 10.9, 1016.35},
        {"level end", {{900, 90}, {1200, 90}}, 0, 1, 11.1, 1003.35},
        {"rising ground", {{900, 90}, {1100, 100}}, 0, 0, 5.9 / (1 / 1.5 + 0.05) / 1.5, 1000 + 5.9 / (1 / 1.5 + 0.05)},
        {"top into the span", {{900, 90}, {1200, 90}}, 2, 0, 10.92, 1002 + 10.92 * 1.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectSpec spec;
        spec.ground = c.ground;
        Project p = MakeProject(spec);
        AddCone(*p.db, c.support == 0 ? "起点" : "终点", c.dist, 1.5, 1.0);
        const bridge::Bridge b = p.Read();
        ASSERT_EQ(b.cones.size(), 1u);
        const bridge::ConeSlope& cone = b.cones[0];
        EXPECT_EQ(cone.support, c.support);
        EXPECT_NEAR(cone.height, c.height, 1e-6);
        EXPECT_NEAR(cone.toeStation, c.toeStation, 1e-6);
        // The tops on the deck edges, 6 m either side of the centre line (east is right).
        EXPECT_NEAR(cone.topLeft.y, 494, 1e-6);
        EXPECT_NEAR(cone.topRight.y, 506, 1e-6);
        EXPECT_NEAR(VolumeOf(b, "锥坡", c.support), 2 * QuarterCone(c.height, 1.5, 1.0), 1e-6);
    }
}

TEST(ConeSlopes, OneRecordWithoutPositionServesBothEndsAndBadRatiosAreTold) {
    {
        Project p = MakeProject({});
        AddCone(*p.db, "", 0, 1.0, 1.0);
        const bridge::Bridge b = p.Read();
        ASSERT_EQ(b.cones.size(), 2u);
        EXPECT_NEAR(VolumeOf(b, "锥坡", 0), 2 * QuarterCone(10.9, 1, 1), 1e-6);
        EXPECT_NEAR(VolumeOf(b, "锥坡", 1), 2 * QuarterCone(11.1, 1, 1), 1e-6);
    }
    {
        Project p = MakeProject({});
        AddCone(*p.db, "起点", 0, 0, 1.0);
        const bridge::Bridge b = p.Read();
        EXPECT_TRUE(b.cones.empty());
        ASSERT_NE(FindingOf(b, "CONE_RATIO"), nullptr);
        EXPECT_EQ(FindingOf(b, "CONE_RATIO")->table, projectdb::kConeTable);
    }
    {
        // 1:3 from 10.9 m high reaches 32.7 m, past the end abutment 20 m away: kept, and told.
        Project p = MakeProject({});
        AddCone(*p.db, "起点", 0, 3.0, 1.0);
        const bridge::Bridge b = p.Read();
        EXPECT_EQ(b.cones.size(), 1u);
        EXPECT_NE(FindingOf(b, "CONE_PAST_SUPPORT"), nullptr);
    }
    {
        // Ground above the deck: no cone, and the model says why.
        ProjectSpec spec;
        spec.ground = {{900, 110}, {1200, 110}};
        Project p = MakeProject(spec);
        AddCone(*p.db, "起点", 0, 1.5, 1.0);
        const bridge::Bridge b = p.Read();
        EXPECT_TRUE(b.cones.empty());
        EXPECT_NE(FindingOf(b, "CONE_NO_HEIGHT"), nullptr);
    }
}

TEST(ApproachSlabs, PlacedBehindTheirAbutmentWithTheirVolume) {
    Project p = MakeProject({});
    auto slab = [&](const std::string& position, double stake, double startAngle) {
        AddRecord(*p.db, projectdb::kApproachSlabTable,
                  {{"Position", S(position)}, {"SlabNum", N(1)}, {"StartStake", M(stake)}, {"CenterLength", M(8)},
                   {"StartWidth", M(12)}, {"EndWidth", M(10)}, {"StartAngle", M(startAngle)}, {"EndAngle", M(90)},
                   {"EndThick", M(0.30)}, {"CenterThick", M(0.40)}});
    };
    slab("起点", 1000, 60);
    slab("终点", 1020, 90);
    const bridge::Bridge b = p.Read();
    ASSERT_EQ(b.approachSlabs.size(), 2u);

    const bridge::ApproachSlab& start = b.approachSlabs[0];
    EXPECT_EQ(start.support, 0);
    EXPECT_NEAR(start.endStation, 992, 1e-9);         // away from the bridge
    EXPECT_NEAR(start.endTopZ, 100.92 - 0.10, 1e-6);  // deck at 992 less the pavement
    // The start end cut at 60°: its left corner 6 / tan 60° = 3.4641 m back along the route (north is x).
    EXPECT_NEAR(start.corners[0].x, 1200 - 6 / std::tan(std::numbers::pi / 3), 1e-6);
    EXPECT_NEAR(start.corners[0].y, 494, 1e-6);
    EXPECT_NEAR(start.corners[2].y, 505, 1e-6);  // the far end 10 m wide
    EXPECT_NEAR(b.approachSlabs[1].endStation, 1028, 1e-9);

    // Mean width 11 m × 8 m × mean thickness 0.35 m: the width tapers linearly and the thickness is
    // symmetric about the middle, so the mean of each multiplies.
    EXPECT_NEAR(VolumeOf(b, "搭板", 0), 11 * 8 * 0.35, 1e-9);
    EXPECT_NEAR(VolumeOf(b, "搭板", 1), 11 * 8 * 0.35, 1e-9);
}

TEST(ApproachSlabs, NoneWithoutRecordsAndASlabWithoutLengthIsTold) {
    {
        const bridge::Bridge b = MakeProject({}).Read();
        EXPECT_TRUE(b.approachSlabs.empty());
        EXPECT_TRUE(b.cones.empty());
    }
    Project p = MakeProject({});
    AddRecord(*p.db, projectdb::kApproachSlabTable, {{"Position", S("起点")}, {"EndThick", M(0.3)}});
    const bridge::Bridge b = p.Read();
    EXPECT_TRUE(b.approachSlabs.empty());
    EXPECT_NE(FindingOf(b, "SLAB_SIZE"), nullptr);
}

}  // namespace
}  // namespace bridge_test
