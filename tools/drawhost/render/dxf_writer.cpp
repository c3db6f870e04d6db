#include "dxf_writer.h"

#include <sstream>

#include "platform/text/cformat.h"
#include "platform/text/gbk.h"

namespace drawhost {

namespace {

class DxfStream {
public:
    void Pair(int code, const std::string& value) { out_ << code << "\n" << value << "\n"; }
    void Pair(int code, int value) { Pair(code, std::to_string(value)); }
    void Real(int code, double value) { Pair(code, text::FormatFixed(value, 6)); }
    void Point(int code, drawhost::Point p) {
        Real(code, p.x);
        Real(code + 10, p.y);
        Real(code + 20, 0);
    }
    std::string str() const { return out_.str(); }

private:
    std::ostringstream out_;
};

const char* LineTypeName(LineStyle style) {
    switch (style) {
        case LineStyle::Dashed: return "DASHED";
        case LineStyle::Center: return "CENTER";
        default: return "CONTINUOUS";
    }
}

void Header(DxfStream& d, const SheetGeometry& sheet) {
    d.Pair(0, "SECTION");
    d.Pair(2, "HEADER");
    d.Pair(9, "$ACADVER");
    d.Pair(1, "AC1009");
    d.Pair(9, "$DWGCODEPAGE");
    d.Pair(3, "ANSI_936");
    // Sheet coordinates are millimetres on paper; a reader that scales on insertion needs to know.
    d.Pair(9, "$INSUNITS");
    d.Pair(70, 4);
    d.Pair(9, "$INSBASE");
    d.Point(10, {0, 0});
    d.Pair(9, "$EXTMIN");
    d.Point(10, {0, 0});
    d.Pair(9, "$EXTMAX");
    d.Point(10, {sheet.width, sheet.height});
    d.Pair(9, "$LIMMIN");
    d.Real(10, 0);
    d.Real(20, 0);
    d.Pair(9, "$LIMMAX");
    d.Real(10, sheet.width);
    d.Real(20, sheet.height);
    d.Pair(9, "$LTSCALE");
    d.Real(40, 1);
    d.Pair(0, "ENDSEC");
}

void LineTypes(DxfStream& d) {
    struct Pattern {
        const char* name;
        const char* description;
        std::vector<double> dashes;
    };
    const Pattern patterns[] = {{"CONTINUOUS", "Solid line", {}},
                                {"DASHED", "__ __ __", {3.0, -1.5}},
                                {"CENTER", "____ _ ____ _", {8.0, -1.5, 1.5, -1.5}}};
    d.Pair(0, "TABLE");
    d.Pair(2, "LTYPE");
    d.Pair(70, 3);
    for (const Pattern& p : patterns) {
        double total = 0;
        for (double dash : p.dashes) total += dash < 0 ? -dash : dash;
        d.Pair(0, "LTYPE");
        d.Pair(2, p.name);
        d.Pair(70, 0);
        d.Pair(3, p.description);
        d.Pair(72, 65);
        d.Pair(73, static_cast<int>(p.dashes.size()));
        d.Real(40, total);
        for (double dash : p.dashes) d.Real(49, dash);
    }
    d.Pair(0, "ENDTAB");
}

void Layers(DxfStream& d, const SheetGeometry& sheet) {
    d.Pair(0, "TABLE");
    d.Pair(2, "LAYER");
    d.Pair(70, static_cast<int>(sheet.layers.size()) + 1);
    d.Pair(0, "LAYER");
    d.Pair(2, "0");
    d.Pair(70, 0);
    d.Pair(62, 7);
    d.Pair(6, "CONTINUOUS");
    for (const Layer& layer : sheet.layers) {
        d.Pair(0, "LAYER");
        d.Pair(2, text::ToGbk(layer.name));
        d.Pair(70, 0);
        d.Pair(62, layer.colour);
        d.Pair(6, LineTypeName(layer.style));
    }
    d.Pair(0, "ENDTAB");
}

// The one text style: AutoCAD letters it with txt.shx and the Chinese big font gbcbig.shx, the usual pair for
// Chinese drawings; LibreCAD takes the style's name for one of its own fonts, and kst32b is the one of them
// that holds most of the Chinese characters.
constexpr const char* kTextStyle = "kst32b";

void Styles(DxfStream& d) {
    d.Pair(0, "TABLE");
    d.Pair(2, "STYLE");
    d.Pair(70, 1);
    d.Pair(0, "STYLE");
    d.Pair(2, kTextStyle);
    d.Pair(70, 0);
    d.Real(40, 0);
    d.Real(41, kTextWidthFactor);
    d.Real(50, 0);
    d.Pair(71, 0);
    d.Real(42, 3.5);
    d.Pair(3, "txt.shx");
    d.Pair(4, "gbcbig.shx");
    d.Pair(0, "ENDTAB");
}

void Entities(DxfStream& d, const SheetGeometry& sheet) {
    d.Pair(0, "SECTION");
    d.Pair(2, "ENTITIES");
    for (const Line& l : sheet.lines) {
        d.Pair(0, "LINE");
        d.Pair(8, text::ToGbk(l.layer));
        d.Point(10, l.a);
        d.Point(11, l.b);
    }
    for (const Polyline& p : sheet.polylines) {
        d.Pair(0, "POLYLINE");
        d.Pair(8, text::ToGbk(p.layer));
        d.Pair(66, 1);
        d.Point(10, {0, 0});
        d.Pair(70, p.closed ? 1 : 0);
        for (const Point& v : p.points) {
            d.Pair(0, "VERTEX");
            d.Pair(8, text::ToGbk(p.layer));
            d.Point(10, v);
        }
        d.Pair(0, "SEQEND");
        d.Pair(8, text::ToGbk(p.layer));
    }
    for (const Circle& c : sheet.circles) {
        d.Pair(0, "CIRCLE");
        d.Pair(8, text::ToGbk(c.layer));
        d.Point(10, c.centre);
        d.Real(40, c.radius);
    }
    for (const Arc& a : sheet.arcs) {
        d.Pair(0, "ARC");
        d.Pair(8, text::ToGbk(a.layer));
        d.Point(10, a.centre);
        d.Real(40, a.radius);
        d.Real(50, a.startAngle);
        d.Real(51, a.endAngle);
    }
    for (const Text& t : sheet.texts) {
        d.Pair(0, "TEXT");
        d.Pair(8, text::ToGbk(t.layer));
        d.Point(10, t.at);
        d.Real(40, t.height);
        d.Pair(1, text::ToGbk(t.text));
        if (t.rotation != 0) d.Real(50, t.rotation);
        d.Real(41, kTextWidthFactor);
        d.Pair(7, kTextStyle);
        if (t.align != HAlign::Left) {
            d.Pair(72, t.align == HAlign::Centre ? 1 : 2);
            d.Point(11, t.at);
        }
    }
    d.Pair(0, "ENDSEC");
}

}  // namespace

std::string DxfText(const SheetGeometry& sheet) {
    DxfStream d;
    Header(d, sheet);
    d.Pair(0, "SECTION");
    d.Pair(2, "TABLES");
    LineTypes(d);
    Layers(d, sheet);
    Styles(d);
    d.Pair(0, "ENDSEC");
    Entities(d, sheet);
    d.Pair(0, "EOF");
    return d.str();
}

}  // namespace drawhost
