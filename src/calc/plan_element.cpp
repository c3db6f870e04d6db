#include "calc/plan_element.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "calc/clothoid.h"

namespace calc {

double NormalAzimuth(double azimuth) {
    constexpr double kTwoPi = 2 * std::numbers::pi;
    // Within a turn either side, one subtraction gives exactly what fmod gives, at a fraction of its cost.
    if (azimuth >= 0 && azimuth < kTwoPi) return azimuth;
    if (azimuth >= kTwoPi && azimuth < 2 * kTwoPi) return azimuth - kTwoPi;
    double a = std::fmod(azimuth, kTwoPi);
    if (a < 0) a += kTwoPi;
    return a >= kTwoPi ? 0 : a;
}

void OffsetPoint(const PlanPoint& p, double offset, double& x, double& y) {
    // The right-hand normal of heading θ (clockwise from north) points to azimuth θ + π/2. The azimuth is
    // copied first: `x` may be `p.x`, and one sine-and-cosine call serves both lines.
    const double azimuth = p.azimuth, north = p.x, east = p.y;
    x = north - offset * std::sin(azimuth);
    y = east + offset * std::cos(azimuth);
}

void OffsetPoint(const PlanPoint& p, const Direction& direction, double offset, double& x, double& y) {
    const double north = p.x, east = p.y;
    x = north - offset * direction.sin;
    y = east + offset * direction.cos;
}

PlanPoint PointOnElement(const PlanElement& e, double s) {
    Direction unused;
    return PointOnElement(e, s, unused);
}

PlanPoint PointOnElement(const PlanElement& e, double s, Direction& direction) {
    const double length = std::max(e.length, 0.0);
    const double along = std::clamp(s, 0.0, length);
    PlaneStep step;
    double heading = e.azimuth0, curvature = 0;
    switch (e.type) {
        case PlanElementType::Line:
            direction = {std::cos(heading), std::sin(heading)};
            step = {along * direction.cos, along * direction.sin};
            break;
        case PlanElementType::Arc: {
            if (e.k0 == 0) {
                direction = {std::cos(heading), std::sin(heading)};
                step = {along * direction.cos, along * direction.sin};
                break;
            }
            // Chord 2·sin(k·s/2)/k along the mean heading; the end heading is the mean one turned by k·s/2
            // again, so its cosine and sine come from the two already at hand.
            const double half = 0.5 * e.k0 * along, sinHalf = std::sin(half), cosHalf = std::cos(half);
            const double chord = std::abs(half) < 1e-8 ? along * (1 - half * half / 6) : 2 * sinHalf / e.k0;
            const double mean = heading + half, cosMean = std::cos(mean), sinMean = std::sin(mean);
            step = {chord * cosMean, chord * sinMean};
            direction = {cosMean * cosHalf - sinMean * sinHalf, sinMean * cosHalf + cosMean * sinHalf};
            heading += e.k0 * along;
            curvature = e.k0;
            break;
        }
        case PlanElementType::Clothoid: {
            step = CurvatureLinearStep(e.azimuth0, e.k0, e.k1, length, along);
            const double rate = length > 0 ? (e.k1 - e.k0) / length : 0;
            heading += along * (e.k0 + 0.5 * rate * along);
            curvature = e.k0 + rate * along;
            direction = {std::cos(heading), std::sin(heading)};
            break;
        }
    }
    PlanPoint p{e.x0 + step.dx, e.y0 + step.dy, heading, curvature};
    // Outside the element its tangent at the nearer end goes on straight.
    const double beyond = s - along;
    if (beyond != 0) {
        p.x += beyond * direction.cos;
        p.y += beyond * direction.sin;
        p.curvature = 0;
    }
    p.azimuth = NormalAzimuth(heading);
    return p;
}

}  // namespace calc
