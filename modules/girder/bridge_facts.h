#pragma once
// What the member designs need to know of the bridge, read from the project's central tables: the deck
// width of the designed half, the spans of one structure type with the skew of their two support lines, and
// where each span stands in its section (a continuous girder's end spans differ from its inner spans).
#include <string>
#include <vector>

#include "platform/dao/database.h"

namespace members {

// A deck width the general information leaves at 0 is taken as this: a two-lane road of 12 m.
inline constexpr double kAssumedDeckWidth = 12.0;

struct DeckWidth {
    double metres = kAssumedDeckWidth;
    bool assumed = true;  // the general information gives none
};

// 整体式: 全桥宽度 (or the two half widths with the gap between them when it is 0); a divided bridge: the
// width of the half the project designs (the left one for 全桥).
DeckWidth ReadDeckWidth(dao::Database& db);

struct SpanFacts {
    long number = 0;
    double length = 0;
    double startAngle = 90;  // 交角 of the support line at the span's start (degrees, 90 = square)
    double endAngle = 90;
    bool firstOfSection = true;
    bool lastOfSection = true;
};

// The spans of 上构布置明细表 whose StructureType is exactly `structureType`, by span number. Span n lies
// between the support lines n-1 and n of 下构布置信息表; a support line not recorded is taken as square.
// The section bounds come from 上构布置信息表 (sections in SectNumber order, spans numbered through them).
std::vector<SpanFacts> ReadSpans(dao::Database& db, const std::string& structureType);

// Skew of a support line as the member tables keep it: degrees off square (0 for a square crossing).
double SkewOf(double crossingAngle);

}  // namespace members
