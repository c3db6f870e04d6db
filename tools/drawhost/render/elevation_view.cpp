// The elevation: ground line, embankment cones, the superstructure under the deck line, every support with
// cap, body, connection and foundation, the support centre lines, pier numbers, elevation marks and the
// span dimensions.
#include <algorithm>
#include <cmath>

#include "layout_views.h"
#include "platform/text/cformat.h"

namespace drawhost {

namespace {

constexpr double kBackWall = 0.45;  // thickness of an abutment's back wall, metres
constexpr double kRailing = 1.1;    // height of the railing over the deck

// Heights of the parts of a support, from the deck down.
struct SupportLevels {
    double deck, capTop, capBottom, connectTop, connectBottom, foundationTop, foundationBottom;
};

SupportLevels LevelsOf(const BridgeData& data, const Support& s) {
    SupportLevels l{};
    l.deck = data.deckElevation(s.stake);
    l.capTop = l.deck - s.deckToCap;
    l.capBottom = l.capTop - s.cap.height;
    l.connectTop = data.GroundElevation(s.stake) - s.depthBelowGround;
    // A support whose ground lies above its cap (a cut) still shows its members in order.
    l.connectTop = std::min(l.connectTop, l.capBottom - 0.5);
    l.connectBottom = l.connectTop - (s.connect.kind == ConnectKind::None ? 0 : s.connect.height);
    l.foundationTop = l.connectBottom;
    switch (s.foundation.kind) {
        case FoundationKind::Piles: l.foundationBottom = l.foundationTop - s.foundation.length; break;
        case FoundationKind::Footing: l.foundationBottom = l.foundationTop - s.foundation.footingHeight; break;
        default: l.foundationBottom = l.foundationTop;
    }
    return l;
}

// Which way an abutment's back wall faces: -1 at the start (the fill is behind, at smaller stakes), +1 at
// the end, 0 for a pier.
int Side(const BridgeData& data, std::size_t i, const Support& s) {
    if (!s.abutment) return 0;
    return i == 0 ? -1 : (i + 1 == data.supports.size() ? 1 : 0);
}

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

void DrawGround(ElevationPainter& e, const BridgeData& data, const StakeAxis& axis) {
    std::vector<Point> line;
    line.push_back(e.At(axis.firstStake, data.GroundElevation(axis.firstStake)));
    for (const GroundPoint& g : data.ground)
        if (g.stake > axis.firstStake && g.stake < axis.lastStake) line.push_back(e.At(g.stake, g.elevation));
    line.push_back(e.At(axis.lastStake, data.GroundElevation(axis.lastStake)));
    e.p().UseLayer("GROUND");
    e.p().Polyline(line);
    // Earth hatching: short strokes under the ground line.
    e.p().UseLayer("GROUND-HATCH");
    for (std::size_t i = 1; i < line.size(); ++i) {
        const Point a = line[i - 1], b = line[i];
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        for (double t = 1.5; t < len; t += 3) {
            Point q{a.x + (b.x - a.x) * t / len, a.y + (b.y - a.y) * t / len};
            e.p().Line(q, {q.x - 1.2, q.y - 1.2});
        }
    }
}

// The superstructure of each span between the support lines, with a gap at every support, and the railing.
void DrawDeck(ElevationPainter& e, const BridgeData& data) {
    e.p().UseLayer("DECK");
    for (std::size_t i = 0; i + 1 < data.supports.size(); ++i) {
        const Support& a = data.supports[i];
        const Support& b = data.supports[i + 1];
        const double depth = i < data.spans.size() ? data.spans[i].depth : 1.0;
        const double from = a.stake + (a.abutment && i == 0 ? 0.04 : 0.02);
        const double to = b.stake - (b.abutment && i + 2 == data.supports.size() ? 0.04 : 0.02);
        std::vector<Point> outline;
        const int steps = std::max(2, static_cast<int>((to - from) / 2));
        for (int k = 0; k <= steps; ++k) {
            double s = from + (to - from) * k / steps;
            outline.push_back(e.At(s, data.deckElevation(s)));
        }
        for (int k = steps; k >= 0; --k) {
            double s = from + (to - from) * k / steps;
            outline.push_back(e.At(s, data.deckElevation(s) - depth));
        }
        e.p().Polyline(outline, true);
    }
    if (data.supports.size() < 2) return;
    e.p().UseLayer("RAILING");
    const double from = data.supports.front().stake - kBackWall, to = data.supports.back().stake + kBackWall;
    std::vector<Point> rail;
    const int steps = std::max(2, static_cast<int>((to - from) / 2));
    for (int k = 0; k <= steps; ++k) {
        double s = from + (to - from) * k / steps;
        rail.push_back(e.At(s, data.deckElevation(s) + kRailing));
    }
    e.p().Polyline(rail);
    for (double s : {from, to}) e.p().Line(e.At(s, data.deckElevation(s)), e.At(s, data.deckElevation(s) + kRailing));
}

// The road on the embankment beyond each abutment and the cone of the fill in front of it, sloping 1:1.5
// down to the ground.
void DrawApproaches(ElevationPainter& e, const BridgeData& data, const StakeAxis& axis) {
    for (std::size_t i : {std::size_t{0}, data.supports.size() - 1}) {
        const Support& s = data.supports[i];
        const int side = Side(data, i, s);
        if (side == 0) continue;
        const SupportLevels l = LevelsOf(data, s);
        const double wall = s.stake + side * kBackWall;
        const double end = side < 0 ? axis.firstStake : axis.lastStake;
        e.p().UseLayer("ROAD");
        std::vector<Point> road;
        for (int k = 0; k <= 8; ++k) {
            double st = wall + (end - wall) * k / 8;
            road.push_back(e.At(st, data.deckElevation(st)));
        }
        e.p().Polyline(road);
        // The cone starts at the front edge of the cap and runs into the span at 1:1 until it meets the
        // ground; a cone that would reach past half the span is a retaining fill ending there.
        const double front = s.stake - side * (s.cap.along - kBackWall);
        const double span = data.supports.size() > 1 ? std::abs(data.supports[i == 0 ? 1 : i - 1].stake - s.stake) : 10;
        double st = front, el = l.capBottom;
        while (el > data.GroundElevation(st) && std::abs(st - front) < span * 0.5) {
            st -= side * 0.05;
            el -= 0.05;
        }
        if (el > data.GroundElevation(st)) {
            e.p().UseLayer("GROUND");
            e.p().Line(e.At(st, el), e.At(st, data.GroundElevation(st)));
        }
        e.p().UseLayer("GROUND");
        e.p().Line(e.At(front, l.capBottom), e.At(st, el));
    }
}

void DrawSupport(ElevationPainter& e, const BridgeData& data, std::size_t index, double textHeight) {
    const Support& s = data.supports[index];
    const SupportLevels l = LevelsOf(data, s);
    const int side = Side(data, index, s);
    // An abutment's cap sits in front of its back wall; a pier's is centred on its line.
    const double capFrom = side == 0 ? s.stake - s.cap.along / 2
                                     : (side < 0 ? s.stake - kBackWall : s.stake + kBackWall - s.cap.along);
    const double capTo = capFrom + s.cap.along;
    const double centre = (capFrom + capTo) / 2;
    e.p().UseLayer("SUPPORT");
    e.Box(capFrom, capTo, l.capBottom, l.capTop);
    if (s.cap.backWall && side != 0) {
        const double wallFrom = side < 0 ? s.stake - kBackWall : s.stake;
        e.Box(wallFrom, wallFrom + kBackWall, l.capTop, l.deck - 0.1);
    }
    if (s.body.kind != BodyKind::None)
        e.Box(centre - s.body.along / 2, centre + s.body.along / 2, l.connectTop, l.capBottom);
    if (s.connect.kind != ConnectKind::None) {
        const double along = std::max(s.connect.along, s.body.along);
        e.Box(centre - along / 2, centre + along / 2, l.connectBottom, l.connectTop);
    }
    const Foundation& f = s.foundation;
    if (f.kind == FoundationKind::Piles) {
        e.p().UseLayer("PILE");
        for (int row = 0; row < f.rowsAlong; ++row) {
            const double at = centre + (row - (f.rowsAlong - 1) / 2.0) * f.spacingAlong;
            e.Box(at - f.diameter / 2, at + f.diameter / 2, l.foundationBottom, l.foundationTop);
        }
    } else if (f.kind == FoundationKind::Footing) {
        e.Box(centre - f.footingAlong / 2, centre + f.footingAlong / 2, l.foundationBottom, l.foundationTop);
    }
    // The support line, from over the railing down through the foundation.
    e.p().UseLayer("CENTER");
    e.p().Line(e.At(s.stake, l.deck + kRailing + 1.0), e.At(s.stake, l.foundationBottom - 0.8));
    // The pile tip elevation, with the elevation mark.
    e.p().UseLayer("TEXT");
    const Point tip = e.At(centre, l.foundationBottom);
    const double m = textHeight * 0.5;
    const double outer = f.kind == FoundationKind::Footing ? f.footingAlong / 2
                                                           : (f.rowsAlong - 1) / 2.0 * f.spacingAlong + f.diameter / 2;
    const Point mark{e.At(centre + outer, 0).x + 1.5, tip.y};
    e.p().Polyline({{mark.x, mark.y}, {mark.x - m, mark.y + m}, {mark.x + m, mark.y + m}}, true);
    e.p().Text({mark.x - m, mark.y + m + 0.5}, textHeight * 0.8, text::Format("%.2f", l.foundationBottom));
}

}  // namespace

ElevationExtent MeasureElevation(const BridgeData& data) {
    ElevationExtent x{-1e9, 1e9};
    for (std::size_t i = 0; i < data.supports.size(); ++i) {
        const SupportLevels l = LevelsOf(data, data.supports[i]);
        x.top = std::max(x.top, l.deck + kRailing);
        x.bottom = std::min(x.bottom, l.foundationBottom);
    }
    for (const GroundPoint& g : data.ground) x.bottom = std::min(x.bottom, g.elevation);
    if (data.supports.empty()) x = {1, 0};
    x.bottom -= 1.5;  // room for the tip marks
    return x;
}

double DrawElevation(SheetPainter& p, const BridgeData& data, const StakeAxis& axis, const ElevationExtent& extent,
                     double baseY, double textHeight) {
    ElevationPainter e(p, axis, baseY, extent.bottom);
    DrawGround(e, data, axis);
    if (data.supports.empty()) return e.At(0, extent.top).y;
    DrawDeck(e, data);
    DrawApproaches(e, data, axis);
    for (std::size_t i = 0; i < data.supports.size(); ++i) DrawSupport(e, data, i, textHeight);

    // Pier numbers above the railing, then the span dimensions (centimetres) and the whole length.
    const double numberY = e.At(0, extent.top).y + 2;
    p.UseLayer("TEXT");
    for (std::size_t i = 0; i < data.supports.size(); ++i) {
        const Support& s = data.supports[i];
        p.Text({axis.X(s.stake), numberY}, textHeight, std::to_string(s.number) + (s.abutment ? "号台" : "号墩"),
               HAlign::Centre);
    }
    const double dimY = numberY + textHeight + 4;
    p.UseLayer("DIM");
    for (std::size_t i = 0; i + 1 < data.supports.size(); ++i) {
        const double a = data.supports[i].stake, b = data.supports[i + 1].stake;
        p.HorizontalDimension(axis.X(a), axis.X(b), dimY, numberY + textHeight + 1, text::Format("%.0f", (b - a) * 100),
                              textHeight * 0.9);
    }
    const double totalY = dimY + textHeight + 3;
    const double first = data.supports.front().stake, last = data.supports.back().stake;
    p.HorizontalDimension(axis.X(first), axis.X(last), totalY, dimY, text::Format("%.0f", (last - first) * 100),
                          textHeight * 0.9);
    // Where the road leads, at both ends.
    p.UseLayer("TEXT");
    const double roadY = e.At(0, data.deckElevation(axis.firstStake)).y + textHeight;
    if (!data.general.backwardSite.empty())
        p.Text({axis.X(axis.firstStake), roadY}, textHeight, "至" + data.general.backwardSite);
    if (!data.general.forwardSite.empty())
        p.Text({axis.X(axis.lastStake), e.At(0, data.deckElevation(axis.lastStake)).y + textHeight}, textHeight,
               "至" + data.general.forwardSite, HAlign::Right);
    return totalY + textHeight + 1;
}

double DrawDataStrip(SheetPainter& p, const BridgeData& data, const StakeAxis& axis, double topY, double captionLeft,
                     double textHeight) {
    struct Row {
        const char* caption;
        double height;
    };
    const double h = textHeight * 0.85;
    const Row rows[] = {{"设计高程(m)", h * 5.2}, {"地面高程(m)", h * 5.2}, {"桩    号", h * 8.2}};
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
    for (const Support& s : data.supports) {
        const double x = axis.X(s.stake);
        const std::string texts[] = {text::Format("%.3f", data.deckElevation(s.stake)),
                                     text::Format("%.3f", data.GroundElevation(s.stake)),
                                     StakeText(data.general.lineMark, s.stake)};
        p.UseLayer("TEXT");
        for (std::size_t r = 0; r < 3; ++r)
            p.Text({x + h / 2, rowTops[r] - rows[r].height / 2}, h, texts[r], HAlign::Centre, 90);
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
