// The general structure drawing of the substructure: for the first abutment and the first pier, the
// elevation along the support line (cap, bodies, connection, piles to their tips), the side view along the
// route and the plan of the cap with what stands under it, at one scale of the series, with the sizes the
// model read and where they came from.
#include <algorithm>
#include <cmath>

#include "layout_drawing.h"
#include "layout_views.h"
#include "platform/text/cformat.h"
#include "sheet_frame.h"
#include "sheet_painter.h"
#include "sheet_scales.h"

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

// The views of one support in the column from `left` to `right`, from `top` down to `bottom`.
void DrawSupportViews(SheetPainter& p, const bridge::Bridge& b, const bridge::Support& s, double left, double right,
                      double top, double bottom) {
    const SupportSizes z = SizesOf(b, s);
    const bridge::VerticalChain& c = s.chain;
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
    p.UseLayer("SUPPORT");
    box(cx - z.capLength / 2 * k, cx + z.capLength / 2 * k, Y(z.top - z.capHeight), Y(z.top));
    for (const bridge::Column& col : s.columns)
        if (z.bodyLength > 0)
            box(cx + (col.offset - z.bodyAcross / 2) * k, cx + (col.offset + z.bodyAcross / 2) * k, Y(c.connectionTopZ),
                Y(c.connectionTopZ + z.bodyLength));
    if (z.connectionHeight > 0)
        box(cx - z.connectionLength / 2 * k, cx + z.connectionLength / 2 * k, Y(c.connectionTopZ - z.connectionHeight),
            Y(c.connectionTopZ));
    p.UseLayer("PILE");
    for (int i = 0; i < z.pilesPerRow && z.pileLength > 0; ++i) {
        const double u = (i - (z.pilesPerRow - 1) / 2.0) * z.pileSpacing;
        box(cx + (u - z.pile / 2) * k, cx + (u + z.pile / 2) * k, Y(s.foundation.tipZ), Y(s.foundation.topZ));
    }
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
    p.UseLayer("SUPPORT");
    auto SY = [&](double z0) { return y - (z.top - z0) * ks; };
    box(sx - z.capWidth / 2 * ks, sx + z.capWidth / 2 * ks, SY(z.top - z.capHeight), SY(z.top));
    if (z.bodyLength > 0)
        box(sx - z.bodyAlong / 2 * ks, sx + z.bodyAlong / 2 * ks, SY(c.connectionTopZ),
            SY(c.connectionTopZ + z.bodyLength));
    if (z.connectionHeight > 0)
        box(sx - z.connectionWidth / 2 * ks, sx + z.connectionWidth / 2 * ks, SY(c.connectionTopZ - z.connectionHeight),
            SY(c.connectionTopZ));
    p.UseLayer("PILE");
    for (int r = 0; r < z.rows && z.pileLength > 0; ++r) {
        const double v = (r - (z.rows - 1) / 2.0) * z.rowSpacing;
        box(sx + (v - z.pile / 2) * ks, sx + (v + z.pile / 2) * ks, SY(s.foundation.tipZ), SY(s.foundation.topZ));
    }
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
    const DrawingArea area = DrawSheetFrame(
        p, record.sheetSize, {texts.dept, texts.project, texts.bridge, record.title, record.fileName, "见图"});
    p.AddLayer("SUPPORT", 7, LineStyle::Continuous, 0.5);
    p.AddLayer("PILE", 7, LineStyle::Continuous, 0.35);
    p.AddLayer("HIDDEN", 4, LineStyle::Dashed, 0.18);
    p.AddLayer("CAPTION", 7, LineStyle::Continuous, 0.35);
    p.AddLayer("NOTE", 7, LineStyle::Continuous, 0.18);
    p.AddLayer("TEXT", 7, LineStyle::Continuous, 0.18);
    std::vector<const bridge::Support*> shown;
    for (bridge::SupportKind kind : {bridge::SupportKind::Abutment, bridge::SupportKind::Pier}) {
        auto it = std::find_if(b.supports.begin(), b.supports.end(), [&](const auto& s) { return s.kind == kind; });
        if (it != b.supports.end() && it->chain.capHeight > 0) shown.push_back(&*it);
    }
    if (shown.empty()) {
        p.UseLayer("NOTE");
        p.Text({(area.left + area.right) / 2, area.top - area.height() * 0.4}, kViewTitleHeight,
               "本项目尚无下部构造资料（下构布置表为空），无可绘制的内容。", HAlign::Centre);
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
