#pragma once
// A sheet as an ASCII DXF of AutoCAD 2007 (AC1021: the sections of release 2000, strings in UTF-8), in
// sheet millimetres: HEADER, CLASSES, TABLES (VPORT, LTYPE, LAYER, STYLE, VIEW, UCS, APPID, DIMSTYLE,
// BLOCK_RECORD), BLOCKS (*Model_Space, *Paper_Space), ENTITIES (LINE, LWPOLYLINE, CIRCLE, ARC, TEXT) and OBJECTS (the root dictionary and the two layouts), every
// object with its handle and owner. Line types and weights are set by layer.
#include <string>

#include "sheet_geometry.h"

namespace drawhost {

std::string DxfText(const SheetGeometry& sheet);

// The text style every text uses, and the TrueType file it names.
inline constexpr const char* kDxfTextStyle = "Standard";
inline constexpr const char* kDxfFontFile = "wqy-microhei.ttc";

// A text as a DXF string: UTF-8 on one line.
std::string DxfString(const std::string& utf8);

}  // namespace drawhost
