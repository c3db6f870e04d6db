#include "exchange/ifc_export.h"

#include <cctype>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>
#include <tuple>

#include "bridge/bridge_model.h"
#include "calc/route_tables.h"
#include "exchange/ifc_alignment.h"
#include "exchange/ifc_entities.h"
#include "exchange/ifc_members.h"
#include "exchange/landxml_reader.h"
#include "exchange/route_import.h"
#include "platform/dao/recordset.h"
#include "platform/text/cformat.h"
#include "platform/text/utc_text.h"

namespace exchange {
namespace {

struct GeneralInfo {
    std::string bridge = "桥梁", route = "路线";
};

GeneralInfo ReadGeneral(dao::Database& db) {
    GeneralInfo info;
    try {
        if (!db.HasTableDef("一般信息表")) return info;
        dao::Recordset set(db);
        set.Open("Select * From [一般信息表]");
        if (set.IsEOF()) return info;
        for (auto [field, slot] : {std::pair{"BridgeName", &info.bridge}, std::pair{"LineMark", &info.route}})
            if (int i = set.FieldIndex(field); i >= 0)
                if (std::string v = set.GetFieldValue(i).toString(); !v.empty()) *slot = v;
    } catch (const dao::DaoException&) {
        // names are labels only: the defaults stand
    }
    return info;
}

// The projected CRS the file names: the user's EPSG code (with the central meridian of a CGCS2000 3° zone
// spelled out), else, for national-grid coordinates, only the datum they are on.
void WriteCrs(ifc::Writer& w, int context, int metre, const IfcOrigin& origin, const IfcExportOptions& options) {
    const std::optional<int> epsg = EpsgCode(options.crs);
    if (!epsg && !origin.georeferenced) return;
    int crs;
    if (epsg) {
        // EPSG 4534–4554: CGCS2000 / 3-degree Gauss-Kruger, central meridians 75°E to 135°E without the zone prefix.
        const bool zone3 = *epsg >= 4534 && *epsg <= 4554;
        const std::string name = "EPSG:" + std::to_string(*epsg);
        crs = zone3 ? w.ProjectedCrs(name, "CGCS2000 3度带高斯-克吕格投影", "CGCS2000", metre, "Gauss-Kruger",
                                     text::Format("CM %dE", 75 + 3 * (*epsg - 4534)))
                    : w.ProjectedCrs(name, "", "", metre);
    } else {
        crs = w.ProjectedCrs("CGCS2000", "平曲线资料表的大地坐标", "CGCS2000", metre);
    }
    w.MapConversion(context, crs, origin.east, origin.north, 0);
}

}  // namespace

std::optional<int> EpsgCode(const std::string& crs) {
    std::string compact;
    for (char c : crs)
        if (c != ' ') compact += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (compact.rfind("EPSG:", 0) != 0 || compact.size() == 5 || compact.size() > 11) return std::nullopt;
    for (std::size_t i = 5; i < compact.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(compact[i]))) return std::nullopt;
    const int code = std::stoi(compact.substr(5));
    if (code <= 0) return std::nullopt;
    return code;
}

namespace {

using IdOf = std::function<std::string(const std::string&)>;

// Why the project cannot be exported; empty when it can.
std::string ExportProblem(const calc::RouteData& route, const IfcExportOptions& options) {
    if (!route.problems.empty()) {
        std::string problem = "路线资料不能读取，未输出IFC文件：";
        for (const auto& p : route.problems) problem += "\n" + p;
        return problem;
    }
    if (route.plan.empty()) return "项目中没有平曲线资料，未输出IFC文件。";
    if (!options.crs.empty() && !EpsgCode(options.crs))
        return text::Format("坐标系“%s”不是 EPSG:代码 的形式（如 CGCS2000 3度带的 EPSG:4534～4554），未输出IFC文件。",
                            options.crs.c_str());
    return {};
}

// The representation context of the model with its Axis and Body views, and the units: metres, radians.
struct IfcContexts {
    int model = 0, axis = 0, body = 0;
    int metre = 0, units = 0;
};

IfcContexts WriteContexts(ifc::Writer& w) {
    IfcContexts c;
    c.model = w.Context(w.Placement3D({}), ifc::Vec2{0, 1});
    c.axis = w.SubContext("Axis", "Model", c.model, "GRAPH_VIEW");
    c.body = w.SubContext("Body", "Model", c.model, "MODEL_VIEW");
    c.metre = w.SiUnit("LENGTHUNIT", "METRE");
    c.units = w.Units({c.metre, w.SiUnit("PLANEANGLEUNIT", "RADIAN"), w.SiUnit("AREAUNIT", "SQUARE_METRE"),
                       w.SiUnit("VOLUMEUNIT", "CUBIC_METRE")});
    return c;
}

// The bridge stands along the route from its first joint: placed by distance along, with the point it comes
// to as the plain-coordinate fallback.
int PlaceBridge(ifc::Writer& w, const calc::RouteData& route, const IfcOrigin& origin, double startStake, int axis) {
    const calc::PlanLocation start = route.plan.Locate(startStake);
    const double height = route.profile.empty() ? 0 : route.profile.Elevation(startStake);
    const double direction = calc::NormalAzimuth(std::numbers::pi / 2 - start.point.azimuth);
    const int cartesian =
        w.Placement3D({start.point.y - origin.east, start.point.x - origin.north, height}, ifc::Vec3{0, 0, 1},
                      ifc::Vec3{std::cos(direction), std::sin(direction), 0});
    return w.LinearPlacement(std::nullopt, w.PointByDistance(DistanceAlong(route.plan, startStake), 0, 0, axis),
                             cartesian);
}

// The superstructure, substructure and foundation, each placed with the bridge.
IfcBridgeParts WriteBridgeParts(ifc::Writer& w, int bridgePlacement, const IdOf& id) {
    std::vector<int> parts;
    for (auto [key, name, usage, type] :
         {std::tuple{"superstructure", "上部构造", "LONGITUDINAL", "SUPERSTRUCTURE"},
          std::tuple{"substructure", "下部构造", "NOTDEFINED", "SUBSTRUCTURE"},
          std::tuple{"foundation", "基础", "NOTDEFINED", "FOUNDATION"}})
        parts.push_back(w.BridgePart({id(std::string("part/") + key), name, ""},
                                     w.LocalPlacement(bridgePlacement, w.Placement3D({})), usage, type));
    return {parts[0], parts[1], parts[2], bridgePlacement};
}

// The whole file into `file` and `header`; false, with the reason in `problem`, when the project cannot be
// exported.
bool BuildIfc(dao::Database& db, const std::string& fileName, const IfcExportOptions& options, std::string& problem,
              step::File& file, step::Header& header) {
    const calc::RouteData route = calc::ReadRouteTables(db);
    problem = ExportProblem(route, options);
    if (!problem.empty()) return false;
    const GeneralInfo general = ReadGeneral(db);
    const calc::PlanElement& first = route.plan.elements().front();
    const calc::PlanElement& last = route.plan.elements().back();
    const RouteRange bridgeRange = ReadBridgeExtent(db).value_or(RouteRange{first.startStake, last.startStake + last.length});
    // The project's identity: what names the bridge and where it stands. Every object's id is derived from it.
    const std::string projectKey = general.bridge + "|" + general.route + "|" + StakeText(bridgeRange.start) + "|" +
                                   StakeText(bridgeRange.end);
    const IdOf id = [&projectKey](const std::string& part) { return step::GlobalId(projectKey + "|" + part); };

    ifc::Writer w(file);
    const IfcContexts contexts = WriteContexts(w);
    const int project = w.Project({id("project"), general.bridge, "Veltra"}, {contexts.model}, contexts.units);
    const IfcOrigin origin = ChooseOrigin(route.plan);
    WriteCrs(w, contexts.model, contexts.metre, origin, options);
    const int sitePlacement = w.LocalPlacement(std::nullopt, w.Placement3D({}));
    const int site = w.Site({id("site"), general.route, ""}, sitePlacement);
    const IfcAlignmentIds alignment = WriteAlignment(w, route, origin, general.route, contexts.axis, id);
    const int bridgePlacement = PlaceBridge(w, route, origin, bridgeRange.start, alignment.axis);
    const int bridge = w.Bridge({id("bridge"), general.bridge, ""}, bridgePlacement, "GIRDER");
    const IfcBridgeParts parts = WriteBridgeParts(w, bridgePlacement, id);

    w.Aggregates({id("project/contents"), "", ""}, project, {site, alignment.alignment});
    w.Aggregates({id("site/contents"), "", ""}, site, {bridge});
    w.Aggregates({id("bridge/parts"), "", ""}, bridge, {parts.superstructure, parts.substructure, parts.foundation});
    w.ReferencedIn({id("site/alignment"), "", ""}, {alignment.alignment}, site);
    // Every member of the bridge model, placed along the route like the bridge.
    const bridge::Bridge model = bridge::ReadBridge(db);
    std::vector<int> positioned{bridge};
    const std::vector<int> members = WriteMembers(w, model, route, origin, alignment, contexts.body, parts, id);
    positioned.insert(positioned.end(), members.begin(), members.end());
    w.Positions({id("alignment/positions"), "", ""}, alignment.alignment, positioned);
    const int properties = w.PropertySet(
        {id("bridge/properties"), "Veltra_桥梁", ""},
        {w.LabelProperty("桥梁名称", general.bridge), w.LabelProperty("路线名称", general.route),
         w.LengthProperty("起点桩号", bridgeRange.start), w.LengthProperty("终点桩号", bridgeRange.end)});
    w.DefinesByProperties({id("bridge/properties/rel"), "", ""}, {bridge}, properties);

    const std::string timestamp = options.timestamp.empty() ? text::FormatUtc(std::time(nullptr), "%Y-%m-%dT%H:%M:%S")
                                                            : options.timestamp;
    header = {ifc::kAlignmentView, fileName, timestamp, "", "", "Veltra", "Veltra", ifc::kSchema};
    return true;
}

}  // namespace

std::string IfcText(dao::Database& db, const std::string& fileName, const IfcExportOptions& options,
                    std::string& problem) {
    step::File file;
    step::Header header;
    if (!BuildIfc(db, fileName, options, problem, file, header)) return {};
    return file.Text(header);
}

bool ExportIfc(dao::Database& db, const std::string& path, ui::Interaction& ui, const IfcExportOptions& options) {
    ui.progress.setTitle("输出IFC");
    ui.progress.setText("正在输出IFC文件。请稍候...");
    ui.progress.setRange(0, 2);
    ui.progress.setPos(0);
    ui.progress.show();
    std::string problem;
    step::File file;
    step::Header header;
    const bool built = BuildIfc(db, std::filesystem::path(path).filename().string(), options, problem, file, header);
    ui.progress.setPos(1);
    bool written = false;
    if (built) {
        // A complete new file replaces the old one, never a half-written one.
        const std::string temporary = path + ".part";
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            file.Write(out, header);
            written = static_cast<bool>(out.flush());
        }
        std::error_code error;
        if (written) std::filesystem::rename(temporary, path, error);
        if (!written || error) {
            std::filesystem::remove(temporary, error);
            written = false;
            problem = "不能写入文件 " + path + "。";
        }
    }
    ui.progress.close();
    if (!problem.empty()) ui.prompt.message(problem, ui::Buttons::Ok, ui::Icon::Stop);
    return written;
}

}  // namespace exchange
