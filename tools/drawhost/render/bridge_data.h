#pragma once
// What the bridge layout drawing needs to know of a project, in metres: the general information, the spans,
// the supports with the sizes of their members, the ground line and the deck line. Where the project lacks
// something the drawing is made from a plausible default and `notes` says so, one sentence each.
#include <functional>
#include <string>
#include <vector>

namespace dao {
class Database;
}

namespace drawhost {

struct GeneralInfo {
    std::string dept, project, bridge, lineMark = "K", forwardSite, backwardSite, transect, designedPart;
    double deckWidth = 0;  // edge to edge of what is drawn (one half of a divided bridge, or the whole)
    double leftWidth = 0, rightWidth = 0, dividerWidth = 0;
    bool divided = false;  // two decks with a gap between them
};

struct Span {
    int number = 0;
    std::string structureType;
    double length = 0;
    double depth = 0;  // of the superstructure, deck top to girder bottom
};

struct CapBeam {
    double along = 1.4, across = 10, height = 1.2;  // along the bridge, across it, high
    bool backWall = false;                          // an abutment cap with a back wall up to the deck
};

enum class BodyKind { None, Columns, Wall };

struct Body {
    BodyKind kind = BodyKind::Columns;
    int count = 2;        // columns or walls across the bridge
    double along = 1.2;   // diameter, or thickness along the bridge
    double across = 1.2;  // diameter, or length across
    double spacing = 6;   // centre to centre across
    bool round = true;
};

enum class ConnectKind { None, PileCap, TieBeam };

struct Connection {
    ConnectKind kind = ConnectKind::None;
    double along = 0, across = 0, height = 0;
};

enum class FoundationKind { None, Piles, Footing };

struct Foundation {
    FoundationKind kind = FoundationKind::Piles;
    int countAcross = 2, rowsAlong = 1;
    double diameter = 1.5, length = 20, spacingAcross = 6, spacingAlong = 0;
    double footingAlong = 0, footingAcross = 0, footingHeight = 0;
};

struct Support {
    int number = 0;
    double stake = 0;
    bool abutment = false;
    std::string capType, bodyType, connectType, foundationType;
    double depthBelowGround = 0;  // of the foundation top, metres
    double deckToCap = 0;         // deck top to cap top, metres
    double skew = 90;             // angle between the support line and the centre line, degrees
    CapBeam cap;
    Body body;
    Connection connect;
    Foundation foundation;
};

// A turning point of the vertical alignment whose curve reaches the bridge, with the curve's elements.
struct VerticalCurve {
    double stake = 0, elevation = 0, radius = 0, tangent = 0, external = 0;
    double gradeIn = 0, gradeOut = 0;  // rise per metre before and after the point
};

struct GroundPoint {
    double stake = 0, elevation = 0;
};

struct BridgeData {
    GeneralInfo general;
    double startStake = 0, centreStake = 0, crossAngle = 90;
    std::vector<Span> spans;
    std::vector<Support> supports;
    std::vector<double> joints;
    std::vector<GroundPoint> ground;              // sorted by stake; made up when the project has none
    std::function<double(double)> deckElevation;  // of the centre line at a stake
    std::vector<VerticalCurve> verticalCurves;
    std::vector<std::string> notes;

    double EndStake() const { return supports.empty() ? startStake : supports.back().stake; }
    double GroundElevation(double stake) const;
};

// Reads the project. A table that is there but cannot be read raises std::runtime_error; missing data is
// made up and noted.
BridgeData ReadBridgeData(dao::Database& db);

// The stake as engineers write it: "K1+230.000" with the route's letter.
std::string StakeText(const std::string& lineMark, double stake);

}  // namespace drawhost
