#include "sheet_painter.h"

namespace drawhost {

const Layer* SheetGeometry::FindLayer(const std::string& name) const {
    for (const Layer& layer : layers)
        if (layer.name == name) return &layer;
    return nullptr;
}

void SheetPainter::AddLayer(const std::string& name, int colour, LineStyle style, double weight) {
    if (!sheet_.FindLayer(name)) sheet_.layers.push_back({name, colour, style, weight});
}

void SheetPainter::Line(Point a, Point b) { sheet_.lines.push_back({layer_, a, b}); }

void SheetPainter::Polyline(std::vector<Point> points, bool closed) {
    if (points.size() >= 2) sheet_.polylines.push_back({layer_, std::move(points), closed});
}

void SheetPainter::Rect(Point lo, Point hi) { Polyline({lo, {hi.x, lo.y}, hi, {lo.x, hi.y}}, true); }

void SheetPainter::Circle(Point centre, double radius) { sheet_.circles.push_back({layer_, centre, radius}); }

void SheetPainter::Arc(Point centre, double radius, double startAngle, double endAngle) {
    sheet_.arcs.push_back({layer_, centre, radius, startAngle, endAngle});
}

void SheetPainter::Text(Point at, double height, const std::string& text, HAlign align, double rotation) {
    if (!text.empty()) sheet_.texts.push_back({layer_, at, height, text, align, rotation});
}

void SheetPainter::HorizontalDimension(double x1, double x2, double y, double footY, const std::string& measure,
                                       double textHeight) {
    const double tick = 1.0;
    const double gap = footY < y ? 1.0 : -1.0;  // extension lines stop short of what they measure
    Line({x1, footY + gap}, {x1, y + (footY < y ? 1.5 : -1.5)});
    Line({x2, footY + gap}, {x2, y + (footY < y ? 1.5 : -1.5)});
    Line({x1, y}, {x2, y});
    Line({x1 - tick, y - tick}, {x1 + tick, y + tick});
    Line({x2 - tick, y - tick}, {x2 + tick, y + tick});
    Text({(x1 + x2) / 2, y + 0.8}, textHeight, measure, HAlign::Centre);
}

}  // namespace drawhost
