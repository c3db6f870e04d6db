#pragma once
// The model's geometry as triangles, made once for every picture of the bridge: the 3D view, its PNG export
// and the IFC writer's triangulated bodies. Coordinates are the model's world metres (x northing, y easting,
// z elevation). The corners a, b, c of a triangle run so that (b − a) × (c − a), taken on those coordinates
// as they stand, points out of its solid (up, for the deck and the ground).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "bridge/bridge_model.h"
#include "bridge/polygon_triangulation.h"

namespace bridge {

enum class MeshKind { Member, Deck, Ground, CentreLine };

struct Mesh {
    MeshKind kind = MeshKind::Member;
    std::string member;    // the solid's member name; "桥面", "地面" or "路线中线" for the site
    int solid = -1;        // its index in Bridge::solids, -1 for the site
    int support = -1;      // the support it belongs to, or -1
    int span = -1;         // the span it belongs to, or -1
    int deck = -1;         // the deck (index in Bridge::decks) of a deck surface, or -1
    std::string table;     // the table a window opens for it, empty when none
    int record = -1;       // its row in that table's grid, -1 when none
    std::vector<Point3> vertices;
    std::vector<Triangle> triangles;
    std::vector<std::array<std::uint32_t, 2>> lines;  // the centre line and its station ticks
    // triangles[voidWallsBegin, voidWallsEnd) line the voids and cells: a picture from outside may leave them.
    std::size_t voidWallsBegin = 0, voidWallsEnd = 0;
};

// A solid swept: its profile less its holes carried along its path, mitred where the path turns and closed
// by its two end faces. `across` is the direction in plan of the profile's u axis on a vertical path (a
// column's support line); a path that is not vertical takes u to its right, level, and v up.
Mesh SweepSolid(const Solid& s, Point2 across = {0, 1});

// Every solid of the model, the surface of every deck, a strip of the ground along the route and the route's
// centre line with a tick every 10 m (a longer one every 100 m).
std::vector<Mesh> Tessellate(const Bridge& b);

// The volume a closed mesh encloses, positive when its triangles face out.
double MeshVolume(const Mesh& m);

}  // namespace bridge
