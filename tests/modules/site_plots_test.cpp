// The pictures of the Site editors: the design elevations along a vertical curve, the alignment in plan and
// the ground line with what stands on it.
#include <gtest/gtest.h>

#include <cmath>

#include "site/site_plots.h"

namespace {

const ui::PlotSeries* Find(const ui::Plot& plot, const std::string& name) {
    for (const auto& s : plot.series)
        if (s.name == name) return &s;
    return nullptr;
}

// The y of a series at an x it holds exactly; NaN when it holds no such point.
double At(const ui::PlotSeries& series, double x) {
    for (const auto& [px, py] : series.points)
        if (std::fabs(px - x) < 1e-9) return py;
    return std::nan("");
}

ui::ProposedTable Sheet(std::vector<std::string> fields, std::vector<std::vector<std::string>> rows) {
    return ui::ProposedTable{"表", std::move(fields), std::move(rows), {}, false, {}};
}

TEST(SitePlots, ProfileFollowsTheParabolaFromTangentPointToTangentPoint) {
    // Grades ±2 % meet at stake 100; R = 2000 gives tangents of 2000 × 0.04 / 2 = 40 m and a middle
    // ordinate of 40² / (2 × 2000) = 0.4 m.
    struct Case {
        const char* name;
        const char* apex;
        double sign;  // +1 crest (curve below the grade lines), -1 sag
    };
    const Case cases[] = {{"crest", "102", 1}, {"sag", "98", -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto vertical = Sheet({"TurnPointStake", "TurnPointElev", "TurnPointRadii"},
                              {{"0", "100", ""}, {"100", c.apex, "2000"}, {"200", "100", "0"}});
        ui::Plot plot = site::ProfilePlot(vertical, {});
        const ui::PlotSeries* design = Find(plot, "设计高程");
        ASSERT_NE(design, nullptr);
        const double s = c.sign;
        EXPECT_NEAR(At(*design, 60), 100 + s * 1.2, 1e-9);            // curve start: still on the grade line
        EXPECT_NEAR(At(*design, 80), 100 + s * 1.6 - s * 0.1, 1e-9);  // 20 m in: 20² / 4000
        EXPECT_NEAR(At(*design, 100), 100 + s * 2 - s * 0.4, 1e-9);   // middle
        EXPECT_NEAR(At(*design, 140), 100 + s * 1.2, 1e-9);           // curve end
        EXPECT_NEAR(At(*design, 30), 100 + s * 0.6, 1e-9);            // outside the curve: the grade line
        ASSERT_NE(Find(plot, "变坡点连线"), nullptr);
        EXPECT_EQ(Find(plot, "变坡点连线")->points.size(), 3u);
    }
}

TEST(SitePlots, ProfileLeavesOutRowsThatAreNotNumbersYet) {
    auto vertical = Sheet({"TurnPointStake", "TurnPointElev", "TurnPointRadii"},
                          {{"0", "100", ""}, {"50", "", ""}, {"1O0", "101", ""}, {"100", "101", ""}});
    ui::Plot plot = site::ProfilePlot(vertical, {});
    ASSERT_NE(Find(plot, "变坡点连线"), nullptr);
    EXPECT_EQ(Find(plot, "变坡点连线")->points, (std::vector<std::pair<double, double>>{{0, 100}, {100, 101}}));
}

TEST(SitePlots, PlanDrawsLinesAndArcsToScaleWithTheSupportsOnTheLine) {
    // North 100 m, then a quarter circle of 100 m radius turning right: it ends 100 m east, 200 m north.
    auto plan = Sheet(
        {"CurveSectNum", "CurveType", "CurveDirect", "StartPointStake", "StartPointX", "StartPointY", "StartPointAngle",
         "StartPointRadii", "EndPointX", "EndPointY", "EndPointAngle", "EndPointRadii", "CurveLength", "A_Value"},
        {{"1", "直线", "无", "0", "0", "0", "0", "0", "100", "0", "0", "0", "100", "0"},
         {"2", "圆曲线", "右偏", "100", "100", "0", "0", "100", "200", "100", "90", "100", "157.07963267948966", "0"}});
    site::Backdrop backdrop;
    backdrop.supports = {50, 100};
    ui::Plot plot = site::PlanPlot(plan, backdrop);
    EXPECT_TRUE(plot.equalScale);
    const ui::PlotSeries* line = Find(plot, "路线中线");
    ASSERT_NE(line, nullptr);
    EXPECT_NEAR(line->points.back().first, 100, 1e-6);   // east
    EXPECT_NEAR(line->points.back().second, 200, 1e-6);  // north
    const ui::PlotSeries* supports = Find(plot, "墩台");
    ASSERT_NE(supports, nullptr);
    ASSERT_EQ(supports->points.size(), 2u);
    EXPECT_NEAR(supports->points[0].first, 0, 1e-9);
    EXPECT_NEAR(supports->points[0].second, 50, 1e-9);
    EXPECT_TRUE(supports->markersOnly);
}

TEST(SitePlots, GroundLineCarriesTheSupportsAndTheBoreholes) {
    auto ground = Sheet({"Stake", "Elevation"}, {{"20", "92"}, {"0", "90"}, {"40", ""}});
    site::Backdrop backdrop;
    backdrop.supports = {10, 30};
    backdrop.boreholes = {{"ZK1", 10, 91.5}, {"ZK2", 30, std::nullopt}};
    backdrop.profile = {{0, 100, 0}, {40, 102, 0}};
    ui::Plot plot = site::GroundPlot(ground, backdrop);
    ASSERT_NE(Find(plot, "地面线"), nullptr);
    EXPECT_EQ(Find(plot, "地面线")->points, (std::vector<std::pair<double, double>>{{0, 90}, {20, 92}}));
    ASSERT_NE(Find(plot, "墩台"), nullptr);  // on the ground, the last point held beyond it
    EXPECT_EQ(Find(plot, "墩台")->points, (std::vector<std::pair<double, double>>{{10, 91}, {30, 92}}));
    ASSERT_NE(Find(plot, "钻孔"), nullptr);
    EXPECT_EQ(Find(plot, "钻孔")->points, (std::vector<std::pair<double, double>>{{10, 91.5}}));
    ASSERT_NE(Find(plot, "设计高程"), nullptr);
    EXPECT_NEAR(At(*Find(plot, "设计高程"), 30), 101.5, 1e-9);
}

TEST(SitePlots, NavigationClearanceStandsOnTheNavigableLevel) {
    auto water = Sheet({"DesignWaterLevel", "LowestWaterLevel", "NavigableWaterLevel", "NavigableHeight",
                        "NavigableWidth", "TopWidth", "SideHeight", "ChannelCenterStake"},
                       {{"95", "", "94", "8", "40", "30", "6", "100"}});
    site::Backdrop backdrop;
    backdrop.ground = {{50, 90}, {150, 90}};
    ui::Plot plot = site::HydrologyPlot(water, backdrop);
    ASSERT_NE(Find(plot, "设计水位"), nullptr);
    EXPECT_EQ(Find(plot, "最低水位"), nullptr);
    const ui::PlotSeries* box = Find(plot, "通航净空");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->points, (std::vector<std::pair<double, double>>{
                               {80, 94}, {80, 100}, {85, 102}, {115, 102}, {120, 100}, {120, 94}, {80, 94}}));
}

}  // namespace
