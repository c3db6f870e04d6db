#pragma once
// The stake-by-stake table of the route geometry: stake, X, Y, deck elevation, azimuth, radius, the two
// cross slopes and the location, at every step from a first to a last stake (the last always included).
#include <string>
#include <vector>

#include "calc/route_geometry.h"

namespace calc {

// The stakes of the table; empty with a reason in `error` for a step that is not positive, a last stake
// before the first, or more than a million rows.
std::vector<double> TableStakes(double from, double to, double step, std::string& error);

// The column headings and one row of texts: numbers "%.6f" (the stake "%.3f"), the azimuth "%.10f".
std::vector<std::string> StakeTableHeader();
std::vector<std::string> StakeTableRow(double stake, const RoutePoint& point);

inline constexpr std::size_t kMaxStakeTableRows = 1000000;

}  // namespace calc
