#pragma once
// Small readings of the bridge model that more than one view needs: where a point of the route lies in
// plan, a point on a support line, how deep a span's girder is at a station, the extent of a member solid.
#include "bridge/bridge_model.h"

namespace drawhost {

// The plan point (x northing, y easting) at a station and an offset right of the route's centre line. A
// project without plan elements is drawn as a straight route running north.
bridge::Point2 PlanAt(const bridge::Bridge& b, double station, double offset);

// The point `along` a support line from where it crosses the designed deck's centre line, positive right.
bridge::Point2 OnSupportLine(const bridge::Bridge& b, const bridge::Support& s, double along);
// How far along the route a support line has moved at an offset from the route's centre line.
double SkewShift(const bridge::Bridge& b, const bridge::Support& s, double offset);

// The girder's depth at a station of a span: its depth at mid-span, growing towards deeper ends.
double GirderDepthAt(const bridge::Superstructure& g, const bridge::Span& span, double station);

// The back wall of an abutment, metres.
double BackWall(const bridge::Support& s);
// How far the deck reaches beyond a support that ends what a sheet shows: the back wall at an abutment,
// nothing at a pier where the sheet is cut.
double EndWall(const bridge::Support& s);

// A member solid seen from the side of the bridge: along the route from its centre line and its
// elevations. A standing member (column, pile) shows its section's depth; a lying one (cap, pile cap,
// footing) its profile's width across the support line.
struct SideView {
    double half = 0;          // half its width along the route
    double bottom = 0, top = 0;
};
SideView SideOf(const bridge::Solid& solid);
// How far a standing member (a pile of a multi-row group) stands ahead of its support line, as a station
// difference along the route; 0 for a member lying along the line.
double StationShift(const bridge::Support& s, const bridge::Solid& solid);
// A cone slope or approach slab: the model keeps it with its abutment, the views draw it on its own.
bool AtBridgeEnd(const bridge::Solid& solid);
bool Standing(const bridge::Solid& solid);

}  // namespace drawhost
