#pragma once
// The drawings composed on a sheet: the bridge layout drawing from the project's data, and for the kinds
// this host does not draw, a sheet that names what the drawing would hold.
#include <string>

#include "bridge_data.h"
#include "sheet_geometry.h"

namespace drawhost {

// The record of 图形布置信息表 a drawing is made for, with the defaults of a new drawing.
struct DrawingRecord {
    std::string title = "桥型布置图", fileName = "Draw1", kind = "桥型布置图", sheetSize = "A3";
    double scale = 100;
};

SheetGeometry BridgeLayoutDrawing(const BridgeData& data, const DrawingRecord& record);

// Frame and title block, with the drawing's kind and title in the middle and what such a drawing shows.
SheetGeometry NamedSheet(const GeneralInfo& general, const DrawingRecord& record);

// The smallest common scale denominator not below `needed`.
int CommonScale(double needed);

}  // namespace drawhost
