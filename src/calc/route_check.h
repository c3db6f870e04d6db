#pragma once
// Whether the route tables of a project describe one consistent road: plan elements that join, vertical
// curves and the road design table that agree with the profile. Each inconsistency is a finding the
// engineer sees (as a warning on import, in the geometry calculator and in the bridge check), never
// smoothed over silently.
#include <string>
#include <vector>

#include "calc/route_tables.h"

namespace calc {

struct RouteFinding {
    std::string code;      // stable, e.g. "ROUTE_PLAN_GAP"
    char severity = 'W';   // 'E' error, 'W' warning
    std::string text;      // Chinese, names the stake and the size of the fault
    std::string table;     // the table the fault is in ("平曲线资料表", ...), empty when none
    int record = -1;       // the record's position in that table (0 = first), -1 when none
};

std::vector<RouteFinding> CheckRoute(const RouteData& route);

// A finding as one line of a warning list: "警告: " and its text.
std::string WarningLine(const RouteFinding& finding);

}  // namespace calc
