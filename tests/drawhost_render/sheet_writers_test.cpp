// The pieces under the drawing: the DXF and SVG writers on a hand-made sheet (y up on the sheet, down in
// SVG; arcs counter-clockwise; text alignment), stake texts, member units, scales and text wrapping.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "sheet_texts.h"
#include "dxf_writer.h"
#include "layout_drawing.h"
#include "sheet_painter.h"
#include "svg_writer.h"
#include "text_wrap.h"

namespace {

using namespace drawhost;

// The group-code pairs of one entity kind, each entity as code → value (the last value of a code wins).
std::vector<std::map<int, std::string>> EntitiesOf(const std::string& dxf, const std::string& kind) {
    std::istringstream in(dxf);
    std::vector<std::map<int, std::string>> found;
    bool inside = false;
    for (std::string code, value; std::getline(in, code) && std::getline(in, value);) {
        if (code == "0") {
            inside = value == kind;
            if (inside) found.emplace_back();
        } else if (inside) {
            found.back()[std::stoi(code)] = value;
        }
    }
    return found;
}

SheetGeometry HandMadeSheet() {
    SheetGeometry sheet;
    sheet.width = 200;
    sheet.height = 100;
    SheetPainter p(sheet);
    p.AddLayer("CENTER", 1, LineStyle::Center, 0.13);
    p.AddLayer("TEXT", 7);
    p.UseLayer("CENTER");
    p.Line({10, 0}, {10, 30});
    p.Rect({20, 20}, {40, 30});
    p.Arc({100, 50}, 10, 0, 90);
    p.UseLayer("TEXT");
    p.Text({50, 60}, 5, "桥名", HAlign::Centre);
    p.Text({60, 70}, 3, "K1+230.000", HAlign::Right, 90);
    return sheet;
}

TEST(SheetWriters, DxfKeepsSheetCoordinatesLayersAndAlignment) {
    const std::string dxf = DxfText(HandMadeSheet());
    const auto lines = EntitiesOf(dxf, "LINE");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].at(8), "CENTER");
    EXPECT_EQ(lines[0].at(21), "30.000000");
    const auto layers = EntitiesOf(dxf, "LAYER");
    ASSERT_EQ(layers.size(), 3u);  // "0" and the sheet's two
    EXPECT_EQ(layers[1].at(2), "CENTER");
    EXPECT_EQ(layers[1].at(62), "1");
    EXPECT_EQ(layers[1].at(6), "CENTER");
    EXPECT_EQ(layers[1].at(370), "13") << "the layer's pen of 0.13 mm";
    const auto polylines = EntitiesOf(dxf, "LWPOLYLINE");
    ASSERT_EQ(polylines.size(), 1u);
    EXPECT_EQ(polylines[0].at(70), "1");  // closed
    EXPECT_EQ(polylines[0].at(90), "4");
    const auto arcs = EntitiesOf(dxf, "ARC");
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].at(50), "0.000000");
    EXPECT_EQ(arcs[0].at(51), "90.000000");

    const auto texts = EntitiesOf(dxf, "TEXT");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].at(1), "桥名");
    EXPECT_EQ(texts[0].at(72), "1");
    EXPECT_EQ(texts[0].at(11), "50.000000");
    EXPECT_EQ(texts[1].at(72), "2");
    EXPECT_EQ(texts[1].at(50), "90.000000");
}

TEST(SheetWriters, SvgTurnsTheSheetUpsideDownOnce) {
    const std::string svg = SvgText(HandMadeSheet());
    EXPECT_NE(svg.find("viewBox=\"0 0 200 100\""), std::string::npos);
    // y = 0 on the sheet is the bottom of the picture.
    EXPECT_NE(svg.find("<line x1=\"10\" y1=\"100\" x2=\"10\" y2=\"70\"/>"), std::string::npos);
    EXPECT_NE(svg.find("<polygon points=\"20,80 40,80 40,70 20,70\"/>"), std::string::npos);
    // The quarter arc from east to north: from (110, 50) to (100, 60) on the sheet, drawn as a small arc
    // turning counter-clockwise on the sheet, which is clockwise-negative (sweep 0) in the picture.
    EXPECT_NE(svg.find("<path d=\"M 110,50 A 10 10 0 0 0 100,40\"/>"), std::string::npos);
    EXPECT_NE(svg.find("text-anchor=\"middle\">桥名</text>"), std::string::npos);
    EXPECT_NE(svg.find("transform=\"rotate(-90 60 30)\""), std::string::npos);
    EXPECT_NE(svg.find("stroke-dasharray"), std::string::npos);
}

TEST(LayoutPieces, StakesAndWrapping) {
    const struct {
        std::string mark;
        double stake;
        const char* text;
    } stakes[] = {{"K", 1230, "K1+230.000"},
                  {"K", 5.5, "K0+005.500"},
                  {"K", 1999.9996, "K2+000.000"},  // rounding carries into the kilometre
                  {"AK", 12345.678, "AK12+345.678"}};
    for (const auto& s : stakes) EXPECT_EQ(StakeText(s.mark, s.stake), s.text);

    const std::string text = "桥梁中心桩号 K1+230.000，桥中心交角 90°。项目中没有“①类帽梁信息表”。";
    const auto lines = WrapText(text, 2.5, 30);
    EXPECT_GT(lines.size(), 1u);
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_LE(TextWidth(line, 2.5), 30 + 1e-9) << line;
        joined += line;
    }
    EXPECT_EQ(joined, text);  // nothing lost, no character cut in two
    // A character wider than the column still goes on a line of its own.
    EXPECT_EQ(WrapText("桥", 10, 1), std::vector<std::string>{"桥"});
}

}  // namespace
