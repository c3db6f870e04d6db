#pragma once
// The cone slopes at the two abutments: one record per bridge end, edited like the other Site tables.
#include "platform/dao/database.h"

namespace site {

bool DesignPrick(dao::Database& db);

}  // namespace site
