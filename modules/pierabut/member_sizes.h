#pragma once
// Default sizes of the substructure members of one support, derived from the layout: the deck width and the
// skew set the lengths along the support line, the longest span carried sets column, pile and cap sizes,
// the layout's deck-to-cap depth sets the back wall. Heights the layout cannot give (columns, ribs, walls)
// take common values for a bridge of ordinary height.
#include <string>

#include "kit/module_kit.h"
#include "pierabut/support_facts.h"

namespace pierabut {

struct SupportSizes {
    double alongLine = 1;      // a length across the bridge becomes this many times longer on the support line
    long columns = 1;          // columns (piles under them) across the deck, about one per 7 m
    double columnSpacing = 0;  // on the support line
    double column = 1.0;       // column diameter: 1.0 m to 16 m spans, 1.2 m to 25 m, 1.5 m to 35 m, 1.8 m beyond
    double pile = 1.2;         // pile diameter: the column's plus 0.2 m
    double pileLength = 20;    // 20 m to 20 m spans, 25 m to 30 m, 30 m beyond
    double capLength = 0;      // on the support line
    double capWidth = 1.2;     // the column plus 0.3 m, at least 1.2 m
    double capHeight = 1.0;    // four fifths of its width, at least 1.0 m
    double backWall = 1.1;     // the layout's deck-to-cap depth
};

inline constexpr double kAssumedColumnHeight = 6.0;
inline constexpr double kAssumedAbutmentHeight = 5.0;

SupportSizes SizesFor(const SupportFacts& support, double deckWidth);

// The default record of a member type at a support, PierAbutmentNum first; empty for "无" and for a type
// without a member table.
modulekit::Record MemberRecord(const std::string& type, const SupportFacts& support, const SupportSizes& sizes);

// The table a member type is written to, with every field this module writes: the described fields, plus
// BackWallHeight at the end of 重力式U型桥台帽梁信息表 (the substructure interface file reads it) and this
// module's own fields of 沉井基础信息表.
const projectdb::TableSchema& MemberSchema(const std::string& table);

}  // namespace pierabut
