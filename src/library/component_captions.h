#pragma once
// What the columns of a library table are called on screen, and how the entries of a kind are grouped.
// Shared by the library dialogs, the preview and the viewer module, which labels the values it receives.
#include <string>
#include <vector>

#include "library/library_schema.h"

namespace library {

// The superstructure families (not the box cross-section tables), by the names their tables carry.
bool IsSuperstructureFamily(const std::string& table);

// The display captions of a family's or a cross-section table's columns, in field order; empty for any
// other table (its columns are captioned with its field names).
const std::vector<std::string>& FamilyCaptions(const std::string& table);

// The fields of one part of a substructure code ('1'..'4' is cap beam, body, connection, foundation)
// for its digit; empty for a digit that stands for no member.
const std::vector<std::string>& SubstructureGroupFields(int position, char digit);

}  // namespace library
