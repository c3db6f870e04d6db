#include "svg_writer.h"

#include <cmath>
#include <sstream>

#include "platform/text/cformat.h"

namespace drawhost {

namespace {

// The font size that gives a Chinese character about the width of a CAD text of that height lettered at
// kTextWidthFactor.
constexpr double kFontPerHeight = 0.85;

std::string Num(double v) {
    std::string s = text::FormatFixed(v, 3);
    while (s.size() > 1 && s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

// The pen of a layer: colour, width and dash pattern.
std::string Stroke(const Layer* layer) {
    std::string s = "stroke=\"" + ColourOf(layer ? layer->colour : 7) + "\" stroke-width=\"" +
                    Num(layer ? layer->weight : 0.25) + "\"";
    if (layer && layer->style == LineStyle::Dashed) s += " stroke-dasharray=\"3 1.5\"";
    if (layer && layer->style == LineStyle::Center) s += " stroke-dasharray=\"8 1.5 1.5 1.5\"";
    return s;
}

class SvgSheet {
public:
    explicit SvgSheet(const SheetGeometry& sheet) : sheet_(sheet) {}

    double X(double x) const { return x; }
    double Y(double y) const { return sheet_.height - y; }
    std::string P(Point p) const { return Num(X(p.x)) + "," + Num(Y(p.y)); }

    void Layer(std::ostringstream& out, const std::string& name) const {
        const drawhost::Layer* layer = sheet_.FindLayer(name);
        std::ostringstream shapes, texts;
        for (const Line& l : sheet_.lines)
            if (l.layer == name)
                shapes << "<line x1=\"" << Num(X(l.a.x)) << "\" y1=\"" << Num(Y(l.a.y)) << "\" x2=\"" << Num(X(l.b.x))
                       << "\" y2=\"" << Num(Y(l.b.y)) << "\"/>\n";
        for (const Polyline& p : sheet_.polylines) {
            if (p.layer != name) continue;
            shapes << (p.closed ? "<polygon" : "<polyline") << " points=\"";
            for (std::size_t i = 0; i < p.points.size(); ++i) shapes << (i ? " " : "") << P(p.points[i]);
            shapes << "\"/>\n";
        }
        for (const Circle& c : sheet_.circles)
            if (c.layer == name)
                shapes << "<circle cx=\"" << Num(X(c.centre.x)) << "\" cy=\"" << Num(Y(c.centre.y)) << "\" r=\""
                       << Num(c.radius) << "\"/>\n";
        for (const Arc& a : sheet_.arcs) {
            if (a.layer != name) continue;
            const double pi = std::acos(-1.0);
            double sweep = std::fmod(a.endAngle - a.startAngle + 720.0, 360.0);
            if (sweep == 0) sweep = 360;
            Point from{a.centre.x + a.radius * std::cos(a.startAngle * pi / 180),
                       a.centre.y + a.radius * std::sin(a.startAngle * pi / 180)};
            Point to{a.centre.x + a.radius * std::cos(a.endAngle * pi / 180),
                     a.centre.y + a.radius * std::sin(a.endAngle * pi / 180)};
            // Counter-clockwise on the sheet is clockwise on the screen, whose y points down: sweep flag 0.
            shapes << "<path d=\"M " << P(from) << " A " << Num(a.radius) << " " << Num(a.radius) << " 0 "
                   << (sweep > 180 ? 1 : 0) << " 0 " << P(to) << "\"/>\n";
        }
        for (const Text& t : sheet_.texts) {
            if (t.layer != name) continue;
            const char* anchor = t.align == HAlign::Centre ? "middle" : t.align == HAlign::Right ? "end" : "start";
            // Letters are not narrowed by a scale transform: renderers place an anchored text wrongly under
            // one. A smaller font takes about the width the narrowed CAD lettering takes instead.
            texts << "<text x=\"" << Num(X(t.at.x)) << "\" y=\"" << Num(Y(t.at.y)) << "\"";
            if (t.rotation != 0)
                texts << " transform=\"rotate(" << Num(-t.rotation) << " " << Num(X(t.at.x)) << " " << Num(Y(t.at.y))
                      << ")\"";
            texts << " font-size=\"" << Num(t.height * kFontPerHeight) << "\" text-anchor=\"" << anchor << "\">"
                  << Escape(t.text) << "</text>\n";
        }
        const std::string colour = ColourOf(layer ? layer->colour : 7);
        if (!shapes.str().empty())
            out << "<g id=\"" << Escape(name) << "\" fill=\"none\" " << Stroke(layer)
                << " stroke-linecap=\"round\" stroke-linejoin=\"round\">\n"
                << shapes.str() << "</g>\n";
        if (!texts.str().empty())
            out << "<g id=\"" << Escape(name) << "-text\" fill=\"" << colour << "\" stroke=\"none\">\n"
                << texts.str() << "</g>\n";
    }

private:
    const SheetGeometry& sheet_;
};

}  // namespace

std::string ColourOf(int aci) {
    switch (aci) {
        case 1: return "#d00000";
        case 2: return "#b08000";  // yellow, darkened to read on white paper
        case 3: return "#008a00";
        case 4: return "#008a9a";
        case 5: return "#0030d0";
        case 6: return "#b000b0";
        case 8: return "#808080";
        case 9: return "#b0b0b0";
        default: return "#000000";
    }
}

std::string SvgText(const SheetGeometry& sheet) {
    std::ostringstream out;
    SvgSheet svg(sheet);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" << Num(sheet.width) << "mm\" height=\""
        << Num(sheet.height) << "mm\" viewBox=\"0 0 " << Num(sheet.width) << " " << Num(sheet.height) << "\""
        << " font-family=\"Noto Sans CJK SC, Noto Sans SC, WenQuanYi Micro Hei, sans-serif\">\n"
        << "<rect x=\"0\" y=\"0\" width=\"" << Num(sheet.width) << "\" height=\"" << Num(sheet.height)
        << "\" fill=\"#ffffff\"/>\n";
    svg.Layer(out, "0");
    for (const Layer& layer : sheet.layers) svg.Layer(out, layer.name);
    out << "</svg>\n";
    return out.str();
}

}  // namespace drawhost
