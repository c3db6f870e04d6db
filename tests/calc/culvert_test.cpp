#include <gtest/gtest.h>

#include <set>

#include "calc/culvert.h"

namespace {

using calc::CulvertValues;

TEST(Culvert, StartValuesSpanTheEmbankmentExactly) {
    CulvertValues v;
    ASSERT_EQ(calc::CalculateCulvert(v, false), "");
    EXPECT_NEAR(v.L3 + v.L4, 18.0, 1e-9);
    EXPECT_NEAR(v.HR - v.HL, 18.0 * 0.005, 1e-9);
    EXPECT_NEAR(v.S1, v.H1 - (v.Hs - 0.005 * v.B1 + v.S), 1e-12);
    // The values used are shown: the berm disappears without the second stage.
    EXPECT_EQ(v.m2, 1.5);
    EXPECT_EQ(v.n2, 1.75);
    EXPECT_EQ(v.H3, 123.545);
    EXPECT_EQ(v.H4, 122.896);
    EXPECT_EQ(v.B3, 0);
    EXPECT_EQ(v.B4, 0);
}

TEST(Culvert, TheSlopeMeetsTheCulvertTopAtBothEnds) {
    for (bool twoStage : {false, true}) {
        CulvertValues v;
        ASSERT_EQ(calc::CalculateCulvert(v, twoStage), "");
        const double p = v.i * 0.01;
        // Walking down the left side from the road edge reaches the culvert top at distance L1.
        double leftDrop = (v.H1 - v.H3) + (v.L1 - (v.H1 - v.H3) * v.m1 - v.B3) / v.m2;
        EXPECT_NEAR(v.H1 - leftDrop, v.Hs - v.L3 * p + v.S, 1e-9) << twoStage;
        double rightDrop = (v.H2 - v.H4) + (v.L2 - (v.H2 - v.H4) * v.n1 - v.B4) / v.n2;
        EXPECT_NEAR(v.H2 - rightDrop, v.Hs + v.L4 * p + v.S, 1e-9) << twoStage;
        EXPECT_NEAR(v.L3 + v.L4, v.L, 1e-9) << twoStage;
    }
}

TEST(Culvert, AFlatCulvertHasOneElevation) {
    CulvertValues v;
    v.i = 0;
    ASSERT_EQ(calc::CalculateCulvert(v, true), "");
    EXPECT_EQ(v.HL, v.Hs);
    EXPECT_EQ(v.HR, v.Hs);
    EXPECT_DOUBLE_EQ(v.L5, v.S * v.m2);
    EXPECT_DOUBLE_EQ(v.L6, v.S * v.n2);
}

TEST(Culvert, ABermOfNoWidthAtTheRoadEdgeIsTheOneStageLayout) {
    CulvertValues one, two;
    two.H3 = two.H1;
    two.H4 = two.H2;
    two.B3 = two.B4 = 0;
    two.m2 = two.m1;
    two.n2 = two.n1;
    ASSERT_EQ(calc::CalculateCulvert(one, false), "");
    ASSERT_EQ(calc::CalculateCulvert(two, true), "");
    for (const auto& f : calc::kCulvertFields) EXPECT_DOUBLE_EQ(one.*f.value, two.*f.value) << f.name;
}

TEST(Culvert, ZeroDenominatorsAreRefusedAndChangeNothing) {
    struct Case {
        const char* what;
        double i, m1, n1;
        const char* start;
    };
    const Case cases[] = {
        {"u", 50, 2, 1.75, "1 - i×m2 等于0"},
        {"v", -50, 1.5, 2, "1 + i×n2 等于0"},
        {"vertical", 0.5, 0, 0, "(1 + i×n2)×m2 + (1 - i×m2)×n2 等于0"},
    };
    for (const auto& c : cases) {
        CulvertValues v;
        v.i = c.i;
        v.m1 = c.m1;
        v.n1 = c.n1;
        CulvertValues before = v;
        std::string error = calc::CalculateCulvert(v, false);
        EXPECT_EQ(error.rfind(c.start, 0), 0u) << c.what << ": " << error;
        for (const auto& f : calc::kCulvertFields) EXPECT_EQ(v.*f.value, before.*f.value) << c.what << " " << f.name;
    }
}

TEST(Culvert, ListsTwentySixValuesOnce) {
    std::set<std::string> names;
    for (const auto& f : calc::kCulvertFields) names.insert(f.name);
    EXPECT_EQ(names.size(), 26u);
    CulvertValues v;
    EXPECT_EQ(v.H3, 120.454);
    EXPECT_EQ(v.n2, 1.75);
    EXPECT_EQ(v.Hs, 0);
}

// Widths, heights, lengths and slope ratios below zero describe no culvert; elevations and the slope may
// be negative. The second-stage sizes count only with the second stage.
TEST(Culvert, NegativeSizesAreRefusedAndChangeNothing) {
    struct Case {
        double CulvertValues::*field;
        double value;
        bool twoStage;
        const char* error;  // "" when the value is accepted
    };
    const Case cases[] = {
        {&CulvertValues::B1, -5, false, "B1 为 -5，尺寸不能为负数"},
        {&CulvertValues::B2, -0.01, false, "B2 为 -0.01，尺寸不能为负数"},
        {&CulvertValues::S, -2.5, false, "S 为 -2.5，"},
        {&CulvertValues::L, -18, false, "L 为 -18，"},
        {&CulvertValues::m1, -1.5, false, "m1 为 -1.5，"},
        {&CulvertValues::B3, -2, true, "B3 为 -2，"},
        {&CulvertValues::n2, -1, true, "n2 为 -1，"},
        {&CulvertValues::B3, -2, false, ""},  // one stage: B3 becomes 0
        {&CulvertValues::H1, -3, false, ""},  // below sea level
        {&CulvertValues::i, -0.5, false, ""},
    };
    for (const auto& c : cases) {
        CulvertValues v;
        v.*c.field = c.value;
        CulvertValues before = v;
        std::string error = calc::CalculateCulvert(v, c.twoStage);
        if (*c.error == 0) {
            EXPECT_EQ(error, "") << c.value;
            continue;
        }
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
        for (const auto& f : calc::kCulvertFields) EXPECT_EQ(v.*f.value, before.*f.value) << f.name;
    }
}

}  // namespace
