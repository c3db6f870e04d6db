#pragma once
// The project's route as an IfcAlignment: the horizontal layout (LINE, CIRCULARARC, CLOTHOID) and the vertical
// layout (CONSTANTGRADIENT, PARABOLICARC) as segments with their design parameters, each layout closed by a
// zero-length segment, and the geometry those parameters mean (IfcCompositeCurve, IfcGradientCurve). Distance
// along is 0 at the first plan element's stake; an IfcReferent gives that stake.
#include <functional>
#include <string>
#include <vector>

#include "calc/route_tables.h"
#include "exchange/ifc_entities.h"

namespace exchange {

// Where the route's plan coordinates (northing, easting) sit in the IFC file's x (east) / y (north): national-
// grid coordinates are moved by a false origin that IfcMapConversion gives back, so that the file keeps
// millimetres in small numbers.
struct IfcOrigin {
    double east = 0, north = 0;
    bool georeferenced = false;
};
IfcOrigin ChooseOrigin(const calc::PlanAlignment& plan);

struct IfcAlignmentIds {
    int alignment = 0;
    int axis = 0;  // the curve positions are measured along: the gradient curve, else the composite curve
    int footprint = 0;  // the horizontal composite curve: members are placed along it, level
    std::vector<int> children;  // the layouts and the referent, for the alignment's nesting
};

// Distance along the alignment of a stake: through the element that holds it, so that the jumps of the stakes
// between elements do not count.
double DistanceAlong(const calc::PlanAlignment& plan, double stake);

// `id` gives the GlobalId of a named part ("horizontal", "horizontal/3", ...). `axisContext` is the Axis
// subcontext the curves are represented in.
IfcAlignmentIds WriteAlignment(ifc::Writer& w, const calc::RouteData& route, const IfcOrigin& origin,
                               const std::string& name, int axisContext,
                               const std::function<std::string(const std::string&)>& id);

}  // namespace exchange
