#include "structure_sheet_start.h"

#include "sheet_scales.h"

namespace drawhost {

DrawingArea StartStructureSheet(SheetPainter& p, const SheetTexts& texts, const DrawingRecord& record,
                                std::initializer_list<LayerSpec> memberLayers) {
    const DrawingArea area = DrawSheetFrame(
        p, record.sheetSize, {texts.dept, texts.project, texts.bridge, record.title, record.fileName, "见图"});
    for (const LayerSpec& layer : memberLayers) p.AddLayer(layer.name, layer.colour, layer.style, layer.weight);
    p.AddLayer("CAPTION", 7, LineStyle::Continuous, 0.35);
    p.AddLayer("NOTE", 7, LineStyle::Continuous, 0.18);
    p.AddLayer("TEXT", 7, LineStyle::Continuous, 0.18);
    return area;
}

void NothingToDraw(SheetPainter& p, const DrawingArea& area, const std::string& why) {
    p.UseLayer("NOTE");
    p.Text({(area.left + area.right) / 2, area.top - area.height() * 0.4}, kViewTitleHeight, why, HAlign::Centre);
}

}  // namespace drawhost
