// The bridge layout drawing made from the bridge model of projects the wizard makes: supports where the
// layout puts them, spans, title, columns as long as the model says, continuous girders, divided decks,
// the drafting rules of text heights and scales, and nothing the program decided printed on the sheet.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <stdexcept>

#include "bridge/bridge_model.h"
#include "drawing_render.h"
#include "layout_drawing.h"
#include "platform/dao/database.h"
#include "quantity_table.h"
#include "render_fixture.h"
#include "sheet_scales.h"

namespace {

using drawhost::SheetGeometry;

std::vector<std::string> TextsOn(const SheetGeometry& sheet, const std::string& layer) {
    std::vector<std::string> texts;
    for (const auto& t : sheet.texts)
        if (t.layer == layer) texts.push_back(t.text);
    return texts;
}

bool EndsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

bridge::Bridge ModelOf(const std::string& path) {
    auto db = dao::Database::Open(path, true);
    return bridge::ReadBridge(*db);
}

SheetGeometry Layout(const bridge::Bridge& b, std::vector<std::string>* messages = nullptr,
                     drawhost::DrawingRecord record = {}) {
    std::vector<std::string> ignored;
    drawhost::SheetTexts texts;
    texts.bridge = "示例大桥";
    const auto sheets = drawhost::BridgeLayoutDrawing(b, texts, record, messages ? *messages : ignored);
    EXPECT_EQ(sheets.size(), 1u);
    return sheets.front();
}

// The denominator of the elevation's scale, from its title "立    面  1:600".
int ElevationScale(const SheetGeometry& sheet) {
    for (const auto& t : sheet.texts) {
        std::smatch m;
        if (t.text.rfind("立", 0) == 0 && std::regex_search(t.text, m, std::regex("1:(\\d+)"))) return std::stoi(m[1]);
    }
    return 0;
}

struct LayoutCase {
    const char* name;
    std::vector<std::vector<std::string>> sections;
    std::vector<double> stakes;
    std::vector<std::string> spanDimensions;  // centimetres
};

TEST(BridgeLayoutGeometry, SupportsSpansAndTitleFollowTheLayout) {
    const LayoutCase cases[] = {
        {"three equal spans", {{"装配式简支空心板桥", "3", "20"}}, {1200, 1220, 1240, 1260}, {"2000", "2000", "2000"}},
        {"two sections",
         {{"装配式简支空心板桥", "2", "20"}, {"装配式简支T梁桥", "1", "30"}},
         {1200, 1220, 1240, 1270},
         {"2000", "2000", "3000"}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::TempDir dir;
        const bridge::Bridge b = ModelOf(drawhost_test::MakeProject(dir.file("b.vlt"), {c.sections, true}));
        ASSERT_EQ(b.supports.size(), c.stakes.size());
        const SheetGeometry sheet = Layout(b);
        const std::vector<std::string> texts = TextsOn(sheet, "TEXT");

        // One pier/abutment number per support over the elevation, in station order, at sheet x proportional
        // to the station, each with its support line through it.
        std::vector<const drawhost::Text*> numbers;
        for (const auto& t : sheet.texts)
            if (t.layer == "TEXT" && t.align == drawhost::HAlign::Centre &&
                (EndsWith(t.text, "号台") || EndsWith(t.text, "号墩")))
                numbers.push_back(&t);
        ASSERT_EQ(numbers.size(), c.stakes.size());
        EXPECT_EQ(numbers.front()->text, "0号台");
        EXPECT_EQ(numbers.back()->text, std::to_string(c.stakes.size() - 1) + "号台");
        const double k = (numbers.back()->at.x - numbers.front()->at.x) / (c.stakes.back() - c.stakes.front());
        EXPECT_NEAR(k, 1000.0 / ElevationScale(sheet), 1e-9);
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            EXPECT_NEAR(numbers[i]->at.x - numbers.front()->at.x, (c.stakes[i] - c.stakes.front()) * k, 1e-6);
            const double x = numbers[i]->at.x;
            EXPECT_TRUE(std::any_of(sheet.lines.begin(), sheet.lines.end(),
                                    [&](const drawhost::Line& l) {
                                        return l.layer == "CENTER" && std::abs(l.a.x - x) < 1e-6 &&
                                               std::abs(l.b.x - x) < 1e-6;
                                    }))
                << "no support line at " << c.stakes[i];
            const std::string stake = drawhost::StakeText("K", c.stakes[i]);
            EXPECT_EQ(std::count(texts.begin(), texts.end(), stake), 2)
                << stake << " in the data strip and on the plan";
        }
        std::vector<std::string> dims = TextsOn(sheet, "DIM");
        for (const std::string& d : c.spanDimensions)
            EXPECT_NE(std::find(dims.begin(), dims.end(), d), dims.end()) << d;
        // 桥梁全长 runs from back wall to back wall: the supports' distance and two back walls of 0.4 m.
        const std::string whole = "桥梁全长 " + std::to_string(static_cast<int>(
                                                    std::lround((c.stakes.back() - c.stakes.front() + 0.8) * 100)));
        EXPECT_NE(std::find(dims.begin(), dims.end(), whole), dims.end()) << whole;
        std::vector<std::string> title = TextsOn(sheet, "TITLE");
        EXPECT_NE(std::find(title.begin(), title.end(), "示例大桥"), title.end());

        auto onPaper = [&](drawhost::Point p) {
            return p.x >= 0 && p.y >= 0 && p.x <= sheet.width && p.y <= sheet.height;
        };
        for (const auto& l : sheet.lines) EXPECT_TRUE(onPaper(l.a) && onPaper(l.b)) << l.layer;
        for (const auto& p : sheet.polylines)
            for (const auto& v : p.points) EXPECT_TRUE(onPaper(v)) << p.layer;
        for (const auto& t : sheet.texts) EXPECT_TRUE(onPaper(t.at)) << t.text;
    }
}

// The drafting rules: every text at least 3.5 mm on paper, view titles 5 to 7 mm, every view scale from the
// series; and what the program decided (another scale than the drawing list's) is a message, not a note.
TEST(BridgeLayoutGeometry, TextsAndScalesKeepTheDraftingRules) {
    testing_support::TempDir dir;
    const bridge::Bridge b = ModelOf(drawhost_test::MakeProject(dir.file("d.vlt")));
    drawhost::DrawingRecord record;
    record.scale = 100;  // far too large for 60 m on A3
    std::vector<std::string> messages;
    const SheetGeometry sheet = Layout(b, &messages, record);
    int titles = 0;
    for (const auto& t : sheet.texts) {
        EXPECT_GE(t.height, 3.5 - 1e-9) << t.text;
        std::smatch m;
        if (!std::regex_search(t.text, m, std::regex("1:(\\d+)")) || t.layer == "TITLE") continue;
        ++titles;
        EXPECT_TRUE(drawhost::InScaleSeries(std::stoi(m[1]))) << t.text;
        EXPECT_GE(t.height, 5 - 1e-9) << t.text;
        EXPECT_LE(t.height, 7 + 1e-9) << t.text;
    }
    EXPECT_EQ(titles, 3) << "elevation, plan and cross-section each carry their scale";
    ASSERT_FALSE(messages.empty());
    EXPECT_NE(messages.back().find("1:100"), std::string::npos) << messages.back();
    for (const auto& t : sheet.texts) EXPECT_EQ(t.text.find("1:100"), std::string::npos) << t.text;
}

// Where the scale turns: the record's scale while everything fits at it, the next one of the series when
// not, and none past the smallest the series has.
TEST(BridgeLayoutGeometry, TheLayoutScaleTurnsWhereTheViewNoLongerFits) {
    const struct {
        double record, needed;
        int scale;
    } cases[] = {
        {100, 99.9, 100}, {100, 100.1, 150}, {250, 180, 250}, {750, 300, 300},  // 1:750 is not in the series
        {0, 601, 1000},   {600, 600, 600},   {0, 2000, 2000}, {100, 2000.5, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(drawhost::LayoutScale(c.record, c.needed), c.scale) << c.record << " " << c.needed;
}

// Each column's length in the elevation is the model's (the member tables' or the proposal's) within
// 0.5 mm on paper.
TEST(BridgeLayoutGeometry, ColumnsInTheElevationAreAsLongAsTheModelSays) {
    testing_support::TempDir dir;
    const bridge::Bridge b = ModelOf(drawhost_test::MakeProject(dir.file("c.vlt")));
    const SheetGeometry sheet = Layout(b);
    const double k = 1000.0 / ElevationScale(sheet);
    for (const bridge::Support& s : b.supports) {
        if (s.chain.bodyLength <= 0) continue;
        const double along = s.bodyAlong > 0 ? s.bodyAlong : 1.2;
        const bool found = std::any_of(
            sheet.polylines.begin(), sheet.polylines.end(), [&](const drawhost::Polyline& p) {
                if (p.layer != "SUPPORT" || p.points.size() != 4) return false;
                const double w = std::abs(p.points[1].x - p.points[0].x) + std::abs(p.points[2].x - p.points[1].x);
                const double h = std::abs(p.points[1].y - p.points[0].y) + std::abs(p.points[2].y - p.points[1].y);
                return std::abs(w - along * k) < 0.05 && std::abs(h - s.chain.bodyLength * k) < 0.5;
            });
        EXPECT_TRUE(found) << "support " << s.index << " column of " << s.chain.bodyLength << " m";
    }
}

// A continuous unit's girder is one outline across its piers; a divided bridge shows both decks in plan.
TEST(BridgeLayoutGeometry, GirdersFollowTheUnitsAndThePlanShowsEveryDeck) {
    testing_support::TempDir dir;
    const bridge::Bridge simple = ModelOf(drawhost_test::MakeProject(dir.file("s.vlt")));
    auto closedOn = [](const SheetGeometry& sheet, const std::string& layer) {
        return std::count_if(sheet.polylines.begin(), sheet.polylines.end(),
                             [&](const drawhost::Polyline& p) { return p.layer == layer && p.closed; });
    };
    auto openOn = [](const SheetGeometry& sheet, const std::string& layer) {
        return std::count_if(sheet.polylines.begin(), sheet.polylines.end(),
                             [&](const drawhost::Polyline& p) { return p.layer == layer && !p.closed; });
    };
    const SheetGeometry simpleSheet = Layout(simple);
    ASSERT_EQ(simple.spans.size(), 3u);

    bridge::Bridge continuous = simple;
    continuous.units = {{{0, 1, 2}, simple.spans[0].structureType, true, false}};
    const SheetGeometry continuousSheet = Layout(continuous);
    // Three simple spans are three girders; one unit of three spans is one. The cross-section's girders
    // (closed outlines too) are the same in both.
    EXPECT_EQ(closedOn(simpleSheet, "DECK") - closedOn(continuousSheet, "DECK"), 2);

    bridge::Bridge divided = simple;
    const double width = simple.decks.front().width;
    divided.decks = {{bridge::DeckSide::Left, width / 2, -width / 4 - 1, true},
                     {bridge::DeckSide::Right, width / 2, width / 4 + 1, false}};
    const SheetGeometry dividedSheet = Layout(divided);
    EXPECT_EQ(openOn(dividedSheet, "DECK") - openOn(simpleSheet, "DECK"), 2) << "two more deck edges in plan";
}

TEST(BridgeLayoutGeometry, UnreadableProjectsFailWithTheirName) {
    testing_support::TempDir dir;
    const std::string garbage = dir.file("garbage.vlt");
    testing_support::WriteBytes(garbage, "this is not a project database at all, just some text");
    const struct {
        std::string path, says;
    } cases[] = {{garbage, "不能读取项目文件“" + garbage + "”"}, {dir.file("none.vlt"), "不存在"}};
    for (const auto& c : cases) {
        try {
            drawhost::RenderDrawing(c.path, "桥型布置图", "桥型布置图", "Draw1", dir.path().string());
            ADD_FAILURE() << c.path << " rendered";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
        EXPECT_FALSE(std::filesystem::exists(dir.file("Draw1.dxf")));
    }
}

// A value of the drawing's own record that is no number is not drawn around: the drawing stops and says
// which table and field hold it, and writes no file.
TEST(BridgeLayoutGeometry, AScaleThatIsNoNumberStopsTheDrawingNamingItsTable) {
    testing_support::TempDir dir;
    const std::string project = drawhost_test::MakeProject(dir.file("scale.vlt"));
    dao::Database::Open(project)->Execute("UPDATE [图形布置信息表] SET TotalScale = '一百'");
    try {
        drawhost::RenderDrawing(project, "桥型布置图", "桥型布置图", "Draw1", dir.path().string());
        ADD_FAILURE() << "rendered";
    } catch (const std::runtime_error& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("图形布置信息表"), std::string::npos) << what;
        EXPECT_NE(what.find("TotalScale"), std::string::npos) << what;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("Draw1.dxf")));
}

}  // namespace

namespace {

// A bridge too long for one sheet at 1:1000 goes on over numbered sheets: each sheet at 1:1000 or larger,
// each titled "第n张 共m张", consecutive sheets sharing the support where one ends and the next begins, the
// last sheet ending at the end abutment, and the cross-section and notes only on the first.
TEST(BridgeLayoutGeometry, ALongBridgeContinuesOnNumberedSheets) {
    testing_support::TempDir dir;
    const bridge::Bridge b = ModelOf(
        drawhost_test::MakeProject(dir.file("long.vlt"), {{{"装配式简支空心板桥", "40", "20"}}, true}));
    ASSERT_EQ(b.supports.size(), 41u);
    std::vector<std::string> messages;
    const auto sheets = drawhost::BridgeLayoutDrawing(b, {}, {}, messages);
    ASSERT_GT(sheets.size(), 1u);
    ASSERT_FALSE(messages.empty());
    EXPECT_NE(messages.back().find(std::to_string(sheets.size()) + " 张"), std::string::npos) << messages.back();

    std::vector<std::vector<std::string>> numbersBySheet;
    for (std::size_t k = 0; k < sheets.size(); ++k) {
        SCOPED_TRACE(k + 1);
        const SheetGeometry& sheet = sheets[k];
        const std::vector<std::string> title = TextsOn(sheet, "TITLE");
        const std::string place = "第" + std::to_string(k + 1) + "张 共" + std::to_string(sheets.size()) + "张";
        EXPECT_NE(std::find(title.begin(), title.end(), place), title.end()) << place;
        const int scale = ElevationScale(sheet);
        EXPECT_TRUE(drawhost::InScaleSeries(scale)) << scale;
        EXPECT_LE(scale, 1000);
        std::vector<std::string> numbers;
        for (const auto& t : sheet.texts)
            if (t.layer == "TEXT" && t.align == drawhost::HAlign::Centre &&
                (EndsWith(t.text, "号台") || EndsWith(t.text, "号墩")))
                numbers.push_back(t.text);
        numbersBySheet.push_back(numbers);
        const auto notes = TextsOn(sheet, "NOTE");
        EXPECT_EQ(notes.empty(), k > 0);
        // Everything lies on the paper.
        for (const auto& p : sheet.polylines)
            for (const auto& v : p.points) EXPECT_TRUE(v.x >= 0 && v.x <= sheet.width && v.y >= 0) << p.layer;
    }
    EXPECT_EQ(numbersBySheet.front().front(), "0号台");
    EXPECT_EQ(numbersBySheet.back().back(), "40号台");
    std::size_t shown = 0;
    for (std::size_t k = 0; k + 1 < numbersBySheet.size(); ++k) {
        EXPECT_EQ(numbersBySheet[k].back(), numbersBySheet[k + 1].front()) << "the cut support on both sheets";
        shown += numbersBySheet[k].size() - 1;
    }
    EXPECT_EQ(shown + numbersBySheet.back().size(), 41u) << "every support once, the cut ones twice";
}

}  // namespace

namespace {

// The quantity table sums the concrete of each member kind over the whole bridge, the superstructure first
// whatever order the solids come in, and ends with the total; earth fill stays out.
TEST(BridgeLayoutGeometry, QuantityTableSumsTheConcreteByMemberKind) {
    bridge::Bridge b;
    auto solid = [](const char* member, int support, int span, double volume) {
        bridge::Solid s;
        s.member = member;
        s.support = support;
        s.span = span;
        s.volume = volume;
        return s;
    };
    // Two columns of 1.2 m diameter and 8.0 m: π/4 × 1.44 × 8.0 = 9.048 m³ each.
    b.solids = {solid("墩柱", 1, -1, 9.048), solid("主梁", -1, 0, 180.5), solid("墩柱", 1, -1, 9.048),
                solid("桩", 1, -1, 33.93),   solid("主梁", -1, 1, 180.5), solid("锥坡", 0, -1, 500)};
    // The cone slope is earth fill: not in the concrete table.
    const auto rows = drawhost::ConcreteByMember(b);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].first, "主梁");
    EXPECT_NEAR(rows[0].second, 361.0, 1e-9);
    EXPECT_EQ(rows[1].first, "墩柱");
    EXPECT_NEAR(rows[1].second, 18.096, 1e-9);
    EXPECT_EQ(rows[2].first, "桩");
    EXPECT_EQ(rows[3].first, "合计");
    EXPECT_NEAR(rows[3].second, 361.0 + 18.096 + 33.93, 1e-9);
    EXPECT_TRUE(drawhost::ConcreteByMember(bridge::Bridge{}).empty()) << "no table without members";
}

}  // namespace
