// The elevation: ground line, the girder of each continuous unit under the deck line with joints only
// between units, bearings, every support with the members the model's solids give it, cone slopes, the
// support centre lines, pier numbers, pile tip elevations and the span dimensions.
#include <algorithm>
#include <cmath>

#include "bridge/standard_sizes.h"
#include "layout_views.h"
#include "model_geometry.h"
#include "platform/text/cformat.h"

namespace drawhost {

namespace {

using bridge::Bridge;
using bridge::Support;

constexpr double kRailing = 1.1;  // height of the railing over the deck

class ElevationPainter {
public:
    ElevationPainter(SheetPainter& p, const StakeAxis& axis, double baseY, double bottomElevation)
        : p_(p), axis_(axis), baseY_(baseY), bottom_(bottomElevation) {}

    Point At(double stake, double elevation) const {
        return {axis_.X(stake), baseY_ + (elevation - bottom_) * axis_.mmPerMetre};
    }
    void Box(double fromStake, double toStake, double low, double high) {
        if (high - low <= 0) return;
        p_.Rect(At(fromStake, low), At(toStake, high));
    }
    SheetPainter& p() { return p_; }

private:
    SheetPainter& p_;
    const StakeAxis& axis_;
    double baseY_, bottom_;
};

double GroundAt(const Bridge& b, double station) { return b.site.GroundAt(station); }

void DrawGround(ElevationPainter& e, const Bridge& b, const StakeAxis& axis) {
    if (b.site.ground.empty()) return;
    std::vector<Point> line;
    line.push_back(e.At(axis.firstStake, GroundAt(b, axis.firstStake)));
    for (const bridge::GroundPoint& g : b.site.ground)
        if (g.station > axis.firstStake && g.station < axis.lastStake) line.push_back(e.At(g.station, g.elevation));
    line.push_back(e.At(axis.lastStake, GroundAt(b, axis.lastStake)));
    e.p().UseLayer("GROUND");
    e.p().Polyline(line);
    e.p().UseLayer("GROUND-HATCH");
    for (std::size_t i = 1; i < line.size(); ++i) {
        const Point a = line[i - 1], c = line[i];
        const double len = std::hypot(c.x - a.x, c.y - a.y);
        for (double t = 1.5; t < len; t += 3) {
            Point q{a.x + (c.x - a.x) * t / len, a.y + (c.y - a.y) * t / len};
            e.p().Line(q, {q.x - 1.2, q.y - 1.2});
        }
    }
}

double Pavement(const Bridge& b) { return b.supports.empty() ? 0 : b.supports.front().chain.pavement.value; }

// One outline per girder: a continuous unit's girder runs unbroken over the piers inside it, simple spans
// end at every support.
std::vector<std::vector<int>> Girders(const Bridge& b) {
    std::vector<std::vector<int>> girders;
    for (const bridge::Unit& unit : b.units) {
        if (unit.continuous) {
            girders.push_back(unit.spans);
            continue;
        }
        for (int span : unit.spans) girders.push_back({span});
    }
    return girders;
}

void DrawGirders(ElevationPainter& e, const Bridge& b) {
    e.p().UseLayer("DECK");
    const double pavement = Pavement(b);
    for (const std::vector<int>& spans : Girders(b)) {
        if (spans.empty()) continue;
        const bridge::Span& first = b.spans[spans.front()];
        const bridge::Span& last = b.spans[spans.back()];
        const double from = first.startStation + bridge::kJointHalfGap, to = last.endStation - bridge::kJointHalfGap;
        std::vector<Point> top, bottom;
        for (int index : spans) {
            const bridge::Span& span = b.spans[index];
            const bridge::Superstructure* g = index < static_cast<int>(b.superstructures.size())
                                                  ? &b.superstructures[index]
                                                  : nullptr;
            const double a = std::max(from, span.startStation), c = std::min(to, span.endStation);
            const int steps = std::max(4, static_cast<int>((c - a) / 2));
            for (int k = 0; k <= steps; ++k) {
                const double s = a + (c - a) * k / steps;
                const double girderTop = DeckLine(b, s) - pavement;
                top.push_back(e.At(s, girderTop));
                bottom.push_back(e.At(s, girderTop - (g ? GirderDepthAt(*g, span, s) : 1.0)));
            }
        }
        std::vector<Point> outline = top;
        outline.insert(outline.end(), bottom.rbegin(), bottom.rend());
        e.p().Polyline(outline, true);
    }
    if (b.supports.size() < 2) return;
    // The pavement and the railing run from back wall to back wall.
    const double from = b.supports.front().station - EndWall(b.supports.front());
    const double to = b.supports.back().station + EndWall(b.supports.back());
    const int steps = std::max(4, static_cast<int>((to - from) / 2));
    std::vector<Point> deck, rail;
    for (int k = 0; k <= steps; ++k) {
        const double s = from + (to - from) * k / steps;
        deck.push_back(e.At(s, DeckLine(b, s)));
        rail.push_back(e.At(s, DeckLine(b, s) + kRailing));
    }
    e.p().Polyline(deck);
    e.p().UseLayer("RAILING");
    e.p().Polyline(rail);
    for (double s : {from, to}) e.p().Line(e.At(s, DeckLine(b, s)), e.At(s, DeckLine(b, s) + kRailing));
}

// The road on the embankment beyond each abutment, and what the model holds at the bridge ends: the cone
// slope falling from its top to its toe with slope marks on the fill side, the approach slab under the
// road with its thicker middle.
void DrawApproaches(ElevationPainter& e, const Bridge& b, const StakeAxis& axis) {
    if (b.supports.size() < 2) return;
    for (int side : {-1, 1}) {
        const Support& s = side < 0 ? b.supports.front() : b.supports.back();
        if (s.kind != bridge::SupportKind::Abutment) continue;
        const double wall = s.station + side * BackWall(s);
        const double end = side < 0 ? axis.firstStake : axis.lastStake;
        e.p().UseLayer("ROAD");
        std::vector<Point> road;
        for (int k = 0; k <= 8; ++k) {
            const double st = wall + (end - wall) * k / 8;
            road.push_back(e.At(st, DeckLine(b, st)));
        }
        e.p().Polyline(road);
    }
    for (const bridge::ConeSlope& c : b.cones) {
        const Point top = e.At(c.topStation, c.topZ), toe = e.At(c.toeStation, c.toeZ);
        e.p().UseLayer("GROUND");
        e.p().Line(top, toe);
        // Slope marks, long and short in turn, square to the slope on the side of the fill.
        const double dx = toe.x - top.x, dy = toe.y - top.y, length = std::hypot(dx, dy);
        if (length < 3) continue;
        const double fill = c.toeStation > c.topStation ? 1 : -1;
        const Point in{-dy / length * fill, dx / length * fill};
        e.p().UseLayer("GROUND-HATCH");
        int k = 0;
        for (double t = 1.5; t < length - 0.5; t += 1.5, ++k) {
            const Point q{top.x + dx * t / length, top.y + dy * t / length};
            const double mark = k % 2 == 0 ? 2.5 : 1.2;
            e.p().Line(q, {q.x + in.x * mark, q.y + in.y * mark});
        }
    }
    e.p().UseLayer("SUPPORT");
    for (const bridge::ApproachSlab& a : b.approachSlabs) {
        const double middle = (a.startStation + a.endStation) / 2;
        const double midTop = (a.startTopZ + a.endTopZ) / 2;
        e.p().Polyline({e.At(a.startStation, a.startTopZ), e.At(a.endStation, a.endTopZ),
                        e.At(a.endStation, a.endTopZ - a.endThickness), e.At(middle, midTop - a.centreThickness),
                        e.At(a.startStation, a.startTopZ - a.endThickness)},
                       true);
    }
}

// The elevation mark ▽ with its value, pointing at `at`.
void ElevationMark(SheetPainter& p, Point at, double value, double textHeight) {
    const double m = textHeight * 0.5;
    p.Polyline({at, {at.x - m, at.y + m}, {at.x + m, at.y + m}}, true);
    p.Line({at.x + m, at.y + m}, {at.x + m + textHeight * 4.2, at.y + m});
    p.Text({at.x + m, at.y + m + 0.6}, textHeight, text::Format("%.3f", value));
}

void DrawSupport(ElevationPainter& e, const Bridge& b, const Support& s, double textHeight) {
    double lowest = s.chain.capTopZ, outer = 0;
    for (const bridge::Solid& solid : b.solids) {
        if (solid.support != s.index || AtBridgeEnd(solid)) continue;
        const SideView v = SideOf(solid);
        e.p().UseLayer(solid.member == "桩" ? "PILE" : "SUPPORT");
        const double at = s.station + StationShift(s, solid);
        e.Box(at - v.half, at + v.half, v.bottom, v.top);
        lowest = std::min(lowest, v.bottom);
        if (solid.member == "桩" || v.bottom <= lowest) outer = std::max(outer, v.half);
    }
    // An abutment's back wall stands on its cap, behind the joint, up to the underside of the pavement.
    if (s.kind == bridge::SupportKind::Abutment && b.supports.size() > 1) {
        const int side = &s == &b.supports.front() ? -1 : 1;
        const double wall = BackWall(s);
        e.p().UseLayer("SUPPORT");
        e.Box(std::min(s.station, s.station + side * wall), std::max(s.station, s.station + side * wall),
              s.chain.capTopZ, s.deckZ - s.chain.pavement.value);
    }
    // Bearings under each girder end that rests here.
    e.p().UseLayer("SUPPORT");
    for (const bridge::BearingLine& line : s.bearings)
        e.Box(line.station - 0.2, line.station + 0.2, s.chain.seatZ, s.chain.seatZ + s.chain.bearing.value);
    e.p().UseLayer("CENTER");
    e.p().Line(e.At(s.station, s.deckZ + kRailing + 1.0), e.At(s.station, lowest - 0.8));
    if (s.foundation.kind != "无" && lowest < s.chain.capTopZ) {
        e.p().UseLayer("TEXT");
        ElevationMark(e.p(), {e.At(s.station + outer, lowest).x + 1.5, e.At(0, lowest).y}, lowest, textHeight);
    }
}

}  // namespace

double DeckLine(const Bridge& b, double station) {
    const bridge::Deck* deck = b.DesignedDeck();
    return b.site.DeckAt(station, deck ? deck->offset : 0);
}

ElevationExtent MeasureElevation(const Bridge& b, const StakeAxis& axis) {
    ElevationExtent x{-1e300, 1e300};
    for (const Support& s : b.supports) {
        x.top = std::max(x.top, s.deckZ + kRailing);
        x.bottom = std::min(x.bottom, s.chain.capTopZ);
    }
    for (const bridge::Solid& solid : b.solids)
        if (solid.support >= 0 && !AtBridgeEnd(solid)) x.bottom = std::min(x.bottom, SideOf(solid).bottom);
    for (const bridge::ConeSlope& c : b.cones) x.bottom = std::min(x.bottom, c.toeZ);
    for (const bridge::GroundPoint& g : b.site.ground)
        if (g.station >= axis.firstStake && g.station <= axis.lastStake) {
            x.bottom = std::min(x.bottom, g.elevation);
            x.top = std::max(x.top, g.elevation);
        }
    for (double s : {axis.firstStake, axis.lastStake}) {
        x.top = std::max({x.top, DeckLine(b, s) + kRailing, b.site.ground.empty() ? x.top : GroundAt(b, s)});
        if (!b.site.ground.empty()) x.bottom = std::min(x.bottom, GroundAt(b, s));
    }
    if (b.supports.empty()) return {1, 0};
    x.bottom -= 1.5;  // room for the tip marks
    return x;
}

double DrawElevation(SheetPainter& p, const Bridge& b, const SheetTexts& texts, const StakeAxis& axis,
                     const ElevationExtent& extent, double baseY, double textHeight) {
    ElevationPainter e(p, axis, baseY, extent.bottom);
    DrawGround(e, b, axis);
    if (b.supports.empty()) return e.At(0, extent.top).y;
    DrawGirders(e, b);
    DrawApproaches(e, b, axis);
    for (const Support& s : b.supports) DrawSupport(e, b, s, textHeight);

    // Pier numbers above the railing, then the span dimensions (centimetres) and the whole length.
    const double numberY = e.At(0, extent.top).y + 2;
    p.UseLayer("TEXT");
    for (const Support& s : b.supports)
        p.Text({axis.X(s.station), numberY}, textHeight,
               std::to_string(s.index) + (s.kind == bridge::SupportKind::Abutment ? "号台" : "号墩"), HAlign::Centre);
    const double dimY = numberY + textHeight + 4;
    p.UseLayer("DIM");
    for (std::size_t i = 0; i + 1 < b.supports.size(); ++i) {
        const double a = b.supports[i].station, c = b.supports[i + 1].station;
        p.HorizontalDimension(axis.X(a), axis.X(c), dimY, numberY + textHeight + 1, text::Format("%.0f", (c - a) * 100),
                              textHeight);
    }
    const double totalY = dimY + textHeight + 4;
    // The whole length where the sheet shows the whole bridge, abutment to abutment.
    if (b.supports.front().kind == bridge::SupportKind::Abutment &&
        b.supports.back().kind == bridge::SupportKind::Abutment) {
        const double first = b.supports.front().station - BackWall(b.supports.front());
        p.HorizontalDimension(axis.X(first), axis.X(first + b.length), totalY, dimY,
                              text::Format("桥梁全长 %.0f", b.length * 100), textHeight);
    }
    p.UseLayer("TEXT");
    const bool startsAtAbutment = b.supports.front().kind == bridge::SupportKind::Abutment;
    const bool endsAtAbutment = b.supports.back().kind == bridge::SupportKind::Abutment;
    if (!texts.backwardSite.empty() && startsAtAbutment)
        p.Text({axis.X(axis.firstStake), e.At(0, DeckLine(b, axis.firstStake)).y + 1}, textHeight,
               "至" + texts.backwardSite);
    if (!texts.forwardSite.empty() && endsAtAbutment)
        p.Text({axis.X(axis.lastStake), e.At(0, DeckLine(b, axis.lastStake)).y + 1}, textHeight,
               "至" + texts.forwardSite, HAlign::Right);
    return totalY + textHeight + 1;
}

double DrawDataStrip(SheetPainter& p, const Bridge& b, const SheetTexts& texts, const StakeAxis& axis, double topY,
                     double captionLeft, double textHeight) {
    struct Row {
        const char* caption;
        double height;
    };
    const double h = textHeight;
    const Row rows[] = {{"设计高程", h * 5.6}, {"地面高程", h * 5.6}, {"桩  号", h * 8.6}};
    const double right = axis.X(axis.lastStake);
    double y = topY;
    p.UseLayer("STRIP");
    p.Line({captionLeft, y}, {right, y});
    std::vector<double> rowTops;
    for (const Row& row : rows) {
        rowTops.push_back(y);
        p.UseLayer("TEXT");
        p.Text({captionLeft + 1, y - row.height / 2 - h / 2}, h, row.caption);
        y -= row.height;
        p.UseLayer("STRIP");
        p.Line({captionLeft, y}, {right, y});
    }
    p.Line({captionLeft, topY}, {captionLeft, y});
    p.Line({axis.X(axis.firstStake), topY}, {axis.X(axis.firstStake), y});
    p.Line({right, topY}, {right, y});
    for (const Support& s : b.supports) {
        const double x = axis.X(s.station);
        const std::string values[] = {text::Format("%.3f", s.deckZ),
                                      s.groundKnown ? text::Format("%.3f", s.groundZ) : std::string("—"),
                                      StakeText(texts.lineMark, s.station)};
        p.UseLayer("TEXT");
        for (std::size_t r = 0; r < 3; ++r)
            p.Text({x + h / 2, rowTops[r] - rows[r].height / 2}, h, values[r], HAlign::Centre, 90);
        p.UseLayer("STRIP");
        p.Line({x, topY}, {x, topY - 1.5});
        p.Line({x, y}, {x, y + 1.5});
    }
    return y;
}

void ViewCaption(SheetPainter& p, double centreX, double y, const std::string& caption, double textHeight) {
    p.UseLayer("CAPTION");
    p.Text({centreX, y}, textHeight, caption, HAlign::Centre);
    const double half = caption.size() * textHeight * 0.17;  // about half the lettered width
    p.Line({centreX - half, y - 1.2}, {centreX + half, y - 1.2});
    p.Line({centreX - half, y - 2.0}, {centreX + half, y - 2.0});
}

}  // namespace drawhost
