// The two files a drawing is written as: a DXF that reads as group-code pairs with balanced sections and
// the same entities as the SVG, and an SVG that is well-formed XML.
#include <gtest/gtest.h>

#include <QXmlStreamReader>
#include <cstdlib>
#include <map>
#include <sstream>

#include "drawing_render.h"
#include "render_fixture.h"

namespace {

struct Pair {
    int code;
    std::string value;
};

// The DXF as group-code pairs; a code line that is not an integer fails the test.
std::vector<Pair> Pairs(const std::string& dxf) {
    std::vector<std::string> lines;
    std::istringstream in(dxf);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    EXPECT_EQ(lines.size() % 2, 0u);
    std::vector<Pair> pairs;
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        char* end = nullptr;
        const long code = std::strtol(lines[i].c_str(), &end, 10);
        EXPECT_TRUE(!lines[i].empty() && *end == '\0') << "line " << i + 1 << ": " << lines[i];
        pairs.push_back({static_cast<int>(code), lines[i + 1]});
    }
    return pairs;
}

// How many elements of each name the SVG holds; empty when it is not well-formed.
std::map<std::string, int> SvgElements(const std::string& svg) {
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    std::map<std::string, int> count;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement) ++count[xml.name().toString().toStdString()];
    if (xml.hasError()) {
        ADD_FAILURE() << xml.errorString().toStdString() << " at line " << xml.lineNumber();
        return {};
    }
    return count;
}

class DrawingFiles : public testing::Test {
protected:
    void SetUp() override { project_ = drawhost_test::MakeProject(dir_.file("sample.vlt")); }

    // Renders into the test folder, and also into $VELTRA_SHOTS when it is set, for looking at.
    drawhost::RenderedDrawing Render(const std::string& kind, const std::string& title, const std::string& base) {
        if (const char* shots = std::getenv("VELTRA_SHOTS"))
            drawhost::RenderDrawing(project_, kind, title, base, shots);
        return drawhost::RenderDrawing(project_, kind, title, base, dir_.path().string());
    }

    testing_support::TempDir dir_;
    std::string project_;
};

TEST_F(DrawingFiles, DxfAndSvgHoldTheSameDrawing) {
    const struct {
        std::string kind, title, base;
    } cases[] = {{"桥型布置图", "桥型布置图", "Draw1"},
                 {"上构一般构造图", "空心板一般构造图(1,2,3跨)", "Draw2"},
                 {"参数化钢筋图", "帽梁钢筋图", "Draw5"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        const drawhost::RenderedDrawing files = Render(c.kind, c.title, c.base);
        EXPECT_EQ(files.dxfPath, dir_.file(c.base + ".dxf"));
        EXPECT_EQ(files.svgPath, dir_.file(c.base + ".svg"));
        const std::vector<Pair> pairs = Pairs(testing_support::ReadBytes(files.dxfPath));
        ASSERT_GT(pairs.size(), 10u);

        // Sections open and close in turn, each named; the file ends with EOF.
        int open = 0;
        std::vector<std::string> sections;
        std::map<std::string, int> entities;
        std::vector<std::string> layers, usedLayers, texts;
        std::string header, current;
        int unitsSet = 0;
        for (std::size_t i = 0; i < pairs.size(); ++i) {
            const Pair& p = pairs[i];
            if (p.code == 0 && p.value == "SECTION") {
                EXPECT_EQ(open, 0);
                ++open;
                ASSERT_LT(i + 1, pairs.size());
                EXPECT_EQ(pairs[i + 1].code, 2);
                sections.push_back(pairs[i + 1].value);
            } else if (p.code == 0 && p.value == "ENDSEC") {
                EXPECT_EQ(open, 1);
                --open;
            } else if (p.code == 0) {
                current = p.value;
                if (!sections.empty() && sections.back() == "ENTITIES") ++entities[p.value];
            } else if (p.code == 9) {
                header = p.value;
            } else if (header == "$ACADVER" && p.code == 1) {
                EXPECT_EQ(p.value, "AC1021");
                header.clear();
            } else if (header == "$INSUNITS" && p.code == 70) {
                EXPECT_EQ(p.value, "4") << "millimetres";
                ++unitsSet;
                header.clear();
            } else if (header == "$DWGCODEPAGE" && p.code == 3) {
                EXPECT_EQ(p.value, "ANSI_936");
                header.clear();
            } else if (current == "LAYER" && p.code == 2) {
                layers.push_back(p.value);
            } else if (p.code == 8) {
                usedLayers.push_back(p.value);
            } else if (current == "TEXT" && p.code == 1) {
                texts.push_back(p.value);
            }
        }
        EXPECT_EQ(open, 0);
        EXPECT_EQ(unitsSet, 1);
        EXPECT_EQ(sections, (std::vector<std::string>{"HEADER", "CLASSES", "TABLES", "BLOCKS", "ENTITIES", "OBJECTS"}));
        EXPECT_EQ(pairs.back().code, 0);
        EXPECT_EQ(pairs.back().value, "EOF");
        for (const std::string& layer : usedLayers)
            EXPECT_NE(std::find(layers.begin(), layers.end(), layer), layers.end()) << "layer " << layer;
        EXPECT_NE(std::find(texts.begin(), texts.end(), c.title), texts.end());
        EXPECT_NE(std::find(texts.begin(), texts.end(), "示例大桥"), texts.end());

        const std::map<std::string, int> svg = SvgElements(testing_support::ReadBytes(files.svgPath));
        auto in = [&svg](const char* name) { return svg.count(name) ? svg.at(name) : 0; };
        EXPECT_EQ(in("svg"), 1);
        EXPECT_EQ(in("line"), entities["LINE"]);
        EXPECT_EQ(in("polyline") + in("polygon"), entities["LWPOLYLINE"]);
        EXPECT_EQ(in("circle"), entities["CIRCLE"]);
        EXPECT_EQ(in("path"), entities["ARC"]);
        EXPECT_EQ(in("text"), entities["TEXT"]);
    }
}

TEST_F(DrawingFiles, TextsNeedingEscapesStayWellFormed) {
    // A title the user typed with XML's special characters.
    const drawhost::RenderedDrawing files = Render("下构一般构造图", "桥墩<1>&\"2\"号", "Draw9");
    const std::string svg = testing_support::ReadBytes(files.svgPath);
    EXPECT_FALSE(SvgElements(svg).empty());
    EXPECT_NE(svg.find("桥墩&lt;1&gt;&amp;&quot;2&quot;号"), std::string::npos);
}

}  // namespace
