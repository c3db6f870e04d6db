#pragma once
// What the member designs take from the bridge model: the deck this project designs, the spans with the
// continuity unit each belongs to, and the supports with the vertical chain the substructure has to close.
// The model is the one reading of the project; this is only the part of it a member design needs, in the
// numbering the member tables use (spans from 1, supports from 0).
#include <array>
#include <string>
#include <vector>

#include "platform/dao/database.h"

namespace modulekit {

// A deck width the general information leaves at 0 is taken as this: a two-lane road of 12 m.
inline constexpr double kAssumedDeckWidth = 12.0;

struct DeckFacts {
    double width = kAssumedDeckWidth;  // edge to edge of the designed deck (the designed half of a divided one)
    bool assumed = true;               // the general information gives none
    std::string side = "全";           // "全", "左" or "右"
};

struct SpanFacts {
    long number = 0;  // SpanNumber of 上构布置明细表, from 1
    std::string structureType;
    double length = 0;
    double startAngle = 90;  // crossing angle of the support line at the span's start (degrees, 90 = square)
    double endAngle = 90;
    // The girder it belongs to: the spans of a continuous type that the joints join into one unit form one
    // girder; a simply supported span is a girder of its own.
    int unit = 0;
    // Where the span stands in its girder: a continuous girder's end spans differ from its inner spans, a
    // simple span is both first and last.
    bool firstOfUnit = true;
    bool lastOfUnit = true;
};

// The height a support has to fill, from the deck down: the seat the bearings need and the connection top
// set from the ground. The body between them is what the design sizes; each allowance names its source.
struct ChainFacts {
    bool known = false;  // the site gives a profile and the ground at the support: the heights follow
    double deckZ = 0;  // deck surface on the designed deck's centre line at the support
    double pavement = 0;
    std::string pavementSource;
    double girderDepth = 0;
    double bearing = 0;
    std::string bearingSource;
    double seatZ = 0;           // deckZ − pavement − girderDepth − bearing: the cap top
    double groundZ = 0;         // the lowest under the connection's footprint, as the model sets it
    bool groundKnown = false;   // some of the footprint lies inside the ground data
    double cover = 0;           // ground above the connection top
    double connectionTopZ = 0;  // groundZ − cover: the foot of the body
};

struct SupportFacts {
    long number = 0;                   // PierAbutNum
    std::array<std::string, 4> types;  // cap beam, body, connection, foundation
    double station = 0;
    double angle = 90;        // crossing angle of the support line, 90 = square
    double longestSpan = 20;  // the longer of the spans either side (20 m when the layout has none)
    bool abutment = false;
    double deckToCap = 0;  // the layout's deck-to-cap-top depth (下构布置信息表, entered in centimetres), metres
    ChainFacts chain;
};

struct BridgeFacts {
    DeckFacts deck;
    std::vector<SpanFacts> spans;        // by span number
    std::vector<SupportFacts> supports;  // by support number
    double startStation = 0;             // of the first support (the start abutment)
    double centreStation = 0;            // half way between the abutments
};

// Reads the project through the bridge model. The model never throws for bad data: what it cannot read
// becomes one of its findings (veltra-cli check, 项目 → 检查), and what it assumes instead is marked (a deck
// width, a standard allowance), so that the design's note can say so.
BridgeFacts ReadBridgeFacts(dao::Database& db);

// The spans of one structure type, by span number.
std::vector<SpanFacts> SpansOfType(const BridgeFacts& bridge, const std::string& structureType);

// Skew of a support line as the member tables keep it: degrees off square (0 for a square crossing).
double SkewOf(double crossingAngle);

}  // namespace modulekit
