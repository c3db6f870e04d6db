#pragma once
// A pier calculation project described in JSON, for the command line:
//   {"grade": 25, "lanes": 2, "deltaT": 30, "alpha": 1e-5,
//    "piers": [{"stake": 100, "columns": 2, "height": 8, "grade": 30, "bearings": 2, "bearingHeight": 0.05,
//               "bearingArea": 0.1, "shearModulus": 1000, "circle": {"D": 1.2}}, ...]}
// Parameters left out take the calculation window's defaults; pier values left out take the pier
// editor's (0, shear modulus 666). Every pier needs "circle" or "rect" ({"W": .., "H": ..}).
#include <string>

#include "calc/pier_project.h"

namespace calc {

// Fills `project` (its piers replaced) and returns true; on malformed input leaves it untouched and
// returns false with the reason in `error`.
bool ProjectFromJson(const std::string& json, CProject& project, std::string& error);

}  // namespace calc
