#pragma once
// What the two general structure drawings (superstructure and substructure) share before they draw their
// members: the frame and title block, the layers, and the sheet that says there is nothing to draw.
#include <initializer_list>
#include <string>

#include "layout_drawing.h"
#include "sheet_frame.h"

namespace drawhost {

struct LayerSpec {
    const char* name;
    int colour;
    LineStyle style;
    double weight;
};

// Frame and title block (the scale "见图": every view carries its own), then the member layers the drawing
// asks for, then the caption, note and text layers every structure drawing writes on.
DrawingArea StartStructureSheet(SheetPainter& p, const SheetTexts& texts, const DrawingRecord& record,
                                std::initializer_list<LayerSpec> memberLayers);

// The one note, centred in the upper part of the sheet, that tells why the sheet shows no members.
void NothingToDraw(SheetPainter& p, const DrawingArea& area, const std::string& why);

}  // namespace drawhost
