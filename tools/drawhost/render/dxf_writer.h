#pragma once
// A sheet as a plain ASCII DXF of release 12 (AC1009), the form every CAD program reads: HEADER, TABLES
// (line types, layers, text style) and ENTITIES (LINE, POLYLINE, CIRCLE, ARC, TEXT), in sheet millimetres.
// Release 12 has no Unicode: texts are written in the drawing's code page, GBK, named by $DWGCODEPAGE
// ANSI_936, as a Chinese CAD program writes them.
#include <string>

#include "sheet_geometry.h"

namespace drawhost {

std::string DxfText(const SheetGeometry& sheet);

}  // namespace drawhost
