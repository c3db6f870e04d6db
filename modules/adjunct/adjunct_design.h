#pragma once
// The auxiliary structures of a bridge: deck pavement, wall-type barrier, walkway and railing, approach
// slab, drainage and the crossed road. Each design shows its table's records for editing (one record of
// common default values when the table is empty) and writes what the user accepted, making the table when
// the project has none. True when it wrote.
#include "kit/module_kit.h"

namespace adjunct {

bool DesignPavement(dao::Database& db);
bool DesignFence(dao::Database& db);
bool DesignWalkway(dao::Database& db);
bool DesignSubslab(dao::Database& db);
bool DesignDrainage(dao::Database& db);
bool DesignCrossway(dao::Database& db);

// The barrier table, whose fields belong to this module.
const projectdb::TableSchema& FenceTable();

}  // namespace adjunct
