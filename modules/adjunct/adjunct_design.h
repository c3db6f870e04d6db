#pragma once
// The auxiliary structures of a bridge: deck pavement, wall-type barrier, walkway and railing, approach
// slab, drainage and the crossed road. Each design makes its table when the project has none and gives it
// one record of common default values to edit, so that the drawings have something to work from.
#include "kit/module_kit.h"

namespace adjunct {

modulekit::TableOutcome DesignPavement(dao::Database& db);
modulekit::TableOutcome DesignFence(dao::Database& db);
modulekit::TableOutcome DesignWalkway(dao::Database& db);
modulekit::TableOutcome DesignSubslab(dao::Database& db);
modulekit::TableOutcome DesignDrainage(dao::Database& db);
modulekit::TableOutcome DesignCrossway(dao::Database& db);

// The barrier table, whose fields belong to this module.
const projectdb::TableSchema& FenceTable();

}  // namespace adjunct
