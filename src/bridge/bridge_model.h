#pragma once
// The bridge as one reading of its project: the site, the decks, the supports with their vertical chain, the
// continuity units, the superstructure of every span, the member solids and the findings. ReadBridge reads
// the tables once and returns plain data; a change of the tables means a new model, never a patched one.
// Everything here is in metres and degrees; stations are route stakes.
#include <memory>
#include <string>
#include <vector>

#include "calc/route_geometry.h"

namespace dao {
class Database;
}

namespace bridge {

// ---- findings -------------------------------------------------------------------------------------------

struct Finding {
    std::string code;      // stable, e.g. "CAP_ABOVE_GIRDER"
    char severity = 'W';   // 'E' error, 'W' warning
    std::string text;      // Chinese, names the place and the size of the fault
    std::string table;     // the table a window opens to show the fault, empty when none
    int record = -1;       // the record's row in that table's grid (0 = first), -1 when none
};

// ---- site -----------------------------------------------------------------------------------------------

struct GroundPoint {
    double station = 0, elevation = 0;
};

// A value the model assumed: where it came from, so that a reader sees a standard value as one.
struct Allowance {
    double value = 0;
    std::string source;  // "桥面铺装信息表" or "标准值"
    bool standard = true;
};

struct Site {
    // The route engine over the project's route tables (plan, profile, cross slopes, road design table).
    std::shared_ptr<const calc::CGeoAssist> route;
    bool hasPlan = false, hasProfile = false;
    double designLineOffset = 0;      // D: design line from the road centre line, positive right
    std::vector<GroundPoint> ground;  // 地形资料表 in stake order
    double planStart = 0, planEnd = 0;        // stations the plan elements cover (with a plan)
    bool profileBounded = false;              // the vertical curves end at profileStart and profileEnd
    double profileStart = 0, profileEnd = 0;

    // The ground on the centre line at a station, interpolated; `known` false outside the ground data.
    double GroundAt(double station, bool* known = nullptr) const;
    // The deck surface at a station and an offset from the route's centre line (positive right): profile
    // plus cross slope, as the route geometry calculator gives it.
    double DeckAt(double station, double offset) const;
};

// ---- decks ----------------------------------------------------------------------------------------------

enum class DeckSide { Whole, Left, Right };

struct Deck {
    DeckSide side = DeckSide::Whole;
    double width = 0;     // edge to edge
    double offset = 0;    // deck centre line from the route's centre line, positive right
    bool designed = true; // this project designs this deck
    const char* SideText() const;  // "全", "左", "右"
};

// ---- spans and units -------------------------------------------------------------------------------------

struct Span {
    int index = 0;  // from 0
    std::string structureType;
    double length = 0;
    double startStation = 0, endStation = 0;  // of the two support lines
    int section = 0;                          // 上构布置信息表 SectNumber
    int record = -1;                          // position in 上构布置明细表
};

struct Unit {
    std::vector<int> spans;  // span indexes, ascending and adjacent
    std::string type;        // the structure type of its spans (the first one's when they differ)
    bool continuous = false; // more than one span of a continuous type without a joint between them
    bool mixed = false;      // its spans are of more than one structure type
};

// The superstructure of one span, from the member tables, else the standard proposal.
struct Superstructure {
    int span = 0;
    std::string type;
    double depth = 0;        // deck top of the girder to its bottom (without pavement)
    double supportDepth = 0; // at the supports (a variable-depth box), else depth
    double startDepth = 0, endDepth = 0;  // over the span's start and end support lines
    double bearingDistance = 0;  // from a support's centre line to the bearing line of this span's end
    int beamCount = 0;       // precast slabs or T-beams across the deck, 0 for a box
    double beamSpacing = 0;
    int boxCells = 0;        // cells of a box section, 0 for precast members
    int voids = 0;           // voids of a hollow slab
    bool proposed = true;    // no member table holds it: standard sizes
    std::string table;       // the member table read, empty when proposed
    int record = -1;
};

// ---- supports -------------------------------------------------------------------------------------------

enum class SupportKind { Abutment, Pier };

struct Point2 {
    double x = 0, y = 0;
};
struct Point3 {
    double x = 0, y = 0, z = 0;
};

// A column, pile or wall position on the support line.
struct Column {
    double offset = 0;  // along the support line from the designed deck's centre line, positive right
    Point2 plan;        // where it stands
    double groundZ = 0;
    bool groundKnown = false;
};

// The line where the girders bear on the support, with the deck surface above it.
struct BearingLine {
    double station = 0;  // on the route's centre line
    double deckZ = 0;    // deck surface on the designed deck's centre line
};

// The vertical chain of a support read both ways. Top-down from the deck: the seat the bearings need.
// Bottom-up from the member tables: connection top, body, cap. The two meet at the cap top.
struct VerticalChain {
    double deckZ = 0;
    Allowance pavement;
    double girderDepth = 0;
    Allowance bearing;
    double seatZ = 0;  // deckZ - pavement - girderDepth - bearing

    bool membersKnown = false;  // cap and body sizes from the member tables
    // One rule sets the connection and checks it: its top lies `cover` under the lowest ground beneath its
    // footprint, the support line across the designed deck and the columns on it (on a skewed support their
    // ends stand at other stations), so that no corner of it comes out of a falling ground.
    double groundZ = 0;         // that lowest ground
    bool groundKnown = false;   // some of the footprint lies within the ground data
    double connectionTopZ = 0;  // top of pile cap / tie beam / footing (or of the piles): groundZ - cover
    double connectionHeight = 0;
    double bodyLength = 0;      // column or wall height
    double capHeight = 0;
    double capTopZ = 0;         // connectionTopZ + bodyLength + capHeight
    double cover = 0;           // ground above the connection top (DistToGround)
    bool proposed = false;      // some member is not in its table yet: the model's proposal closes the chain

    double Miss() const { return seatZ - capTopZ; }  // > 0 a gap under the bearings, < 0 a clash
};

struct Foundation {
    std::string type;   // the 下构布置信息表 type name, "无" for none
    std::string kind;   // "桩基础", "扩大基础", "沉井基础", "无"
    int pileCount = 0;  // all piles of the group
    int pileRows = 1;   // rows along the route, each of pileCount / pileRows piles along the support line
    double rowSpacing = 0;
    double pileDiameter = 0;
    double pileLength = 0;
    double pileSpacing = 0;
    double depth = 0;   // of a footing or caisson
    double topZ = 0;    // where the foundation starts (bottom of the connection)
    double tipZ = 0;    // pile tip or footing bottom
    bool proposed = false;
    int record = -1;    // its row in the member table's grid, -1 when proposed
};

struct Support {
    int index = 0;  // PierAbutNum: 0 the start abutment
    SupportKind kind = SupportKind::Pier;
    double station = 0;
    double crossingAngle = 90;  // between support line and route, degrees
    double skew = 0;            // 90 - crossingAngle
    Point2 centre;              // on the designed deck's centre line
    Point2 lineLeft, lineRight; // ends of the support line across the designed deck, in plan
    double groundZ = 0;         // under the designed deck's centre line
    bool groundKnown = false;
    double deckZ = 0;           // designed deck's centre line at the station
    std::vector<BearingLine> bearings;  // one per span end that bears here (two over a joint)
    std::vector<Column> columns;
    std::string capType, bodyType, connectType, foundationType;
    VerticalChain chain;
    Foundation foundation;
    double deckToCapCm = 0;     // 下构布置信息表 DistToDeck as entered
    double groundToTopCm = 0;   // 下构布置信息表 DistToGround as entered
    int record = -1;            // position in 下构布置信息表
    // Sizes of the members for their solids: cap along the support line, across it; body section.
    double capLength = 0, capWidth = 0, backWallWidth = 0;
    double bodyAlong = 0, bodyAcross = 0;
    bool roundBody = false;
    // Rows of the cap, body and connection records in their member tables' grids, -1 when proposed.
    int capRecord = -1, bodyRecord = -1, connectRecord = -1;
    const char* KindText() const { return kind == SupportKind::Abutment ? "台" : "墩"; }
};

// ---- member solids --------------------------------------------------------------------------------------

// A member as a cross-section swept along a path: the profile in the section plane (u across, v up, metres),
// the path in world coordinates (x northing, y easting, z elevation). Volume = area x path length.
struct Solid {
    std::string member;    // "帽梁", "墩柱", "承台", "桩", "主梁", ...
    int support = -1;      // the support it belongs to, or -1
    int span = -1;         // the span it belongs to, or -1
    std::vector<Point2> profile;             // the outline, counter-clockwise: its signed area is positive
    std::vector<std::vector<Point2>> holes;  // voids and cells inside it, either way round (their size counts)
    std::vector<Point3> path;
    double area = 0;       // of the profile less its holes, m²
    double volume = 0;     // m³
    std::string table;     // the member table the sizes came from, empty when proposed
    int record = -1;       // the sizes' row in that table's grid, -1 when proposed
};

// ---- precast units, bearings, deck pavement ---------------------------------------------------------------

// One precast hollow slab or T-beam of a span: the span's deck shared out across its beams.
struct PrecastUnit {
    int span = 0;
    int index = 0;       // across the deck from its left edge, 0 first
    double offset = 0;   // its centre from the designed deck's centre line, positive right
    double width = 0;    // its share of the deck: the beam spacing
    Solid solid;         // "空心板" or "T梁", from support line to support line at its own offset
};

// A bearing with its pedestal, between a girder's bottom and the seat on the cap.
struct Bearing {
    int support = 0;
    int span = 0;        // the span whose girder rests on it
    int unit = -1;       // the precast unit over it, or the web of a box (counted from the left)
    double station = 0;  // on the route's centre line, where the bearing line crosses it
    double offset = 0;   // from the designed deck's centre line, positive right
    double along = 0, across = 0;  // plan size along the route and across it
    Allowance height;    // bearing and pedestal: the vertical chain's allowance
    std::string size;    // what size was taken and from where ("标准值（...）" when assumed)
    Solid solid;         // "板式橡胶支座" or "盆式支座": a block from the seat up to the girder's bottom
};

// The deck pavement of a span (桥面铺装) over the designed deck's width.
struct Pavement {
    int span = 0;
    Allowance thickness;  // 桥面铺装信息表's centre thickness, else the standard allowance
    Solid solid;          // "桥面铺装"
};

struct DeckMembers {
    std::vector<PrecastUnit> units;
    std::vector<Bearing> bearings;
    std::vector<Pavement> pavements;
};

// ---- cone slopes and approach slabs ----------------------------------------------------------------------

// The embankment at a bridge end finished as a quarter cone on each side of the deck (锥坡信息表). Its tops
// stand on the deck's edges, `DistToAbutEnd` into the bridge from the joint at the abutment, at the deck
// surface less the pavement (taken on the centre line: the edges differ by the cross fall only); it falls
// 1:ratioAlong into the span and 1:ratioAcross away from the deck down to the ground.
struct ConeSlope {
    int support = -1;               // the abutment
    double jointStation = 0;        // the abutment's joint
    double topStation = 0, topZ = 0;
    double toeStation = 0, toeZ = 0;  // where the slope along the bridge meets the ground
    double height = 0;              // topZ - toeZ
    double ratioAlong = 0, ratioAcross = 0;
    double backSlopeLength = 0;     // 台后坡长
    Point2 topLeft, topRight;       // the two cone tops in plan, on the designed deck's edges
    Point2 toeLeft, toeRight;       // the toes along the bridge in plan
    double radiusAlong() const { return height * ratioAlong; }
    double radiusAcross() const { return height * ratioAcross; }
    int record = -1;
};

// A slab behind an abutment (桥头搭板信息表), from its start stake away from the bridge, under the
// pavement; thicker (or thinner) towards its middle, its ends cut at their angles to the route.
struct ApproachSlab {
    int support = -1;               // the abutment it rests on
    int count = 1;                  // 块数
    double startStation = 0, endStation = 0;  // along the centre line: start at the bridge
    double length = 0;
    double startWidth = 0, endWidth = 0;
    double startAngle = 90, endAngle = 90;
    double endThickness = 0, centreThickness = 0;
    double startTopZ = 0, endTopZ = 0;  // its top on the designed deck's centre line
    Point2 corners[4];              // start left, start right, end right, end left, in plan
    int record = -1;
};

// ---- the bridge -----------------------------------------------------------------------------------------

struct Bridge {
    std::string name;
    Site site;
    std::vector<Deck> decks;
    std::vector<Span> spans;
    std::vector<Support> supports;
    std::vector<Unit> units;
    std::vector<Superstructure> superstructures;  // one per span, in span order
    std::vector<Solid> solids;
    DeckMembers deckMembers;  // the precast units, bearings and pavement, each with its own solid
    double length = 0;  // 桥梁全长: back wall to back wall
    std::vector<Finding> findings;
    std::vector<ConeSlope> cones;             // per bridge end that has them; its left and right cones alike
    std::vector<ApproachSlab> approachSlabs;

    // The deck this project designs (the first one when none says so); null without decks.
    const Deck* DesignedDeck() const;
    bool HasErrors() const;
};

// The area of a closed outline (positive counter-clockwise) and the length of a path.
double Area(const std::vector<Point2>& outline);
double PathLength(const std::vector<Point3>& path);

// Reads the project once. A table that cannot be read becomes a finding; nothing is thrown for bad data.
Bridge ReadBridge(dao::Database& db);

}  // namespace bridge
