#include "exchange/ifc_entities.h"

#include <cmath>

namespace ifc {

using step::Arg;

namespace {

Arg Opt(std::optional<int> ref) { return ref ? Arg::Ref(*ref) : Arg::Null(); }
Arg Label(const std::string& text) { return text.empty() ? Arg::Null() : Arg::String(text); }
Arg Length(double value) { return Arg::Typed("IFCLENGTHMEASURE", Arg::Real(value)); }

}  // namespace

int Writer::AddRooted(const char* entity, const Root& r, const std::vector<Arg>& attributes) {
    std::vector<Arg> args{Arg::String(r.globalId), Arg::Null(), Label(r.name), Label(r.description)};
    args.insert(args.end(), attributes.begin(), attributes.end());
    return Add(entity, args);
}

int Writer::Shared(const char* entity, const std::vector<Arg>& args) {
    std::string key = entity;
    for (const Arg& a : args) {
        key += ',';
        key += a.text();
    }
    auto [it, added] = shared_.try_emplace(key, 0);
    if (added) it->second = Add(entity, args);
    return it->second;
}

int Writer::Point(Vec2 p) { return Add("IFCCARTESIANPOINT", {Arg::Reals({p.x, p.y})}); }
int Writer::Point(Vec3 p) { return Add("IFCCARTESIANPOINT", {Arg::Reals({p.x, p.y, p.z})}); }
int Writer::Direction(Vec2 d) { return Shared("IFCDIRECTION", {Arg::Reals({d.x, d.y})}); }
int Writer::Direction(Vec3 d) { return Shared("IFCDIRECTION", {Arg::Reals({d.x, d.y, d.z})}); }

int Writer::Placement2D(Vec2 location, Vec2 direction) {
    const int p = Point(location);
    const int d = Direction(direction);
    return Add("IFCAXIS2PLACEMENT2D", {Arg::Ref(p), Arg::Ref(d)});
}

int Writer::Placement3D(Vec3 location, std::optional<Vec3> axis, std::optional<Vec3> refDirection) {
    const int p = Point(location);
    std::optional<int> a, r;
    if (axis) a = Direction(*axis);
    if (refDirection) r = Direction(*refDirection);
    return Add("IFCAXIS2PLACEMENT3D", {Arg::Ref(p), Opt(a), Opt(r)});
}

int Writer::Line(Vec2 direction) {
    const int origin = Point(Vec2{});
    const int vector = Add("IFCVECTOR", {Arg::Ref(Direction(direction)), Arg::Real(1)});
    return Add("IFCLINE", {Arg::Ref(origin), Arg::Ref(vector)});
}

int Writer::Circle(double radius) { return Add("IFCCIRCLE", {Arg::Ref(Placement2D({}, {1, 0})), Arg::Real(radius)}); }

int Writer::Clothoid(double constant) {
    return Add("IFCCLOTHOID", {Arg::Ref(Placement2D({}, {1, 0})), Arg::Real(constant)});
}

int Writer::Polynomial(const std::vector<double>& x, const std::vector<double>& y) {
    return Add("IFCPOLYNOMIALCURVE", {Arg::Ref(Placement2D({}, {1, 0})), Arg::Reals(x), Arg::Reals(y), Arg::Null()});
}

int Writer::CurveSegment(const std::string& transition, int placement, double start, double length, int parentCurve) {
    return Add("IFCCURVESEGMENT",
               {Arg::Enum(transition), Arg::Ref(placement), Length(start), Length(length), Arg::Ref(parentCurve)});
}

int Writer::CompositeCurve(const std::vector<int>& segments) {
    return Add("IFCCOMPOSITECURVE", {Arg::Refs(segments), Arg::Bool(false)});
}

int Writer::GradientCurve(const std::vector<int>& segments, int baseCurve) {
    return Add("IFCGRADIENTCURVE", {Arg::Refs(segments), Arg::Bool(false), Arg::Ref(baseCurve), Arg::Null()});
}

int Writer::Polyline(const std::vector<Vec2>& closedOutline) {
    std::vector<Arg> points;
    for (const Vec2& p : closedOutline) points.push_back(Arg::Reals({p.x, p.y}));
    if (!closedOutline.empty()) points.push_back(points.front());
    const int list = Add("IFCCARTESIANPOINTLIST2D", {Arg::List(points), Arg::Null()});
    return Add("IFCINDEXEDPOLYCURVE", {Arg::Ref(list), Arg::Null(), Arg::Bool(false)});
}

int Writer::Profile(int outer, const std::vector<int>& holes) {
    if (holes.empty()) return Add("IFCARBITRARYCLOSEDPROFILEDEF", {Arg::Enum("AREA"), Arg::Null(), Arg::Ref(outer)});
    return Add("IFCARBITRARYPROFILEDEFWITHVOIDS", {Arg::Enum("AREA"), Arg::Null(), Arg::Ref(outer), Arg::Refs(holes)});
}

int Writer::ExtrudedSolid(int profile, int position, double depth) {
    return Add("IFCEXTRUDEDAREASOLID",
               {Arg::Ref(profile), Arg::Ref(position), Arg::Ref(Direction(Vec3{0, 0, 1})), Arg::Real(depth)});
}

int Writer::TriangulatedFaceSet(const std::vector<Vec3>& points, const std::vector<std::array<std::uint32_t, 3>>& triangles) {
    auto micrometres = [](double v) { return std::round(v * 1e6) / 1e6; };
    std::vector<std::array<double, 3>> corners;
    corners.reserve(points.size());
    for (const Vec3& p : points) corners.push_back({micrometres(p.x), micrometres(p.y), micrometres(p.z)});
    std::vector<std::array<long long, 3>> faces;
    faces.reserve(triangles.size());
    for (const auto& t : triangles) faces.push_back({t[0] + 1LL, t[1] + 1LL, t[2] + 1LL});
    const int list = Add("IFCCARTESIANPOINTLIST3D", {Arg::RealTriples(corners), Arg::Null()});
    return Add("IFCTRIANGULATEDFACESET", {Arg::Ref(list), Arg::Null(), Arg::Bool(true), Arg::IntTriples(faces), Arg::Null()});
}

int Writer::Context(int worldPlacement, std::optional<Vec2> trueNorth) {
    std::optional<int> north;
    if (trueNorth) north = Direction(*trueNorth);
    return Add("IFCGEOMETRICREPRESENTATIONCONTEXT",
               {Arg::Null(), Arg::String("Model"), Arg::Int(3), Arg::Real(1e-5), Arg::Ref(worldPlacement), Opt(north)});
}

int Writer::SubContext(const std::string& identifier, const std::string& type, int parent, const std::string& view) {
    return Add("IFCGEOMETRICREPRESENTATIONSUBCONTEXT",
               {Arg::String(identifier), Arg::String(type), Arg::Derived(), Arg::Derived(), Arg::Derived(),
                Arg::Derived(), Arg::Ref(parent), Arg::Null(), Arg::Enum(view), Arg::Null()});
}

int Writer::ShapeRepresentation(int context, const std::string& identifier, const std::string& type,
                                const std::vector<int>& items) {
    return Add("IFCSHAPEREPRESENTATION",
               {Arg::Ref(context), Arg::String(identifier), Arg::String(type), Arg::Refs(items)});
}

int Writer::ProductShape(const std::vector<int>& representations) {
    return Add("IFCPRODUCTDEFINITIONSHAPE", {Arg::Null(), Arg::Null(), Arg::Refs(representations)});
}

int Writer::SiUnit(const std::string& unitType, const std::string& name) {
    return Add("IFCSIUNIT", {Arg::Derived(), Arg::Enum(unitType), Arg::Null(), Arg::Enum(name)});
}

int Writer::Units(const std::vector<int>& units) { return Add("IFCUNITASSIGNMENT", {Arg::Refs(units)}); }

int Writer::ProjectedCrs(const std::string& name, const std::string& description, const std::string& datum, int mapUnit,
                         const std::string& projection, const std::string& zone) {
    return Add("IFCPROJECTEDCRS", {Arg::String(name), Label(description), Label(datum), Arg::Null(), Label(projection),
                                   Label(zone), Arg::Ref(mapUnit)});
}

int Writer::MapConversion(int sourceContext, int targetCrs, double eastings, double northings, double height) {
    return Add("IFCMAPCONVERSION", {Arg::Ref(sourceContext), Arg::Ref(targetCrs), Arg::Real(eastings),
                                    Arg::Real(northings), Arg::Real(height), Arg::Real(1), Arg::Real(0), Arg::Real(1)});
}

int Writer::Project(const Root& r, const std::vector<int>& contexts, int units) {
    return AddRooted("IFCPROJECT", r, {Arg::Null(), Arg::Null(), Arg::Null(), Arg::Refs(contexts), Arg::Ref(units)});
}

int Writer::Site(const Root& r, int placement) {
    return AddRooted("IFCSITE", r,
                     {Arg::Null(), Arg::Ref(placement), Arg::Null(), Arg::Null(), Arg::Enum("ELEMENT"), Arg::Null(),
                      Arg::Null(), Arg::Null(), Arg::Null(), Arg::Null()});
}

int Writer::Bridge(const Root& r, int placement, const std::string& predefinedType) {
    return AddRooted(
        "IFCBRIDGE", r,
        {Arg::Null(), Arg::Ref(placement), Arg::Null(), Arg::Null(), Arg::Enum("ELEMENT"), Arg::Enum(predefinedType)});
}

int Writer::BridgePart(const Root& r, int placement, const std::string& usage, const std::string& predefinedType) {
    return AddRooted("IFCBRIDGEPART", r,
                     {Arg::Null(), Arg::Ref(placement), Arg::Null(), Arg::Null(), Arg::Enum("PARTIAL"),
                      Arg::Enum(usage), Arg::Enum(predefinedType)});
}

int Writer::LocalPlacement(std::optional<int> relativeTo, int placement) {
    return Add("IFCLOCALPLACEMENT", {Opt(relativeTo), Arg::Ref(placement)});
}

int Writer::PointByDistance(double distanceAlong, double lateral, double vertical, int basisCurve) {
    return Add("IFCPOINTBYDISTANCEEXPRESSION",
               {Length(distanceAlong), Arg::Real(lateral), Arg::Real(vertical), Arg::Null(), Arg::Ref(basisCurve)});
}

int Writer::LinearPlacement(std::optional<int> relativeTo, int pointByDistance, int cartesianPosition) {
    const int linear = Add("IFCAXIS2PLACEMENTLINEAR", {Arg::Ref(pointByDistance), Arg::Null(), Arg::Null()});
    return Add("IFCLINEARPLACEMENT", {Opt(relativeTo), Arg::Ref(linear), Arg::Ref(cartesianPosition)});
}

int Writer::Alignment(const Root& r, std::optional<int> placement, std::optional<int> shape) {
    return AddRooted("IFCALIGNMENT", r, {Arg::Null(), Opt(placement), Opt(shape), Arg::Enum("NOTDEFINED")});
}

int Writer::AlignmentHorizontal(const Root& r) {
    return AddRooted("IFCALIGNMENTHORIZONTAL", r, {Arg::Null(), Arg::Null(), Arg::Null()});
}

int Writer::AlignmentVertical(const Root& r) {
    return AddRooted("IFCALIGNMENTVERTICAL", r, {Arg::Null(), Arg::Null(), Arg::Null()});
}

int Writer::AlignmentSegment(const Root& r, std::optional<int> placement, std::optional<int> shape,
                             int designParameters) {
    return AddRooted("IFCALIGNMENTSEGMENT", r, {Arg::Null(), Opt(placement), Opt(shape), Arg::Ref(designParameters)});
}

int Writer::HorizontalSegment(int startPoint, double startDirection, double startRadius, double endRadius,
                              double length, const std::string& type) {
    return Add("IFCALIGNMENTHORIZONTALSEGMENT",
               {Arg::Null(), Arg::Null(), Arg::Ref(startPoint), Arg::Real(startDirection), Arg::Real(startRadius),
                Arg::Real(endRadius), Arg::Real(length), Arg::Null(), Arg::Enum(type)});
}

int Writer::VerticalSegment(double startDistAlong, double horizontalLength, double startHeight, double startGradient,
                            double endGradient, std::optional<double> radius, const std::string& type) {
    return Add(
        "IFCALIGNMENTVERTICALSEGMENT",
        {Arg::Null(), Arg::Null(), Arg::Real(startDistAlong), Arg::Real(horizontalLength), Arg::Real(startHeight),
         Arg::Real(startGradient), Arg::Real(endGradient), radius ? Arg::Real(*radius) : Arg::Null(), Arg::Enum(type)});
}

int Writer::Referent(const Root& r, int placement, const std::string& predefinedType) {
    return AddRooted("IFCREFERENT", r, {Arg::Null(), Arg::Ref(placement), Arg::Null(), Arg::Enum(predefinedType)});
}

int Writer::Aggregates(const Root& r, int whole, const std::vector<int>& parts) {
    return AddRooted("IFCRELAGGREGATES", r, {Arg::Ref(whole), Arg::Refs(parts)});
}

int Writer::Nests(const Root& r, int whole, const std::vector<int>& parts) {
    return AddRooted("IFCRELNESTS", r, {Arg::Ref(whole), Arg::Refs(parts)});
}

int Writer::ContainedIn(const Root& r, const std::vector<int>& elements, int structure) {
    return AddRooted("IFCRELCONTAINEDINSPATIALSTRUCTURE", r, {Arg::Refs(elements), Arg::Ref(structure)});
}

int Writer::ReferencedIn(const Root& r, const std::vector<int>& elements, int structure) {
    return AddRooted("IFCRELREFERENCEDINSPATIALSTRUCTURE", r, {Arg::Refs(elements), Arg::Ref(structure)});
}

int Writer::Positions(const Root& r, int positioningElement, const std::vector<int>& products) {
    return AddRooted("IFCRELPOSITIONS", r, {Arg::Ref(positioningElement), Arg::Refs(products)});
}

int Writer::Element(const std::string& entity, const Root& r, int placement, int shape,
                    const std::string& predefinedType) {
    std::vector<Arg> attributes{Arg::Null(), Arg::Ref(placement), Arg::Ref(shape), Arg::Null(),
                                Arg::Enum(predefinedType)};
    if (entity == "IFCPILE") attributes.push_back(Arg::Null());  // ConstructionType, superseded by the material
    return AddRooted(entity.c_str(), r, attributes);
}

int Writer::Property(const std::string& name, const Arg& typedValue) {
    return Shared("IFCPROPERTYSINGLEVALUE", {Arg::String(name), Arg::Null(), typedValue, Arg::Null()});
}

int Writer::VolumeQuantity(const std::string& name, double cubicMetres) {
    return Shared("IFCQUANTITYVOLUME",
                  {Arg::String(name), Arg::Null(), Arg::Null(), Arg::Real(cubicMetres), Arg::Null()});
}

int Writer::ElementQuantity(const Root& r, const std::string& method, const std::vector<int>& quantities) {
    return AddRooted("IFCELEMENTQUANTITY", r, {Label(method), Arg::Refs(quantities)});
}

int Writer::LengthProperty(const std::string& name, double value) {
    return Shared("IFCPROPERTYSINGLEVALUE", {Arg::String(name), Arg::Null(), Length(value), Arg::Null()});
}

int Writer::LabelProperty(const std::string& name, const std::string& value) {
    return Shared("IFCPROPERTYSINGLEVALUE",
                  {Arg::String(name), Arg::Null(), Arg::Typed("IFCLABEL", Arg::String(value)), Arg::Null()});
}

int Writer::PropertySet(const Root& r, const std::vector<int>& properties) {
    return AddRooted("IFCPROPERTYSET", r, {Arg::Refs(properties)});
}

int Writer::DefinesByProperties(const Root& r, const std::vector<int>& objects, int propertySet) {
    return AddRooted("IFCRELDEFINESBYPROPERTIES", r, {Arg::Refs(objects), Arg::Ref(propertySet)});
}

}  // namespace ifc
