// The route check against routes built by hand, each with one known fault.
//
// The clean route, worked out by hand (X north, Y east, azimuths clockwise from north):
// - a line from (0, 0) due north, stake 0 to 100;
// - a right-hand clothoid of A² = 10 000 (R = 1000 m reached after L = 10 m), stake 100 to 110: by the
//   clothoid series x = L − L⁵/(40A⁴) = 9.999975, y = L³/(6A²) − L⁷/(336A⁶) = 0.016667 (the next terms are
//   below 1e-9), the heading turns by L²/(2A²) = 0.005 rad;
// - a right-hand circle of R = 1000 m, stake 110 to 160: it turns by 50/1000 = 0.05 rad, its chord is
//   2R·sin(0.025) = 49.994792 in the direction 0.005 + 0.025 = 0.03 rad;
// - a line from there, stake 160 on.
// Profile: grades +2 % and −2 % meeting at K0+500, 110.000 m, rounded with R = 20 000 m: T = R·0.04/2 = 400 m,
// E = T²/(2R) = 4.000 m, so K0+500 lies at 106.000; at K0+300 and K0+700 the curve lies (400 − 200)²/(2R) =
// 1.000 m below the grade lines' 106.000, at 105.000; K0+900 is the tangent point, on the grade line at 102.000.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/route_check.h"

namespace {

using calc::PlanElement;
using calc::PlanElementType;

constexpr double kA2 = 10000, kL = 10, kR = 1000;

PlanElement Element(int record, PlanElementType type, double stake, double x, double y, double azimuth, double k0,
                    double k1, double length) {
    return PlanElement{record + 1, record, type, stake, x, y, azimuth, k0, k1, length};
}

std::vector<PlanElement> CleanPlan() {
    const double cx = kL - std::pow(kL, 5) / (40 * kA2 * kA2), cy = std::pow(kL, 3) / (6 * kA2);
    const double heading = kL * kL / (2 * kA2);
    const double chord = 2 * kR * std::sin(0.025);
    const double ex = cx + chord * std::cos(heading + 0.025), ey = cy + chord * std::sin(heading + 0.025);
    return {
        Element(0, PlanElementType::Line, 0, 0, 0, 0, 0, 0, 100),
        Element(1, PlanElementType::Clothoid, 100, 100, 0, 0, 0, 1 / kR, kL),
        Element(2, PlanElementType::Arc, 110, 100 + cx, cy, heading, 1 / kR, 1 / kR, 50),
        Element(3, PlanElementType::Line, 160, 100 + ex, ey, heading + 0.05, 0, 0, 100),
    };
}

calc::VerticalProfile CleanProfile() {
    return calc::VerticalProfile({{0, 100, 0, 0}, {500, 110, 20000, 1}, {1000, 100, 0, 2}});
}

calc::DesignSection Section(int record, double stake, double centre) {
    calc::DesignSection s;
    s.record = record;
    s.stake = stake;
    s.centreElevation = centre;
    s.pairs = {{-5, centre - 0.1}, {5, centre - 0.1}};
    return s;
}

calc::RouteData Route(std::vector<PlanElement> plan, std::vector<calc::DesignSection> design = {}) {
    calc::RouteData route;
    route.plan = calc::PlanAlignment(std::move(plan));
    route.profile = CleanProfile();
    route.design = calc::RoadDesignTable(std::move(design));
    return route;
}

struct Expected {
    const char* code;
    int record;
    const char* size;  // a piece of the text: the size of the fault as the engineer reads it
};

void ExpectFindings(const calc::RouteData& route, const std::vector<Expected>& expected) {
    const auto findings = calc::CheckRoute(route);
    ASSERT_EQ(findings.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(findings[i].text);
        EXPECT_EQ(findings[i].code, expected[i].code);
        EXPECT_EQ(findings[i].severity, 'W');
        EXPECT_EQ(findings[i].record, expected[i].record);
        EXPECT_NE(findings[i].text.find(expected[i].size), std::string::npos);
        EXPECT_FALSE(findings[i].table.empty());
    }
}

TEST(RouteCheck, PlanFaultsAreFoundWithTheirSizeAndRecord) {
    struct Case {
        const char* name;
        void (*seed)(std::vector<PlanElement>&);
        std::vector<Expected> expected;
    };
    const Case cases[] = {
        {"the clean route", [](auto&) {}, {}},
        {"a jump of 0.1 m north and 0.2 m east",
         [](auto& p) { p[3].x0 += 0.1, p[3].y0 += 0.2; },
         {{"ROUTE_PLAN_GAP", 3, "相距0.224 m"}}},
        {"0.7 mm is within setting-out", [](auto& p) { p[3].y0 += 0.0007; }, {}},
        {"a bend of 1 mrad", [](auto& p) { p[3].azimuth0 += 0.001; }, {{"ROUTE_PLAN_KINK", 3, "相差0.0573°"}}},
        {"a bend of 0.05 mrad is the rounding of a table", [](auto& p) { p[3].azimuth0 -= 0.00005; }, {}},
        {"an element that starts 5 m early on the stakes",
         [](auto& p) { p[3].startStake -= 5; },
         {{"ROUTE_PLAN_OVERLAP", 3, "重叠5.000 m"}}},
        {"an element that starts 2 m late on the stakes",
         [](auto& p) { p[3].startStake += 2; },
         {{"ROUTE_PLAN_STAKE_GAP", 3, "其间2.000 m"}}},
        {"a circle of another radius after the transition",
         [](auto& p) { p[2].k0 = p[2].k1 = 1 / 900.0; },
         // the circle then also ends elsewhere: 50²/2·(1/900 − 1/1000) = 0.139 m across, 1/180 − 1/200 rad
         {{"ROUTE_PLAN_CURVATURE", 2, "半径900.000 m与前一单元终点的半径1000.000 m"},
          {"ROUTE_PLAN_GAP", 3, "相距0.139 m"},
          {"ROUTE_PLAN_KINK", 3, "相差-0.3183°"}}},
        {"a transition that ends on a straight before a circle",
         [](auto& p) { p[1].k1 = 0; },
         {{"ROUTE_PLAN_GAP", 2, "相距0.017 m"},
          {"ROUTE_PLAN_KINK", 2, "相差0.2865°"},
          {"ROUTE_PLAN_CURVATURE", 2, "半径1000.000 m与前一单元终点的半径∞（直线）"}}},
        {"the table lists the last line before the circle",
         [](auto& p) { std::swap(p[2].record, p[3].record); },
         {{"ROUTE_PLAN_ORDER", 3, "第4条记录的桩号K0+110.000不大于前一条记录的桩号K0+160.000"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto plan = CleanPlan();
        c.seed(plan);
        ExpectFindings(Route(plan), c.expected);
    }
}

TEST(RouteCheck, StoredEndsAreComparedWithTheEndsTheElementsReach) {
    auto route = Route(CleanPlan());
    route.planRecords.resize(4);  // no stored ends: nothing to compare
    EXPECT_TRUE(calc::CheckRoute(route).empty());

    // The circle's end as worked out above, then 13.2 m off it; the line's end direction 0.002 rad off.
    const double heading = kL * kL / (2 * kA2), chord = 2 * kR * std::sin(0.025);
    const double ex = 100 + kL - std::pow(kL, 5) / (40 * kA2 * kA2) + chord * std::cos(heading + 0.025);
    const double ey = std::pow(kL, 3) / (6 * kA2) + chord * std::sin(heading + 0.025);
    route.planRecords[2].endX = ex;
    route.planRecords[2].endY = ey;
    route.planRecords[2].endAzimuth = heading + 0.05;
    EXPECT_TRUE(calc::CheckRoute(route).empty());
    route.planRecords[2].endY = ey - 13.2;
    route.planRecords[3].endAzimuth = heading + 0.05 + 0.002;
    ExpectFindings(route,
                   {{"ROUTE_PLAN_END_POINT", 2, "相距13.200 m"}, {"ROUTE_PLAN_END_DIRECTION", 3, "相差0.1146°"}});
    // An end of (0, 0) is one the table leaves out.
    route.planRecords[2].endX = route.planRecords[2].endY = 0.0;
    ExpectFindings(route, {{"ROUTE_PLAN_END_DIRECTION", 3, "相差0.1146°"}});
}

TEST(RouteCheck, ProfileFaults) {
    struct Case {
        const char* name;
        std::vector<calc::TurningPoint> points;
        std::vector<calc::DesignSection> design;
        std::vector<Expected> expected;
    };
    const std::vector<calc::TurningPoint> clean = {{0, 100, 0, 0}, {500, 110, 20000, 1}, {1000, 100, 0, 2}};
    const Case cases[] = {
        {"design table on the profile, within 5 mm",
         clean,
         {Section(0, 300, 105.000), Section(1, 500, 106.004), Section(2, 700, 104.996)},
         {}},
        {"one section 6 mm above",
         clean,
         {Section(0, 300, 105.000), Section(1, 500, 106.006), Section(2, 700, 105.000)},
         {{"ROUTE_DESIGN_OFF_PROFILE", 1,
           "K0+500.000的中桩高程106.006 m与竖曲线资料表给出的设计高程106.000 m相差+0.006 m"}}},
        {"a table that leaves out the vertical curve: 1.12 m to 4 m above it",
         clean,
         {Section(0, 300, 106.120), Section(1, 500, 110.000), Section(2, 700, 106.000), Section(3, 900, 102.000)},
         {{"ROUTE_DESIGN_OFF_PROFILE", 0, "K0+300.000至K0+700.000共3个断面"},
          {"ROUTE_DESIGN_OFF_PROFILE", 0, "最大相差+4.000 m（K0+500.000：110.000 m对106.000 m）"}}},
        {"design sections out of order",
         clean,
         {Section(0, 700, 105.000), Section(1, 300, 105.000)},
         {{"ROUTE_DESIGN_ORDER", 1, "路基设计表第2条记录的桩号K0+300.000不大于前一条记录的桩号K0+700.000"}}},
        // Grades +2 %, −1 %, +1 %: tangents 150 m and 100 m between points 200 m apart.
        {"vertical curves that reach into each other",
         {{0, 100, 0, 0}, {200, 104, 10000, 1}, {400, 102, 10000, 2}, {800, 106, 0, 3}},
         {},
         {{"ROUTE_VERT_OVERLAP", 2, "重叠50.000 m（切线长150.000 m与100.000 m，变坡点相距200.000 m）"}}},
        {"a turning point given twice",
         {{0, 100, 0, 0}, {500, 110, 20000, 1}, {500, 110, 20000, 2}, {1000, 100, 0, 3}},
         {},
         {{"ROUTE_VERT_ORDER", 2, "桩号重复"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        calc::RouteData route = Route(CleanPlan(), c.design);
        route.profile = calc::VerticalProfile(c.points);
        const auto findings = calc::CheckRoute(route);
        // One finding may carry several of the expected pieces of text.
        std::vector<Expected> distinct;
        for (const auto& e : c.expected)
            if (distinct.empty() || distinct.back().code != std::string(e.code) || distinct.back().record != e.record)
                distinct.push_back(e);
        ASSERT_EQ(findings.size(), distinct.size());
        for (const auto& e : c.expected) {
            bool found = false;
            for (const auto& f : findings)
                found = found || (f.code == e.code && f.record == e.record && f.text.find(e.size) != std::string::npos);
            EXPECT_TRUE(found) << e.code << " " << e.size;
        }
    }
}

TEST(RouteCheck, CrossSlopeSegmentsFollowEachOther) {
    struct Case {
        const char* name;
        std::vector<calc::SlopeSegment> segments;
        std::vector<Expected> expected;
    };
    const Case cases[] = {
        {"a superelevated curve with its transitions between the segments",
         {{0, 100, -2, -2, 0}, {150, 300, 4, -4, 1}, {350, 500, -2, -2, 2}},
         {}},
        {"segments that touch", {{0, 100, -2, -2, 0}, {100, 300, 4, -4, 1}}, {}},
        {"a segment that starts 20 m before the one before it ends",
         {{0, 100, -2, -2, 0}, {80, 300, 4, -4, 1}},
         {{"ROUTE_SLOPE_OVERLAP", 1, "K0+080.000至K0+300.000一段与前一段（K0+000.000至K0+100.000）重叠20.000 m"}}},
        {"a segment written backwards",
         {{300, 150, 4, -4, 0}},
         {{"ROUTE_SLOPE_REVERSED", 0, "终点桩号K0+150.000在起点之前"}}},
        {"segments out of order",
         {{150, 300, 4, -4, 0}, {0, 100, -2, -2, 1}},
         {{"ROUTE_SLOPE_ORDER", 1, "桥面横坡资料表第2条记录的桩号K0+000.000不大于前一条记录的桩号K0+150.000"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto route = Route(CleanPlan());
        route.slopes = calc::CrossSlopes(c.segments, calc::TransitionLaw::Linear);
        ExpectFindings(route, c.expected);
    }
}

TEST(RouteCheck, ATableThatCouldNotBeReadForTheCheckIsSaid) {
    auto route = Route(CleanPlan());
    route.uncheckedTables = {"“路基设计表”第3条记录的 CenterElev “abc”不是数值。"};
    ExpectFindings(route, {{"ROUTE_TABLE_UNREADABLE", -1, "“abc”不是数值。该表未作检查。"}});
}

}  // namespace
