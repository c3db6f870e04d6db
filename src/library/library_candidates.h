#pragma once
// The members of a project that can go into a component library, as the write dialog lists them: an upper
// list of superstructure members and a lower list of piers and abutments.
#include <array>
#include <string>
#include <vector>

#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

namespace library {

// One row of the upper list: family (名称), type, span number, span length in cm, depth text, width.
struct UpperRow {
    std::string family, type, span, length, depth, width;
    std::array<std::string, 6> Cells() const { return {family, type, span, length, depth, width}; }
    bool operator==(const UpperRow&) const = default;
};

// One row of the lower list: substructure code, pier/abutment number and the four member type names.
struct LowerRow {
    std::string code, pier, cap, body, connection, foundation;
    std::array<std::string, 6> Cells() const { return {code, pier, cap, body, connection, foundation}; }
    bool operator==(const LowerRow&) const = default;
};

struct Candidates {
    std::vector<UpperRow> upper;  // top to bottom, as the list shows them
    std::vector<LowerRow> lower;
};

// Column captions and widths of the two lists.
struct ListColumn {
    const char* caption;
    int width;
};
const std::array<ListColumn, 6>& UpperColumns();
const std::array<ListColumn, 6>& LowerColumns();

// Reads the twelve sources in their order (box cross-sections, box elevations, T-beams, hollow slabs,
// piers and abutments) under the progress window. Each source puts its rows at the top of its list in
// the order it reads them, so the last row read comes first. A member table the project does not have
// lists nothing; any other database error is raised.
Candidates ListCandidates(dao::Database& project, ui::Progress& progress);

}  // namespace library
