#include "sheet_frame.h"

#include <algorithm>
#include <iterator>

namespace drawhost {

Point PaperSize(const std::string& sheetSize) {
    if (sheetSize == "A0") return {1189, 841};
    if (sheetSize == "A1") return {841, 594};
    if (sheetSize == "A2") return {594, 420};
    if (sheetSize == "A4") return {297, 210};
    return {420, 297};
}

DrawingArea DrawSheetFrame(SheetPainter& painter, const std::string& sheetSize, const TitleBlock& title) {
    const Point paper = PaperSize(sheetSize);
    SheetGeometry& sheet = painter.sheet();
    sheet.width = paper.x;
    sheet.height = paper.y;
    // Texts and the title block grow with the paper, slowly: a larger sheet is read from further away.
    const double k = std::clamp(paper.x / 420.0, 0.8, 1.8);
    const double margin = paper.x >= 594 ? 10 : 5;
    const double left = 25, right = paper.x - margin, bottom = margin, top = paper.y - margin;

    painter.AddLayer("FRAME", 7, LineStyle::Continuous, 0.2);
    painter.AddLayer("FRAME-BOLD", 7, LineStyle::Continuous, 0.7);
    painter.AddLayer("TITLE", 7, LineStyle::Continuous, 0.18);
    painter.UseLayer("FRAME");
    painter.Rect({0, 0}, paper);
    painter.UseLayer("FRAME-BOLD");
    painter.Rect({left, bottom}, {right, top});

    // One row of cells along the bottom: office, project, bridge and title, then the signatures, the number.
    // Texts keep their heights on every paper: 3.5 mm captions and values, the drawing's title 7 mm.
    const double h = 16 * std::max(1.0, k);
    const double t = 3.5;  // caption text
    painter.UseLayer("FRAME-BOLD");
    painter.Line({left, bottom + h}, {right, bottom + h});
    struct Cell {
        const char* caption;
        std::string value;
        double share;  // of the width
        double valueHeight;
    };
    const Cell cells[] = {{"设计单位", title.dept, 0.155, 3.5},
                          {"工程项目", title.project, 0.155, 3.5},
                          {"桥名", title.bridge, 0.14, 5.0},
                          {"图名", title.title, 0.19, 7.0},
                          {"张次", "第" + std::to_string(title.sheet) + "张 共" + std::to_string(title.sheets) + "张", 0.06, 3.5},
                          {"比例", title.scale, 0.07, 3.5},
                          {"设计", "", 0.055, 3.5},
                          {"复核", "", 0.055, 3.5},
                          {"审核", "", 0.055, 3.5},
                          {"图号", title.drawingNumber, 0.055, 3.5}};
    double x = left;
    const double width = right - left;
    for (const Cell& cell : cells) {
        const double w = &cell == &cells[std::size(cells) - 1] ? right - x : width * cell.share;
        painter.UseLayer("TITLE");
        painter.Text({x + 1, bottom + h - t - 1}, t, cell.caption);
        painter.Text({x + w / 2, bottom + h * 0.22}, cell.valueHeight, cell.value, HAlign::Centre);
        x += w;
        if (x < right - 1) {
            painter.UseLayer("FRAME");
            painter.Line({x, bottom}, {x, bottom + h});
        }
    }
    return {left + 3, bottom + h + 3, right - 3, top - 3, 3.5};
}

}  // namespace drawhost
