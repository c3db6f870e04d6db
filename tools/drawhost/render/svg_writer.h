#pragma once
// A sheet as an SVG picture on white paper, one millimetre per user unit, layers as groups; what the DXF
// holds, seen the same way.
#include <string>

#include "sheet_geometry.h"

namespace drawhost {

std::string SvgText(const SheetGeometry& sheet);

// The colour a CAD program shows for a colour index on white paper ("#rrggbb").
std::string ColourOf(int aci);

}  // namespace drawhost
