// What the route import tells the engineer once it is done: the route the project now holds, checked as one
// road. The import writes what the file gives; a file whose elements do not join is still imported, and said.
#include "calc/route_tables.h"
#include "exchange/route_import.h"

namespace exchange {

std::vector<calc::RouteFinding> CheckImportedRoute(dao::Database& db) {
    const calc::RouteData route = calc::ReadRouteTables(db);
    std::vector<calc::RouteFinding> findings;
    // A table the geometry cannot read gives no geometry at all: that comes first.
    for (const auto& problem : route.problems) findings.push_back({"ROUTE_TABLE_UNREADABLE", 'W', problem, "", -1});
    for (auto& finding : calc::CheckRoute(route)) findings.push_back(std::move(finding));
    return findings;
}

}  // namespace exchange
