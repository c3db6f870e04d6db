#pragma once
// What the substructure designs need to know of each support line: its number, its four member types, its
// skew, its two depths from the layout (centimetres, as the layout keeps them) and the longest span it
// carries.
#include <array>
#include <string>
#include <vector>

#include "platform/dao/database.h"

namespace pierabut {

struct SupportFacts {
    long number = 0;
    std::array<std::string, 4> types;  // cap beam, body, connection, foundation
    double distToDeckCm = 0;           // deck to cap-beam top
    double angle = 90;                 // crossing angle of the support line, 90 = square
    double longestSpan = 20;           // the longer of the spans either side (20 m when the layout has none)
    bool abutment = false;             // the first or the last support line
};

// The supports of 下构布置信息表 by PierAbutNum, with the span lengths of 上构布置明细表 (span n lies between
// supports n-1 and n).
std::vector<SupportFacts> ReadSupports(dao::Database& db);

}  // namespace pierabut
