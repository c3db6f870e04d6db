#pragma once
// What a drawing is made of, in sheet millimetres with y pointing up: lines, polylines, circles, arcs and
// texts, each on a named layer. The DXF and SVG writers both draw exactly this list, so the two files show
// the same thing.
#include <string>
#include <vector>

namespace drawhost {

struct Point {
    double x = 0, y = 0;
};

enum class LineStyle { Continuous, Dashed, Center };

struct Layer {
    std::string name;
    int colour = 7;  // AutoCAD colour index: 1 red, 2 yellow, 3 green, 4 cyan, 5 blue, 6 magenta, 7 black/white
    LineStyle style = LineStyle::Continuous;
    double weight = 0.25;  // pen width on paper, mm
};

struct Line {
    std::string layer;
    Point a, b;
};

struct Polyline {
    std::string layer;
    std::vector<Point> points;
    bool closed = false;
};

struct Circle {
    std::string layer;
    Point centre;
    double radius = 0;
};

// Counter-clockwise from startAngle to endAngle, degrees.
struct Arc {
    std::string layer;
    Point centre;
    double radius = 0, startAngle = 0, endAngle = 0;
};

enum class HAlign { Left, Centre, Right };

// Texts are drawn narrowed to this share of their height, as Chinese engineering drawings letter them.
inline constexpr double kTextWidthFactor = 0.7;

struct Text {
    std::string layer;
    Point at;  // the alignment point: left, centre or right end of the baseline
    double height = 3.5;
    std::string text;  // UTF-8
    HAlign align = HAlign::Left;
    double rotation = 0;  // degrees, counter-clockwise
};

struct SheetGeometry {
    double width = 420, height = 297;  // the paper
    std::vector<Layer> layers;
    std::vector<Line> lines;
    std::vector<Polyline> polylines;
    std::vector<Circle> circles;
    std::vector<Arc> arcs;
    std::vector<Text> texts;

    const Layer* FindLayer(const std::string& name) const;
};

}  // namespace drawhost
