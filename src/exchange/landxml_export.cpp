// The project's route as LandXML 1.2: one alignment of Line, Curve and clothoid Spiral elements, station
// equations where the stakes jump between elements, the profile as PVIs with symmetric parabolas, and the
// deck cross slopes as Superelevation.
#include <pugixml.hpp>

#include <array>
#include <cmath>
#include <ctime>
#include <numbers>

#include "calc/route_tables.h"
#include "exchange/landxml_import.h"
#include "exchange/landxml_superelevation.h"
#include "platform/dao/recordset.h"
#include "platform/text/cformat.h"
#include "platform/text/utc_text.h"

namespace exchange {
namespace {

constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

std::string Coordinate(double value) { return text::Format("%.6f", value); }
std::string Direction(double azimuth) { return text::Format("%.12f", azimuth * kDegreesPerRadian); }
std::string Length(double value) { return text::Format("%.9f", value); }

// LandXML writes a point as "northing easting".
void AddPoint(pugi::xml_node element, const char* name, double north, double east) {
    element.append_child(name).text().set((Coordinate(north) + " " + Coordinate(east)).c_str());
}

// Where the tangents at the two ends of an element meet; the midpoint of the chord where they are parallel.
void TangentIntersection(const calc::PlanPoint& a, const calc::PlanPoint& b, double& north, double& east) {
    const double ax = std::cos(a.azimuth), ay = std::sin(a.azimuth);
    const double bx = std::cos(b.azimuth), by = std::sin(b.azimuth);
    const double cross = ax * by - ay * bx;
    if (std::abs(cross) < 1e-12) {
        north = (a.x + b.x) / 2;
        east = (a.y + b.y) / 2;
        return;
    }
    const double t = ((b.x - a.x) * by - (b.y - a.y) * bx) / cross;
    north = a.x + t * ax;
    east = a.y + t * ay;
}

std::string RadiusText(double curvature) {
    return curvature == 0 ? "INF" : text::Format("%.9f", 1 / std::abs(curvature));
}

void AddElement(pugi::xml_node geometry, const calc::PlanElement& e, double internalStart) {
    const calc::PlanPoint start = calc::PointOnElement(e, 0);
    const calc::PlanPoint end = calc::PointOnElement(e, e.length);
    pugi::xml_node node;
    switch (e.type) {
        case calc::PlanElementType::Line:
            node = geometry.append_child("Line");
            node.append_attribute("dir") = Direction(start.azimuth).c_str();
            break;
        case calc::PlanElementType::Arc:
            node = geometry.append_child("Curve");
            node.append_attribute("rot") = e.k0 > 0 ? "cw" : "ccw";
            node.append_attribute("crvType") = "arc";
            node.append_attribute("radius") = RadiusText(e.k0).c_str();
            break;
        case calc::PlanElementType::Clothoid:
            node = geometry.append_child("Spiral");
            node.append_attribute("rot") = (e.k0 != 0 ? e.k0 : e.k1) >= 0 ? "cw" : "ccw";
            node.append_attribute("spiType") = "clothoid";
            node.append_attribute("radiusStart") = RadiusText(e.k0).c_str();
            node.append_attribute("radiusEnd") = RadiusText(e.k1).c_str();
            break;
    }
    node.append_attribute("staStart") = Length(internalStart).c_str();
    node.append_attribute("length") = Length(e.length).c_str();
    if (e.type != calc::PlanElementType::Line) {
        node.append_attribute("dirStart") = Direction(start.azimuth).c_str();
        node.append_attribute("dirEnd") = Direction(end.azimuth).c_str();
    }
    AddPoint(node, "Start", start.x, start.y);
    if (e.type == calc::PlanElementType::Arc) {
        // The centre lies on the right-hand normal for a curve turning right.
        const double r = 1 / e.k0;
        AddPoint(node, "Center", start.x - r * std::sin(start.azimuth), start.y + r * std::cos(start.azimuth));
    }
    AddPoint(node, "End", end.x, end.y);
    if (e.type != calc::PlanElementType::Line) {
        double north = 0, east = 0;
        TangentIntersection(start, end, north, east);
        AddPoint(node, "PI", north, east);
    }
}

std::string RouteName(dao::Database& db) {
    try {
        if (!db.HasTableDef("一般信息表")) return "路线";
        dao::Recordset set(db);
        set.Open("Select * From [一般信息表]");
        if (!set.IsEOF())
            if (int i = set.FieldIndex("LineMark"); i >= 0) {
                std::string name = set.GetFieldValue(i).toString();
                if (!name.empty()) return name;
            }
    } catch (const dao::DaoException&) {
        // the name is a label only; the route tables say whether the project can be read
    }
    return "路线";
}

// The root's attributes, the units (metres, decimal degrees) and the writing application.
pugi::xml_node AddRoot(pugi::xml_document& xml) {
    pugi::xml_node root = xml.append_child("LandXML");
    root.append_attribute("xmlns") = "http://www.landxml.org/schema/LandXML-1.2";
    root.append_attribute("version") = "1.2";
    const std::time_t now = std::time(nullptr);
    root.append_attribute("date") = text::FormatUtc(now, "%Y-%m-%d").c_str();
    root.append_attribute("time") = text::FormatUtc(now, "%H:%M:%S").c_str();
    pugi::xml_node metric = root.append_child("Units").append_child("Metric");
    for (auto [name, value] : {std::pair{"areaUnit", "squareMeter"}, {"linearUnit", "meter"}, {"volumeUnit", "cubicMeter"},
                               {"temperatureUnit", "celsius"}, {"pressureUnit", "milliBars"},
                               {"angularUnit", "decimal degrees"}, {"directionUnit", "decimal degrees"}})
        metric.append_attribute(name) = value;
    pugi::xml_node application = root.append_child("Application");
    application.append_attribute("name") = "Veltra";
    application.append_attribute("manufacturer") = "Veltra";
    return root;
}

// The plan elements, and the alignment's length and start station. Internal stations run on without a break;
// where the next element's stake is not where the previous one ends, a station equation carries the jump.
void AddPlan(pugi::xml_node alignment, const std::vector<calc::PlanElement>& elements) {
    pugi::xml_node geometry = alignment.append_child("CoordGeom");
    double internal = elements.front().startStake, total = 0;
    std::vector<std::array<double, 3>> equations;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const calc::PlanElement& e = elements[i];
        if (i > 0) {
            const calc::PlanElement& before = elements[i - 1];
            const double back = before.startStake + before.length;
            if (std::abs(e.startStake - back) > 1e-6) equations.push_back({internal, back, e.startStake});
        }
        AddElement(geometry, e, internal);
        internal += e.length;
        total += e.length;
    }
    alignment.append_attribute("length") = Length(total).c_str();
    alignment.append_attribute("staStart") = Length(elements.front().startStake).c_str();
    for (const auto& [at, back, ahead] : equations) {
        pugi::xml_node q = alignment.append_child("StaEquation");
        q.append_attribute("staInternal") = Length(at).c_str();
        q.append_attribute("staBack") = Length(back).c_str();
        q.append_attribute("staAhead") = Length(ahead).c_str();
    }
}

// The turning points as PVIs, those with a vertical curve as symmetric parabolas; nothing without a profile.
void AddProfile(pugi::xml_node alignment, const calc::VerticalProfile& vertical, const std::string& name) {
    const auto& points = vertical.points();
    if (points.empty()) return;
    pugi::xml_node profile = alignment.append_child("Profile");
    profile.append_attribute("name") = name.c_str();
    pugi::xml_node align = profile.append_child("ProfAlign");
    align.append_attribute("name") = name.c_str();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const calc::TurningPoint& p = points[i];
        // The parabola of radius R over a grade change Δi is R·Δi long.
        const double length = 2 * vertical.TangentLength(i);
        pugi::xml_node node = align.append_child(length > 0 ? "ParaCurve" : "PVI");
        if (length > 0) node.append_attribute("length") = Length(length).c_str();
        node.text().set((Length(p.stake) + " " + Length(p.elevation)).c_str());
    }
}

}  // namespace

bool ExportLandXml(dao::Database& db, const std::string& path, ui::Prompter& prompt) {
    const calc::RouteData route = calc::ReadRouteTables(db);
    if (!route.problems.empty()) {
        std::string text = "路线资料不能读取，未输出LandXML文件：";
        for (const auto& p : route.problems) text += "\n" + p;
        prompt.message(text, ui::Buttons::Ok, ui::Icon::Stop);
        return false;
    }
    if (route.plan.empty()) {
        prompt.message("项目中没有平曲线资料，未输出LandXML文件。", ui::Buttons::Ok, ui::Icon::Stop);
        return false;
    }
    pugi::xml_document xml;
    const std::string name = RouteName(db);
    pugi::xml_node alignment = AddRoot(xml).append_child("Alignments").append_child("Alignment");
    alignment.append_attribute("name") = name.c_str();
    AddPlan(alignment, route.plan.elements());
    AddProfile(alignment, route.profile, name);
    WriteSuperelevation(alignment, route.slopes.segments());
    if (!xml.save_file(path.c_str(), "  ", pugi::format_default, pugi::encoding_utf8)) {
        prompt.message("不能写入文件 " + path + "。", ui::Buttons::Ok, ui::Icon::Stop);
        return false;
    }
    return true;
}

}  // namespace exchange
