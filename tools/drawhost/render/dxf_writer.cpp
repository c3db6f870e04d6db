#include "dxf_writer.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "dxf_stream.h"

namespace drawhost {

namespace {

const char* LineTypeName(LineStyle style) {
    switch (style) {
        case LineStyle::Dashed: return "DASHED";
        case LineStyle::Center: return "CENTER";
        default: return "Continuous";
    }
}

// A pen width on paper as the nearest line weight a DXF allows (hundredths of a millimetre).
int LineWeight(double mm) {
    static constexpr std::array<int, 24> kWeights = {0,  5,  9,  13, 15, 18,  20,  25,  30,  35,  40,  50,
                                                     53, 60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};
    int best = kWeights[0];
    for (int w : kWeights)
        if (std::fabs(w - mm * 100) < std::fabs(best - mm * 100)) best = w;
    return best;
}

// The handles of the objects every drawing has, fixed so that tables and blocks can name their owners.
struct Handles {
    // Tables and their records.
    static constexpr std::uint32_t vportTable = 0x10, vport = 0x11, ltypeTable = 0x12, layerTable = 0x13,
                                   styleTable = 0x14, style = 0x15, viewTable = 0x16, ucsTable = 0x17,
                                   appidTable = 0x18, appid = 0x19, dimstyleTable = 0x1A, dimstyle = 0x1B,
                                   blockRecordTable = 0x1C, modelRecord = 0x1D, paperRecord = 0x1E;
    // Blocks and objects.
    static constexpr std::uint32_t modelBlock = 0x20, modelEnd = 0x21, paperBlock = 0x22, paperEnd = 0x23, root = 0x24,
                                   groups = 0x25, layouts = 0x26, modelLayout = 0x27, paperLayout = 0x28;
    // Line types, layers and entities count on from here.
    static constexpr std::uint32_t first = 0x100;
};

void Header(DxfStream& d, const SheetGeometry& sheet, std::uint32_t seed) {
    d.Section("HEADER");
    d.Variable("$ACADVER");
    d.Pair(1, "AC1021");
    // Texts are UTF-8 (see DxfString); the code page only tells a reader what the drawing was made for.
    d.Variable("$DWGCODEPAGE");
    d.Pair(3, "ANSI_936");
    d.Variable("$HANDSEED");
    d.Pair(5, HandleText(seed));
    // Sheet coordinates are millimetres on paper; a reader that scales on insertion needs to know.
    d.Variable("$INSUNITS");
    d.Pair(70, 4);
    d.Variable("$MEASUREMENT");
    d.Pair(70, 1);
    d.Variable("$LWDISPLAY");
    d.Pair(290, 1);
    d.Variable("$INSBASE");
    d.Point(10, {0, 0});
    d.Variable("$EXTMIN");
    d.Point(10, {0, 0});
    d.Variable("$EXTMAX");
    d.Point(10, {sheet.width, sheet.height});
    d.Variable("$LIMMIN");
    d.Point2(10, {0, 0});
    d.Variable("$LIMMAX");
    d.Point2(10, {sheet.width, sheet.height});
    d.Variable("$LTSCALE");
    d.Real(40, 1);
    d.Variable("$TEXTSTYLE");
    d.Pair(7, kDxfTextStyle);
    d.Variable("$CLAYER");
    d.Pair(8, "0");
    d.EndSection();
}

// A record of a table: its handle, its owner the table, the two subclass markers and its name.
void Record(DxfStream& d, const char* kind, std::uint32_t handle, std::uint32_t table, const char* subclass,
            const std::string& name, int handleCode = 5) {
    d.Pair(0, kind);
    d.Pair(handleCode, HandleText(handle));
    d.Pair(330, HandleText(table));
    d.Pair(100, "AcDbSymbolTableRecord");
    d.Pair(100, subclass);
    d.Pair(2, name);
    d.Pair(70, 0);
}

// What every entity, and a block's begin and end, opens with: kind, handle, owner, the entity marker, the
// paper-space flag where it lies on paper, the layer and its own subclass marker.
void EntityHead(DxfStream& d, const char* kind, std::uint32_t handle, std::uint32_t owner, const std::string& layer,
                const char* subclass, bool paper = false) {
    d.Pair(0, kind);
    d.Pair(5, HandleText(handle));
    d.Pair(330, HandleText(owner));
    d.Pair(100, "AcDbEntity");
    if (paper) d.Pair(67, 1);
    d.Pair(8, layer);
    d.Pair(100, subclass);
}

void Viewports(DxfStream& d, const SheetGeometry& sheet) {
    d.Table("VPORT", Handles::vportTable, 1);
    Record(d, "VPORT", Handles::vport, Handles::vportTable, "AcDbViewportTableRecord", "*Active");
    d.Point2(10, {0, 0});
    d.Point2(11, {1, 1});
    d.Point2(12, {sheet.width / 2, sheet.height / 2});  // the whole sheet in view
    d.Point2(13, {0, 0});
    d.Point2(14, {10, 10});
    d.Point2(15, {10, 10});
    d.Point(16, {0, 0}, 1);
    d.Point(17, {0, 0});
    d.Real(40, sheet.height * 1.05);
    d.Real(41, sheet.width / sheet.height);
    d.Real(42, 50);
    d.Pair(71, 0);
    d.Pair(72, 1000);
    d.Pair(73, 1);
    d.Pair(74, 3);
    d.Pair(75, 0);
    d.Pair(76, 0);
    d.Pair(77, 0);
    d.Pair(78, 0);
    d.EndTable();
}

void LineTypes(DxfStream& d, std::uint32_t& next) {
    struct Pattern {
        const char* name;
        const char* description;
        std::vector<double> dashes;  // paper millimetres, gaps negative
    };
    const Pattern patterns[] = {{"ByBlock", "", {}},
                                {"ByLayer", "", {}},
                                {"Continuous", "Solid line", {}},
                                {"DASHED", "__ __ __", {3.0, -1.5}},
                                {"CENTER", "____ _ ____ _", {8.0, -1.5, 1.5, -1.5}}};
    d.Table("LTYPE", Handles::ltypeTable, static_cast<int>(std::size(patterns)));
    for (const Pattern& p : patterns) {
        double total = 0;
        for (double dash : p.dashes) total += std::fabs(dash);
        Record(d, "LTYPE", next++, Handles::ltypeTable, "AcDbLinetypeTableRecord", p.name);
        d.Pair(3, p.description);
        d.Pair(72, 65);
        d.Pair(73, static_cast<int>(p.dashes.size()));
        d.Real(40, total);
        for (double dash : p.dashes) {
            d.Real(49, dash);
            d.Pair(74, 0);
        }
    }
    d.EndTable();
}

void Layers(DxfStream& d, const SheetGeometry& sheet, std::uint32_t& next) {
    d.Table("LAYER", Handles::layerTable, static_cast<int>(sheet.layers.size()) + 1);
    auto layer = [&](const std::string& name, int colour, LineStyle style, double weight) {
        Record(d, "LAYER", next++, Handles::layerTable, "AcDbLayerTableRecord", DxfString(name));
        d.Pair(62, colour);
        d.Pair(6, LineTypeName(style));
        d.Pair(370, LineWeight(weight));
    };
    layer("0", 7, LineStyle::Continuous, 0.25);
    for (const Layer& l : sheet.layers) layer(l.name, l.colour, l.style, l.weight);
    d.EndTable();
}

// The one text style, lettered with a TrueType CJK font that Debian installs (fonts-wqy-microhei). A program
// finds a TrueType font by its file name; AutoCAD also by the family name in the style's extended data.
void Styles(DxfStream& d) {
    d.Table("STYLE", Handles::styleTable, 1);
    Record(d, "STYLE", Handles::style, Handles::styleTable, "AcDbTextStyleTableRecord", kDxfTextStyle);
    d.Real(40, 0);
    d.Real(41, kTextWidthFactor);
    d.Real(50, 0);
    d.Pair(71, 0);
    d.Real(42, 3.5);
    d.Pair(3, kDxfFontFile);
    d.Pair(4, "");
    d.Pair(1001, "ACAD");
    d.Pair(1000, "WenQuanYi Micro Hei");
    d.Pair(1071, 0);
    d.EndTable();
}

void OtherTables(DxfStream& d) {
    d.Table("VIEW", Handles::viewTable, 0);
    d.EndTable();
    d.Table("UCS", Handles::ucsTable, 0);
    d.EndTable();
    d.Table("APPID", Handles::appidTable, 1);
    Record(d, "APPID", Handles::appid, Handles::appidTable, "AcDbRegAppTableRecord", "ACAD");
    d.EndTable();
    d.Table("DIMSTYLE", Handles::dimstyleTable, 1, "AcDbDimStyleTable");
    Record(d, "DIMSTYLE", Handles::dimstyle, Handles::dimstyleTable, "AcDbDimStyleTableRecord", "Standard", 105);
    d.Real(140, 3.5);  // dimension text as high as other ordinary text
    d.Real(41, 2.5);
    d.EndTable();
    d.Table("BLOCK_RECORD", Handles::blockRecordTable, 2);
    Record(d, "BLOCK_RECORD", Handles::modelRecord, Handles::blockRecordTable, "AcDbBlockTableRecord", "*Model_Space");
    d.Pair(340, HandleText(Handles::modelLayout));
    Record(d, "BLOCK_RECORD", Handles::paperRecord, Handles::blockRecordTable, "AcDbBlockTableRecord", "*Paper_Space");
    d.Pair(340, HandleText(Handles::paperLayout));
    d.EndTable();
}

void Blocks(DxfStream& d) {
    d.Section("BLOCKS");
    auto block = [&](std::uint32_t begin, std::uint32_t end, std::uint32_t record, const char* name, bool paper) {
        EntityHead(d, "BLOCK", begin, record, "0", "AcDbBlockBegin", paper);
        d.Pair(2, name);
        d.Pair(70, 0);
        d.Point(10, {0, 0});
        d.Pair(3, name);
        d.Pair(1, "");
        EntityHead(d, "ENDBLK", end, record, "0", "AcDbBlockEnd", paper);
    };
    block(Handles::modelBlock, Handles::modelEnd, Handles::modelRecord, "*Model_Space", false);
    block(Handles::paperBlock, Handles::paperEnd, Handles::paperRecord, "*Paper_Space", true);
    d.EndSection();
}

void Entities(DxfStream& d, const SheetGeometry& sheet, std::uint32_t& next) {
    d.Section("ENTITIES");
    auto entity = [&](const char* kind, const std::string& layer, const char* subclass) {
        EntityHead(d, kind, next++, Handles::modelRecord, DxfString(layer), subclass);
    };
    for (const Line& l : sheet.lines) {
        entity("LINE", l.layer, "AcDbLine");
        d.Point(10, l.a);
        d.Point(11, l.b);
    }
    for (const Polyline& p : sheet.polylines) {
        entity("LWPOLYLINE", p.layer, "AcDbPolyline");
        d.Pair(90, static_cast<int>(p.points.size()));
        d.Pair(70, p.closed ? 1 : 0);
        for (const Point& v : p.points) d.Point2(10, v);
    }
    // An arc is written as its circle, then the arc's own angles.
    auto circle = [&](const char* kind, const std::string& layer, Point centre, double radius) {
        entity(kind, layer, "AcDbCircle");
        d.Point(10, centre);
        d.Real(40, radius);
    };
    for (const Circle& c : sheet.circles) circle("CIRCLE", c.layer, c.centre, c.radius);
    for (const Arc& a : sheet.arcs) {
        circle("ARC", a.layer, a.centre, a.radius);
        d.Pair(100, "AcDbArc");
        d.Real(50, a.startAngle);
        d.Real(51, a.endAngle);
    }
    for (const Text& t : sheet.texts) {
        entity("TEXT", t.layer, "AcDbText");
        d.Point(10, t.at);
        d.Real(40, t.height);
        d.Pair(1, DxfString(t.text));
        if (t.rotation != 0) d.Real(50, t.rotation);
        d.Real(41, kTextWidthFactor);
        d.Pair(7, kDxfTextStyle);
        if (t.align != HAlign::Left) {
            d.Pair(72, t.align == HAlign::Centre ? 1 : 2);
            d.Point(11, t.at);
        }
        d.Pair(100, "AcDbText");
    }
    d.EndSection();
}

// The root dictionary with the group and layout dictionaries, and the model and paper layouts.
void Objects(DxfStream& d, const SheetGeometry& sheet) {
    d.Section("OBJECTS");
    auto dictionary = [&](std::uint32_t handle, std::uint32_t owner,
                          const std::vector<std::pair<const char*, std::uint32_t>>& entries) {
        d.Pair(0, "DICTIONARY");
        d.Pair(5, HandleText(handle));
        d.Pair(330, HandleText(owner));
        d.Pair(100, "AcDbDictionary");
        d.Pair(281, 1);
        for (const auto& [name, entry] : entries) {
            d.Pair(3, name);
            d.Pair(350, HandleText(entry));
        }
    };
    dictionary(Handles::root, 0, {{"ACAD_GROUP", Handles::groups}, {"ACAD_LAYOUT", Handles::layouts}});
    dictionary(Handles::groups, Handles::root, {});
    dictionary(Handles::layouts, Handles::root, {{"Layout1", Handles::paperLayout}, {"Model", Handles::modelLayout}});
    auto layout = [&](std::uint32_t handle, const char* name, int order, std::uint32_t record) {
        d.Pair(0, "LAYOUT");
        d.Pair(5, HandleText(handle));
        d.Pair(330, HandleText(Handles::layouts));
        d.Pair(100, "AcDbPlotSettings");
        d.Pair(1, "");
        d.Pair(2, "none_device");
        d.Pair(4, "");
        d.Pair(6, "");
        d.Pair(40, "0.0");
        d.Pair(41, "0.0");
        d.Pair(42, "0.0");
        d.Pair(43, "0.0");
        d.Real(44, sheet.width);
        d.Real(45, sheet.height);
        d.Pair(70, 0);
        d.Pair(72, 1);  // millimetres
        d.Pair(100, "AcDbLayout");
        d.Pair(1, name);
        d.Pair(70, 1);
        d.Pair(71, order);
        d.Point2(10, {0, 0});
        d.Point2(11, {sheet.width, sheet.height});
        d.Point(12, {0, 0});
        d.Point(14, {0, 0});
        d.Point(15, {sheet.width, sheet.height});
        d.Real(146, 0);
        d.Point(13, {0, 0});
        d.Point(16, {1, 0});
        d.Point(17, {0, 1});
        d.Pair(76, 0);
        d.Pair(330, HandleText(record));
    };
    layout(Handles::modelLayout, "Model", 0, Handles::modelRecord);
    layout(Handles::paperLayout, "Layout1", 1, Handles::paperRecord);
    d.EndSection();
}

}  // namespace

// Release 2007 (AC1021) and later hold every string as UTF-8, the one encoding that needs no code page. An
// older release would need GBK (right only for a reader that knows ANSI_936) or \U+XXXX escapes (which
// ezdxf, for one, leaves undecoded outside its recover mode); ezdxf, LibreCAD's libdxfrw, the ODA readers
// and AutoCAD since 2007 read UTF-8 of a 2007 file as it is. A line break would end the value, so it
// becomes a blank.
std::string DxfString(const std::string& utf8) {
    std::string out = utf8;
    for (char& c : out)
        if (c == '\n' || c == '\r') c = ' ';
    return out;
}

std::string DxfText(const SheetGeometry& sheet) {
    // The handles of line types, layers and entities, counted first so that the header can name the seed.
    DxfStream tables;
    std::uint32_t next = Handles::first;
    tables.Section("TABLES");
    Viewports(tables, sheet);
    LineTypes(tables, next);
    Layers(tables, sheet, next);
    Styles(tables);
    OtherTables(tables);
    tables.EndSection();
    DxfStream body;
    Blocks(body);
    Entities(body, sheet, next);
    Objects(body, sheet);

    DxfStream d;
    Header(d, sheet, next);
    d.Section("CLASSES");
    d.EndSection();
    body.Pair(0, "EOF");
    return d.str() + tables.str() + body.str();
}

}  // namespace drawhost
