#pragma once
// Hollow slabs and T-beams are stored the same way: a layout table with one record per span (how many units
// stand across it, the type of its inner and of its edge units) and two size tables, inner and edge units,
// keyed by the type. One description of each, for every reader and writer of those tables.
#include "projectdb/schema.h"

namespace projectdb {

struct PrecastTables {
    const char* layoutTable;
    const char* spanField;       // the span a layout record is for, 1 = the first
    const char* countField;      // units across the span
    const char* innerTypeField;  // the type of the inner units
    const char* outerTypeField;  // the type of the edge units
    const char* innerTable;      // sizes of inner units by type
    const char* outerTable;      // sizes of edge units by type
    const char* typeField;       // the key of both size tables
    const char* depthField;      // the unit's depth in both size tables
};

inline constexpr PrecastTables kHollowSlabTables{kSlabLayoutTable,  "SlabInWhichSpan", "SlabsEverySpan",
                                                 "InsideSlabType",  "OutsideSlabType", kInsideSlabTable,
                                                 kOutsideSlabTable, "SlabType",        "Height"};
inline constexpr PrecastTables kTBeamTables{kTBeamLayoutTable,  "TBeamInWhichSpan", "TBeamsEverySpan",
                                            "InsideTBeamType",  "OutsideTBeamType", kInsideTBeamTable,
                                            kOutsideTBeamTable, "TBeamType",        "TBeamHeight"};

}  // namespace projectdb
