// What the route import tells the engineer once it is done: the route the project now holds, checked as one
// road. The import writes what the file gives; a file whose elements do not join is still imported, and said.
#include "calc/route_tables.h"
#include "exchange/route_import.h"

namespace exchange {

void CheckImportedRoute(dao::Database& db, RouteImportResult& result) {
    long written = 0;
    for (const SectionResult* r : {&result.groundLine, &result.horizontal, &result.vertical, &result.deck})
        written += r->written;
    if (result.failed || written == 0) return;
    const calc::RouteData route = calc::ReadRouteTables(db);
    // A table the geometry cannot read gives no geometry at all: that comes first.
    for (const auto& problem : route.problems)
        result.findings.push_back({"ROUTE_TABLE_UNREADABLE", 'W', problem, "", -1});
    for (auto& finding : calc::CheckRoute(route)) result.findings.push_back(std::move(finding));
}

}  // namespace exchange
