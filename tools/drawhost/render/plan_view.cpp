// The plan in true plan coordinates: the route's centre line with the support stations, each deck's edges
// as offset curves of the route (two decks with their gap on a divided bridge), the road beyond the
// abutments, every support line along its skew at its true width with the members under the deck hidden,
// the deck widths and a north arrow.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "layout_views.h"
#include "model_geometry.h"
#include "platform/text/cformat.h"

namespace drawhost {

namespace {

using bridge::Bridge;
using bridge::Support;

constexpr double kOverhang = 1.5;  // metres the support lines reach beyond the deck edges
constexpr double kConeSide = 1;    // the side of the route whose cone slopes the plan shows

// Turns plan points so that the chord from the first to the last support runs along the sheet's x.
class PlanFrame {
public:
    PlanFrame(const Bridge& b, const StakeAxis& axis, double chordY) : axis_(axis), chordY_(chordY) {
        first_ = b.supports.empty() ? axis.firstStake : b.supports.front().station;
        const double last = b.supports.empty() ? axis.lastStake : b.supports.back().station;
        origin_ = PlanAt(b, first_, 0);
        const bridge::Point2 end = PlanAt(b, last > first_ ? last : first_ + 1, 0);
        const double n = std::hypot(end.x - origin_.x, end.y - origin_.y);
        dn_ = n > 0 ? (end.x - origin_.x) / n : 1;
        de_ = n > 0 ? (end.y - origin_.y) / n : 0;
        // The right side of the route lies below the centre line on the sheet, whichever way round the route
        // data hold their axes.
        if (Local(PlanAt(b, first_, 1)).second > Local(origin_).second) flip_ = -1;
    }
    // Along the chord and to its left, metres.
    std::pair<double, double> Local(bridge::Point2 q) const {
        const double n = q.x - origin_.x, e = q.y - origin_.y;
        return {n * dn_ + e * de_, -flip_ * (e * dn_ - n * de_)};
    }
    Point Sheet(bridge::Point2 q) const {
        auto [u, v] = Local(q);
        return {axis_.X(first_ + u), chordY_ + v * axis_.mmPerMetre};
    }
    // The sheet direction of north, as a unit vector.
    Point North() const {
        auto [u, v] = Local({origin_.x + 1, origin_.y});
        auto [u0, v0] = Local(origin_);
        return {u - u0, v - v0};
    }

private:
    const StakeAxis& axis_;
    double chordY_, first_;
    bridge::Point2 origin_;
    double dn_ = 1, de_ = 0;
    double flip_ = 1;
};

// Along the route from `from` to `to` at an offset, one point every two metres or less.
std::vector<Point> OffsetCurve(const Bridge& b, const PlanFrame& frame, double from, double to, double offset) {
    std::vector<Point> out;
    const int steps = std::max(8, static_cast<int>(std::ceil(std::abs(to - from) / 2)));
    for (int k = 0; k <= steps; ++k) out.push_back(frame.Sheet(PlanAt(b, from + (to - from) * k / steps, offset)));
    return out;
}

// The deck edges' offsets, outermost first and last: each deck's left and right edge.
std::vector<std::pair<double, double>> DeckEdges(const Bridge& b) {
    std::vector<std::pair<double, double>> edges;
    for (const bridge::Deck& d : b.decks) edges.push_back({d.offset - d.width / 2, d.offset + d.width / 2});
    return edges;
}

// A box on a support line: `along` the route and `length` along the line, centred `at` along the line.
void LineBox(SheetPainter& p, const Bridge& b, const PlanFrame& frame, const Support& s, double at, double length,
             double along) {
    const double theta = s.crossingAngle * std::numbers::pi / 180;
    const bridge::Deck* deck = b.DesignedDeck();
    std::vector<Point> corners;
    for (auto [dl, da] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}) {
        const double l = at + dl * length / 2;
        corners.push_back(frame.Sheet(PlanAt(b, s.station + l * std::cos(theta) + da * along / 2,
                                             (deck ? deck->offset : 0) + l * std::sin(theta))));
    }
    p.Polyline(corners, true);
}

void DrawSupport(SheetPainter& p, const Bridge& b, const PlanFrame& frame, const Support& s, double reachLeft,
                 double reachRight, double k, const SheetTexts& texts, double textHeight) {
    const double sine = std::sin(s.crossingAngle * std::numbers::pi / 180);
    const bridge::Deck* deck = b.DesignedDeck();
    const double centre = deck ? deck->offset : 0;
    const double from = (reachLeft - kOverhang - centre) / sine, to = (reachRight + kOverhang - centre) / sine;
    const Point a = frame.Sheet(OnSupportLine(b, s, from)), c = frame.Sheet(OnSupportLine(b, s, to));
    p.UseLayer("CENTER");
    p.Line(a, c);
    // What lies under the deck is hidden: cap, columns, pile cap or tie beam, piles.
    p.UseLayer("HIDDEN");
    const double width = deck ? deck->width : 0;
    if (s.chain.capHeight > 0)
        LineBox(p, b, frame, s, 0, s.capLength > 0 ? s.capLength : width / sine, s.capWidth > 0 ? s.capWidth : 1.6);
    const double bodyAlong = s.bodyAlong > 0 ? s.bodyAlong : 1.2;
    for (const bridge::Column& col : s.columns) {
        if (s.chain.bodyLength <= 0) break;
        if (s.roundBody || s.bodyAcross <= 0)
            p.Circle(frame.Sheet(OnSupportLine(b, s, col.offset)), bodyAlong / 2 * k);
        else
            LineBox(p, b, frame, s, col.offset, s.bodyAcross, bodyAlong);
    }
    const bridge::Foundation& f = s.foundation;
    const double pile = f.pileDiameter > 0 ? f.pileDiameter : 1.2;
    const int rows = f.kind == "桩基础" ? std::max(1, f.pileRows) : 1;
    const int total = f.pileCount > 0 ? f.pileCount : static_cast<int>(s.columns.size());
    const int count = std::max(1, total / rows);
    const double columnsSpan = s.columns.size() > 1 ? std::abs(s.columns.back().offset - s.columns.front().offset) : 0;
    const double spacing = f.pileSpacing > 0 ? f.pileSpacing : (count > 1 ? columnsSpan / (count - 1) : 0);
    const double rowsDepth = (rows - 1) * f.rowSpacing;
    if (s.chain.connectionHeight > 0) LineBox(p, b, frame, s, 0, columnsSpan + 2 * pile, rowsDepth + pile + 1.0);
    // Each row of piles along the support line, the rows one behind the other along the route.
    const double theta = s.crossingAngle * std::numbers::pi / 180;
    if (f.kind == "桩基础")
        for (int r = 0; r < rows; ++r)
            for (int i = 0; i < count; ++i) {
                const double along = (i - (count - 1) / 2.0) * spacing;
                const double ahead = (r - (rows - 1) / 2.0) * f.rowSpacing / sine;
                p.Circle(frame.Sheet(PlanAt(b, s.station + along * std::cos(theta) + ahead, centre + along * sine)),
                         pile / 2 * k);
            }
    // The station, written along the support line across the deck, reading from the right edge upwards, so
    // that it needs no room beyond the plan.
    p.UseLayer("TEXT");
    const Point start = frame.Sheet(OnSupportLine(b, s, (reachRight - 0.5 - centre) / sine));
    const double dx = a.x - c.x, dy = a.y - c.y, length = std::hypot(dx, dy);
    const double angle = std::atan2(dy, dx) * 180 / std::numbers::pi;
    // Beside the cap, not over it.
    const double clear = (s.capWidth > 0 ? s.capWidth : 1.6) / 2 * k + 0.8;
    const Point leftOfLine{-dy / length * clear, dx / length * clear};
    p.Text({start.x + leftOfLine.x, start.y + leftOfLine.y}, textHeight, StakeText(texts.lineMark, s.station),
           HAlign::Left, angle);
}

// The approach slabs under the road, hidden; each cone slope's toe as a quarter ellipse from the deck edge,
// reaching along the bridge and away from the deck, with the two radii to its top. As the half plan of the
// substructure shows them: on the right of the route (below the centre line on the sheet) only, so that
// a high embankment's cones do not shrink the whole drawing.
void DrawBridgeEnds(SheetPainter& p, const Bridge& b, const PlanFrame& frame) {
    p.UseLayer("HIDDEN");
    for (const bridge::ApproachSlab& a : b.approachSlabs) {
        std::vector<Point> outline;
        for (const bridge::Point2& q : a.corners) outline.push_back(frame.Sheet(q));
        p.Polyline(outline, true);
    }
    const bridge::Deck* deck = b.DesignedDeck();
    if (!deck) return;
    p.UseLayer("GROUND");
    for (const bridge::ConeSlope& c : b.cones) {
        const double dir = c.toeStation > c.topStation ? 1 : -1;
        const double side = kConeSide;
        const double edge = deck->offset + side * deck->width / 2;
        std::vector<Point> toe;
        constexpr int kSteps = 12;
        for (int k = 0; k <= kSteps; ++k) {
            const double a = std::numbers::pi / 2 * k / kSteps;
            toe.push_back(frame.Sheet(PlanAt(b, c.topStation + dir * c.radiusAlong() * std::sin(a),
                                             edge + side * c.radiusAcross() * std::cos(a))));
        }
        const Point top = frame.Sheet(PlanAt(b, c.topStation, edge));
        p.Line(top, toe.front());
        p.Line(top, toe.back());
        p.Polyline(toe);
    }
}

void NorthArrow(SheetPainter& p, Point at, Point north, double size) {
    const Point tip{at.x + north.x * size, at.y + north.y * size};
    const Point side{-north.y * size * 0.25, north.x * size * 0.25};
    p.UseLayer("TEXT");
    p.Polyline({tip, {at.x + side.x, at.y + side.y}, at, {at.x - side.x, at.y - side.y}}, true);
    p.Circle(at, size * 0.6);
    p.Text({tip.x + north.x * 1.5, tip.y + north.y * 1.5}, 3.5, "北", HAlign::Centre);
}

}  // namespace

PlanExtent MeasurePlan(const Bridge& b, const StakeAxis& axis) {
    PlanExtent x;
    if (b.decks.empty()) return x;
    const PlanFrame frame(b, axis, 0);
    double low = 0, high = 0;
    for (auto [left, right] : DeckEdges(b))
        for (double offset : {left - kOverhang, right + kOverhang})
            for (const Point& q : OffsetCurve(b, frame, axis.firstStake, axis.lastStake, offset)) {
                low = std::min(low, q.y / axis.mmPerMetre);
                high = std::max(high, q.y / axis.mmPerMetre);
            }
    // The cone slopes reach out from the deck edge on the substructure's side.
    if (const bridge::Deck* deck = b.DesignedDeck())
        for (const bridge::ConeSlope& c : b.cones) {
            const double offset = deck->offset + kConeSide * (deck->width / 2 + c.radiusAcross());
            const Point q = frame.Sheet(PlanAt(b, c.topStation, offset));
            low = std::min(low, q.y / axis.mmPerMetre);
            high = std::max(high, q.y / axis.mmPerMetre);
        }
    return {high, -low};
}

void DrawPlan(SheetPainter& p, const Bridge& b, const SheetTexts& texts, const StakeAxis& axis, double chordY,
              double textHeight) {
    const PlanFrame frame(b, axis, chordY);
    p.UseLayer("CENTER");
    p.Polyline(OffsetCurve(b, frame, axis.firstStake, axis.lastStake, 0));
    if (b.supports.empty() || b.decks.empty()) return;
    const Support& first = b.supports.front();
    const Support& last = b.supports.back();
    const double from = first.station - EndWall(first), to = last.station + EndWall(last);

    // Each deck between the outer faces of the back walls, its ends along the abutments' skew.
    const auto edges = DeckEdges(b);
    for (auto [left, right] : edges) {
        p.UseLayer("DECK");
        for (double offset : {left, right})
            p.Polyline(
                OffsetCurve(b, frame, from + SkewShift(b, first, offset), to + SkewShift(b, last, offset), offset));
        for (const Support* s : {&first, &last}) {
            const double wall = s == &first ? from : to;
            p.Line(frame.Sheet(PlanAt(b, wall + SkewShift(b, *s, left), left)),
                   frame.Sheet(PlanAt(b, wall + SkewShift(b, *s, right), right)));
        }
        // The road beyond the abutments.
        p.UseLayer("ROAD");
        for (double offset : {left, right}) {
            p.Polyline(OffsetCurve(b, frame, axis.firstStake, from + SkewShift(b, first, offset), offset));
            p.Polyline(OffsetCurve(b, frame, to + SkewShift(b, last, offset), axis.lastStake, offset));
        }
    }
    DrawBridgeEnds(p, b, frame);
    const double reachLeft = edges.front().first, reachRight = edges.back().second;
    for (const Support& s : b.supports)
        DrawSupport(p, b, frame, s, reachLeft, reachRight, axis.mmPerMetre, texts, textHeight);

    // The deck widths across the start of the bridge, in centimetres.
    p.UseLayer("DIM");
    const double at = axis.firstStake + (from - axis.firstStake) * 0.35;
    std::vector<double> marks;
    for (auto [left, right] : edges) marks.insert(marks.end(), {left, right});
    p.Line(frame.Sheet(PlanAt(b, at, marks.front())), frame.Sheet(PlanAt(b, at, marks.back())));
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const Point m = frame.Sheet(PlanAt(b, at, marks[i]));
        p.Line({m.x - 1, m.y - 1}, {m.x + 1, m.y + 1});
        if (i == 0 || marks[i] - marks[i - 1] < 1e-6) continue;
        const Point mid = frame.Sheet(PlanAt(b, at, (marks[i] + marks[i - 1]) / 2));
        p.UseLayer("TEXT");
        p.Text({mid.x - 0.8, mid.y}, textHeight, text::Format("%.0f", (marks[i] - marks[i - 1]) * 100), HAlign::Centre,
               90);
        p.UseLayer("DIM");
    }
    p.UseLayer("TEXT");
    const double labelAt = b.supports.size() > 1 ? (first.station + b.supports[1].station) / 2 : to;
    const Point label = frame.Sheet(PlanAt(b, labelAt, 0));
    p.Text({label.x, label.y + 0.8}, textHeight, "路线中心线", HAlign::Centre);
    const Point lower = frame.Sheet(PlanAt(b, axis.lastStake, reachRight));
    if (!texts.forwardSite.empty() && last.kind == bridge::SupportKind::Abutment)
        p.Text({lower.x, lower.y - textHeight - 1}, textHeight, texts.forwardSite + " →", HAlign::Right);
    const Point lowerStart = frame.Sheet(PlanAt(b, axis.firstStake, reachRight));
    if (!texts.backwardSite.empty() && first.kind == bridge::SupportKind::Abutment)
        p.Text({lowerStart.x + 3, lowerStart.y - textHeight - 1}, textHeight, "← " + texts.backwardSite);
    const Point upper = frame.Sheet(PlanAt(b, axis.lastStake, reachLeft - kOverhang));
    NorthArrow(p, {upper.x - 4, upper.y + 4}, frame.North(), 5);
}

}  // namespace drawhost
