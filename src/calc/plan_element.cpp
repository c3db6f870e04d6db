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

PlanPoint PointOnElement(const PlanElement& e, double s) {
    const double length = std::max(e.length, 0.0);
    const double along = std::clamp(s, 0.0, length);
    PlaneStep step;
    double heading = e.azimuth0, curvature = 0;
    switch (e.type) {
        case PlanElementType::Line: step = ArcStep(e.azimuth0, 0, along); break;
        case PlanElementType::Arc:
            step = ArcStep(e.azimuth0, e.k0, along);
            heading += e.k0 * along;
            curvature = e.k0;
            break;
        case PlanElementType::Clothoid: {
            step = CurvatureLinearStep(e.azimuth0, e.k0, e.k1, length, along);
            const double rate = length > 0 ? (e.k1 - e.k0) / length : 0;
            heading += along * (e.k0 + 0.5 * rate * along);
            curvature = e.k0 + rate * along;
            break;
        }
    }
    PlanPoint p{e.x0 + step.dx, e.y0 + step.dy, heading, curvature};
    // Outside the element its tangent at the nearer end goes on straight.
    const double beyond = s - along;
    if (beyond != 0) {
        p.x += beyond * std::cos(heading);
        p.y += beyond * std::sin(heading);
        p.curvature = 0;
    }
    p.azimuth = NormalAzimuth(heading);
    return p;
}

}  // namespace calc
