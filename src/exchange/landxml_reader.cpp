#include "exchange/landxml_reader.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <optional>
#include <sstream>

#include "platform/text/cformat.h"

namespace exchange {
namespace {

constexpr double kPi = std::numbers::pi;
// An element whose computed end misses the file's own end by more than this is not what the tables hold.
constexpr double kEndTolerance = 0.001;
// Stations closer than this are the same station.
constexpr double kStationTolerance = 1e-6;

std::string_view LocalName(const pugi::xml_node& node) {
    std::string_view name = node.name();
    auto colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node Child(const pugi::xml_node& node, std::string_view name) {
    for (pugi::xml_node child : node.children())
        if (LocalName(child) == name) return child;
    return {};
}

std::optional<double> Number(const char* text) {
    if (!text || !*text) return std::nullopt;
    char* end = nullptr;
    double value = std::strtod(text, &end);
    while (end && (*end == ' ' || *end == '\t' || *end == '\n' || *end == '\r')) ++end;
    if (end == text || (end && *end)) return std::nullopt;
    return value;
}

std::optional<double> Attribute(const pugi::xml_node& node, const char* name) {
    pugi::xml_attribute a = node.attribute(name);
    return a ? Number(a.value()) : std::nullopt;
}

// How the file's numbers become metres and radians.
struct Units {
    double metres = 1;
    std::string direction = "decimal degrees";

    double Radians(double value) const {
        if (direction == "radians") return value;
        if (direction == "grads") return value * kPi / 200;
        if (direction == "decimal dd.mm.ss") {
            // dd.mmss: degrees, then two digits of minutes and the seconds with their decimals
            const double sign = value < 0 ? -1 : 1;
            double v = std::abs(value);
            double degrees = std::floor(v);
            double minutes = std::floor((v - degrees) * 100 + 1e-9);
            double seconds = ((v - degrees) * 100 - minutes) * 100;
            return sign * (degrees + minutes / 60 + seconds / 3600) * kPi / 180;
        }
        return value * kPi / 180;
    }
};

std::optional<double> LinearFactor(const std::string& unit) {
    if (unit.empty() || unit == "meter") return 1.0;
    if (unit == "kilometer") return 1000.0;
    if (unit == "centimeter") return 0.01;
    if (unit == "millimeter") return 0.001;
    if (unit == "foot") return 0.3048;
    if (unit == "USSurveyFoot") return 1200.0 / 3937.0;
    if (unit == "inch") return 0.0254;
    return std::nullopt;
}

struct Point {
    double north = 0, east = 0;
};

// An element of `type` that begins at `start`; the reader of its kind fills in the rest.
calc::PlanElement ElementFrom(calc::PlanElementType type, const Point& start) {
    calc::PlanElement e;
    e.type = type;
    e.x0 = start.north;
    e.y0 = start.east;
    return e;
}

std::optional<Point> ReadPoint(const pugi::xml_node& element, std::string_view name, const Units& units) {
    pugi::xml_node node = Child(element, name);
    if (!node) return std::nullopt;
    std::istringstream in(node.child_value());
    Point p;
    if (!(in >> p.north >> p.east)) return std::nullopt;
    p.north *= units.metres;
    p.east *= units.metres;
    return p;
}

double AzimuthBetween(const Point& a, const Point& b) {
    return calc::NormalAzimuth(std::atan2(b.east - a.east, b.north - a.north));
}

// A direction attribute, read in whichever of the conventions in use (clockwise from north, counter-clockwise
// from east, counter-clockwise from north) agrees with the direction the coordinates give; the attribute
// carries more digits than coordinates rounded to the millimetre.
double RefinedAzimuth(double fromPoints, const pugi::xml_node& element, const char* attribute, const Units& units) {
    auto value = Attribute(element, attribute);
    if (!value) return fromPoints;
    const double d = units.Radians(*value);
    for (double candidate : {d, kPi / 2 - d, -d})
        if (std::abs(std::remainder(candidate - fromPoints, 2 * kPi)) < 1e-3) return calc::NormalAzimuth(candidate);
    return fromPoints;
}

bool IsInfinite(const char* text) {
    std::string t = text ? text : "";
    std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return std::tolower(c); });
    return t.empty() || t == "inf" || t == "infinity" || t == "+inf";
}

// The signed curvature of a radius attribute: 0 for an infinite (or absent, or zero) radius.
std::optional<double> Curvature(const pugi::xml_node& element, const char* attribute, double sign,
                                const Units& units) {
    const char* text = element.attribute(attribute).value();
    if (IsInfinite(text)) return 0.0;
    auto radius = Number(text);
    if (!radius) return std::nullopt;
    if (*radius == 0) return 0.0;
    return sign / (std::abs(*radius) * units.metres);
}

std::optional<double> RotationSign(const pugi::xml_node& element) {
    std::string rot = element.attribute("rot").value();
    if (rot == "cw") return 1.0;
    if (rot == "ccw") return -1.0;
    return std::nullopt;
}

class AlignmentReader {
public:
    AlignmentReader(const pugi::xml_node& node, const Units& units) : node_(node), units_(units) {
        result_.name = node.attribute("name").value();
    }

    LandXmlAlignment Read() {
        pugi::xml_node geometry = Child(node_, "CoordGeom");
        if (!geometry) refuse("没有平面线形（CoordGeom）");
        int index = 0;
        for (pugi::xml_node element : geometry.children()) {
            if (element.type() != pugi::node_element) continue;
            ++index;
            if (auto e = ReadElement(element, index)) {
                e->number = index;
                elements_.push_back(*e);
            }
        }
        if (geometry && elements_.empty() && result_.refusals.empty()) refuse("平面线形中没有线元");
        ApplyStations();
        ReadProfile();
        result_.slopes = ReadSuperelevation(node_, units_.metres, result_.elements, result_.refusals);
        return std::move(result_);
    }

private:
    void refuse(std::string sentence) { result_.refusals.push_back(std::move(sentence)); }

    std::string Label(int index, std::string_view kind) const {
        return text::Format("第%d个线元（%s）", index, std::string(kind).c_str());
    }

    std::optional<calc::PlanElement> ReadElement(const pugi::xml_node& element, int index) {
        const std::string_view kind = LocalName(element);
        std::optional<calc::PlanElement> e;
        if (kind == "Line")
            e = ReadLine(element, index);
        else if (kind == "Curve")
            e = ReadCurve(element, index);
        else if (kind == "Spiral")
            e = ReadSpiral(element, index);
        else {
            refuse(Label(index, kind) + "不是直线、圆曲线或回旋线，平曲线资料表不能表示");
            return std::nullopt;
        }
        if (e) CheckEnd(*e, element, index, kind);
        return e;
    }

    std::optional<Point> Need(const pugi::xml_node& element, std::string_view point, int index) {
        auto p = ReadPoint(element, point, units_);
        if (!p)
            refuse(Label(index, LocalName(element)) + "缺少点 " + std::string(point) +
                   "（或不是“北坐标 东坐标”形式）");
        return p;
    }

    std::optional<calc::PlanElement> ReadLine(const pugi::xml_node& element, int index) {
        auto start = Need(element, "Start", index);
        auto end = Need(element, "End", index);
        if (!start || !end) return std::nullopt;
        calc::PlanElement e = ElementFrom(calc::PlanElementType::Line, *start);
        e.azimuth0 = RefinedAzimuth(AzimuthBetween(*start, *end), element, "dir", units_);
        auto length = Attribute(element, "length");
        e.length = length ? *length * units_.metres : std::hypot(end->north - start->north, end->east - start->east);
        return e;
    }

    std::optional<calc::PlanElement> ReadCurve(const pugi::xml_node& element, int index) {
        const std::string label = Label(index, "Curve");
        std::string type = element.attribute("crvType").value();
        if (!type.empty() && type != "arc" && type != "chord") {
            refuse(label + "的类型 crvType=\"" + type + "\" 不是圆弧，平曲线资料表不能表示");
            return std::nullopt;
        }
        auto sign = RotationSign(element);
        if (!sign) {
            refuse(label + "没有转向 rot（cw 或 ccw）");
            return std::nullopt;
        }
        auto start = Need(element, "Start", index);
        auto centre = Need(element, "Center", index);
        auto end = Need(element, "End", index);
        if (!start || !centre || !end) return std::nullopt;
        auto radius = Attribute(element, "radius");
        const double r = radius && *radius > 0 ? *radius * units_.metres
                                                : std::hypot(start->north - centre->north, start->east - centre->east);
        if (r <= 0) {
            refuse(label + "的半径为零");
            return std::nullopt;
        }
        const double radialStart = AzimuthBetween(*centre, *start);
        const double radialEnd = AzimuthBetween(*centre, *end);
        calc::PlanElement e = ElementFrom(calc::PlanElementType::Arc, *start);
        // The centre lies to the right of a curve turning clockwise.
        e.azimuth0 = RefinedAzimuth(calc::NormalAzimuth(radialStart + *sign * kPi / 2), element, "dirStart", units_);
        e.k0 = e.k1 = *sign / r;
        auto length = Attribute(element, "length");
        const double turn = calc::NormalAzimuth(*sign > 0 ? radialEnd - radialStart : radialStart - radialEnd);
        e.length = length ? *length * units_.metres : r * turn;
        return e;
    }

    std::optional<calc::PlanElement> ReadSpiral(const pugi::xml_node& element, int index) {
        const std::string label = Label(index, "Spiral");
        std::string type = element.attribute("spiType").value();
        if (!type.empty() && type != "clothoid") {
            refuse(label + "的类型 spiType=\"" + type + "\" 不是回旋线，平曲线资料表不能表示");
            return std::nullopt;
        }
        auto length = Attribute(element, "length");
        if (!length || *length < 0) {
            refuse(label + "没有长度 length");
            return std::nullopt;
        }
        const double sign = RotationSign(element).value_or(0);
        auto k0 = Curvature(element, "radiusStart", sign, units_);
        auto k1 = Curvature(element, "radiusEnd", sign, units_);
        if (!k0 || !k1) {
            refuse(label + "的半径 radiusStart / radiusEnd 不是数值或 INF");
            return std::nullopt;
        }
        if (sign == 0 && (*k0 != 0 || *k1 != 0)) {
            refuse(label + "没有转向 rot（cw 或 ccw）");
            return std::nullopt;
        }
        auto start = Need(element, "Start", index);
        auto end = Need(element, "End", index);
        if (!start || !end) return std::nullopt;
        calc::PlanElement e = ElementFrom(calc::PlanElementType::Clothoid, *start);
        e.k0 = *k0;
        e.k1 = *k1;
        e.length = *length * units_.metres;
        // The start tangent runs through the spiral's PI; without one the direction attribute decides, in the
        // convention that brings the spiral to its end.
        auto pi = ReadPoint(element, "PI", units_);
        if (pi && std::hypot(pi->north - start->north, pi->east - start->east) > kEndTolerance) {
            e.azimuth0 = RefinedAzimuth(AzimuthBetween(*start, *pi), element, "dirStart", units_);
        } else if (auto dir = Attribute(element, "dirStart")) {
            const double d = units_.Radians(*dir);
            double best = -1;
            for (double candidate : {d, kPi / 2 - d, -d}) {
                calc::PlanElement trial = e;
                trial.azimuth0 = calc::NormalAzimuth(candidate);
                const calc::PlanPoint p = calc::PointOnElement(trial, trial.length);
                const double miss = std::hypot(p.x - end->north, p.y - end->east);
                if (best < 0 || miss < best) best = miss, e.azimuth0 = trial.azimuth0;
            }
        } else {
            refuse(label + "既没有点 PI 也没有起点方向 dirStart");
            return std::nullopt;
        }
        return e;
    }

    void CheckEnd(const calc::PlanElement& e, const pugi::xml_node& element, int index, std::string_view kind) {
        auto end = ReadPoint(element, "End", units_);
        if (!end) return;
        const calc::PlanPoint p = calc::PointOnElement(e, e.length);
        const double miss = std::hypot(p.x - end->north, p.y - end->east);
        if (miss > kEndTolerance)
            refuse(Label(index, kind) + text::Format("按其参数算得的终点与文件中的终点相差 %.1f mm，平曲线资料表不能准确表示",
                                                     miss * 1000));
    }

    struct Equation {
        double internal = 0, back = 0, ahead = 0;
    };

    // Internal stations run on from the alignment's start without a break; the route's own stakes jump at
    // each station equation. An equation inside an element splits the element there.
    void ApplyStations() {
        double start = 0;
        if (auto s = Attribute(node_, "staStart"))
            start = *s * units_.metres;
        else if (!elements_.empty())
            start = Attribute(Child(node_, "CoordGeom").find_child([](pugi::xml_node n) {
                                  return n.type() == pugi::node_element;
                              }),
                              "staStart")
                        .value_or(0) *
                    units_.metres;
        std::vector<Equation> equations;
        double jumps = 0;
        for (pugi::xml_node node : node_.children()) {
            if (LocalName(node) != "StaEquation") continue;
            auto back = Attribute(node, "staBack");
            auto ahead = Attribute(node, "staAhead");
            if (!back || !ahead) {
                refuse("断链 StaEquation 缺少 staBack 或 staAhead");
                continue;
            }
            Equation q{0, *back * units_.metres, *ahead * units_.metres};
            auto internal = Attribute(node, "staInternal");
            q.internal = internal ? *internal * units_.metres : q.back - jumps;
            if (q.ahead < q.back - kStationTolerance)
                refuse(text::Format("断链 %s = %s 处桩号后退 %.3f m，平曲线资料表不能表示重叠的桩号",
                                    StakeText(q.back).c_str(), StakeText(q.ahead).c_str(), q.back - q.ahead));
            jumps += q.ahead - q.back;
            equations.push_back(q);
        }
        std::sort(equations.begin(), equations.end(),
                  [](const Equation& a, const Equation& b) { return a.internal < b.internal; });
        auto stakeOf = [&](double internal) {
            double stake = internal;
            for (const Equation& q : equations)
                if (q.internal <= internal + kStationTolerance) stake += q.ahead - q.back;
            return stake;
        };
        double internal = start;
        for (const calc::PlanElement& e : elements_) {
            std::vector<double> cuts{0};
            for (const Equation& q : equations)
                if (q.internal > internal + kStationTolerance && q.internal < internal + e.length - kStationTolerance)
                    cuts.push_back(q.internal - internal);
            cuts.push_back(e.length);
            for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
                calc::PlanElement piece = e;
                const calc::PlanPoint p = calc::PointOnElement(e, cuts[i]);
                piece.x0 = p.x;
                piece.y0 = p.y;
                piece.azimuth0 = p.azimuth;
                if (e.type == calc::PlanElementType::Clothoid) {
                    const double rate = e.length > 0 ? (e.k1 - e.k0) / e.length : 0;
                    piece.k0 = e.k0 + rate * cuts[i];
                    piece.k1 = e.k0 + rate * cuts[i + 1];
                }
                piece.length = cuts[i + 1] - cuts[i];
                piece.startStake = stakeOf(internal + cuts[i]);
                result_.elements.push_back(piece);
            }
            internal += e.length;
        }
    }

    void ReadProfile() {
        pugi::xml_node profile = Child(node_, "Profile");
        pugi::xml_node align = profile ? Child(profile, "ProfAlign") : pugi::xml_node();
        if (!align) return;
        result_.hasProfile = true;
        std::vector<double> lengths;
        std::vector<calc::TurningPoint> points;
        for (pugi::xml_node node : align.children()) {
            if (node.type() != pugi::node_element) continue;
            const std::string_view kind = LocalName(node);
            double length = 0;
            if (kind == "ParaCurve") {
                length = Attribute(node, "length").value_or(0);
            } else if (kind == "UnsymParaCurve") {
                const double in = Attribute(node, "lengthIn").value_or(0), out = Attribute(node, "lengthOut").value_or(0);
                if (std::abs(in - out) > kStationTolerance) {
                    refuse(text::Format("第%zu个变坡点的竖曲线是不对称抛物线（UnsymParaCurve），竖曲线资料表不能表示",
                                        points.size() + 1));
                    continue;
                }
                length = in + out;
            } else if (kind == "CircCurve") {
                refuse(text::Format("第%zu个变坡点的竖曲线是圆弧（CircCurve），竖曲线资料表只能表示二次抛物线",
                                    points.size() + 1));
                continue;
            } else if (kind != "PVI") {
                continue;
            }
            std::istringstream in(node.child_value());
            calc::TurningPoint p;
            if (!(in >> p.stake >> p.elevation)) {
                refuse(text::Format("第%zu个变坡点不是“桩号 高程”形式", points.size() + 1));
                continue;
            }
            p.stake *= units_.metres;
            p.elevation *= units_.metres;
            if (!points.empty() && p.stake <= points.back().stake + kStationTolerance) {
                refuse("变坡点 " + StakeText(p.stake) + " 不在前一变坡点之后");
                continue;
            }
            points.push_back(p);
            lengths.push_back(length * units_.metres);
        }
        // The parabola of length L over a grade change Δi has the radius L / Δi.
        for (std::size_t i = 1; i + 1 < points.size(); ++i) {
            const double before = (points[i].elevation - points[i - 1].elevation) / (points[i].stake - points[i - 1].stake);
            const double after = (points[i + 1].elevation - points[i].elevation) / (points[i + 1].stake - points[i].stake);
            const double change = std::abs(after - before);
            if (lengths[i] > 0 && change > 1e-12) points[i].radius = lengths[i] / change;
        }
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
            if (lengths[i] / 2 + lengths[i + 1] / 2 > points[i + 1].stake - points[i].stake + kStationTolerance &&
                points[i].radius + points[i + 1].radius > 0)
                refuse("变坡点 " + StakeText(points[i].stake) + " 与 " + StakeText(points[i + 1].stake) + " 的竖曲线重叠");
        }
        if (points.empty()) refuse("纵断面（ProfAlign）中没有变坡点");
        result_.profile = std::move(points);
    }

    pugi::xml_node node_;
    const Units& units_;
    std::vector<calc::PlanElement> elements_;  // internal stations, before the equations
    LandXmlAlignment result_;
};

}  // namespace

std::string StakeText(double stake) {
    const double rounded = std::round(std::abs(stake) * 1000) / 1000;
    const long kilometres = static_cast<long>(rounded / 1000);
    return text::Format("%sK%ld+%07.3f", stake < 0 ? "-" : "", kilometres, rounded - kilometres * 1000.0);
}

LandXmlDocument ReadLandXml(std::string_view bytes) {
    LandXmlDocument document;
    pugi::xml_document xml;
    pugi::xml_parse_result parsed = xml.load_buffer(bytes.data(), bytes.size());
    if (!parsed) {
        document.error = text::Format("不是可读的 XML 文件（第 %ld 字节处：%s）。", static_cast<long>(parsed.offset),
                                      parsed.description());
        return document;
    }
    pugi::xml_node root = xml.document_element();
    if (LocalName(root) != "LandXML") {
        document.error = "不是 LandXML 文件：根元素是“" + std::string(root.name()) + "”。";
        return document;
    }
    Units units;
    pugi::xml_node unitNode = Child(root, "Units");
    pugi::xml_node system = unitNode ? unitNode.first_child() : pugi::xml_node();
    if (system) {
        std::string linear = system.attribute("linearUnit").value();
        auto factor = LinearFactor(linear);
        if (!factor) {
            document.error = "不认识长度单位“" + linear + "”。";
            return document;
        }
        units.metres = *factor;
        if (const char* d = system.attribute("directionUnit").value(); *d) units.direction = d;
    }
    for (pugi::xml_node group : root.children())
        if (LocalName(group) == "Alignments")
            for (pugi::xml_node node : group.children())
                if (LocalName(node) == "Alignment") document.alignments.push_back(AlignmentReader(node, units).Read());
    if (document.alignments.empty()) document.error = "文件中没有路线（Alignment）。";
    return document;
}

LandXmlDocument ReadLandXmlFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        LandXmlDocument document;
        document.error = "打不开文件 " + path + "。";
        return document;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return ReadLandXml(bytes.str());
}

}  // namespace exchange
