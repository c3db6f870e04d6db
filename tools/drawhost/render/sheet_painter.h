#pragma once
// Adds entities to a sheet on the current layer, so that the code that composes a drawing reads as a list
// of what is drawn.
#include <string>
#include <vector>

#include "sheet_geometry.h"

namespace drawhost {

class SheetPainter {
public:
    explicit SheetPainter(SheetGeometry& sheet) : sheet_(sheet) {}

    void AddLayer(const std::string& name, int colour, LineStyle style = LineStyle::Continuous, double weight = 0.25);
    void UseLayer(const std::string& name) { layer_ = name; }

    void Line(Point a, Point b);
    void Polyline(std::vector<Point> points, bool closed = false);
    void Rect(Point lowerLeft, Point upperRight);
    void Circle(Point centre, double radius);
    void Arc(Point centre, double radius, double startAngle, double endAngle);
    void Text(Point at, double height, const std::string& text, HAlign align = HAlign::Left, double rotation = 0);
    // A horizontal dimension between x1 and x2 at height y: extension lines down to `footY`, tick marks at both
    // ends and the measure written above the line.
    void HorizontalDimension(double x1, double x2, double y, double footY, const std::string& measure,
                             double textHeight = 2.5);

    SheetGeometry& sheet() { return sheet_; }

private:
    SheetGeometry& sheet_;
    std::string layer_ = "0";
};

}  // namespace drawhost
