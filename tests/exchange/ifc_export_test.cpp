// The IFC export read back with an independent STEP reader: the spatial structure, the georeferencing, the
// alignment's segments against the route tables, and its geometry (the curve segments evaluated from their
// parent curves by their own formulas) against the route geometry engine at many distances.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <set>
#include <sstream>

#include "calc/route_geometry.h"
#include "exchange/ifc_export.h"
#include "exchange/landxml_import.h"
#include "platform/dao/recordset.h"
#include "projectdb/schema.h"
#include "route_fixture.h"
#include "step_reader.h"

namespace {

using step_test::Model;
using step_test::Value;
constexpr double kPi = std::numbers::pi;

struct Pose {
    double x = 0, y = 0, angle = 0;
};

// Evaluates the curves of a read-back file: parent curves by their defining formulas, trimmed and placed as
// a curve segment places them (the parent's start moved onto the placement, its direction of travel turned onto
// the placement's direction).
class Curves {
public:
    explicit Curves(const Model& m) : m_(m) {}

    Pose Parent(int id, double t) const {
        const auto& c = m_.at(id);
        if (c.type == "IFCLINE") {
            const auto& dir = m_.at(m_.at(c.args[1].ref).args[0].ref).args[0].items;
            const double dx = dir[0].number(), dy = dir[1].number(), n = std::hypot(dx, dy);
            return {t * dx / n, t * dy / n, std::atan2(dy, dx)};
        }
        if (c.type == "IFCCIRCLE") {
            const double r = c.args[1].number();
            return {r * std::cos(t / r), r * std::sin(t / r), t / r + kPi / 2};
        }
        if (c.type == "IFCCLOTHOID") {
            const double a = c.args[1].number();
            auto angle = [a](double s) { return s * s / (2 * a * std::abs(a)); };
            // Simpson's rule over 400 steps
            const int n = 400;
            double x = 0, y = 0;
            for (int i = 0; i <= n; ++i) {
                const double s = t * i / n, w = (i == 0 || i == n) ? 1 : (i % 2 ? 4 : 2);
                x += w * std::cos(angle(s));
                y += w * std::sin(angle(s));
            }
            return {x * t / (3 * n), y * t / (3 * n), angle(t)};
        }
        if (c.type == "IFCPOLYNOMIALCURVE") {
            // x = u, y = c0 + c1·u + c2·u²; t is the length along the curve
            const auto& cy = c.args[2].items;
            const double c0 = cy[0].number(), c1 = cy[1].number(), c2 = cy[2].number();
            auto slope = [&](double u) { return c1 + 2 * c2 * u; };
            auto length = [&](double u) {
                const int n = 64;
                double sum = 0;
                for (int i = 0; i <= n; ++i) {
                    const double v = u * i / n, w = (i == 0 || i == n) ? 1 : (i % 2 ? 4 : 2);
                    sum += w * std::hypot(1.0, slope(v));
                }
                return sum * u / (3 * n);
            };
            double u = t;
            for (int k = 0; k < 6; ++k) u -= (length(u) - t) / std::hypot(1.0, slope(u));
            return {u, c0 + c1 * u + c2 * u * u, std::atan(slope(u))};
        }
        ADD_FAILURE() << "unknown parent curve " << c.type;
        return {};
    }

    double Length(int segment) const { return std::abs(m_.at(segment).args[3].number()); }

    Pose Segment(int segment, double s) const {
        const auto& seg = m_.at(segment).args;
        const auto& placement = m_.at(seg[1].ref).args;
        const auto& loc = m_.at(placement[0].ref).args[0].items;
        const auto& dir = m_.at(placement[1].ref).args[0].items;
        const double t0 = seg[2].number(), length = seg[3].number(), sense = length < 0 ? -1 : 1;
        const Pose p0 = Parent(seg[4].ref, t0), p = Parent(seg[4].ref, t0 + sense * s);
        const double back = sense < 0 ? kPi : 0;
        const double turn = std::atan2(dir[1].number(), dir[0].number()) - (p0.angle + back);
        const double dx = p.x - p0.x, dy = p.y - p0.y;
        return {loc[0].number() + std::cos(turn) * dx - std::sin(turn) * dy,
                loc[1].number() + std::sin(turn) * dx + std::cos(turn) * dy, p.angle + back + turn};
    }

    // The point at `distance` along a composite curve.
    Pose Along(int composite, double distance) const {
        const auto& segments = m_.at(composite).args[0].items;
        for (std::size_t i = 0; i < segments.size(); ++i) {
            const double length = Length(segments[i].ref);
            if (distance <= length + 1e-9 || i + 1 == segments.size()) return Segment(segments[i].ref, distance);
            distance -= length;
        }
        return {};
    }

    // The height of a gradient curve at `distance` along: the segment that starts last before it, solved
    // for the length along it whose point lies at that distance.
    double Height(int gradient, double distance) const {
        const auto& segments = m_.at(gradient).args[0].items;
        int chosen = segments.front().ref;
        for (const auto& s : segments)
            if (Segment(s.ref, 0).x <= distance + 1e-9 && Length(s.ref) > 0) chosen = s.ref;
        double lo = 0, hi = Length(chosen);
        for (int k = 0; k < 50; ++k) {
            const double mid = (lo + hi) / 2;
            (Segment(chosen, mid).x < distance ? lo : hi) = mid;
        }
        return Segment(chosen, lo).y;
    }

private:
    const Model& m_;
};

std::string Text(dao::Database& db, const std::string& timestamp = "2026-01-01T00:00:00") {
    std::string problem;
    exchange::IfcExportOptions options;
    options.timestamp = timestamp;
    std::string text = exchange::IfcText(db, "bridge.ifc", options, problem);
    EXPECT_EQ(problem, "");
    return text;
}

std::string RoadDesignFile() {
    std::ifstream in(std::string(EXCHANGE_TEST_DATA) + "/road_design_ak.xml", std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A route on the national grid written into the tables as a route program leaves them: a line, a left arc,
// a spiral out of it and a line; grades +2 %, −1.67 %, +1 % with parabolas of radius 3000 and 4000.
void WriteGridRoute(route_test::Project& p) {
    projectdb::EnsureTable(p.db(), *projectdb::FindTableSchema(projectdb::kHorizontalCurveTable));
    projectdb::EnsureTable(p.db(), *projectdb::FindTableSchema(projectdb::kVerticalCurveTable));
    struct Element {
        const char *type, *direction;
        double stake, length, r0, r1;
    } plan[] = {{"直线", "无", 2000, 80, 0, 0},
                {"圆曲线", "左偏", 2080, 120, 600, 600},
                {"缓和曲线", "左偏", 2200, 70, 600, 0},
                {"直线", "无", 2270, 50, 0, 0}};
    calc::PlanElement e;
    e.x0 = 3512345.678;
    e.y0 = 498765.432;
    e.azimuth0 = 30 * kPi / 180;
    dao::Recordset set(p.db());
    set.Open(projectdb::kHorizontalCurveTable);
    int n = 0;
    for (const auto& el : plan) {
        e.type = el.type == std::string("直线") ? calc::PlanElementType::Line
                 : el.type == std::string("圆曲线") ? calc::PlanElementType::Arc
                                                   : calc::PlanElementType::Clothoid;
        e.k0 = el.r0 ? -1 / el.r0 : 0;
        e.k1 = el.r1 ? -1 / el.r1 : 0;
        e.length = el.length;
        set.AddNew();
        set.SetFieldValue("CurveSectNum", dao::Value::Long(++n));
        set.SetFieldValue("CurveType", dao::Value::Text(el.type));
        set.SetFieldValue("CurveDirect", dao::Value::Text(el.direction));
        for (auto [field, value] :
             {std::pair{"StartPointStake", el.stake}, {"StartPointX", e.x0}, {"StartPointY", e.y0},
              {"StartPointAngle", e.azimuth0}, {"StartPointRadii", el.r0}, {"EndPointRadii", el.r1},
              {"CurveLength", el.length}, {"EndPointX", 0.0}, {"EndPointY", 0.0}})
            set.SetFieldValue(field, dao::Value::Double(value));
        set.Update();
        // the next element starts where this one ends
        const calc::PlanPoint end = calc::PointOnElement(e, e.length);
        e.x0 = end.x, e.y0 = end.y, e.azimuth0 = end.azimuth;
    }
    set.Close();
    dao::Recordset vert(p.db());
    vert.Open(projectdb::kVerticalCurveTable);
    for (auto [stake, elevation, radius] :
         {std::tuple{1950.0, 50.0, 0.0}, {2100.0, 53.0, 3000.0}, {2250.0, 50.5, 4000.0}, {2400.0, 52.0, 0.0}}) {
        vert.AddNew();
        vert.SetFieldValue("TurnPointStake", dao::Value::Double(stake));
        vert.SetFieldValue("TurnPointElev", dao::Value::Double(elevation));
        vert.SetFieldValue("TurnPointRadii", dao::Value::Double(radius));
        vert.Update();
    }
}

struct RouteCase {
    std::string label;
    std::function<void(route_test::Project&)> fill;
    std::vector<std::string> types;  // horizontal segments, the closing one included
    int verticalSegments;
    double firstStake, lastStake;
    std::function<double(double)> distance;  // of a stake, by hand
    bool georeferenced;
};

std::vector<RouteCase> Routes() {
    return {
        {"hand-written LandXML route", [](route_test::Project& p) {
             std::string path = p.dir.file("ak.xml");
             std::ofstream(path, std::ios::binary) << RoadDesignFile();
             ui::Interaction ui = p.ui.interaction();
             ASSERT_EQ(exchange::ImportLandXml(p.db(), path, std::string("AK"), {}, ui).outcome,
                       exchange::LandXmlOutcome::Imported);
         },
         {"LINE", "CLOTHOID", "CIRCULARARC", "CIRCULARARC", "CLOTHOID", "LINE"}, 5, 0, 390,
         [](double stake) { return stake <= 250 ? stake : stake - 50; }, false},
        {"national-grid route", WriteGridRoute, {"LINE", "CIRCULARARC", "CLOTHOID", "LINE", "LINE"}, 6, 2000, 2320,
         [](double stake) { return stake - 2000; }, true},
    };
}

TEST(IfcExport, AlignmentSegmentsFollowTheRouteTablesAndTheGeometryEngine) {
    for (const RouteCase& c : Routes()) {
        SCOPED_TRACE(c.label);
        route_test::Project project({c.firstStake + 20, c.lastStake - 20});
        c.fill(project);
        const Model m = step_test::Parse(Text(project.db()));
        calc::CGeoAssist geo(&project.db());
        ASSERT_EQ(geo.Status(), 0);

        // design parameters: one per element and a closing segment of no length
        const auto horizontal = m.ofType("IFCALIGNMENTHORIZONTALSEGMENT");
        ASSERT_EQ(horizontal.size(), c.types.size());
        const auto& elements = geo.data().plan.elements();
        for (std::size_t i = 0; i < horizontal.size(); ++i) {
            const auto& args = m.at(horizontal[i]).args;
            EXPECT_EQ(args[8].text, c.types[i]) << i;
            EXPECT_NEAR(args[6].number(), i < elements.size() ? elements[i].length : 0, 1e-3) << i;
        }
        const auto vertical = m.ofType("IFCALIGNMENTVERTICALSEGMENT");
        ASSERT_EQ(static_cast<int>(vertical.size()), c.verticalSegments);
        EXPECT_EQ(m.at(vertical.back()).args[3].number(), 0);

        // the geometry: points and directions of the composite curve, heights of the gradient curve
        const auto composite = m.ofType("IFCCOMPOSITECURVE"), gradient = m.ofType("IFCGRADIENTCURVE");
        ASSERT_EQ(composite.size(), 1u);
        ASSERT_EQ(gradient.size(), 1u);
        double east0 = 0, north0 = 0;
        const auto maps = m.ofType("IFCMAPCONVERSION");
        ASSERT_EQ(maps.size(), c.georeferenced ? 1u : 0u);
        if (c.georeferenced) {
            east0 = m.at(maps[0]).args[2].number();
            north0 = m.at(maps[0]).args[3].number();
            EXPECT_EQ(east0, 499000);
            EXPECT_EQ(north0, 3512000);
        }
        Curves curves(m);
        int checked = 0;
        for (double stake = c.firstStake; stake <= c.lastStake; stake += 7, ++checked) {
            if (stake > 250 && stake < 300 && !c.georeferenced) continue;  // no such stakes: the station equation
            const calc::RoutePoint at = geo.Evaluate(stake, 0);
            const Pose p = curves.Along(composite[0], c.distance(stake));
            EXPECT_NEAR(p.x + east0, at.y, 1e-3) << stake;
            EXPECT_NEAR(p.y + north0, at.x, 1e-3) << stake;
            EXPECT_NEAR(std::remainder(p.angle - (kPi / 2 - at.azimuth), 2 * kPi), 0, 1e-6) << stake;
            EXPECT_NEAR(curves.Height(gradient[0], c.distance(stake)), at.centreElevation, 1e-3) << stake;
        }
        EXPECT_GT(checked, 40);
    }
}

TEST(IfcExport, SpatialStructureGeoreferencingAndStationing) {
    route_test::Project project({2020, 2300});
    WriteGridRoute(project);
    const std::string text = Text(project.db());
    const Model m = step_test::Parse(text);
    EXPECT_NE(m.header.find("FILE_SCHEMA(('IFC4X3_ADD2'))"), std::string::npos);
    EXPECT_NE(m.header.find("Alignment-basedView"), std::string::npos);
    for (auto [type, count] : {std::pair{"IFCPROJECT", 1u}, {"IFCSITE", 1u}, {"IFCBRIDGE", 1u}, {"IFCBRIDGEPART", 3u},
                               {"IFCALIGNMENT", 1u}, {"IFCALIGNMENTHORIZONTAL", 1u}, {"IFCALIGNMENTVERTICAL", 1u},
                               {"IFCREFERENT", 1u}, {"IFCPROJECTEDCRS", 1u}, {"IFCRELPOSITIONS", 1u}})
        EXPECT_EQ(m.ofType(type).size(), count) << type;
    // The project aggregates the site and the alignment; the alignment nests its two layouts.
    const int projectId = m.ofType("IFCPROJECT")[0], alignment = m.ofType("IFCALIGNMENT")[0];
    bool projectHoldsAlignment = false, alignmentNestsLayouts = false;
    for (int rel : m.ofType("IFCRELAGGREGATES")) {
        const auto& args = m.at(rel).args;
        if (args[4].ref != projectId) continue;
        for (const auto& part : args[5].items) projectHoldsAlignment |= part.ref == alignment;
    }
    for (int rel : m.ofType("IFCRELNESTS")) {
        const auto& args = m.at(rel).args;
        if (args[4].ref == alignment && args[5].items.size() == 2)
            alignmentNestsLayouts = m.at(args[5].items[0].ref).type == "IFCALIGNMENTHORIZONTAL" &&
                                    m.at(args[5].items[1].ref).type == "IFCALIGNMENTVERTICAL";
    }
    EXPECT_TRUE(projectHoldsAlignment);
    EXPECT_TRUE(alignmentNestsLayouts);
    // Distance 0 is the first element's stake, which the referent gives.
    const auto& referent = m.at(m.ofType("IFCREFERENT")[0]).args;
    EXPECT_EQ(referent[2].text, "K2+000.000");
    bool station = false;
    for (int p : m.ofType("IFCPROPERTYSINGLEVALUE"))
        if (m.at(p).args[0].text == "Station") station = m.at(p).args[2].number() == 2000;
    EXPECT_TRUE(station);
    // The bridge stands 20 m along the route from its start.
    const auto& bridge = m.at(m.ofType("IFCBRIDGE")[0]).args;
    const auto& linear = m.at(bridge[5].ref);
    ASSERT_EQ(linear.type, "IFCLINEARPLACEMENT");
    const auto& byDistance = m.at(m.at(linear.args[1].ref).args[0].ref).args;
    EXPECT_NEAR(byDistance[0].number(), 20, 1e-9);
    // GlobalIds: 22 characters, none repeated.
    std::set<std::string> ids;
    std::size_t rooted = 0;
    for (const auto& [id, instance] : m.instances) {
        if (instance.args.empty() || instance.args[0].kind != Value::String || instance.args[0].text.size() != 22) continue;
        if (instance.type.rfind("IFCREL", 0) != 0 && instance.type.rfind("IFC", 0) != 0) continue;
        if (instance.args.size() < 4 || instance.args[1].kind != Value::Null) continue;
        ids.insert(instance.args[0].text);
        ++rooted;
    }
    EXPECT_GT(rooted, 20u);
    EXPECT_EQ(ids.size(), rooted);
}

TEST(IfcExport, SecondExportDiffersOnlyInItsTimestamp) {
    route_test::Project project({2020, 2300});
    WriteGridRoute(project);
    const std::string first = Text(project.db(), "2026-01-01T00:00:00");
    EXPECT_EQ(Text(project.db(), "2026-01-01T00:00:00"), first);
    std::string later = Text(project.db(), "2027-06-30T12:34:56");
    const auto at = later.find("2027-06-30T12:34:56");
    ASSERT_NE(at, std::string::npos);
    later.replace(at, 19, "2026-01-01T00:00:00");
    EXPECT_EQ(later, first);
}

TEST(IfcExport, TheProjectedCrsIsTheOneTheUserNamesNeverAGuess) {
    route_test::Project project({2020, 2300});
    WriteGridRoute(project);  // national-grid coordinates
    struct Case {
        const char* crs;
        const char *name, *zone;  // null name: refused
    };
    const Case cases[] = {
        {"", "CGCS2000", nullptr},                 // no zone named: only the datum the coordinates are on
        {"EPSG:4547", "EPSG:4547", "CM 114E"},     // CGCS2000 3° zone of 114°E
        {" epsg : 4534", "EPSG:4534", "CM 75E"},
        {"EPSG:32650", "EPSG:32650", nullptr},     // any other code is written as given
        {"CGCS2000", nullptr, nullptr},
        {"EPSG:", nullptr, nullptr},
        {"EPSG:45x7", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.crs);
        exchange::IfcExportOptions options{"2026-01-01T00:00:00", c.crs};
        std::string problem;
        const std::string text = exchange::IfcText(project.db(), "bridge.ifc", options, problem);
        if (!c.name) {
            EXPECT_EQ(text, "");
            EXPECT_NE(problem.find(c.crs), std::string::npos) << problem;
            continue;
        }
        ASSERT_EQ(problem, "");
        const Model m = step_test::Parse(text);
        const auto crs = m.ofType("IFCPROJECTEDCRS");
        ASSERT_EQ(crs.size(), 1u);
        EXPECT_EQ(m.at(crs[0]).args[0].text, c.name);
        if (c.zone) EXPECT_EQ(m.at(crs[0]).args[5].text, c.zone);
        else EXPECT_EQ(m.at(crs[0]).args[5].kind, Value::Null);
        EXPECT_EQ(m.ofType("IFCMAPCONVERSION").size(), 1u);
    }
}

TEST(IfcExport, ProjectWithoutRouteOrUnwritableFileIsToldAndLeavesNoFile) {
    route_test::Project empty;
    const std::string path = empty.dir.file("none.ifc");
    ui::Interaction ui = empty.ui.interaction();
    EXPECT_FALSE(exchange::ExportIfc(empty.db(), path, ui));
    EXPECT_FALSE(std::ifstream(path).good());
    route_test::Project routed({2020, 2300});
    WriteGridRoute(routed);
    ui::Interaction routedUi = routed.ui.interaction();
    EXPECT_FALSE(exchange::ExportIfc(routed.db(), routed.dir.file("no/folder/x.ifc"), routedUi));
    const std::string good = routed.dir.file("bridge.ifc");
    EXPECT_TRUE(exchange::ExportIfc(routed.db(), good, routedUi));
    EXPECT_FALSE(std::ifstream(good + ".part").good());
    std::vector<std::string> said = empty.ui.prompter.texts();
    const std::vector<std::string> routedSaid = routed.ui.prompter.texts();
    said.insert(said.end(), routedSaid.begin(), routedSaid.end());
    ASSERT_EQ(said.size(), 2u);
    EXPECT_NE(said[0].find("没有平曲线资料"), std::string::npos);
    EXPECT_NE(said[1].find("不能写入文件"), std::string::npos);
}

}  // namespace
