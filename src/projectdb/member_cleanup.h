#pragma once
// Before the pier/abutment layout is rewritten, the member records of supports that go away or change a
// member type go too, so that no member table keeps sizes for a member the layout no longer has.
#include <array>
#include <string>
#include <vector>

#include "platform/dao/database.h"

namespace projectdb {

// The four member types of one support (cap beam, body, connection, foundation).
using SupportMembers = std::array<std::string, 4>;

// Compares the stored layout with the new rows (in PierAbutNum order, matched by position): every member
// of a stored support beyond the new rows, and every stored member whose type differs from the new row's,
// loses its record. Database errors are ignored: the clean-up never stops the rewrite.
void CleanUpMembers(dao::Database& db, const std::vector<SupportMembers>& newRows);

// Removes the record of support `support` from the member table of `typeName` (none for "无" and unknown
// names): a table without records, or whose only record is that support's, is deleted; otherwise the
// support's record goes. Database errors are ignored.
void RemoveMemberRecord(dao::Database& db, const std::string& typeName, long support);

}  // namespace projectdb
