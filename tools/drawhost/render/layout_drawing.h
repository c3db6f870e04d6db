#pragma once
// The drawings composed on a sheet: the bridge layout drawing and the general structure drawings from the
// bridge model, and for the kinds this host does not draw, a sheet that names what the drawing would hold.
#include <string>
#include <vector>

#include "bridge/bridge_model.h"
#include "sheet_geometry.h"
#include "sheet_texts.h"

namespace drawhost {

// The record of 图形布置信息表 a drawing is made for, with the defaults of a new drawing.
struct DrawingRecord {
    std::string title = "桥型布置图", fileName = "Draw1", kind = "桥型布置图", sheetSize = "A3";
    double scale = 100;
};

// The layout drawing. What the program decided on its own (another scale than the record's) is added to
// `messages`, never drawn on the sheet.
// A bridge too long for one sheet at 1:1000 continues on further sheets, each cut at a support that both
// sheets show and mark with a match line.
std::vector<SheetGeometry> BridgeLayoutDrawing(const bridge::Bridge& b, const SheetTexts& texts,
                                               const DrawingRecord& record, std::vector<std::string>& messages);

// The general structure drawing of the superstructure: the section and span elevation of each structure
// type's first span as the model holds it, or a sheet that says the project has none.
SheetGeometry SuperstructureSheet(const bridge::Bridge& b, const SheetTexts& texts, const DrawingRecord& record,
                                  std::vector<std::string>& messages);

// The general structure drawing of the substructure: elevation, side view and plan of the first abutment
// and the first pier as the model holds them, or a sheet that says the project has none.
SheetGeometry SubstructureSheet(const bridge::Bridge& b, const SheetTexts& texts, const DrawingRecord& record);

// Frame and title block, with the drawing's kind and title in the middle and what such a drawing shows.
SheetGeometry NamedSheet(const SheetTexts& texts, const DrawingRecord& record);

// The scale of the elevation and plan: the record's when it is in the series and everything fits at it,
// else the largest scale of the series that fits; 0 when not even the smallest scale of the series fits.
int LayoutScale(double recordScale, double needed);

// The smallest scale a layout sheet may shrink to before the bridge goes on to further sheets.
inline constexpr int kLongestLayoutScale = 1000;

}  // namespace drawhost
