#include "exchange/ifc_alignment.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "exchange/landxml_reader.h"

namespace exchange {
namespace {

constexpr double kPi = std::numbers::pi;

// IFC measures directions counter-clockwise from the x axis (east); the route, clockwise from north.
double IfcDirection(double azimuth) { return calc::NormalAzimuth(kPi / 2 - azimuth); }
// IFC curvature is positive turning counter-clockwise (left); the route's, turning right.
double IfcCurvature(double k) { return -k; }
double IfcRadius(double k) { return k == 0 ? 0 : 1 / IfcCurvature(k); }

ifc::Vec2 Unit(double angle) { return {std::cos(angle), std::sin(angle)}; }

class AlignmentBuilder {
public:
    AlignmentBuilder(ifc::Writer& w, const calc::RouteData& route, const IfcOrigin& origin, int axisContext,
                     const std::function<std::string(const std::string&)>& id)
        : w_(w), route_(route), origin_(origin), axisContext_(axisContext), id_(id) {}

    IfcAlignmentIds Build(const std::string& name) {
        placement_ = w_.LocalPlacement(std::nullopt, w_.Placement3D({}));
        std::vector<int> horizontalCurves;
        const int horizontal = Horizontal(horizontalCurves);
        const int composite = w_.CompositeCurve(horizontalCurves);
        std::optional<int> gradient;
        std::optional<int> vertical;
        if (route_.profile.points().size() >= 2) {
            std::vector<int> verticalCurves;
            vertical = Vertical(verticalCurves);
            gradient = w_.GradientCurve(verticalCurves, composite);
        }
        std::vector<int> shapes;
        if (gradient) {
            shapes.push_back(w_.ShapeRepresentation(axisContext_, "FootPrint", "Curve2D", {composite}));
            shapes.push_back(w_.ShapeRepresentation(axisContext_, "Axis", "Curve3D", {*gradient}));
        } else {
            shapes.push_back(w_.ShapeRepresentation(axisContext_, "Axis", "Curve2D", {composite}));
        }
        IfcAlignmentIds ids;
        ids.alignment = w_.Alignment({id_("alignment"), name, "路线"}, placement_, w_.ProductShape(shapes));
        ids.axis = gradient ? *gradient : composite;
        ids.footprint = composite;
        std::vector<int> layouts{horizontal};
        if (vertical) layouts.push_back(*vertical);
        w_.Nests({id_("alignment/layouts"), "", ""}, ids.alignment, layouts);
        const int referent = StartReferent(ids.axis);
        w_.Nests({id_("alignment/referents"), "", ""}, ids.alignment, {referent});
        ids.children = layouts;
        ids.children.push_back(referent);
        return ids;
    }

private:
    // Rounded to the nanometre: the subtraction of the false origin leaves no noise in the last digits.
    ifc::Vec2 Local(double north, double east) const {
        auto nm = [](double v) { return std::round(v * 1e9) / 1e9; };
        return {nm(east - origin_.east), nm(north - origin_.north)};
    }

    // How the geometry runs on from the end of one element into the next.
    static std::string Transition(const calc::PlanElement& a, const calc::PlanElement& b) {
        const calc::PlanPoint end = calc::PointOnElement(a, a.length);
        if (std::hypot(end.x - b.x0, end.y - b.y0) > 1e-3) return "DISCONTINUOUS";
        if (std::abs(std::remainder(end.azimuth - b.azimuth0, 2 * kPi)) > 1e-6) return "CONTINUOUS";
        const double endCurvature = a.type == calc::PlanElementType::Line ? 0 : a.k1;
        if (std::abs(endCurvature - b.k0) > 1e-9) return "CONTSAMEGRADIENT";
        return "CONTSAMEGRADIENTSAMECURVATURE";
    }

    // The segment carries its design parameters; its curve belongs to the layout's curve in the alignment's own
    // representation (a segment of its own shape is optional, and readers mesh a lone curve segment badly).
    int Segment(const std::string& key, const std::string& name, int parameters, int /*curve*/) {
        return w_.AlignmentSegment({id_(key), name, ""}, placement_, std::nullopt, parameters);
    }

    int Horizontal(std::vector<int>& curves) {
        const auto& elements = route_.plan.elements();
        std::vector<int> segments;
        for (std::size_t i = 0; i < elements.size(); ++i) {
            const calc::PlanElement& e = elements[i];
            const ifc::Vec2 start = Local(e.x0, e.y0);
            const double direction = IfcDirection(e.azimuth0);
            const bool clothoid = e.type == calc::PlanElementType::Clothoid && std::abs(e.k1 - e.k0) > 1e-15;
            const double k0 = e.type == calc::PlanElementType::Line ? 0 : e.k0;
            const double k1 = e.type == calc::PlanElementType::Line ? 0 : clothoid ? e.k1 : k0;
            const char* type = clothoid ? "CLOTHOID" : k0 != 0 ? "CIRCULARARC" : "LINE";
            const int parameters =
                w_.HorizontalSegment(w_.Point(start), direction, IfcRadius(k0), IfcRadius(k1), e.length, type);
            const int placement = w_.Placement2D(start, Unit(direction));
            int curve;
            if (clothoid) {
                // κ(s) = s / (A·|A|) on the parent clothoid: A² = L / |κ1 − κ0|, signed as the change, and the
                // segment starts where the curvature is κ0.
                const double c0 = IfcCurvature(e.k0), c1 = IfcCurvature(e.k1);
                const double a = std::copysign(std::sqrt(e.length / std::abs(c1 - c0)), c1 - c0);
                curve = w_.CurveSegment(Next(i), placement, c0 * a * std::abs(a), e.length, w_.Clothoid(a));
            } else if (k0 != 0) {
                // A clockwise arc is the circle run backwards: a negative length.
                const double length = IfcCurvature(k0) > 0 ? e.length : -e.length;
                curve = w_.CurveSegment(Next(i), placement, 0, length, w_.Circle(std::abs(1 / k0)));
            } else {
                curve = w_.CurveSegment(Next(i), placement, 0, e.length, w_.Line({1, 0}));
            }
            curves.push_back(curve);
            segments.push_back(Segment("horizontal/" + std::to_string(i + 1),
                                       StakeText(e.startStake) + " " + calc::ElementTypeName(e.type), parameters, curve));
        }
        // The layout ends with a segment of no length at the end of the last element.
        const calc::PlanElement& last = elements.back();
        const calc::PlanPoint end = calc::PointOnElement(last, last.length);
        const ifc::Vec2 at = Local(end.x, end.y);
        const double direction = IfcDirection(end.azimuth);
        const int parameters = w_.HorizontalSegment(w_.Point(at), direction, 0, 0, 0, "LINE");
        const int curve = w_.CurveSegment("DISCONTINUOUS", w_.Placement2D(at, Unit(direction)), 0, 0, w_.Line({1, 0}));
        curves.push_back(curve);
        segments.push_back(Segment("horizontal/end", StakeText(last.startStake + last.length), parameters, curve));
        const int layout = w_.AlignmentHorizontal({id_("horizontal"), "平曲线", ""});
        w_.Nests({id_("horizontal/segments"), "", ""}, layout, segments);
        return layout;
    }

    std::string Next(std::size_t i) const {
        const auto& elements = route_.plan.elements();
        // The last element runs into the closing segment, which starts where it ends.
        return i + 1 < elements.size() ? Transition(elements[i], elements[i + 1]) : "CONTSAMEGRADIENT";
    }

    struct Piece {
        double startStake, length, height, g0, g1;
        bool parabola;
        bool beforeGap = false;  // the stakes jump after this piece: the next one starts elsewhere in height

        // The part of the piece from stake `from` to stake `to`: a parabola's grade changes evenly along it.
        Piece Part(double from, double to) const {
            const double rate = parabola && length > 0 ? (g1 - g0) / length : 0;
            const double a = from - startStake, b = to - startStake;
            return {from, to - from, height + g0 * a + rate * a * a / 2, g0 + rate * a, g0 + rate * b, parabola};
        }
    };

    // Where the stakes jump forward between two elements (a station equation): [back, ahead] has no stakes.
    std::vector<std::pair<double, double>> Gaps() const {
        std::vector<std::pair<double, double>> gaps;
        const auto& e = route_.plan.elements();
        for (std::size_t i = 0; i + 1 < e.size(); ++i) {
            const double back = e[i].startStake + e[i].length;
            if (e[i + 1].startStake > back + 1e-6) gaps.emplace_back(back, e[i + 1].startStake);
        }
        return gaps;
    }

    // The profile's pieces cut where the stakes jump, so that every piece runs over distance as it runs over
    // stakes.
    std::vector<Piece> CutAtGaps(const std::vector<Piece>& pieces) const {
        const auto gaps = Gaps();
        std::vector<Piece> out;
        for (const Piece& piece : pieces) {
            double from = piece.startStake;
            const double to = piece.startStake + piece.length;
            for (const auto& [back, ahead] : gaps) {
                if (back >= to || ahead <= from) continue;
                if (back > from + 1e-9) {
                    out.push_back(piece.Part(from, back));
                    out.back().beforeGap = true;
                }
                from = std::max(from, ahead);
            }
            if (to > from + 1e-9) out.push_back(piece.Part(from, to));
        }
        return out;
    }

    int Vertical(std::vector<int>& curves) {
        const auto& p = route_.profile.points();
        auto grade = [&](std::size_t i) { return (p[i + 1].elevation - p[i].elevation) / (p[i + 1].stake - p[i].stake); };
        std::vector<Piece> whole;
        for (std::size_t i = 0; i + 1 < p.size(); ++i) {
            const double g = grade(i);
            const double from = p[i].stake + route_.profile.TangentLength(i);
            const double tangentNext = route_.profile.TangentLength(i + 1);
            const double to = p[i + 1].stake - tangentNext;
            if (to - from > 1e-9) whole.push_back({from, to - from, p[i].elevation + g * (from - p[i].stake), g, g, false});
            if (tangentNext > 0) {
                const double start = p[i + 1].stake - tangentNext;
                whole.push_back({start, 2 * tangentNext, p[i + 1].elevation - g * tangentNext, g, grade(i + 1), true});
            }
        }
        const std::vector<Piece> pieces = CutAtGaps(whole);
        std::vector<int> segments;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const Piece& piece = pieces[i];
            const double distance = DistanceAlong(route_.plan, piece.startStake);
            std::optional<double> radius;
            if (piece.parabola) radius = piece.length / (piece.g1 - piece.g0);  // positive in a sag
            const int parameters = w_.VerticalSegment(distance, piece.length, piece.height, piece.g0, piece.g1, radius,
                                                      piece.parabola ? "PARABOLICARC" : "CONSTANTGRADIENT");
            const double norm = std::hypot(1.0, piece.g0);
            const int placement = w_.Placement2D({distance, piece.height}, {1 / norm, piece.g0 / norm});
            const std::string transition = piece.beforeGap ? "DISCONTINUOUS" : "CONTSAMEGRADIENT";
            int curve;
            if (piece.parabola) {
                const double a2 = (piece.g1 - piece.g0) / (2 * piece.length);
                curve = w_.CurveSegment(transition, placement, 0, ParabolaLength(piece.g0, a2, piece.length),
                                        w_.Polynomial({0, 1}, {piece.height, piece.g0, a2}));
            } else {
                curve = w_.CurveSegment(transition, placement, 0, piece.length * norm, w_.Line({1 / norm, piece.g0 / norm}));
            }
            curves.push_back(curve);
            segments.push_back(Segment("vertical/" + std::to_string(i + 1),
                                       StakeText(piece.startStake) + (piece.parabola ? " 竖曲线" : " 直坡段"), parameters,
                                       curve));
        }
        const calc::TurningPoint& last = p.back();
        const double g = grade(p.size() - 2);
        const double distance = DistanceAlong(route_.plan, last.stake);
        const double norm = std::hypot(1.0, g);
        const int parameters = w_.VerticalSegment(distance, 0, last.elevation, g, g, std::nullopt, "CONSTANTGRADIENT");
        const int curve = w_.CurveSegment("DISCONTINUOUS", w_.Placement2D({distance, last.elevation}, {1 / norm, g / norm}),
                                          0, 0, w_.Line({1 / norm, g / norm}));
        curves.push_back(curve);
        segments.push_back(Segment("vertical/end", StakeText(last.stake), parameters, curve));
        const int layout = w_.AlignmentVertical({id_("vertical"), "竖曲线", ""});
        w_.Nests({id_("vertical/segments"), "", ""}, layout, segments);
        return layout;
    }

    // The length along y = g0·x + a2·x² over 0 ≤ x ≤ h: ∫√(1 + u²) dx with u = g0 + 2·a2·x.
    static double ParabolaLength(double g0, double a2, double h) {
        if (std::abs(a2) < 1e-15) return h * std::hypot(1.0, g0);
        auto primitive = [](double u) { return (u * std::sqrt(1 + u * u) + std::asinh(u)) / 2; };
        return (primitive(g0 + 2 * a2 * h) - primitive(g0)) / (2 * a2);
    }

    int StartReferent(int axis) {
        const calc::PlanElement& first = route_.plan.elements().front();
        const ifc::Vec2 at = Local(first.x0, first.y0);
        const double height = route_.profile.empty() ? 0 : route_.profile.Elevation(first.startStake);
        const double direction = IfcDirection(first.azimuth0);
        const int cartesian = w_.Placement3D({at.x, at.y, height}, ifc::Vec3{0, 0, 1},
                                             ifc::Vec3{std::cos(direction), std::sin(direction), 0});
        const int placement = w_.LinearPlacement(std::nullopt, w_.PointByDistance(0, 0, 0, axis), cartesian);
        const int referent = w_.Referent({id_("referent/start"), StakeText(first.startStake), "路线起点桩号"}, placement,
                                         "STATION");
        const int station = w_.LengthProperty("Station", first.startStake);
        const int set = w_.PropertySet({id_("referent/start/Pset_Stationing"), "Pset_Stationing", ""}, {station});
        w_.DefinesByProperties({id_("referent/start/stationing"), "", ""}, {referent}, set);
        return referent;
    }

    ifc::Writer& w_;
    const calc::RouteData& route_;
    const IfcOrigin& origin_;
    int axisContext_;
    const std::function<std::string(const std::string&)>& id_;
    int placement_ = 0;
};

}  // namespace

IfcOrigin ChooseOrigin(const calc::PlanAlignment& plan) {
    IfcOrigin origin;
    if (plan.empty()) return origin;
    const calc::PlanElement& first = plan.elements().front();
    // Grid coordinates of a national projection run to hundreds of kilometres; a site's own coordinates don't.
    if (std::abs(first.x0) < 1e5 && std::abs(first.y0) < 1e5) return origin;
    origin.georeferenced = true;
    origin.north = std::round(first.x0 / 1000) * 1000;
    origin.east = std::round(first.y0 / 1000) * 1000;
    return origin;
}

double DistanceAlong(const calc::PlanAlignment& plan, double stake) {
    if (plan.empty()) return 0;
    const auto& elements = plan.elements();
    const calc::PlanLocation where = plan.Locate(stake);
    double before = 0;
    for (int i = 0; i < where.index; ++i) before += elements[i].length;
    return before + (stake - elements[where.index].startStake);
}

IfcAlignmentIds WriteAlignment(ifc::Writer& w, const calc::RouteData& route, const IfcOrigin& origin,
                               const std::string& name, int axisContext,
                               const std::function<std::string(const std::string&)>& id) {
    return AlignmentBuilder(w, route, origin, axisContext, id).Build(name);
}

}  // namespace exchange
