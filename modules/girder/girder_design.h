#pragma once
// The superstructure designs of the Girder module: for every span of one structure type, the member records
// with default sizes from common standard designs for that span length, shown to the user for editing and
// written when the user confirms. Records of other spans and other member types stay as they are.
#include "kit/member_design.h"

namespace girder {

enum class Superstructure {
    Slab,
    TBeam,
    SimpleConstantBox,
    SimpleVariableBox,
    ContinuousConstantBox,
    ContinuousVariableBox
};

// "装配式简支空心板桥" and so on, as 上构布置明细表 stores it.
const char* StructureTypeOf(Superstructure kind);

// Reads the spans of the structure type and the deck width, proposes the records, writes what the user
// accepts. A project without such spans is told so and left alone. Database failures raise
// dao::DaoException and write nothing.
modulekit::DesignOutcome Design(dao::Database& db, Superstructure kind);

// The proposals alone (no editor, nothing written): what Design shows.
std::vector<modulekit::TableProposal> Proposals(dao::Database& db, Superstructure kind);

}  // namespace girder
