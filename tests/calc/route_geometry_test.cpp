// The route geometry engine against closed forms and independently derived series.
//
// Worked examples used:
// - Vertical curve: the crest curve of the road-design exercise "某山岭区一般二级公路，变坡点桩号K5+030.00，
//   高程427.68m，i1=+5%，i2=−4%，R=2000m" (published with its answers at m.qiqiwenku.com/doc/265734.html and
//   app.ixiawen.com/question/24988917): T = 90, E = 2.025, K5+000 → 425.28, K5+010 → 425.455,
//   K5+080 → 425.28, K5+100 → 424.78.
// - Clothoid: the Fresnel-type power series of the clothoid x(l) + i·y(l) = ∫₀ˡ exp(i·u²/(2A²)) du, summed
//   here term by term; an element whose curvature runs linearly from k0 to k1 is a stretch of that curve.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

#include "calc/clothoid.h"
#include "calc/cross_slope.h"
#include "calc/plan_alignment.h"
#include "calc/road_design_table.h"
#include "calc/route_geometry.h"
#include "calc/stake_table.h"
#include "calc/vertical_profile.h"

namespace {

using calc::PlanElement;
using calc::PlanElementType;
using Complex = std::complex<double>;
constexpr double kPi = std::numbers::pi;

// ∫₀ᵘ exp(i·c·t²/2) dt for c > 0 by its power series: Σ (i·c/2)ⁿ u^(2n+1) / (n!·(2n+1)).
Complex ClothoidSeries(double c, double u) {
    Complex sum = 0, term = u;  // term = (i c/2)^n u^(2n+1) / n!
    const Complex factor(0, c * u * u / 2);
    for (int n = 0; n < 200; ++n) {
        sum += term / double(2 * n + 1);
        term *= factor / double(n + 1);
        if (std::abs(term) < 1e-30) break;
    }
    return sum;
}

// The step (north + i·east) along a curve whose curvature runs linearly from k0 to k1 over `length`,
// taken from the full clothoid: θ(s) = θ0 − k0²/(2c) + c·(s + k0/c)²/2 with c = (k1 − k0)/L.
Complex ExpectedStep(double azimuth, double k0, double k1, double length, double s) {
    const double c = (k1 - k0) / length;
    if (c == 0) {
        if (k0 == 0) return std::polar(s, azimuth);
        return std::polar(1.0, azimuth) * (std::exp(Complex(0, k0 * s)) - 1.0) / Complex(0, k0);
    }
    const double u0 = k0 / c;
    Complex f = ClothoidSeries(std::abs(c), u0 + s) - ClothoidSeries(std::abs(c), u0);
    if (c < 0) f = std::conj(f);  // a curvature that falls turns the other way round the same shape
    return std::polar(1.0, azimuth - k0 * k0 / (2 * c)) * f;
}

PlanElement Clothoid(double stake, double azimuth, double k0, double k1, double length) {
    PlanElement e;
    e.type = PlanElementType::Clothoid;
    e.startStake = stake;
    e.x0 = 3'000'000.0;  // northing of a real grid, so that large coordinates lose nothing
    e.y0 = 500'000.0;
    e.azimuth0 = azimuth;
    e.k0 = k0;
    e.k1 = k1;
    e.length = length;
    return e;
}

TEST(RouteGeometry, CircularArcFollowsItsChordAndCentre) {
    struct Case {
        double radius, s, azimuth;
        int sign;
    };
    const Case cases[] = {{500, 100, 0.3, 1}, {500, 100, 0.3, -1}, {60, 350, 5.9, 1}, {2000, 1000, 2.0, -1}};
    for (const auto& c : cases) {
        PlanElement e = Clothoid(100, c.azimuth, c.sign / c.radius, c.sign / c.radius, c.s);
        e.type = PlanElementType::Arc;
        const calc::PlanPoint p = calc::PointOnElement(e, c.s);
        const double chord = std::hypot(p.x - e.x0, p.y - e.y0);
        EXPECT_NEAR(chord, 2 * c.radius * std::sin(c.s / (2 * c.radius)), 1e-7) << c.radius;
        // The centre lies on the start normal, on the side the curve turns to.
        const double cx = e.x0 - c.sign * c.radius * std::sin(c.azimuth);
        const double cy = e.y0 + c.sign * c.radius * std::cos(c.azimuth);
        EXPECT_NEAR(std::hypot(p.x - cx, p.y - cy), c.radius, 1e-7);
        EXPECT_NEAR(p.azimuth, calc::NormalAzimuth(c.azimuth + c.sign * c.s / c.radius), 1e-12);
    }
}

TEST(RouteGeometry, ClothoidsMatchTheSeriesToOnePartInABillion) {
    // Spirals in and out, egg-shaped both ways, left and right, up to a 1 km element turning 5.6 rad.
    struct Case {
        double azimuth, k0, k1, length;
    };
    const Case cases[] = {
        {0.7, 0, 1.0 / 300, 120},
        {0.7, 0, -1.0 / 300, 120},
        {4.0, 1.0 / 300, 0, 120},
        {1.2, 1.0 / 1000, 1.0 / 400, 150},
        {1.2, -1.0 / 400, -1.0 / 1000, 150},
        {6.0, 0, 1.0 / 90, 1000},
        {2.5, 1.0 / 5000, 1.0 / 1500, 1000},
        {3.0, -1.0 / 200, 1.0 / 200, 400},
    };
    for (const auto& c : cases) {
        const PlanElement e = Clothoid(0, c.azimuth, c.k0, c.k1, c.length);
        for (double f : {0.25, 0.5, 1.0}) {
            const double s = f * c.length;
            const calc::PlanPoint p = calc::PointOnElement(e, s);
            const Complex expected = ExpectedStep(c.azimuth, c.k0, c.k1, c.length, s);
            // Relative to the distance run; the start point's own rounding (3e6 m to 5e-10 m) is below it.
            EXPECT_NEAR(p.x - e.x0, expected.real(), 1e-9 * s) << c.k0 << " " << c.k1 << " s=" << s;
            EXPECT_NEAR(p.y - e.y0, expected.imag(), 1e-9 * s) << c.k0 << " " << c.k1 << " s=" << s;
            const double heading = c.azimuth + s * c.k0 + (c.k1 - c.k0) * s * s / (2 * c.length);
            EXPECT_NEAR(p.azimuth, calc::NormalAzimuth(heading), 1e-12);
            EXPECT_NEAR(p.curvature, c.k0 + (c.k1 - c.k0) * f, 1e-15);
        }
    }
}

TEST(RouteGeometry, ClothoidsReproduceTheFresnelIntegrals) {
    // A spiral out of a straight with parameter A has θ = l²/(2A²), so its step is
    // A·√π·(C(u) + i·S(u)) at u = l/(A·√π), C and S the Fresnel integrals ∫₀ᵘ cos/sin(π·t²/2) dt. Tabulated
    // values (Abramowitz & Stegun table 7.7, to 18 digits by arbitrary-precision quadrature), from a short
    // spiral to one that winds three turns.
    struct Case {
        double u, C, S;
    };
    const Case cases[] = {
        {0.5, 0.492344225871446393, 0.0647324328599992776},
        {1.0, 0.779893400376822829, 0.438259147390354766},
        {2.0, 0.488253406075340755, 0.343415678363698242},
        {3.5, 0.532572435028000845, 0.415248011972437524},
    };
    const double A = 200, scale = A * std::sqrt(kPi);
    for (const auto& c : cases) {
        const double l = c.u * scale;
        calc::PlanElement e = Clothoid(0, 0, 0, l / (A * A), l);
        e.x0 = e.y0 = 0;  // the step alone, so that a relative error is not hidden by the start's size
        const calc::PlanPoint p = calc::PointOnElement(e, l);
        EXPECT_NEAR(p.x / scale, c.C, 1e-9 * c.C) << "u=" << c.u;
        EXPECT_NEAR(p.y / scale, c.S, 1e-9 * c.S) << "u=" << c.u;
    }
}

TEST(RouteGeometry, ClassicClothoidCoordinatesFromTheTruncatedSeries) {
    // The surveyor's formulas x = l − l⁵/(40A⁴) + l⁹/(3456A⁸), y = l³/(6A²) − l⁷/(336A⁶) + l¹¹/(42240A¹⁰) for
    // A = 200, l = 80 (a spiral into R = 500); the next terms are below 1e-8 m there.
    const double A = 200, l = 80;
    const PlanElement e = Clothoid(0, 0, 0, l / (A * A), l);
    const calc::PlanPoint p = calc::PointOnElement(e, l);
    EXPECT_NEAR(p.x - e.x0, l - std::pow(l, 5) / (40 * std::pow(A, 4)) + std::pow(l, 9) / (3456 * std::pow(A, 8)),
                1e-8);
    EXPECT_NEAR(p.y - e.y0,
                std::pow(l, 3) / (6 * A * A) - std::pow(l, 7) / (336 * std::pow(A, 6)) +
                    std::pow(l, 11) / (42240 * std::pow(A, 10)),
                1e-8);
}

// A consistent alignment: straight, spiral in, arc, spiral out, reverse S-curve through an inflexion,
// an egg-shaped spiral between two right-hand arcs, and a closing straight. Every start point comes from
// the series above, never from the engine.
calc::PlanAlignment TestAlignment() {
    struct Spec {
        PlanElementType type;
        double k0, k1, length;
    };
    const Spec specs[] = {
        {PlanElementType::Line, 0, 0, 150},
        {PlanElementType::Clothoid, 0, 1.0 / 400, 90},
        {PlanElementType::Arc, 1.0 / 400, 1.0 / 400, 180},
        {PlanElementType::Clothoid, 1.0 / 400, 0, 90},
        {PlanElementType::Clothoid, 0, -1.0 / 250, 100},
        {PlanElementType::Arc, -1.0 / 250, -1.0 / 250, 120},
        {PlanElementType::Clothoid, -1.0 / 250, 1.0 / 600, 110},
        {PlanElementType::Arc, 1.0 / 600, 1.0 / 600, 75},
        {PlanElementType::Clothoid, 1.0 / 600, 1.0 / 300, 85},
        {PlanElementType::Arc, 1.0 / 300, 1.0 / 300, 60},
        {PlanElementType::Clothoid, 1.0 / 300, 0, 70},
        {PlanElementType::Line, 0, 0, 200},
    };
    std::vector<PlanElement> elements;
    double stake = 1000, x = 3'000'000, y = 500'000, azimuth = 0.4;
    int number = 1;
    for (const Spec& s : specs) {
        PlanElement e = Clothoid(stake, azimuth, s.k0, s.k1, s.length);
        e.type = s.type;
        e.x0 = x;
        e.y0 = y;
        e.number = number++;
        elements.push_back(e);
        const Complex step = ExpectedStep(azimuth, s.k0, s.k1, s.length, s.length);
        x += step.real();
        y += step.imag();
        azimuth = calc::NormalAzimuth(azimuth + s.length * (s.k0 + s.k1) / 2);
        stake += s.length;
    }
    return calc::PlanAlignment(elements);
}

TEST(RouteGeometry, PositionAndAzimuthAreContinuousAcrossEveryJoint) {
    const calc::PlanAlignment plan = TestAlignment();
    const auto& elements = plan.elements();
    for (std::size_t i = 0; i + 1 < elements.size(); ++i) {
        const calc::PlanPoint end = calc::PointOnElement(elements[i], elements[i].length);
        const PlanElement& next = elements[i + 1];
        EXPECT_NEAR(end.x, next.x0, 1e-6) << "joint " << i + 1;
        EXPECT_NEAR(end.y, next.y0, 1e-6) << "joint " << i + 1;
        EXPECT_NEAR(std::remainder(end.azimuth - next.azimuth0, 2 * kPi), 0, 1e-9) << "joint " << i + 1;
        // Just before and at the joint the alignment hands over from one element to the next.
        const calc::PlanLocation before = plan.Locate(next.startStake - 1e-7);
        const calc::PlanLocation at = plan.Locate(next.startStake);
        EXPECT_EQ(before.index, static_cast<int>(i));
        EXPECT_EQ(at.index, static_cast<int>(i + 1));
        EXPECT_NEAR(before.point.x, at.point.x, 1e-6);
        EXPECT_NEAR(before.point.y, at.point.y, 1e-6);
    }
}

TEST(RouteGeometry, TangentsExtendBeforeTheStartAndAfterTheEnd) {
    const calc::PlanAlignment plan = TestAlignment();
    const PlanElement& first = plan.elements().front();
    const PlanElement& last = plan.elements().back();

    const calc::PlanLocation before = plan.Locate(first.startStake - 50);
    EXPECT_EQ(before.place, calc::PlanPlace::BeforeStart);
    EXPECT_NEAR(before.point.x, first.x0 - 50 * std::cos(first.azimuth0), 1e-9);
    EXPECT_NEAR(before.point.y, first.y0 - 50 * std::sin(first.azimuth0), 1e-9);

    const double endStake = last.startStake + last.length;
    const calc::PlanPoint end = calc::PointOnElement(last, last.length);
    const calc::PlanLocation after = plan.Locate(endStake + 30);
    EXPECT_EQ(after.place, calc::PlanPlace::AfterEnd);
    EXPECT_NEAR(after.point.x, end.x + 30 * std::cos(end.azimuth), 1e-9);
    EXPECT_NEAR(after.point.y, end.y + 30 * std::sin(end.azimuth), 1e-9);

    // A spiral as last element: its end tangent goes on straight, with no curvature.
    PlanElement spiral = Clothoid(0, 1.0, 0, 1.0 / 200, 100);
    const calc::PlanPoint spiralEnd = calc::PointOnElement(spiral, 100);
    const calc::PlanPoint beyond = calc::PointOnElement(spiral, 120);
    EXPECT_NEAR(beyond.x, spiralEnd.x + 20 * std::cos(spiralEnd.azimuth), 1e-9);
    EXPECT_NEAR(beyond.azimuth, spiralEnd.azimuth, 1e-15);
    EXPECT_EQ(beyond.curvature, 0);
}

TEST(RouteGeometry, OffsetsLieOnTheNormalSymmetrically) {
    const calc::PlanAlignment plan = TestAlignment();
    for (double stake : {1100.0, 1200.0, 1400.0, 1700.0, 1950.0}) {
        const calc::PlanPoint c = plan.Locate(stake).point;
        double xr, yr, xl, yl;
        calc::OffsetPoint(c, 7.5, xr, yr);
        calc::OffsetPoint(c, -7.5, xl, yl);
        EXPECT_NEAR((xr + xl) / 2, c.x, 1e-9);
        EXPECT_NEAR((yr + yl) / 2, c.y, 1e-9);
        // Right of the direction of travel: the cross product of heading and offset points down.
        const double hx = std::cos(c.azimuth), hy = std::sin(c.azimuth);
        EXPECT_NEAR(hx * (xr - c.x) + hy * (yr - c.y), 0, 1e-9);
        EXPECT_NEAR(hx * (yr - c.y) - hy * (xr - c.x), 7.5, 1e-9);
    }
    // Heading north, the right is east.
    double x, y;
    calc::OffsetPoint({100, 200, 0, 0}, 3, x, y);
    EXPECT_NEAR(x, 100, 1e-12);
    EXPECT_NEAR(y, 203, 1e-12);
}

TEST(RouteGeometry, RecordsBecomeElementsOrTellWhatIsWrong) {
    struct Case {
        const char* type;
        const char* direction;
        double r0, r1;
        double k0, k1;
        bool ok;
    };
    const Case cases[] = {
        {"直线", "无", 0, 0, 0, 0, true},
        {"圆曲线", "右偏", 500, 500, 1.0 / 500, 1.0 / 500, true},
        {"圆曲线", "左偏", 500, 0, -1.0 / 500, -1.0 / 500, true},
        {"缓和曲线", "左偏", 0, 250, 0, -1.0 / 250, true},
        {"缓和曲线", "右偏", 1000, 400, 1.0 / 1000, 1.0 / 400, true},
        {"圆曲线", "无", 500, 500, 0, 0, false},
        {"圆曲线", "右偏", 0, 0, 0, 0, false},
        {"回旋线", "右偏", 0, 0, 0, 0, false},
        {"缓和曲线", "向右", 0, 100, 0, 0, false},
    };
    for (const auto& c : cases) {
        calc::PlanRecord r;
        r.type = c.type;
        r.direction = c.direction;
        r.startRadius = c.r0;
        r.endRadius = c.r1;
        r.length = 50;
        std::string error;
        const PlanElement e = calc::ElementFromRecord(r, error);
        EXPECT_EQ(error.empty(), c.ok) << c.type << c.direction << error;
        if (!c.ok) continue;
        EXPECT_DOUBLE_EQ(e.k0, c.k0);
        EXPECT_DOUBLE_EQ(e.k1, c.k1);
    }
}

TEST(RouteGeometry, VerticalCurveOfTheWorkedExample) {
    const calc::VerticalProfile profile(
        {{4000, 427.68 - 1030 * 0.05, 0}, {5030, 427.68, 2000}, {6000, 427.68 - 970 * 0.04, 0}});
    EXPECT_NEAR(profile.TangentLength(1), 90, 1e-9);
    struct Case {
        double stake, elevation;
    };
    const Case cases[] = {
        {4940, 423.18},
        {5000, 425.28},
        {5010, 425.455},
        {5030, 427.68 - 2.025},
        {5080, 425.28},
        {5100, 424.78},
        {5120, 424.08},
        {3900, 427.68 - 1130 * 0.05},
        {6100, 427.68 - 1070 * 0.04},
    };
    for (const auto& c : cases) EXPECT_NEAR(profile.Elevation(c.stake), c.elevation, 1e-9) << c.stake;

    // The same curve turned over is a sag: the parabola lies above the grade lines by the same ordinates.
    const calc::VerticalProfile sag(
        {{4000, -(427.68 - 1030 * 0.05), 0}, {5030, -427.68, 2000}, {6000, -(427.68 - 970 * 0.04), 0}});
    for (const auto& c : cases) EXPECT_NEAR(sag.Elevation(c.stake), -c.elevation, 1e-9) << c.stake;

    EXPECT_EQ(calc::VerticalProfile().Elevation(10), 0);
    EXPECT_EQ(calc::VerticalProfile({{0, 12.5, 0}}).Elevation(100), 12.5);
}

TEST(RouteGeometry, TransitionLawsAtStartMiddleAndEnd) {
    struct Case {
        const char* method;
        double half;
    };
    const Case cases[] = {{"按长度分配", 0.5}, {"按三次抛物线分配", 0.5}, {"按高次抛物线分配", 0.3125}, {"", 0.3125}};
    for (const auto& c : cases) {
        const calc::TransitionLaw law = calc::TransitionLawFromText(c.method);
        EXPECT_EQ(calc::TransitionShare(law, 0), 0) << c.method;
        EXPECT_DOUBLE_EQ(calc::TransitionShare(law, 0.5), c.half) << c.method;
        EXPECT_EQ(calc::TransitionShare(law, 1), 1) << c.method;
    }
}

TEST(RouteGeometry, CrossSlopesInsideBetweenAndBeyondTheSegments) {
    const calc::CrossSlopes slopes({{100, 200, -2, -2}, {300, 400, 4, -4}}, calc::TransitionLaw::Cubic);
    struct Case {
        double stake, left, right;
    };
    const Case cases[] = {
        {50, -2, -2}, {100, -2, -2}, {200, -2, -2}, {250, 1, -3}, {225, -2 + 6 * 0.15625, -2 - 2 * 0.15625},
        {300, 4, -4}, {500, 4, -4},
    };
    for (const auto& c : cases) {
        const calc::CrossSlope s = slopes.At(c.stake);
        EXPECT_NEAR(s.left, c.left, 1e-12) << c.stake;
        EXPECT_NEAR(s.right, c.right, 1e-12) << c.stake;
    }
    EXPECT_EQ(calc::CrossSlopes().At(150).left, 0);
    EXPECT_DOUBLE_EQ(calc::CrossSlopes::Rise({-2, 4}, -5), -0.1);
    EXPECT_DOUBLE_EQ(calc::CrossSlopes::Rise({-2, 4}, 5), 0.2);
}

TEST(RouteGeometry, RoadDesignTableInterpolatesAlongAndAcross) {
    calc::DesignSection a{100, 10, {{-10, 9.8}, {-5, 9.9}, {5, 9.9}, {10, 9.8}, {0, 0}}};
    calc::DesignSection b{200, 12, {{-10, 11.6}, {10, 11.6}}};
    const calc::RoadDesignTable table({b, a});
    struct Case {
        double stake, offset, elevation;
    };
    const Case cases[] = {
        {100, 0, 10}, {100, -7.5, 9.85}, {100, 12, 9.76}, {150, 0, 11}, {150, 10, 10.7}, {50, 5, 9.9}, {250, -20, 11.2},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(table.Elevation(c.stake, c.offset), c.elevation, 1e-12) << c.stake << " " << c.offset;
}

TEST(RouteGeometry, TheToolsOperationsOnRouteData) {
    calc::RouteData data;
    data.plan = TestAlignment();
    data.profile = calc::VerticalProfile({{900, 100, 0}, {1500, 106, 3000}, {2400, 97, 0}});
    data.slopes = calc::CrossSlopes({{0, 5000, -2, 3}}, calc::TransitionLaw::HigherOrder);
    const calc::CGeoAssist geo(std::move(data));
    EXPECT_EQ(geo.Status(), 0);

    double x, y, z, azimuth, centre, side, radius;
    geo.XYZofHighwayAndBridgeAtAstakeWithOffsetQrt(1400, -4, &x, &y, &z, &azimuth, &centre, &side, &radius);
    EXPECT_NEAR(z, centre + 4 * -2 / 100.0, 1e-12);
    EXPECT_EQ(side, -2);
    EXPECT_NEAR(radius, 400, 1e-9);  // on the arc of R = 400

    std::string location;
    double r, left, right;
    geo.GetOtherInfo(1100, location, r, left, right);
    EXPECT_EQ(location, "第1单元：直线");
    EXPECT_EQ(r, 0);
    EXPECT_EQ(left, -2);
    EXPECT_EQ(right, 3);
    geo.GetOtherInfo(1150 + 45, location, r, left, right);
    EXPECT_EQ(location, "第2单元：缓和曲线");
    EXPECT_NEAR(r, 800, 1e-9);  // halfway along the spiral into R = 400
    geo.GetOtherInfo(500, location, r, left, right);
    EXPECT_EQ(location, "路线起点之前（第1单元起点切线的延长线上）");

    const calc::CGeoAssist none(nullptr);
    EXPECT_EQ(none.Status(), calc::kGeoNoPlan | calc::kGeoNoElevation);
    const calc::RoutePoint p = none.Evaluate(1000, 5);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.elevation, 0);
    EXPECT_EQ(p.location, "无平曲线资料");
}

TEST(RouteGeometry, StakesWithinAMillimetreOfTheStartOrEndLieOnTheRoute) {
    // 1250.5 + 45.678 falls just short of 1296.178 in binary: the typed end stake must still be on the route.
    PlanElement first = Clothoid(1200.5, 0.3, 0, 0, 50);
    first.type = PlanElementType::Line;
    first.number = 1;
    PlanElement second = Clothoid(1250.5, 0.3, 1.0 / 500, 1.0 / 500, 45.678);
    second.type = PlanElementType::Arc;
    second.number = 2;
    calc::RouteData data;
    data.plan = calc::PlanAlignment({first, second});
    const calc::CGeoAssist geo(std::move(data));
    const struct {
        double stake;
        const char* location;
    } cases[] = {
        {1200.5 - 0.0009, "第1单元：直线"},
        {1200.5 - 0.0011, "路线起点之前（第1单元起点切线的延长线上）"},
        {1250.5 - 0.0005, "第1单元：直线"},
        {1250.5, "第2单元：圆曲线"},
        {1296.178, "第2单元：圆曲线"},
        {1296.178 + 0.0009, "第2单元：圆曲线"},
        {1296.178 + 0.0011, "路线终点之后（第2单元终点切线的延长线上）"},
    };
    for (const auto& c : cases) {
        std::string location;
        double radius, left, right;
        geo.GetOtherInfo(c.stake, location, radius, left, right);
        EXPECT_EQ(location, c.location) << c.stake;
    }
}

TEST(RouteGeometry, TableStakesIncludeTheLastStake) {
    std::string error;
    EXPECT_EQ(calc::TableStakes(0, 50, 20, error), (std::vector<double>{0, 20, 40, 50}));
    EXPECT_EQ(calc::TableStakes(0, 40, 20, error), (std::vector<double>{0, 20, 40}));
    EXPECT_EQ(calc::TableStakes(0.1, 0.3, 0.1, error).size(), 3u);
    EXPECT_TRUE(calc::TableStakes(5, 5, 1, error).size() == 1 && error.empty());
    EXPECT_TRUE(calc::TableStakes(0, 10, 0, error).empty() && !error.empty());
    EXPECT_TRUE(calc::TableStakes(10, 0, 1, error).empty() && !error.empty());
    EXPECT_TRUE(calc::TableStakes(0, 1e7, 1, error).empty() && !error.empty());
}

}  // namespace
