// Precast units, bearings and deck pavement against hand calculations. The fixture's route runs due north
// from stake 800 at X 1000, Y 500 on a 1 % grade through 101.000 at stake 1000.
#include <cmath>
#include <numbers>

#include "bridge_fixture.h"

namespace bridge_test {
namespace {

const double kGrade = std::sqrt(1 + 0.01 * 0.01);  // a path's length per metre of route on the 1 % grade

double Polygon(int n, double d) { return 0.5 * n * (d / 2) * (d / 2) * std::sin(2 * std::numbers::pi / n); }

// One 20 m span of five T-beams 1.6 m deep at 2.4 m, their bearing lines 0.30 m inside the joints; the
// supports cross the route at `angle` degrees.
Project TBeamProject(const std::string& angle = "90") {
    ProjectSpec spec;
    spec.sections = {{"装配式简支T梁桥", "1", "20"}};
    spec.supports = Rows{SupportRow("1000", angle), SupportRow("1020", angle)};
    Project p = MakeProject(spec);
    AddRecord(*p.db, projectdb::kTBeamLayoutTable,
              {{"TBeamInWhichSpan", N(1)}, {"TBeamsEverySpan", N(5)}, {"TransverseDist", M(2.4)},
               {"InsideTBeamType", S("T20")}, {"OutsideTBeamType", S("T20边")}});
    AddRecord(*p.db, projectdb::kInsideTBeamTable, {{"TBeamType", S("T20")}, {"TBeamHeight", M(1.6)}, {"DistToBearing", M(0.3)}});
    return p;
}

TEST(DeckMembers, TBeamsOneByOneWithTwoBearingsEachAndTheStandardPavement) {
    Project p = TBeamProject();
    const bridge::Bridge b = p.Read();
    const auto& units = b.deckMembers.units;
    ASSERT_EQ(units.size(), 5u);
    // A 2.4 m flange 0.18 m thick over a 0.20 m web down the remaining 1.42 m: 0.716 m² a beam.
    double areas = 0;
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(units[k].solid.member, "T梁");
        EXPECT_NEAR(units[k].offset, -4.8 + 2.4 * k, 1e-9);
        EXPECT_NEAR(units[k].solid.area, 0.716, 1e-9);
        EXPECT_NEAR(units[k].solid.volume, 0.716 * 19.96 * kGrade, 1e-9);
        // Each beam runs on its own axis, 2.4 m apart, due north.
        EXPECT_NEAR(units[k].solid.path.front().y, 500 - 4.8 + 2.4 * k, 1e-6);
        EXPECT_NEAR(units[k].solid.path.front().x, 1200.02, 1e-6);
        areas += units[k].solid.area;
    }
    // The beams share out the span's girder section exactly.
    for (const auto& s : b.solids)
        if (s.member == "主梁") {
            EXPECT_NEAR(areas, s.area, 1e-9);
        }

    // Two bearings a beam, one on each bearing line (1000.32 and 1019.68); under the middle beam at the start
    // the girder's bottom is 101.0032 − 0.10 pavement − 1.6 = 99.3032, the seat 0.15 lower.
    const auto& bearings = b.deckMembers.bearings;
    ASSERT_EQ(bearings.size(), 10u);
    int atStart = 0;
    for (const auto& br : bearings) {
        EXPECT_NEAR(br.solid.volume, 0.30 * 0.35 * 0.15, 1e-12);
        EXPECT_TRUE(br.height.standard);
        EXPECT_NE(br.size.find("标准值"), std::string::npos);
        if (br.support != 0) continue;
        ++atStart;
        EXPECT_NEAR(br.station, 1000.32, 1e-9);
        if (br.unit != 2) continue;
        EXPECT_NEAR(br.solid.path.back().z, 99.3032, 1e-6);
        EXPECT_NEAR(br.solid.path.front().z, 99.1532, 1e-6);
        EXPECT_NEAR(br.solid.path.front().x, 1200.32, 1e-6);
    }
    EXPECT_EQ(atStart, 5);

    ASSERT_EQ(b.deckMembers.pavements.size(), 1u);
    const bridge::Pavement& pave = b.deckMembers.pavements[0];
    EXPECT_TRUE(pave.thickness.standard);
    EXPECT_EQ(pave.solid.table, "");
    EXPECT_NEAR(pave.solid.volume, 12 * 0.10 * 19.96 * kGrade, 1e-9);
}

TEST(DeckMembers, SlabsWithTheirVoidsAndThePavementOfItsTable) {
    Project p = ChainProject(9.77);  // twelve 1.0 m slabs 0.90 m deep, 18 cm of pavement
    const bridge::Bridge b = p.Read();
    ASSERT_EQ(b.deckMembers.units.size(), 12u);
    for (const auto& u : b.deckMembers.units) {
        EXPECT_EQ(u.solid.member, "空心板");
        EXPECT_EQ(u.solid.holes.size(), 1u);
        EXPECT_NEAR(u.solid.area, 1.0 * 0.90 - Polygon(16, 0.54), 1e-9);
    }
    EXPECT_EQ(b.deckMembers.bearings.size(), 24u);
    const bridge::Pavement& pave = b.deckMembers.pavements.at(0);
    EXPECT_FALSE(pave.thickness.standard);
    EXPECT_EQ(pave.solid.table, projectdb::kDeckPavementTable);
    EXPECT_NEAR(pave.solid.volume, 12 * 0.18 * 19.96 * kGrade, 1e-9);
}

TEST(DeckMembers, OnSkewedSupportsTheBeamsAreStaggeredButKeepTheirLength) {
    // Supports crossing at 60°: a beam 4.8 m right of the centre line meets them 4.8 / tan 60° = 2.7713 m
    // further along the route.
    Project p = TBeamProject("60");
    const bridge::Bridge b = p.Read();
    ASSERT_EQ(b.deckMembers.units.size(), 5u);
    const double shift = 4.8 / std::tan(60 * std::numbers::pi / 180);
    const auto& right = b.deckMembers.units[4].solid;
    EXPECT_NEAR(right.path.front().x, 1200.02 + shift, 1e-6);
    EXPECT_NEAR(right.path.back().x, 1219.98 + shift, 1e-6);
    EXPECT_NEAR(right.volume, 0.716 * 19.96 * kGrade, 1e-9);
    const auto& left = b.deckMembers.units[0].solid;
    EXPECT_NEAR(left.path.front().x, 1200.02 - shift, 1e-6);
    // The bearing under that beam at the start stands on the bearing line, staggered the same way.
    for (const auto& br : b.deckMembers.bearings)
        if (br.support == 0 && br.unit == 4) {
            EXPECT_NEAR(br.solid.path.front().x, 1200.32 + shift, 1e-6);
        }
}

TEST(DeckMembers, AContinuousBoxBearsOnEveryWebAtEverySupportLine) {
    ProjectSpec spec;
    spec.sections = {{"连续等截面箱梁桥", "2", "30"}};
    Project p = MakeProject(spec);
    const bridge::Bridge b = p.Read();
    EXPECT_TRUE(b.deckMembers.units.empty());
    // A 12 m deck is one cell with two webs; one bearing line at each abutment and one over the pier.
    const auto& bearings = b.deckMembers.bearings;
    ASSERT_EQ(bearings.size(), 6u);
    for (const auto& br : bearings) {
        EXPECT_NEAR(br.solid.volume, 0.6 * 0.6 * 0.25, 1e-12);
        // the webs stand 0.2 m inside the 7.2 m bottom of the box
        EXPECT_NEAR(std::fabs(br.offset), 3.4, 1e-9);
    }
    EXPECT_EQ(b.deckMembers.pavements.size(), 2u);
}

}  // namespace
}  // namespace bridge_test
