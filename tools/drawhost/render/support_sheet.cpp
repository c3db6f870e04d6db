// The general structure drawing of the substructure: for the first abutment and the first pier, the
// elevation along the support line (cap, bodies, connection, piles to their tips), the side view along the
// route and the plan of the cap with what stands under it, at one scale of the series, with the sizes the
// model read and where they came from.
#include <algorithm>
#include <cmath>

#include "layout_drawing.h"
#include "layout_views.h"
#include "platform/text/cformat.h"
#include "sheet_painter.h"
#include "sheet_scales.h"
#include "structure_sheet_start.h"

namespace drawhost {

namespace {

// The sizes of one support as its views draw them, metres.
struct SupportSizes {
    double capLength = 0, capWidth = 0, capHeight = 0;
    double bodyAcross = 0, bodyAlong = 0, bodyLength = 0;
    double connectionLength = 0, connectionWidth = 0, connectionHeight = 0;
    int pilesPerRow = 0, rows = 1;
    double pile = 0, pileSpacing = 0, rowSpacing = 0, pileLength = 0;
    double top = 0, bottom = 0;  // cap top and the lowest point (pile tip or footing bottom)
};

SupportSizes SizesOf(const bridge::Bridge& b, const bridge::Support& s) {
    const bridge::VerticalChain& c = s.chain;
    const bridge::Foundation& f = s.foundation;
    const bridge::Deck* deck = b.DesignedDeck();
    SupportSizes z;
    z.capLength = s.capLength > 0 ? s.capLength : (deck ? deck->width : 10);
    z.capWidth = s.capWidth > 0 ? s.capWidth : 1.6;
    z.capHeight = c.capHeight;
    z.bodyAlong = s.bodyAlong > 0 ? s.bodyAlong : 1.2;
    z.bodyAcross = s.roundBody || s.bodyAcross <= 0 ? z.bodyAlong : s.bodyAcross;
    z.bodyLength = c.bodyLength;
    z.pile = f.pileDiameter > 0 ? f.pileDiameter : 1.2;
    const double columnsSpan = s.columns.size() > 1 ? std::abs(s.columns.back().offset - s.columns.front().offset) : 0;
    if (f.kind == "桩基础") {
        z.rows = std::max(1, f.pileRows);
        const int total = f.pileCount > 0 ? f.pileCount : static_cast<int>(s.columns.size());
        z.pilesPerRow = std::max(1, total / z.rows);
        z.pileSpacing = f.pileSpacing > 0 ? f.pileSpacing : (z.pilesPerRow > 1 ? columnsSpan / (z.pilesPerRow - 1) : 0);
        z.rowSpacing = f.rowSpacing;
        z.pileLength = f.topZ - f.tipZ;
    }
    z.connectionHeight = c.connectionHeight;
    z.connectionLength = columnsSpan + 2 * z.pile;
    z.connectionWidth = (z.rows - 1) * z.rowSpacing + z.pile + 1.0;
    z.top = c.capTopZ;
    z.bottom = c.connectionTopZ - c.connectionHeight;
    if (f.kind != "无" && f.tipZ < z.bottom) z.bottom = f.tipZ;
    return z;
}

// One face of a support as a view sees it: the elevation looks along the route at the support line, the
// side view across it. Widths are what the view sees across its own sheet x, metres.
struct SupportFace {
    double capWidth, bodyWidth;
    std::vector<double> bodyOffsets;  // one body at each offset from the support's centre
    double connectionWidth;
    int piles;  // in the row the view sees
    double pileSpacing;
};

// Cap, bodies and connection on SUPPORT, the piles to their tips on PILE, the cap top at sheet y `top`, centred
// on `cx`, drawn at `k` mm a metre.
void DrawSupportFace(SheetPainter& p, const SupportSizes& z, const bridge::Support& s, const SupportFace& face,
                     double cx, double top, double k) {
    const bridge::VerticalChain& c = s.chain;
    auto box = [&](double u, double width, double z0, double z1) {
        p.Rect({cx + (u - width / 2) * k, top - (z.top - z0) * k}, {cx + (u + width / 2) * k, top - (z.top - z1) * k});
    };
    p.UseLayer("SUPPORT");
    box(0, face.capWidth, z.top - z.capHeight, z.top);
    for (double offset : face.bodyOffsets)
        if (z.bodyLength > 0) box(offset, face.bodyWidth, c.connectionTopZ, c.connectionTopZ + z.bodyLength);
    if (z.connectionHeight > 0) box(0, face.connectionWidth, c.connectionTopZ - z.connectionHeight, c.connectionTopZ);
    p.UseLayer("PILE");
    for (int i = 0; i < face.piles && z.pileLength > 0; ++i)
        box((i - (face.piles - 1) / 2.0) * face.pileSpacing, z.pile, s.foundation.tipZ, s.foundation.topZ);
}

// The views of one support in the column from `left` to `right`, from `top` down to `bottom`.
void DrawSupportViews(SheetPainter& p, const bridge::Bridge& b, const bridge::Support& s, double left, double right,
                      double top, double bottom) {
    const SupportSizes z = SizesOf(b, s);
    const double th = kTextHeight, cx = (left + right) / 2;
    // The elevation and, under it, the side view are as tall as the support: the scale fits both.
    const double tall = 2 * (z.top - z.bottom) + 4;
    const double wide = std::max(z.capLength, z.connectionLength) + 2;
    const double roomY = top - bottom - 4 * (kViewTitleHeight + th + 4) - 8 * th, roomX = right - left - 10;
    int scale = SmallestSeriesScale(std::max(tall * 1000 / std::max(roomY, 10.0), wide * 1000 / roomX));
    if (scale == 0) scale = kScaleSeries[std::size(kScaleSeries) - 1];
    const double k = 1000.0 / scale;
    auto box = [&](double x0, double x1, double y0, double y1) { p.Rect({x0, y0}, {x1, y1}); };

    // Elevation: looking along the route at the support line.
    double y = top - kViewTitleHeight;
    ViewCaption(p, cx, y, text::Format("%d号%s 立面  1:%d", s.index, s.KindText(), scale), kViewTitleHeight);
    y -= kViewTitleHeight + 3;
    auto Y = [&](double z0) { return y - (z.top - z0) * k; };
    std::vector<double> columnOffsets;
    for (const bridge::Column& col : s.columns) columnOffsets.push_back(col.offset);
    DrawSupportFace(p, z, s,
                    {z.capLength, z.bodyAcross, columnOffsets, z.connectionLength, z.pilesPerRow, z.pileSpacing}, cx, y,
                    k);
    p.UseLayer("TEXT");
    p.Text({cx + z.capLength / 2 * k + 2, Y(z.top) - th / 2}, th, text::Format("帽顶 %.3f", z.top));
    if (z.pileLength > 0)
        p.Text({cx, Y(s.foundation.tipZ) - th - 1.5}, th, text::Format("桩底 %.3f", s.foundation.tipZ), HAlign::Centre);
    y = Y(z.bottom) - th - 6;

    // Side view (along the route) on the left half, plan of the cap on the right half, each at the largest
    // scale of the series that fits its half and is not larger than the elevation's.
    const double sx = (left + cx) / 2, px = (cx + right) / 2, half = (right - left) / 2 - 6;
    const int sideScale = std::max(scale, SmallestSeriesScale(z.connectionWidth * 1000 / half));
    const int planScale = std::max(scale, SmallestSeriesScale(std::max(z.capLength, z.connectionLength) * 1000 / half));
    if (sideScale == 0 || planScale == 0) return;
    const double ks = 1000.0 / sideScale, kp = 1000.0 / planScale;
    ViewCaption(p, sx, y, text::Format("侧面  1:%d", sideScale), kViewTitleHeight);
    ViewCaption(p, px, y, text::Format("平面  1:%d", planScale), kViewTitleHeight);
    y -= kViewTitleHeight + 3;
    DrawSupportFace(p, z, s, {z.capWidth, z.bodyAlong, {0.0}, z.connectionWidth, z.rows, z.rowSpacing}, sx, y, ks);
    // Plan: the cap and the pile cap, the piles under them dashed.
    const double planY = y - std::max(z.capWidth, z.connectionWidth) / 2 * kp - 2;
    p.UseLayer("SUPPORT");
    box(px - z.capLength / 2 * kp, px + z.capLength / 2 * kp, planY - z.capWidth / 2 * kp, planY + z.capWidth / 2 * kp);
    p.UseLayer("HIDDEN");
    if (z.connectionHeight > 0)
        box(px - z.connectionLength / 2 * kp, px + z.connectionLength / 2 * kp, planY - z.connectionWidth / 2 * kp,
            planY + z.connectionWidth / 2 * kp);
    for (int r = 0; r < z.rows && z.pileLength > 0; ++r)
        for (int i = 0; i < z.pilesPerRow; ++i) {
            const double u = (i - (z.pilesPerRow - 1) / 2.0) * z.pileSpacing;
            const double v = (r - (z.rows - 1) / 2.0) * z.rowSpacing;
            p.Circle({px + u * kp, planY + v * kp}, z.pile / 2 * kp);
        }
}

}  // namespace

SheetGeometry SubstructureSheet(const bridge::Bridge& b, const SheetTexts& texts, const DrawingRecord& record) {
    SheetGeometry sheet;
    SheetPainter p(sheet);
    const DrawingArea area = StartStructureSheet(p, texts, record,
                                                 {{"SUPPORT", 7, LineStyle::Continuous, 0.5},
                                                  {"PILE", 7, LineStyle::Continuous, 0.35},
                                                  {"HIDDEN", 4, LineStyle::Dashed, 0.18}});
    std::vector<const bridge::Support*> shown;
    for (bridge::SupportKind kind : {bridge::SupportKind::Abutment, bridge::SupportKind::Pier}) {
        auto it = std::find_if(b.supports.begin(), b.supports.end(), [&](const auto& s) { return s.kind == kind; });
        if (it != b.supports.end() && it->chain.capHeight > 0) shown.push_back(&*it);
    }
    if (shown.empty()) {
        NothingToDraw(p, area, "本项目尚无下部构造资料（下构布置表为空），无可绘制的内容。");
        return sheet;
    }
    const double columnWidth = area.width() / shown.size();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const double left = area.left + columnWidth * i, right = left + columnWidth;
        DrawSupportViews(p, b, *shown[i], left, right, area.top - 4, area.bottom + 30);
        // What the model read: the member types and where their sizes came from.
        const bridge::Support& s = *shown[i];
        p.UseLayer("NOTE");
        double y = area.bottom + 24;
        for (const std::string& line :
             {text::Format("%s、%s", s.capType.c_str(), s.bodyType.c_str()),
              text::Format("%s、%s", s.connectType.c_str(), s.foundationType.c_str()),
              std::string("尺寸来源：") + (s.chain.proposed ? "标准尺寸（构件表中尚无）" : "构件表")}) {
            p.Text({left + 5, y}, kTextHeight, line);
            y -= kTextHeight * 1.8;
        }
    }
    return sheet;
}

}  // namespace drawhost
