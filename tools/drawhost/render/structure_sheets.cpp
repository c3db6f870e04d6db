// The general structure drawing of the superstructure: for each structure type of the bridge, its first
// span's girder section (beams, cells or voids as the model holds them) and its span elevation, each at a
// scale of the series, with the sizes the model read and where they came from.
#include <algorithm>
#include <cmath>

#include "layout_drawing.h"
#include "layout_views.h"
#include "model_geometry.h"
#include "platform/text/cformat.h"
#include "sheet_painter.h"
#include "sheet_scales.h"
#include "structure_sheet_start.h"

namespace drawhost {

namespace {

// The largest scale of the series at which `metres` fit into `mm`; the smallest of the series otherwise.
int FitScale(double metres, double mm) {
    const int scale = SmallestSeriesScale(metres * 1000 / std::max(mm, 1.0));
    return scale > 0 ? scale : kScaleSeries[std::size(kScaleSeries) - 1];
}

const bridge::Solid* GirderOfSpan(const bridge::Bridge& b, int span) {
    for (const bridge::Solid& s : b.solids)
        if (s.span == span && s.member == "主梁") return &s;
    return nullptr;
}

// An outline of the section plane (u right, v up, metres) drawn with its top centre at `at`.
void Outline(SheetPainter& p, const std::vector<bridge::Point2>& points, Point at, double k) {
    std::vector<Point> out;
    for (const bridge::Point2& q : points) out.push_back({at.x + q.x * k, at.y + q.y * k});
    p.Polyline(out, true);
}

// One structure type in the column from `left` to `right`, from `top` down; returns the y below it.
double DrawType(SheetPainter& p, const bridge::Bridge& b, const bridge::Superstructure& g, double left, double right,
                double top) {
    const bridge::Span& span = b.spans[g.span];
    const bridge::Solid* girder = GirderOfSpan(b, g.span);
    const double th = kTextHeight, cx = (left + right) / 2, room = right - left - 10;
    double width = 0;
    if (girder)
        for (const bridge::Point2& q : girder->profile) width = std::max(width, 2 * std::abs(q.x));

    // The section.
    const int sectionScale = FitScale(std::max(width, 1.0), room);
    const double ks = 1000.0 / sectionScale;
    double y = top - kViewTitleHeight;
    ViewCaption(p, cx, y, text::Format("第%d跨横断面  1:%d", g.span + 1, sectionScale), kViewTitleHeight);
    y -= kViewTitleHeight + th + 4;
    p.UseLayer("DIM");
    p.HorizontalDimension(cx - width / 2 * ks, cx + width / 2 * ks, y, y - 2, text::Format("%.0f", width * 100), th);
    y -= 3;
    if (girder) {
        p.UseLayer("DECK");
        Outline(p, girder->profile, {cx, y}, ks);
        p.UseLayer("HIDDEN");
        for (const auto& hole : girder->holes) Outline(p, hole, {cx, y}, ks);
    }
    y -= g.depth * ks + th + 4;

    // The span elevation: the girder between its joints, its depth from the model at every station.
    const int elevationScale = FitScale(span.length, room);
    const double ke = 1000.0 / elevationScale, x0 = cx - span.length / 2 * ke;
    ViewCaption(p, cx, y, text::Format("第%d跨立面  1:%d", g.span + 1, elevationScale), kViewTitleHeight);
    y -= kViewTitleHeight + th + 4;
    p.UseLayer("DIM");
    p.HorizontalDimension(x0, x0 + span.length * ke, y, y - 2, text::Format("%.0f", span.length * 100), th);
    y -= 3;
    std::vector<Point> outline;
    constexpr int kSteps = 20;
    for (int k = 0; k <= kSteps; ++k) outline.push_back({x0 + span.length * ke * k / kSteps, y});
    for (int k = kSteps; k >= 0; --k) {
        const double station = span.startStation + span.length * k / kSteps;
        outline.push_back({x0 + span.length * ke * k / kSteps, y - GirderDepthAt(g, span, station) * ke});
    }
    p.UseLayer("DECK");
    p.Polyline(outline, true);
    y -= std::max({g.depth, g.startDepth, g.endDepth}) * ke + th + 3;

    // What the model read, in centimetres, and from where.
    std::vector<std::string> facts = {text::Format("%s  梁高 %.0f", g.type.c_str(), g.depth * 100)};
    if (g.beamCount > 0) facts.push_back(text::Format("主梁 %d 片，间距 %.0f", g.beamCount, g.beamSpacing * 100));
    if (g.boxCells > 0) facts.push_back(text::Format("箱室 %d 个", g.boxCells));
    if (g.voids > 0) facts.push_back(text::Format("每片空心 %d 个", g.voids));
    facts.push_back("尺寸来源：" + (g.proposed ? std::string("标准尺寸（构件表中尚无）") : g.table));
    p.UseLayer("NOTE");
    for (const std::string& line : facts) {
        p.Text({left + 5, y}, th, line);
        y -= th * 1.8;
    }
    return y;
}

}  // namespace

SheetGeometry SuperstructureSheet(const bridge::Bridge& b, const SheetTexts& texts, const DrawingRecord& record,
                                  std::vector<std::string>& messages) {
    SheetGeometry sheet;
    SheetPainter p(sheet);
    const DrawingArea area = StartStructureSheet(p, texts, record,
                                                 {{"DECK", 7, LineStyle::Continuous, 0.5},
                                                  {"HIDDEN", 4, LineStyle::Dashed, 0.18},
                                                  {"DIM", 3, LineStyle::Continuous, 0.13}});
    // The first span of each structure type, side by side.
    std::vector<const bridge::Superstructure*> types;
    for (const bridge::Superstructure& g : b.superstructures)
        if (g.span < static_cast<int>(b.spans.size()) &&
            std::none_of(types.begin(), types.end(), [&](const auto* t) { return t->type == g.type; }))
            types.push_back(&g);
    if (types.empty()) {
        NothingToDraw(p, area, "本项目尚无上部构造资料（桥孔布置与上构布置表为空），无可绘制的内容。");
        return sheet;
    }
    constexpr std::size_t kColumns = 3;
    const std::size_t shown = std::min(types.size(), kColumns);
    if (types.size() > shown)
        messages.push_back(text::Format("上部构造共有 %d 种结构类型，本图绘出前 %d 种。",
                                        static_cast<int>(types.size()), static_cast<int>(shown)));
    const double columnWidth = area.width() / shown;
    for (std::size_t i = 0; i < shown; ++i)
        DrawType(p, b, *types[i], area.left + columnWidth * i, area.left + columnWidth * (i + 1), area.top - 4);
    return sheet;
}

}  // namespace drawhost
