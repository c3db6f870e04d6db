// Where the model puts the supports and how it joins spans into units. Expected values are worked out by
// hand from the fixture's route: due north from stake 800 at X 1000, Y 500; grade 1 % with 101.000 at
// stake 1000.
#include <cmath>

#include "bridge_fixture.h"

namespace bridge_test {
namespace {

using bridge::Bridge;

const std::vector<std::pair<std::string, std::string>> kTwelveMetres = {
    {"TransectType", "整体式"}, {"LeftBridgeWidth", "6"}, {"RightBridgeWidth", "6"}};

// A column of a support by its offset on the support line.
const bridge::Column* ColumnAt(const bridge::Support& s, double along) {
    for (const auto& c : s.columns)
        if (std::fabs(c.offset - along) < 1e-6) return &c;
    return nullptr;
}

TEST(SupportPlacement, FollowsTheRouteWhereItTurns) {
    struct Case {
        const char* name;
        bool arc;
        std::string angle;  // crossing angle of support 1 (at stake 1020)
        int support;
        double along;  // a column 3 m right of the deck centre line, on the support line
        double x, y, station, deckZ, skew;
    };
    // Support 0 stands exactly where the line ends and the circle begins: the tangent is north either way,
    // so the column 3 m to the right lies due east. At 60° the support line turns 60° from north, and a
    // column 3 m along it lies 1.5 m further up the route (3·cos 60°) and 2.598 m across (3·sin 60°).
    const Case cases[] = {
        {"square on the line", false, "90", 1, 3, 1220, 503, 1020, 101.2, 0},
        {"at the element boundary", true, "90", 0, 3, 1200, 503, 1000, 101.0, 0},
        {"skewed 60 degrees", false, "60", 1, 3, 1221.5, 502.598, 1021.5, 101.2, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectSpec spec;
        spec.general = kTwelveMetres;
        spec.arcFrom1000 = c.arc;
        spec.supports = Rows{SupportRow("1000"), SupportRow("1020", c.angle)};
        spec.ground = {{900, 90}, {1200, 120}};  // rising 0.1 m per metre along the route
        Project p = MakeProject(spec);
        const Bridge b = p.Read();
        ASSERT_EQ(b.supports.size(), 2u);
        const bridge::Support& s = b.supports[c.support];
        EXPECT_NEAR(s.deckZ, c.deckZ, 0.001);
        EXPECT_NEAR(s.skew, c.skew, 1e-9);
        // Two columns for a 12 m deck, 6 m apart, where the body table does not say otherwise.
        ASSERT_EQ(s.columns.size(), 2u);
        const bridge::Column* col = ColumnAt(s, c.along);
        ASSERT_NE(col, nullptr);
        EXPECT_NEAR(col->plan.x, c.x, 0.001);
        EXPECT_NEAR(col->plan.y, c.y, 0.001);
        EXPECT_NEAR(col->groundZ, 90 + 0.1 * (c.station - 900), 0.001);
        EXPECT_TRUE(col->groundKnown);
    }
}

TEST(SupportPlacement, GroundGivenOnOneSideOnlyIsNamedNotInvented) {
    ProjectSpec spec;
    spec.ground = {{990, 90}, {1010, 91.1}};  // ends between the two abutments
    Project p = MakeProject(spec);
    const Bridge b = p.Read();
    ASSERT_EQ(b.supports.size(), 2u);
    EXPECT_TRUE(b.supports[0].groundKnown);
    EXPECT_NEAR(b.supports[0].groundZ, 90.55, 0.001);  // halfway from 990 to 1010
    EXPECT_FALSE(b.supports[1].groundKnown);
    EXPECT_NEAR(b.supports[1].groundZ, 91.1, 0.001);   // the nearest point stands in
    int outside = 0;
    for (const auto& f : b.findings)
        if (f.code == "STATION_OUTSIDE_GROUND") {
            ++outside;
            EXPECT_NE(f.text.find("1号台"), std::string::npos) << f.text;
        }
    EXPECT_EQ(outside, 1);
}

TEST(SupportPlacement, ProjectWithoutRouteWarnsOnceForEachMissingPart) {
    ProjectSpec spec;
    spec.route = false;
    Project p = MakeProject(spec);
    const Bridge b = p.Read();
    for (const char* code : {"NO_ROUTE_PLAN", "NO_ROUTE_PROFILE", "NO_GROUND"}) {
        const bridge::Finding* f = FindingOf(b, code);
        ASSERT_NE(f, nullptr) << code;
        EXPECT_EQ(f->severity, 'W');
    }
    // Without a deck or a ground to meet, no support is judged a clash or a gap.
    EXPECT_FALSE(b.HasErrors());
    EXPECT_EQ(FindingOf(b, "SEAT_GAP"), nullptr);
}

TEST(Decks, DividedBridgeDesigningTheRightHalf) {
    ProjectSpec spec;
    spec.general = {{"TransectType", "分离式(左右半桥不同)"}, {"LeftOrRight", "右半桥"},
                    {"LeftBridgeWidth", "10"},               {"RightBridgeWidth", "12"},
                    {"DividerWidth", "0.5"}};
    Project p = MakeProject(spec);
    AddRecord(*p.db, projectdb::kDeckSlopeTable,
              {{"起点桩号", M(800)}, {"终点桩号", M(3000)}, {"左半桥横坡", M(-2)}, {"右半桥横坡", M(-2)}});
    const Bridge b = p.Read();
    ASSERT_EQ(b.decks.size(), 2u);
    // C1 = (B0 + B1)/2 = 5.25 to the left, C2 = (B0 + B2)/2 = 6.25 to the right.
    EXPECT_EQ(b.decks[0].side, bridge::DeckSide::Left);
    EXPECT_DOUBLE_EQ(b.decks[0].width, 10);
    EXPECT_DOUBLE_EQ(b.decks[0].offset, -5.25);
    EXPECT_FALSE(b.decks[0].designed);
    EXPECT_EQ(b.decks[1].side, bridge::DeckSide::Right);
    EXPECT_DOUBLE_EQ(b.decks[1].width, 12);
    EXPECT_DOUBLE_EQ(b.decks[1].offset, 6.25);
    EXPECT_TRUE(b.decks[1].designed);
    // The right deck's centre line lies 6.25 m out on a 2 % fall: 0.125 m below the profile.
    EXPECT_NEAR(b.supports[0].deckZ, 101.0 - 0.125, 0.001);
    EXPECT_NEAR(b.supports[0].centre.y, 506.25, 0.001);
    for (const auto& line : b.supports[1].bearings)
        EXPECT_NEAR(line.deckZ, 100 + 0.01 * (line.station - 900) - 0.125, 0.001);
}

TEST(Decks, EqualHalvesDesignBothAndAnIntegralDeckIsOne) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> general;
        std::vector<std::pair<double, bool>> decks;  // width, designed
    };
    const Case cases[] = {
        {"halves alike", {{"TransectType", "分离式(左右半桥相同)"}, {"LeftBridgeWidth", "11"}, {"DividerWidth", "1"}},
         {{11, true}, {11, true}}},
        {"integral", {{"TransectType", "整体式"}, {"LeftBridgeWidth", "5"}, {"RightBridgeWidth", "7"}}, {{12, true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectSpec spec;
        spec.general = c.general;
        Project p = MakeProject(spec);
        const Bridge b = p.Read();
        ASSERT_EQ(b.decks.size(), c.decks.size());
        for (std::size_t d = 0; d < c.decks.size(); ++d) {
            EXPECT_DOUBLE_EQ(b.decks[d].width, c.decks[d].first);
            EXPECT_EQ(b.decks[d].designed, c.decks[d].second);
        }
        EXPECT_EQ(b.DesignedDeck(), &b.decks[0]);
    }
}

TEST(Units, JointsDecideWhichSpansFormOneGirder) {
    struct Case {
        const char* name;
        std::string type;
        Rows joints;
        std::vector<std::vector<int>> units;
        bool continuous;
        std::size_t bearingsOnPier1;
    };
    const std::string box = "连续等截面箱梁桥", tbeam = "装配式简支T梁桥";
    const Case cases[] = {
        // 40 + 60 + 40: supports at 1000, 1040, 1100, 1140.
        {"continuous box, joints at the abutments only", box, {{"1000"}, {"1140"}}, {{0, 1, 2}}, true, 1},
        {"continuous box cut at every pier", box, {{"1000"}, {"1040"}, {"1100"}, {"1140"}}, {{0}, {1}, {2}},
         false, 2},
        {"T-beams with a continuous deck", tbeam, {{"1000"}, {"1140"}}, {{0, 1, 2}}, false, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectSpec spec;
        spec.sections = {{c.type, "1", "40"}, {c.type, "1", "60"}, {c.type, "1", "40"}};
        spec.joints = c.joints;
        Project p = MakeProject(spec);
        const Bridge b = p.Read();
        ASSERT_EQ(b.units.size(), c.units.size());
        for (std::size_t u = 0; u < c.units.size(); ++u) {
            EXPECT_EQ(b.units[u].spans, c.units[u]);
            EXPECT_EQ(b.units[u].continuous, c.continuous && b.units[u].spans.size() > 1);
        }
        ASSERT_EQ(b.supports.size(), 4u);
        EXPECT_EQ(b.supports[1].bearings.size(), c.bearingsOnPier1);
        EXPECT_EQ(FindingOf(b, "UNIT_MIXED_TYPES"), nullptr);
        EXPECT_EQ(FindingOf(b, "SPAN_STATIONS"), nullptr);
    }
}

TEST(Units, OneSpanIsOneUnitBetweenTwoAbutments) {
    Project p = MakeProject({});
    AddRecord(*p.db, projectdb::kAbutCap1Table, {{"PierAbutmentNum", N(0)}, {"BackWallWidth", M(0.5)}});
    AddRecord(*p.db, projectdb::kAbutCap1Table, {{"PierAbutmentNum", N(1)}, {"BackWallWidth", M(0.6)}});
    const Bridge b = p.Read();
    ASSERT_EQ(b.units.size(), 1u);
    EXPECT_EQ(b.units[0].spans, std::vector<int>{0});
    EXPECT_FALSE(b.units[0].continuous);
    ASSERT_EQ(b.supports.size(), 2u);
    EXPECT_EQ(b.supports[0].kind, bridge::SupportKind::Abutment);
    EXPECT_EQ(b.supports[1].kind, bridge::SupportKind::Abutment);
    // Back wall to back wall: 0.5 behind the start joint, 20 m of span, 0.6 behind the end joint.
    EXPECT_NEAR(b.length, 21.1, 1e-9);
}

TEST(Units, FindingsWhereSpansAndSupportsDisagree) {
    struct Case {
        const char* name;
        Rows sections;
        std::optional<Rows> supports;
        Rows joints;
        const char* code;  // expected error, or null for none
    };
    const Case cases[] = {
        {"support stake 1 m off", {{"装配式简支空心板桥", "1", "20"}}, Rows{SupportRow("1000"), SupportRow("1021")},
         {{"1000"}, {"1021"}}, "SPAN_STATIONS"},
        {"two types in one unit", {{"装配式简支空心板桥", "1", "20"}, {"装配式简支T梁桥", "1", "30"}}, std::nullopt,
         {{"1000"}, {"1050"}}, "UNIT_MIXED_TYPES"},
        {"two types split by a joint", {{"装配式简支空心板桥", "1", "20"}, {"装配式简支T梁桥", "1", "30"}},
         std::nullopt, {{"1000"}, {"1020"}, {"1050"}}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectSpec spec;
        spec.sections = c.sections;
        spec.supports = c.supports;
        spec.joints = c.joints;
        Project p = MakeProject(spec);
        const Bridge b = p.Read();
        for (const char* code : {"SPAN_STATIONS", "UNIT_MIXED_TYPES"}) {
            const bridge::Finding* f = FindingOf(b, code);
            if (c.code && std::string(code) == c.code) {
                ASSERT_NE(f, nullptr);
                EXPECT_EQ(f->severity, 'E');
                EXPECT_FALSE(f->table.empty());
            } else {
                EXPECT_EQ(f, nullptr) << f->text;
            }
        }
    }
}

}  // namespace
}  // namespace bridge_test
