#pragma once
// The one place that knows the IFC4X3_ADD2 schema as far as our export uses it: the entity names, their
// attributes in schema order, which are optional, and the enumerations we write. Every function adds one
// instance to the file and returns its number; arguments follow the schema's attribute order.
#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <string>
#include <vector>

#include "exchange/step_writer.h"

namespace ifc {

inline constexpr const char* kSchema = "IFC4X3_ADD2";
inline constexpr const char* kAlignmentView = "ViewDefinition [Alignment-basedView]";

struct Vec2 {
    double x = 0, y = 0;
};
struct Vec3 {
    double x = 0, y = 0, z = 0;
};

// What every rooted object carries: its id, name and description (OwnerHistory is left out, as IFC4 allows).
struct Root {
    std::string globalId;
    std::string name;
    std::string description;
};

class Writer {
public:
    explicit Writer(step::File& file) : f_(file) {}
    step::File& file() { return f_; }

    // Geometry resource
    int Point(Vec2 p);
    int Point(Vec3 p);
    int Direction(Vec2 d);
    int Direction(Vec3 d);
    int Placement2D(Vec2 location, Vec2 direction);
    int Placement3D(Vec3 location, std::optional<Vec3> axis = {}, std::optional<Vec3> refDirection = {});
    int Line(Vec2 direction);  // through the origin, unit vector along `direction`
    int Circle(double radius);  // centred at the origin, parameter 0 on the x axis
    int Clothoid(double constant);
    int Polynomial(const std::vector<double>& x, const std::vector<double>& y);  // Position at the origin
    // Transition: CONTINUOUS, CONTSAMEGRADIENT, CONTSAMEGRADIENTSAMECURVATURE, DISCONTINUOUS.
    int CurveSegment(const std::string& transition, int placement, double start, double length, int parentCurve);
    int CompositeCurve(const std::vector<int>& segments);
    int GradientCurve(const std::vector<int>& segments, int baseCurve);

    // Solids: a closed outline in the profile plane (holes inside it), extruded along the placement's z axis.
    // An IfcIndexedPolyCurve over one IfcCartesianPointList2D; the first point is repeated at the end.
    int Polyline(const std::vector<Vec2>& closedOutline);
    int Profile(int outer, const std::vector<int>& holes);
    int ExtrudedSolid(int profile, int position, double depth);
    // A closed triangle mesh: its corners (rounded to the micrometre, far below what a drawing shows) and its
    // triangles as indexes into them, counted from 0 here and from 1 in the file.
    int TriangulatedFaceSet(const std::vector<Vec3>& points, const std::vector<std::array<std::uint32_t, 3>>& triangles);

    // Representation
    int Context(int worldPlacement, std::optional<Vec2> trueNorth = {});
    int SubContext(const std::string& identifier, const std::string& type, int parent, const std::string& view);
    int ShapeRepresentation(int context, const std::string& identifier, const std::string& type, const std::vector<int>& items);
    int ProductShape(const std::vector<int>& representations);

    // Units and georeferencing
    int SiUnit(const std::string& unitType, const std::string& name);
    int Units(const std::vector<int>& units);
    // MapProjection and MapZone are left out when empty.
    int ProjectedCrs(const std::string& name, const std::string& description, const std::string& datum, int mapUnit,
                     const std::string& projection = "", const std::string& zone = "");
    int MapConversion(int sourceContext, int targetCrs, double eastings, double northings, double height);

    // Spatial structure and positioning
    int Project(const Root& r, const std::vector<int>& contexts, int units);
    int Site(const Root& r, int placement);
    int Bridge(const Root& r, int placement, const std::string& predefinedType);
    // UsageType: IfcFacilityUsageEnum; PredefinedType: IfcBridgePartTypeEnum.
    int BridgePart(const Root& r, int placement, const std::string& usage, const std::string& predefinedType);
    int LocalPlacement(std::optional<int> relativeTo, int placement);
    int PointByDistance(double distanceAlong, double lateral, double vertical, int basisCurve);
    int LinearPlacement(std::optional<int> relativeTo, int pointByDistance, int cartesianPosition);
    int Alignment(const Root& r, std::optional<int> placement, std::optional<int> shape);
    int AlignmentHorizontal(const Root& r);
    int AlignmentVertical(const Root& r);
    int AlignmentSegment(const Root& r, std::optional<int> placement, std::optional<int> shape, int designParameters);
    // Radii signed: positive turning counter-clockwise, 0 for a straight; PredefinedType LINE, CIRCULARARC, CLOTHOID.
    int HorizontalSegment(int startPoint, double startDirection, double startRadius, double endRadius, double length,
                          const std::string& type);
    // RadiusOfCurvature signed: positive for a sag, none for a constant gradient; CONSTANTGRADIENT, PARABOLICARC.
    int VerticalSegment(double startDistAlong, double horizontalLength, double startHeight, double startGradient,
                        double endGradient, std::optional<double> radius, const std::string& type);
    int Referent(const Root& r, int placement, const std::string& predefinedType);

    // Relationships
    int Aggregates(const Root& r, int whole, const std::vector<int>& parts);
    int Nests(const Root& r, int whole, const std::vector<int>& parts);
    int ContainedIn(const Root& r, const std::vector<int>& elements, int structure);
    int ReferencedIn(const Root& r, const std::vector<int>& elements, int structure);
    int Positions(const Root& r, int positioningElement, const std::vector<int>& products);

    // Built elements: IfcBeam, IfcColumn, IfcWall, IfcFooting, IfcBearing, IfcSlab, IfcEarthworksFill,
    // IfcBuildingElementProxy (Tag left out) and IfcPile, each with its predefined type.
    int Element(const std::string& entity, const Root& r, int placement, int shape, const std::string& predefinedType);

    // Properties
    int Property(const std::string& name, const step::Arg& typedValue);
    int VolumeQuantity(const std::string& name, double cubicMetres);
    int ElementQuantity(const Root& r, const std::string& method, const std::vector<int>& quantities);
    int LengthProperty(const std::string& name, double value);
    int LabelProperty(const std::string& name, const std::string& value);
    int PropertySet(const Root& r, const std::vector<int>& properties);
    int DefinesByProperties(const Root& r, const std::vector<int>& objects, int propertySet);

private:
    int Add(const char* entity, const std::vector<step::Arg>& args) { return f_.Add(entity, args); }
    // An instance that holds values only (a direction, a property): written once, the same number for each use,
    // so that a long bridge's thousands of members do not repeat "up" and "尺寸来源 标准尺寸".
    int Shared(const char* entity, const std::vector<step::Arg>& args);
    // A rooted object: the Root's id, name and description, then the entity's own attributes.
    int AddRooted(const char* entity, const Root& r, const std::vector<step::Arg>& attributes);

    step::File& f_;
    std::unordered_map<std::string, int> shared_;
};

}  // namespace ifc
