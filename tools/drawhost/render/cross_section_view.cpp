// The cross-section looking along the route, half at the start abutment (left) and half at the first pier
// (right), as general arrangement drawings show it: the designed girder section with its voids or cells,
// the pavement on its cross slope, the railings, the cap, the columns, the pile cap or tie beam and the piles
// (shortened by a break line), the ground and the deck width. Each half stands at its own deck elevation.
#include <algorithm>
#include <cmath>

#include "layout_views.h"
#include "model_geometry.h"
#include "platform/text/cformat.h"
#include "sheet_scales.h"

namespace drawhost {

namespace {

using bridge::Bridge;
using bridge::Support;

constexpr double kRailing = 1.1, kBarrier = 0.5;

// The half that a support's section occupies: -1 left of the deck's centre line, +1 right of it.
class HalfSection {
public:
    HalfSection(SheetPainter& p, double centreX, double deckY, double deckZ, double k, int side)
        : p_(p), cx_(centreX), deckY_(deckY), deckZ_(deckZ), k_(k), side_(side) {}
    Point At(double u, double z) const { return {cx_ + u * k_, deckY_ + (z - deckZ_) * k_}; }
    // A rectangle cut at the centre line.
    void Box(double left, double right, double low, double high) {
        if (side_ < 0) right = std::min(right, 0.0);
        if (side_ > 0) left = std::max(left, 0.0);
        if (right > left && high > low) p_.Rect(At(left, low), At(right, high));
    }
    // An outline cut at the centre line (the half-plane side_ * u >= 0 is kept).
    void Outline(const std::vector<bridge::Point2>& points, double dz) {
        std::vector<Point> kept;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const bridge::Point2 a = points[i], c = points[(i + 1) % points.size()];
            const bool inA = side_ * a.x >= 0, inC = side_ * c.x >= 0;
            if (inA) kept.push_back(At(a.x, a.y + dz));
            if (inA != inC) {
                const double t = a.x / (a.x - c.x);
                kept.push_back(At(0, a.y + (c.y - a.y) * t + dz));
            }
        }
        if (kept.size() >= 3) p_.Polyline(kept, true);
    }
    int side() const { return side_; }
    SheetPainter& p() { return p_; }

private:
    SheetPainter& p_;
    double cx_, deckY_, deckZ_, k_;
    int side_;
};

const bridge::Solid* GirderOf(const Bridge& b, int span) {
    for (const bridge::Solid& s : b.solids)
        if (s.span == span && s.member == "主梁") return &s;
    return nullptr;
}

// How much of a support lies below its deck in this view, piles shortened, metres.
double ShownPile(const bridge::Foundation& f) {
    const double d = f.pileDiameter > 0 ? f.pileDiameter : 1.2;
    return std::min(f.topZ - f.tipZ, std::max(4.0, 3 * d));
}
double Depth(const Support& s) {
    const double connectionBottom = s.chain.connectionTopZ - s.chain.connectionHeight;
    const double shown = s.foundation.kind == "桩基础" ? ShownPile(s.foundation) : s.foundation.depth;
    return s.deckZ - (connectionBottom - shown) + 0.5;
}

void BreakLine(HalfSection& h, double left, double right, double z) {
    const double m = (left + right) / 2, d = 0.15 * (right - left);
    h.p().Polyline({h.At(left - 0.2, z), h.At(m - d, z), h.At(m - d / 2, z + d), h.At(m + d / 2, z - d), h.At(m + d, z),
                    h.At(right + 0.2, z)});
}

void DrawHalf(HalfSection& h, const Bridge& b, const Support& s, int span, double textHeight) {
    const bridge::Deck* deck = b.DesignedDeck();
    const double width = deck ? deck->width : 0, centre = deck ? deck->offset : 0, half = width / 2;
    const double pavement = s.chain.pavement.value;
    // The deck surface on its cross slope, the pavement under it, the girder section under that.
    h.p().UseLayer("DECK");
    const double surfaceEdge = b.site.DeckAt(s.station, centre + h.side() * (half - kBarrier));
    std::vector<bridge::Point2> pave = {{0, s.deckZ - pavement}, {h.side() * (half - kBarrier), s.deckZ - pavement},
                                        {h.side() * (half - kBarrier), surfaceEdge}, {0, s.deckZ}};
    h.Outline(pave, 0);
    if (const bridge::Solid* girder = GirderOf(b, span)) {
        h.Outline(girder->profile, s.deckZ - pavement);
        for (const auto& hole : girder->holes) h.Outline(hole, s.deckZ - pavement);
    }
    h.p().UseLayer("RAILING");
    const double edge = h.side() < 0 ? -half : half - kBarrier;
    h.Box(edge, edge + kBarrier, s.deckZ - pavement, s.deckZ + kRailing);

    // The substructure, along the support line.
    const double sine = std::sin(s.crossingAngle * 3.14159265358979323846 / 180);
    const bridge::VerticalChain& c = s.chain;
    h.p().UseLayer("SUPPORT");
    const double capLength = s.capLength > 0 ? s.capLength : width / sine;
    h.Box(-capLength / 2, capLength / 2, c.capTopZ - c.capHeight, c.capTopZ);
    const double body = s.roundBody || s.bodyAcross <= 0 ? (s.bodyAlong > 0 ? s.bodyAlong : 1.2) : s.bodyAcross;
    if (c.bodyLength > 0)
        for (const bridge::Column& col : s.columns)
            h.Box(col.offset - body / 2, col.offset + body / 2, c.connectionTopZ, c.connectionTopZ + c.bodyLength);
    const bridge::Foundation& f = s.foundation;
    const double pile = f.pileDiameter > 0 ? f.pileDiameter : 1.2;
    const double columnsSpan = s.columns.size() > 1 ? std::abs(s.columns.back().offset - s.columns.front().offset) : 0;
    const double connectionBottom = c.connectionTopZ - c.connectionHeight;
    if (c.connectionHeight > 0)
        h.Box(-columnsSpan / 2 - pile, columnsSpan / 2 + pile, connectionBottom, c.connectionTopZ);
    h.p().UseLayer("PILE");
    if (f.kind == "桩基础") {
        // One row of a multi-row group: the others stand behind it.
        const int total = f.pileCount > 0 ? f.pileCount : static_cast<int>(s.columns.size());
        const int count = std::max(1, total / std::max(1, f.pileRows));
        const double spacing = f.pileSpacing > 0 ? f.pileSpacing : (count > 1 ? columnsSpan / (count - 1) : 0);
        const double shown = ShownPile(f);
        for (int i = 0; i < count; ++i) {
            const double u = (i - (count - 1) / 2.0) * spacing;
            if (h.side() * u < 0) continue;
            h.Box(u - pile / 2, u + pile / 2, f.topZ - shown, f.topZ);
            if (shown < f.topZ - f.tipZ) BreakLine(h, u - pile / 2, u + pile / 2, f.topZ - shown);
        }
    } else if (f.depth > 0) {
        h.Box(-columnsSpan / 2 - 1.5, columnsSpan / 2 + 1.5, f.topZ - f.depth, f.topZ);
    }
    if (s.groundKnown) {
        h.p().UseLayer("GROUND");
        h.p().Line(h.At(0, s.groundZ), h.At(h.side() * (half + 1), s.groundZ));
    }
    h.p().UseLayer("TEXT");
    const Point label = h.At(h.side() * (half + 0.3), s.deckZ - pavement);
    h.p().Text({label.x, label.y - textHeight / 2}, textHeight, text::Format("%d号%s", s.index, s.KindText()),
               h.side() < 0 ? HAlign::Right : HAlign::Left);
    if (f.kind == "桩基础") {
        const Point tip = h.At(h.side() * (half * 0.5), f.topZ - ShownPile(f));
        h.p().Text({tip.x, tip.y - textHeight * 1.6}, textHeight, text::Format("桩底 %.3f", f.tipZ), HAlign::Centre);
    }
}

}  // namespace

double DrawCrossSection(SheetPainter& p, const Bridge& b, double left, double bottom, double right, double top,
                        double textHeight) {
    if (b.supports.empty() || b.decks.empty()) return top;
    const Support& abutment = b.supports.front();
    auto pier = std::find_if(b.supports.begin(), b.supports.end(),
                             [](const Support& s) { return s.kind == bridge::SupportKind::Pier; });
    const Support& other = pier != b.supports.end() ? *pier : b.supports.back();
    const double width = b.DesignedDeck()->width;
    const double depth = std::max(Depth(abutment), Depth(other)) + kRailing;

    const double captionRoom = 3 * textHeight + 4, dimRoom = 2 * textHeight + 4;
    const double roomY = top - bottom - captionRoom - dimRoom - 2 * textHeight, roomX = right - left - 4;
    int scale = SmallestSeriesScale(std::max((width + 3) * 1000 / roomX, depth * 1000 / std::max(roomY, 10.0)));
    if (scale == 0) scale = kScaleSeries[std::size(kScaleSeries) - 1];
    const double k = 1000.0 / scale;
    const double cx = (left + right) / 2, deckY = top - captionRoom - dimRoom - kRailing * k;
    HalfSection leftHalf(p, cx, deckY, abutment.deckZ, k, -1);
    DrawHalf(leftHalf, b, abutment, 0, textHeight);
    HalfSection rightHalf(p, cx, deckY, other.deckZ, k, 1);
    DrawHalf(rightHalf, b, other, std::max(0, other.index - 1), textHeight);
    p.UseLayer("CENTER");
    p.Line({cx, deckY + (kRailing + 0.5) * k}, {cx, deckY - (depth - kRailing) * k});

    p.UseLayer("DIM");
    const double dimY = deckY + kRailing * k + textHeight + 2;
    p.HorizontalDimension(cx - width / 2 * k, cx + width / 2 * k, dimY, deckY + kRailing * k,
                          text::Format("%.0f", width * 100), textHeight);
    ViewCaption(p, cx, top - textHeight * 1.5,
                text::Format("%d号%s—%d号%s 横断面  1:%d", abutment.index, abutment.KindText(), other.index,
                             other.KindText(), scale),
                kViewTitleHeight);
    return deckY - (depth - kRailing) * k - textHeight * 2;
}

}  // namespace drawhost
