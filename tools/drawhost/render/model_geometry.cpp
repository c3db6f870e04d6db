#include "model_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace drawhost {

namespace {
constexpr double kStandardBackWall = 0.4;  // the model's own default when the member table has none
}

bridge::Point2 PlanAt(const bridge::Bridge& b, double station, double offset) {
    if (b.site.route && b.site.hasPlan) {
        const calc::RoutePoint r = b.site.route->Evaluate(station, offset);
        return {r.x, r.y};
    }
    return {station, offset};
}

bridge::Point2 OnSupportLine(const bridge::Bridge& b, const bridge::Support& s, double along) {
    const bridge::Deck* deck = b.DesignedDeck();
    const double theta = s.crossingAngle * std::numbers::pi / 180;
    return PlanAt(b, s.station + along * std::cos(theta), (deck ? deck->offset : 0) + along * std::sin(theta));
}

double SkewShift(const bridge::Bridge& b, const bridge::Support& s, double offset) {
    const bridge::Deck* deck = b.DesignedDeck();
    const double theta = s.crossingAngle * std::numbers::pi / 180;
    if (std::abs(std::sin(theta)) < 1e-6) return 0;
    return (offset - (deck ? deck->offset : 0)) * std::cos(theta) / std::sin(theta);
}

double GirderDepthAt(const bridge::Superstructure& g, const bridge::Span& span, double station) {
    const double length = span.endStation - span.startStation;
    const double t = length > 0 ? std::clamp((station - span.startStation) / length, 0.0, 1.0) : 0.5;
    const double start = g.startDepth > 0 ? g.startDepth : g.depth;
    const double end = g.endDepth > 0 ? g.endDepth : g.depth;
    const double a = std::max(0.0, 1 - 2 * t), c = std::max(0.0, 2 * t - 1);
    return g.depth + (start - g.depth) * a * a + (end - g.depth) * c * c;
}

double StationShift(const bridge::Support& s, const bridge::Solid& solid) {
    if (!Standing(solid)) return 0;
    const double dx = s.lineRight.x - s.lineLeft.x, dy = s.lineRight.y - s.lineLeft.y, n = std::hypot(dx, dy);
    const double sine = std::sin(s.crossingAngle * std::numbers::pi / 180);
    if (n <= 0 || std::abs(sine) < 1e-6) return 0;
    // Square to the support line, ahead along the route (the line runs from the route's left to its right).
    const double ahead = ((solid.path[0].x - s.centre.x) * dy - (solid.path[0].y - s.centre.y) * dx) / n;
    return ahead / sine;
}

double BackWall(const bridge::Support& s) { return s.backWallWidth > 0 ? s.backWallWidth : kStandardBackWall; }

double EndWall(const bridge::Support& s) { return s.kind == bridge::SupportKind::Abutment ? BackWall(s) : 0; }

bool AtBridgeEnd(const bridge::Solid& solid) { return solid.member == "锥坡" || solid.member == "搭板"; }

bool Standing(const bridge::Solid& solid) {
    if (solid.path.size() != 2) return false;
    return std::abs(solid.path[0].x - solid.path[1].x) < 1e-9 && std::abs(solid.path[0].y - solid.path[1].y) < 1e-9;
}

SideView SideOf(const bridge::Solid& solid) {
    double uMin = 1e300, uMax = -1e300, vMin = 1e300, vMax = -1e300;
    for (const bridge::Point2& q : solid.profile) {
        uMin = std::min(uMin, q.x), uMax = std::max(uMax, q.x);
        vMin = std::min(vMin, q.y), vMax = std::max(vMax, q.y);
    }
    SideView v;
    if (solid.path.empty() || solid.profile.empty()) return v;
    if (Standing(solid)) {
        v.half = (vMax - vMin) / 2;
        v.bottom = std::min(solid.path[0].z, solid.path[1].z);
        v.top = std::max(solid.path[0].z, solid.path[1].z);
    } else {
        v.half = (uMax - uMin) / 2;
        v.bottom = solid.path[0].z + vMin;
        v.top = solid.path[0].z + vMax;
    }
    return v;
}

}  // namespace drawhost
