#include "exchange/ifc_members.h"

#include <cmath>
#include <map>
#include <numbers>
#include <set>

#include "bridge/tessellation.h"
#include "platform/text/cformat.h"

namespace exchange {
namespace {

// A level frame on the route: its origin on the centre line at a station, x along the route's direction there.
struct Frame {
    ifc::Vec3 origin;
    double angle = 0;  // of x, counter-clockwise from east

    ifc::Vec3 Point(const ifc::Vec3& p) const {
        const double dx = p.x - origin.x, dy = p.y - origin.y, c = std::cos(angle), s = std::sin(angle);
        return {c * dx + s * dy, -s * dx + c * dy, p.z - origin.z};
    }
    ifc::Vec3 Direction(const ifc::Vec3& d) const {
        const double c = std::cos(angle), s = std::sin(angle);
        return {c * d.x + s * d.y, -s * d.x + c * d.y, d.z};
    }
};

ifc::Vec3 Cross(const ifc::Vec3& a, const ifc::Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Norm(const ifc::Vec3& a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }
ifc::Vec3 Scaled(const ifc::Vec3& a, double k) { return {a.x * k, a.y * k, a.z * k}; }

std::string QuantitySetName(const std::string& entity) {
    static const std::map<std::string, std::string> names = {
        {"IFCBEAM", "Qto_BeamBaseQuantities"},       {"IFCCOLUMN", "Qto_ColumnBaseQuantities"},
        {"IFCWALL", "Qto_WallBaseQuantities"},       {"IFCFOOTING", "Qto_FootingBaseQuantities"},
        {"IFCPILE", "Qto_PileBaseQuantities"},       {"IFCSLAB", "Qto_SlabBaseQuantities"},
        {"IFCBUILDINGELEMENTPROXY", "Qto_BuildingElementProxyBaseQuantities"},
    };
    auto it = names.find(entity);
    // Bearings and earthworks have no standard set that holds a net volume: theirs is named plainly.
    return it == names.end() ? "BaseQuantities" : it->second;
}

class MemberWriter {
public:
    MemberWriter(ifc::Writer& w, const bridge::Bridge& model, const calc::RouteData& route, const IfcOrigin& origin,
                 const IfcAlignmentIds& alignment, int bodyContext, const IfcBridgeParts& parts,
                 const std::function<std::string(const std::string&)>& id)
        : w_(w), model_(model), route_(route), origin_(origin), alignment_(alignment), body_(bodyContext), parts_(parts),
          id_(id) {}

    std::vector<int> Write() {
        std::map<int, std::vector<int>> bySupportPart;  // support index → elements
        std::vector<int> superstructure, foundation, all;
        std::map<std::string, int> counts;
        for (const bridge::Solid* each : ExportedSolids(model_)) {
            const bridge::Solid& solid = *each;
            const IfcMemberKind kind = MemberKind(solid, model_);
            const std::string key = Key(solid, counts);
            const double station = Station(solid);
            const Frame frame = FrameAt(station, solid.path.empty() ? 0 : solid.path.front().z);
            const int placement = Placement(frame, station);
            const int element = w_.Element(kind.entity, {id_(key), Name(solid), solid.member}, placement,
                                           Shape(solid, frame), kind.predefinedType);
            Properties(element, key, solid, kind);
            all.push_back(element);
            if (solid.span >= 0)
                superstructure.push_back(element);
            else if (kind.entity == "IFCPILE" || kind.entity == "IFCFOOTING")
                foundation.push_back(element);
            else
                bySupportPart[solid.support].push_back(element);
        }
        Contain("superstructure", superstructure, parts_.superstructure);
        Contain("foundation", foundation, parts_.foundation);
        std::vector<int> supportParts;
        for (const bridge::Support& sp : model_.supports) {
            const std::string key = "support/" + std::to_string(sp.index);
            const bool abutment = sp.kind == bridge::SupportKind::Abutment;
            const int part = w_.BridgePart({id_(key), text::Format("%d号%s", sp.index, sp.KindText()), ""},
                                           Placement(FrameAt(sp.station, sp.deckZ), sp.station), "LATERAL",
                                           abutment ? "ABUTMENT" : "PIER");
            supportParts.push_back(part);
            Contain(key, bySupportPart[sp.index], part);
        }
        if (!supportParts.empty())
            w_.Aggregates({id_("part/substructure/supports"), "", ""}, parts_.substructure, supportParts);
        return all;
    }

private:
    // The model keeps the route tables' own X and Y: X the northing, unless the tables hold the easting in X.
    ifc::Vec3 World(const bridge::Point3& p) const {
        const double east = route_.xIsEasting ? p.x : p.y, north = route_.xIsEasting ? p.y : p.x;
        return {east - origin_.east, north - origin_.north, p.z};
    }

    double Station(const bridge::Solid& solid) const {
        if (solid.span >= 0 && solid.span < static_cast<int>(model_.spans.size())) return model_.spans[solid.span].startStation;
        for (const bridge::Support& sp : model_.supports)
            if (sp.index == solid.support) return sp.station;
        return model_.spans.empty() ? 0 : model_.spans.front().startStation;
    }

    Frame FrameAt(double station, double z) const {
        const calc::PlanPoint p = route_.plan.Locate(station).point;
        return {{p.y - origin_.east, p.x - origin_.north, z}, calc::NormalAzimuth(std::numbers::pi / 2 - p.azimuth)};
    }

    // Along the level footprint of the route at the frame's station, raised to the frame's height; the same
    // position written out in plain coordinates beside it.
    int Placement(const Frame& f, double station) {
        const int cartesian = w_.Placement3D(f.origin, ifc::Vec3{0, 0, 1}, ifc::Vec3{std::cos(f.angle), std::sin(f.angle), 0});
        const int along = w_.PointByDistance(DistanceAlong(route_.plan, station), 0, f.origin.z, alignment_.footprint);
        return w_.LinearPlacement(std::nullopt, along, cartesian);
    }

    // The body as the Alignment-based View asks for it: the model's own tessellation of the member (the one
    // the 3D view shows), its corners in the element's frame. Where the model's x is north and y east, the
    // file's x east and y north, the swap turns the triangles inside out, so each is written the other way round.
    //
    // A wide, thin member on a graded curve (the pavement of a 12 m deck on a 300 m radius) has side faces that
    // twist between its mitred sections, and two triangles cannot follow the twist: where the triangles would
    // miss the member's volume by more than 0.05 %, its sections are swept instead, as exactly as the model
    // counts them.
    int Shape(const bridge::Solid& solid, const Frame& frame) {
        const bridge::Mesh mesh = bridge::SweepSolid(solid, Across(solid));
        if (std::fabs(bridge::MeshVolume(mesh) - solid.volume) > 5e-4 * std::fabs(solid.volume)) return SweptShape(solid, frame);
        std::vector<ifc::Vec3> corners;
        corners.reserve(mesh.vertices.size());
        for (const bridge::Point3& v : mesh.vertices) corners.push_back(frame.Point(World(v)));
        std::vector<std::array<std::uint32_t, 3>> triangles;
        triangles.reserve(mesh.triangles.size());
        for (const bridge::Triangle& t : mesh.triangles)
            triangles.push_back(route_.xIsEasting ? t : bridge::Triangle{t[0], t[2], t[1]});
        const int body = w_.TriangulatedFaceSet(corners, triangles);
        return w_.ProductShape({w_.ShapeRepresentation(body_, "Body", "Tessellation", {body})});
    }

    // The profile swept along each leg of the path: an extrusion per leg, so that the volume is the profile's
    // area times the path's length, as the model counts it.
    int SweptShape(const bridge::Solid& solid, const Frame& frame) {
        auto outline = [&](const std::vector<bridge::Point2>& points) {
            std::vector<ifc::Vec2> out;
            for (const auto& p : points) out.push_back({p.x, p.y});
            return w_.Polyline(out);
        };
        // Members of one section (every pile of a diameter, every column) share one profile.
        std::string key;
        for (const auto* ring : {&solid.profile}) for (const auto& p : *ring) key += step::RealText(p.x) + "," + step::RealText(p.y) + ";";
        for (const auto& h : solid.holes) {
            key += "|";
            for (const auto& p : h) key += step::RealText(p.x) + "," + step::RealText(p.y) + ";";
        }
        auto known = profiles_.find(key);
        if (known == profiles_.end()) {
            std::vector<int> holes;
            for (const auto& h : solid.holes) holes.push_back(outline(h));
            known = profiles_.emplace(key, w_.Profile(outline(solid.profile), holes)).first;
        }
        const int profile = known->second;
        std::vector<int> items;
        for (std::size_t i = 1; i < solid.path.size(); ++i) {
            const ifc::Vec3 a = frame.Point(World(solid.path[i - 1]));
            const ifc::Vec3 d = frame.Direction(
                {World(solid.path[i]).x - World(solid.path[i - 1]).x, World(solid.path[i]).y - World(solid.path[i - 1]).y,
                 solid.path[i].z - solid.path[i - 1].z});
            const double length = Norm(d);
            if (length < 1e-9) continue;
            const ifc::Vec3 axis = Scaled(d, 1 / length);
            // The profile's u runs across the path, level; its v then points up as far as the path allows.
            ifc::Vec3 across = Cross({0, 0, 1}, axis);
            across = Norm(across) < 1e-9 ? ifc::Vec3{1, 0, 0} : Scaled(across, 1 / Norm(across));
            items.push_back(w_.ExtrudedSolid(profile, w_.Placement3D(a, axis, across), length));
        }
        return w_.ProductShape({w_.ShapeRepresentation(body_, "Body", "SweptSolid", items)});
    }

    // Where a vertical member's section is turned: along its support line, as the model sets its columns out.
    bridge::Point2 Across(const bridge::Solid& solid) const {
        for (const bridge::Support& sp : model_.supports) {
            if (sp.index != solid.support) continue;
            const double dx = sp.lineRight.x - sp.lineLeft.x, dy = sp.lineRight.y - sp.lineLeft.y;
            const double n = std::hypot(dx, dy);
            if (n > 0) return {dx / n, dy / n};
        }
        return {0, 1};
    }

    void Properties(int element, const std::string& key, const bridge::Solid& solid, const IfcMemberKind& kind) {
        std::vector<int> values{w_.LabelProperty("构件", solid.member),
                                w_.LabelProperty("尺寸来源", solid.table.empty() ? "标准尺寸" : solid.table)};
        if (solid.span >= 0) values.push_back(w_.Property("跨号", step::Arg::Typed("IFCINTEGER", step::Arg::Int(solid.span + 1))));
        if (solid.support >= 0)
            values.push_back(w_.Property("墩台号", step::Arg::Typed("IFCINTEGER", step::Arg::Int(solid.support))));
        values.push_back(w_.Property("截面面积", step::Arg::Typed("IFCAREAMEASURE", step::Arg::Real(solid.area))));
        values.push_back(w_.LengthProperty("长度", bridge::PathLength(solid.path)));
        const int set = w_.PropertySet({id_(key + "/Veltra_构件"), "Veltra_构件", ""}, values);
        w_.DefinesByProperties({id_(key + "/Veltra_构件/rel"), "", ""}, {element}, set);
        const int quantities = w_.ElementQuantity({id_(key + "/quantities"), QuantitySetName(kind.entity), ""}, "",
                                                  {w_.VolumeQuantity("NetVolume", solid.volume)});
        w_.DefinesByProperties({id_(key + "/quantities/rel"), "", ""}, {element}, quantities);
    }

    void Contain(const std::string& key, const std::vector<int>& elements, int structure) {
        if (!elements.empty()) w_.ContainedIn({id_(key + "/contents"), "", ""}, elements, structure);
    }

    // The member's identity in the project: where it is and which of its kind there, so that it keeps its id
    // from one export to the next.
    static std::string Key(const bridge::Solid& s, std::map<std::string, int>& counts) {
        const std::string place = s.span >= 0 ? "span/" + std::to_string(s.span) : "support/" + std::to_string(s.support);
        const std::string base = place + "/" + s.member;
        return base + "/" + std::to_string(++counts[base]);
    }

    std::string Name(const bridge::Solid& s) const {
        if (s.span >= 0) return text::Format("第%d跨%s", s.span + 1, s.member.c_str());
        return text::Format("%d号墩台%s", s.support, s.member.c_str());
    }

    ifc::Writer& w_;
    const bridge::Bridge& model_;
    const calc::RouteData& route_;
    const IfcOrigin& origin_;
    const IfcAlignmentIds& alignment_;
    int body_;
    const IfcBridgeParts& parts_;
    const std::function<std::string(const std::string&)>& id_;
    std::map<std::string, int> profiles_;  // outline text → profile
};

}  // namespace

IfcMemberKind MemberKind(const bridge::Solid& solid, const bridge::Bridge& model) {
    const std::string& m = solid.member;
    if (m == "主梁") {
        std::string type;
        for (const auto& g : model.superstructures)
            if (g.span == solid.span) type = g.type;
        if (type.find("空心板") != std::string::npos) return {"IFCBEAM", "HOLLOWCORE"};
        if (type.find("T梁") != std::string::npos) return {"IFCBEAM", "T_BEAM"};
        return {"IFCBEAM", "GIRDER_SEGMENT"};
    }
    static const std::map<std::string, IfcMemberKind> kinds = {
        {"帽梁", {"IFCBEAM", "PIERCAP"}},          {"台帽", {"IFCBEAM", "PIERCAP"}},
        {"墩柱", {"IFCCOLUMN", "PIERSTEM"}},       {"肋板", {"IFCWALL", "SOLIDWALL"}},
        {"墩台身", {"IFCWALL", "SOLIDWALL"}},      {"背墙", {"IFCWALL", "SOLIDWALL"}},
        {"耳墙", {"IFCWALL", "SOLIDWALL"}},        {"系梁", {"IFCBEAM", "BEAM"}},
        {"承台", {"IFCFOOTING", "PILE_CAP"}},      {"桩", {"IFCPILE", "BORED"}},
        {"扩大基础", {"IFCFOOTING", "PAD_FOOTING"}}, {"沉井基础", {"IFCFOOTING", "CAISSON_FOUNDATION"}},
        {"空心板", {"IFCBEAM", "HOLLOWCORE"}},     {"T梁", {"IFCBEAM", "T_BEAM"}},
        {"板式橡胶支座", {"IFCBEARING", "ELASTOMERIC"}}, {"盆式支座", {"IFCBEARING", "POT"}},
        {"桥面铺装", {"IFCSLAB", "WEARING"}},      {"搭板", {"IFCSLAB", "APPROACH_SLAB"}},
        {"锥坡", {"IFCEARTHWORKSFILL", "SLOPEFILL"}},
    };
    const auto kind = kinds.find(m);
    return kind != kinds.end() ? kind->second : IfcMemberKind{"IFCBUILDINGELEMENTPROXY", "NOTDEFINED"};
}

std::vector<const bridge::Solid*> ExportedSolids(const bridge::Bridge& model) {
    std::set<int> spansByUnit;
    for (const auto& u : model.deckMembers.units) spansByUnit.insert(u.span);
    std::vector<const bridge::Solid*> out;
    for (const bridge::Solid& s : model.solids) {
        if (s.member == "主梁" && spansByUnit.count(s.span)) {
            for (const auto& u : model.deckMembers.units)
                if (u.span == s.span) out.push_back(&u.solid);
            continue;
        }
        out.push_back(&s);
    }
    for (const auto& b : model.deckMembers.bearings) out.push_back(&b.solid);
    for (const auto& p : model.deckMembers.pavements) out.push_back(&p.solid);
    return out;
}

std::vector<int> WriteMembers(ifc::Writer& w, const bridge::Bridge& model, const calc::RouteData& route,
                              const IfcOrigin& origin, const IfcAlignmentIds& alignment, int bodyContext,
                              const IfcBridgeParts& parts, const std::function<std::string(const std::string&)>& id) {
    return MemberWriter(w, model, route, origin, alignment, bodyContext, parts, id).Write();
}

}  // namespace exchange
