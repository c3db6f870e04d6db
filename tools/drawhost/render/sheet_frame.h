#pragma once
// The sheet around every drawing: paper of a standard size (landscape), the frame with its binding margin
// and the title block along the bottom with the design office, the project, the bridge and the title.
#include <string>

#include "sheet_painter.h"

namespace drawhost {

struct TitleBlock {
    std::string dept, project, bridge, title, drawingNumber, scale;
    int sheet = 1, sheets = 1;  // this sheet's number in the set, and how many the set has
};

// What is left for the drawing inside the frame, above the title block, and the text size that suits
// the paper.
struct DrawingArea {
    double left = 0, bottom = 0, right = 0, top = 0;
    double textHeight = 3;
    double width() const { return right - left; }
    double height() const { return top - bottom; }
};

// Paper width and height of "A0" … "A4" in millimetres, landscape; A3 for any other text.
Point PaperSize(const std::string& sheetSize);

// Sets the paper size of the sheet and draws frame and title block.
DrawingArea DrawSheetFrame(SheetPainter& painter, const std::string& sheetSize, const TitleBlock& title);

}  // namespace drawhost
