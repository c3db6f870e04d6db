#pragma once
// Default sizes of the substructure members of one support, from the bridge: the deck width and the skew
// set the lengths along the support line, the longest span carried sets column and pile sizes, the bearing
// lines on the support set the cap width, and the vertical chain sets the heights — the body fills what the
// deck leaves between the cap and the connection top set from the ground.
#include <optional>
#include <string>
#include <vector>

#include "kit/bridge_facts.h"
#include "kit/module_kit.h"

namespace pierabut {

// The tallest body the designs build; a taller one, or one of no height, means the deck, the ground or the
// cap do not fit together.
inline constexpr double kTallestBody = 40.0;

struct SupportSizes {
    double alongLine = 1;      // a length across the bridge becomes this many times longer on the support line
    long columns = 1;          // columns (piles under them) across the deck, about one per 7 m
    double columnSpacing = 0;  // on the support line
    double column = 1.0;       // column diameter: 1.0 m to 16 m spans, 1.2 m to 25 m, 1.5 m to 35 m, 1.8 m beyond
    double pile = 1.2;         // pile diameter: the column's plus 0.2 m
    double pileLength = 20;    // 20 m to 20 m spans, 25 m to 30 m, 30 m beyond
    double capLength = 0;      // on the support line
    double capWidth = 1.2;     // along the bridge: room for the columns and for the bearing lines on it
    double capHeight = 1.0;    // a pier cap: four fifths of its width, at least 1.0 m
    double backWall = 1.1;     // an abutment: girder depth and bearing, from the cap top up to the pavement
    std::optional<double> bodyHeight;  // seat − cap − connection top; none where the site gives no chain
};

// `bearingSpread` is the distance between the outermost bearing lines on the support (0 for one line).
SupportSizes SizesFor(const modulekit::SupportFacts& support, double deckWidth, double bearingSpread);

// The default record of a member type at a support, PierAbutmentNum first; empty for "无" and for a type
// without a member table.
modulekit::Record MemberRecord(const std::string& type, const modulekit::SupportFacts& support,
                               const SupportSizes& sizes);

// The fields of a cap type's record whose highest is the cap height under the bearings (an expansion pier's
// two halves), and the field of a body type's record that holds the body height; empty for a type without.
std::vector<std::string> CapHeightFields(const std::string& capType);
std::string BodyHeightField(const std::string& bodyType);

// The body height that closes the chain under a cap of that height, to the millimetre.
double BodyHeightUnder(const modulekit::ChainFacts& chain, double capHeight);

// The table a member type is written to, with every field this module writes: the described fields, plus
// BackWallHeight at the end of 重力式U型桥台帽梁信息表 (the substructure interface file reads it) and this
// module's own fields of 沉井基础信息表.
const projectdb::TableSchema& MemberSchema(const std::string& table);

}  // namespace pierabut
