#pragma once
// The open project's piers for the pier force calculator, as the bridge model reads them.
#include <string>

#include "calc/pier_project.h"
#include "platform/dao/database.h"

namespace app {

// Puts the piers of the project in `db` into the calculation project (see bridge::TakePierGeometry) and
// returns what the user should know: how many were taken, and which heights are only proposals because the
// members are not designed yet. A project without piers leaves the calculation as it was and says so.
std::string TakePiersFromProject(dao::Database& db, calc::CProject& project, const calc::CPier& newPier);

}  // namespace app
