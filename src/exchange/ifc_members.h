#pragma once
// The members of the bridge model as IFC elements: each with its solid (the model's profile extruded along
// each leg of its path), placed along the route with IfcLinearPlacement (the plain-coordinate position filled
// in beside it), a property set of where its sizes came from, and its NetVolume. Supports get their own PIER
// or ABUTMENT part under the substructure.
#include <functional>
#include <string>
#include <vector>

#include "bridge/bridge_model.h"
#include "calc/route_tables.h"
#include "exchange/ifc_alignment.h"
#include "exchange/ifc_entities.h"

namespace exchange {

struct IfcBridgeParts {
    int superstructure = 0, substructure = 0, foundation = 0;
    int bridgePlacement = 0;
};

// The IFC entity and predefined type a member of the model becomes: {"IFCCOLUMN", "PIERSTEM"} for "墩柱".
struct IfcMemberKind {
    std::string entity, predefinedType;
};
IfcMemberKind MemberKind(const bridge::Solid& solid, const bridge::Bridge& model);

// The solids that become elements, in file order: the model's members, where a precast span's girder gives way
// to its beams one by one; then the bearings and the deck pavement.
std::vector<const bridge::Solid*> ExportedSolids(const bridge::Bridge& model);

// Returns the elements written, for the alignment's IfcRelPositions.
std::vector<int> WriteMembers(ifc::Writer& w, const bridge::Bridge& model, const calc::RouteData& route,
                              const IfcOrigin& origin, const IfcAlignmentIds& alignment, int bodyContext,
                              const IfcBridgeParts& parts, const std::function<std::string(const std::string&)>& id);

}  // namespace exchange
