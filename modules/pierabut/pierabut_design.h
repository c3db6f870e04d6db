#pragma once
// The substructure design of the PierAbut module: for every support line of 下构布置信息表, the record of
// each of its four members in that member type's table (keyed by PierAbutmentNum), with default sizes
// derived from the layout, shown to the user for editing and written when the user confirms. Records of
// supports already designed are proposed as stored; a member of type "无" gets none.
#include "kit/member_design.h"

namespace pierabut {

std::vector<modulekit::TableProposal> Proposals(dao::Database& db);

// Database failures raise dao::DaoException and write nothing.
modulekit::DesignOutcome DesignPierAbut(dao::Database& db);

}  // namespace pierabut
