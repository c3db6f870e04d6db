#pragma once
// The cone slopes at the two abutments: the table made when missing, one record per bridge end.
#include "kit/module_kit.h"

namespace site {

modulekit::TableOutcome DesignPrick(dao::Database& db);

}  // namespace site
