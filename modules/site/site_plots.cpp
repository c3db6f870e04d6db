#include "site/site_plots.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/plan_alignment.h"
#include "kit/record_sheet.h"

namespace site {
namespace {

constexpr const char* kStakeLabel = "桩号 (m)";
constexpr const char* kElevationLabel = "高程 (m)";

// The smallest range of stakes that holds every value given; none when there is none.
struct Range {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    void add(double v) {
        low = std::min(low, v);
        high = std::max(high, v);
    }
    void add(const std::vector<Point>& points) {
        for (const auto& p : points) add(p.first);
    }
    void add(const std::vector<double>& values) {
        for (double v : values) add(v);
    }
    bool empty() const { return low > high; }
};

ui::PlotSeries Line(std::string name, std::vector<Point> points) { return {std::move(name), std::move(points), false}; }
ui::PlotSeries Marks(std::string name, std::vector<Point> points) { return {std::move(name), std::move(points), true}; }

ui::Plot StakePlot(std::string title, std::string yLabel = kElevationLabel) {
    ui::Plot plot;
    plot.title = std::move(title);
    plot.xLabel = kStakeLabel;
    plot.yLabel = std::move(yLabel);
    return plot;
}

// Adds a series unless it has nothing to draw.
void Add(ui::Plot& plot, ui::PlotSeries series) {
    if (!series.points.empty()) plot.series.push_back(std::move(series));
}

std::string Cell(const ui::ProposedTable& sheet, std::size_t row, const std::string& field) {
    auto column = std::find(sheet.fields.begin(), sheet.fields.end(), field);
    if (column == sheet.fields.end()) return {};
    std::size_t c = static_cast<std::size_t>(column - sheet.fields.begin());
    return c < sheet.rows[row].size() ? sheet.rows[row][c] : std::string();
}

// The supports where the ground (else the grade line) gives them an elevation.
ui::PlotSeries SupportMarks(const Backdrop& backdrop, const std::vector<Point>& ground,
                            const std::vector<calc::TurningPoint>& profile) {
    std::vector<Point> marks;
    calc::VerticalProfile grade(profile);
    for (double stake : backdrop.supports) {
        if (auto elevation = Interpolate(ground, stake))
            marks.emplace_back(stake, *elevation);
        else if (!grade.empty())
            marks.emplace_back(stake, grade.Elevation(stake));
    }
    return Marks("墩台", std::move(marks));
}

}  // namespace

ui::PlotSeries DesignLine(const std::vector<calc::TurningPoint>& points, double from, double to) {
    ui::PlotSeries series{"设计高程", {}, false};
    if (points.empty() || !(from <= to)) return series;
    calc::VerticalProfile profile(points);
    std::vector<double> stakes = {from, to};
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double t = profile.TangentLength(i);
        for (double s : {points[i].stake - t, points[i].stake, points[i].stake + t})
            if (s >= from && s <= to) stakes.push_back(s);
    }
    constexpr int kSteps = 200;
    for (int k = 1; k < kSteps; ++k) stakes.push_back(from + (to - from) * k / kSteps);
    std::sort(stakes.begin(), stakes.end());
    stakes.erase(std::unique(stakes.begin(), stakes.end()), stakes.end());
    for (double s : stakes) series.points.emplace_back(s, profile.Elevation(s));
    return series;
}

ui::Plot GroundPlot(const ui::ProposedTable& ground, const Backdrop& backdrop) {
    ui::Plot plot = StakePlot("地面线");
    std::vector<Point> line = SheetPoints(ground, "Stake", "Elevation");
    Range range;
    range.add(line);
    range.add(backdrop.supports);
    Add(plot, Line("地面线", line));
    if (!range.empty()) Add(plot, DesignLine(backdrop.profile, range.low, range.high));
    Add(plot, SupportMarks(backdrop, line, backdrop.profile));
    std::vector<Point> holes;
    for (const auto& hole : backdrop.boreholes)
        if (hole.top) holes.emplace_back(hole.stake, *hole.top);
    Add(plot, Marks("钻孔", holes));
    return plot;
}

ui::Plot BoreholePlot(const ui::ProposedTable& holes, const ui::ProposedTable& layers, const Backdrop& backdrop) {
    ui::Plot plot = StakePlot("钻孔柱状");
    Add(plot, Line("地面线", backdrop.ground));
    std::vector<Point> bottoms;
    for (const Borehole& hole : SheetBoreholes(holes)) {
        std::vector<double> levels;
        for (std::size_t r = 0; r < layers.rows.size(); ++r)
            if (Cell(layers, r, "DrillNum") == hole.name)
                if (auto bottom = modulekit::CellNumber(layers, r, "BottomElev")) levels.push_back(*bottom);
        std::sort(levels.rbegin(), levels.rend());
        std::vector<Point> column;
        if (hole.top) column.emplace_back(hole.stake, *hole.top);
        for (double level : levels) {
            column.emplace_back(hole.stake, level);
            bottoms.emplace_back(hole.stake, level);
        }
        ui::PlotSeries series = Line(hole.name.empty() ? "钻孔" : hole.name, column);
        series.markersOnly = column.size() == 1;
        Add(plot, std::move(series));
    }
    Add(plot, Marks("层底", bottoms));
    return plot;
}

ui::Plot HydrologyPlot(const ui::ProposedTable& hydrology, const Backdrop& backdrop) {
    ui::Plot plot = StakePlot("水文");
    Add(plot, Line("地面线", backdrop.ground));
    if (hydrology.rows.empty()) return plot;
    auto value = [&](const char* field) { return modulekit::CellNumber(hydrology, 0, field); };
    auto centre = value("ChannelCenterStake");
    auto width = value("NavigableWidth");
    Range range;
    range.add(backdrop.ground);
    range.add(backdrop.supports);
    if (centre && width) {
        range.add(*centre - *width / 2);
        range.add(*centre + *width / 2);
    }
    if (range.empty()) return plot;
    for (auto [field, name] : {std::pair{"DesignWaterLevel", "设计水位"}, std::pair{"LowestWaterLevel", "最低水位"},
                               std::pair{"NavigableWaterLevel", "通航水位"}})
        if (auto level = value(field)) Add(plot, Line(name, {{range.low, *level}, {range.high, *level}}));
    // The clearance outline: upright sides up to the side height, then inward to the top width.
    auto level = value("NavigableWaterLevel");
    auto height = value("NavigableHeight");
    if (centre && width && level && height && *width > 0 && *height > 0) {
        const double side = std::clamp(value("SideHeight").value_or(*height), 0.0, *height);
        const double top = std::clamp(value("TopWidth").value_or(*width), 0.0, *width);
        const double c = *centre, w = *width / 2, t = top / 2, l = *level;
        Add(plot, Line("通航净空", {{c - w, l},
                                    {c - w, l + side},
                                    {c - t, l + *height},
                                    {c + t, l + *height},
                                    {c + w, l + side},
                                    {c + w, l},
                                    {c - w, l}}));
    }
    return plot;
}

ui::Plot ProfilePlot(const ui::ProposedTable& vertical, const Backdrop& backdrop) {
    ui::Plot plot = StakePlot("纵断面");
    std::vector<calc::TurningPoint> points = SheetTurningPoints(vertical);
    std::vector<Point> grade;
    for (const auto& p : points) grade.emplace_back(p.stake, p.elevation);
    Range range;
    range.add(grade);
    range.add(backdrop.supports);
    Add(plot, Line("变坡点连线", grade));
    if (!range.empty()) Add(plot, DesignLine(points, range.low, range.high));
    Add(plot, Line("地面线", backdrop.ground));
    Add(plot, SupportMarks(backdrop, {}, points));  // on the grade line: the deck at each support
    return plot;
}

ui::Plot SlopePlot(const ui::ProposedTable& slopes, const Backdrop& backdrop) {
    ui::Plot plot = StakePlot("桥面横坡", "横坡 (%)");
    std::vector<calc::SlopeSegment> segments = SheetSlopes(slopes);
    if (segments.empty()) return plot;
    Range range;
    for (const auto& s : segments) {
        range.add(s.start);
        range.add(s.end);
    }
    range.add(backdrop.supports);
    calc::CrossSlopes law(segments, backdrop.law);
    std::vector<double> stakes = {range.low, range.high};
    for (const auto& s : segments) stakes.insert(stakes.end(), {s.start, s.end});
    constexpr int kSteps = 200;
    for (int k = 1; k < kSteps; ++k) stakes.push_back(range.low + (range.high - range.low) * k / kSteps);
    std::sort(stakes.begin(), stakes.end());
    stakes.erase(std::unique(stakes.begin(), stakes.end()), stakes.end());
    std::vector<Point> left, right;
    for (double s : stakes) {
        calc::CrossSlope at = law.At(s);
        left.emplace_back(s, at.left);
        right.emplace_back(s, at.right);
    }
    Add(plot, Line("左半桥横坡", left));
    Add(plot, Line("右半桥横坡", right));
    std::vector<Point> supports;
    for (double s : backdrop.supports) supports.emplace_back(s, 0.0);
    Add(plot, Marks("墩台", supports));
    return plot;
}

ui::Plot RoadTablePlot(const ui::ProposedTable& road, const Backdrop& backdrop) {
    ui::Plot plot = StakePlot("路基设计表");
    std::vector<Point> centre = SheetPoints(road, "CenterStake", "CenterElev");
    std::vector<Point> left, right;
    for (std::size_t r = 0; r < road.rows.size(); ++r) {
        auto stake = modulekit::CellNumber(road, r, "CenterStake");
        if (!stake) continue;
        std::optional<Point> outerLeft, outerRight;  // (offset, elevation) of the outermost pair each side
        for (int k = 1; k <= 8; ++k) {
            auto dist = modulekit::CellNumber(road, r, "Dist" + std::to_string(k));
            auto elev = modulekit::CellNumber(road, r, "Elev" + std::to_string(k));
            if (!dist || !elev) continue;
            if (*dist < 0 && (!outerLeft || *dist < outerLeft->first)) outerLeft = Point{*dist, *elev};
            if (*dist > 0 && (!outerRight || *dist > outerRight->first)) outerRight = Point{*dist, *elev};
        }
        if (outerLeft) left.emplace_back(*stake, outerLeft->second);
        if (outerRight) right.emplace_back(*stake, outerRight->second);
    }
    std::sort(left.begin(), left.end());
    std::sort(right.begin(), right.end());
    Add(plot, Line("中桩高程", centre));
    Add(plot, Line("左侧边缘高程", left));
    Add(plot, Line("右侧边缘高程", right));
    if (!centre.empty()) {
        ui::PlotSeries grade = DesignLine(backdrop.profile, centre.front().first, centre.back().first);
        grade.name = "竖曲线设计高程";
        Add(plot, std::move(grade));
    }
    return plot;
}

ui::Plot PlanPlot(const ui::ProposedTable& plan, const Backdrop& backdrop) {
    ui::Plot plot;
    plot.title = "平面线形";
    plot.xLabel = "Y 东 (m)";
    plot.yLabel = "X 北 (m)";
    plot.equalScale = true;
    std::vector<calc::PlanRecord> records;
    for (std::size_t r = 0; r < plan.rows.size(); ++r) {
        auto n = [&](const char* field) { return modulekit::CellNumber(plan, r, field); };
        auto stake = n("StartPointStake"), x = n("StartPointX"), y = n("StartPointY"), azimuth = n("StartPointAngle");
        auto length = n("CurveLength");
        if (!stake || !x || !y || !azimuth || !length) continue;
        calc::PlanRecord record;
        record.number = static_cast<int>(n("CurveSectNum").value_or(static_cast<double>(r + 1)));
        record.type = Cell(plan, r, "CurveType");
        record.direction = Cell(plan, r, "CurveDirect");
        record.startStake = *stake;
        record.startX = *x;
        record.startY = *y;
        record.startAzimuth = *azimuth;
        record.startRadius = n("StartPointRadii").value_or(0);
        record.endRadius = n("EndPointRadii").value_or(0);
        record.length = *length;
        record.endX = n("EndPointX");
        record.endY = n("EndPointY");
        record.endAzimuth = n("EndPointAngle");
        records.push_back(record);
    }
    calc::ApplyConvention(records, calc::DetectConvention(records));
    std::vector<calc::PlanElement> elements;
    for (const auto& record : records) {
        std::string error;
        calc::PlanElement element = calc::ElementFromRecord(record, error);
        if (error.empty()) elements.push_back(element);
    }
    std::vector<Point> line, starts;
    for (const auto& e : elements) {
        const int steps = e.type == calc::PlanElementType::Line ? 1 : std::clamp(int(e.length / 2), 8, 200);
        for (int k = 0; k <= steps; ++k) {
            calc::PlanPoint p = calc::PointOnElement(e, e.length * k / steps);
            line.emplace_back(p.y, p.x);
        }
        starts.emplace_back(e.y0, e.x0);
    }
    Add(plot, Line("路线中线", line));
    Add(plot, Marks("线元起点", starts));
    calc::PlanAlignment alignment(elements);
    std::vector<Point> supports;
    if (!alignment.empty())
        for (double stake : backdrop.supports) {
            calc::PlanLocation at = alignment.Locate(stake);
            supports.emplace_back(at.point.y, at.point.x);
        }
    Add(plot, Marks("墩台", supports));
    return plot;
}

}  // namespace site
