#include "calc/route_check.h"

namespace calc {

std::vector<RouteFinding> CheckRoute(const RouteData&) { return {}; }

}  // namespace calc
