// The bridge layout drawing's geometry for projects made by the wizard: supports where the layout puts them,
// spans, title, member sizes from the member tables, and a sheet drawn from defaults where data is missing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

#include "bridge_data.h"
#include "drawing_render.h"
#include "layout_drawing.h"
#include "platform/dao/database.h"
#include "platform/dao/recordset.h"
#include "projectdb/schema.h"
#include "render_fixture.h"

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

SheetGeometry Layout(const drawhost::BridgeData& data) {
    return drawhost::BridgeLayoutDrawing(data, drawhost::DrawingRecord{});
}

struct LayoutCase {
    const char* name;
    std::vector<std::vector<std::string>> sections;
    std::vector<double> stakes;
    std::vector<std::string> spanDimensions;  // centimetres, the whole length last
};

TEST(BridgeLayoutGeometry, SupportsSpansAndTitleFollowTheLayout) {
    const LayoutCase cases[] = {
        {"three equal spans",
         {{"装配式简支空心板桥", "3", "20"}},
         {1200, 1220, 1240, 1260},
         {"2000", "2000", "2000", "6000"}},
        {"two sections",
         {{"装配式简支空心板桥", "2", "20"}, {"装配式简支T梁桥", "1", "30"}},
         {1200, 1220, 1240, 1270},
         {"2000", "2000", "3000", "7000"}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        testing_support::TempDir dir;
        auto db = dao::Database::Open(drawhost_test::MakeProject(dir.file("b.vlt"), {c.sections, true}), true);
        const drawhost::BridgeData data = drawhost::ReadBridgeData(*db);
        ASSERT_EQ(data.supports.size(), c.stakes.size());
        EXPECT_EQ(data.spans.size(), c.stakes.size() - 1);
        const SheetGeometry sheet = Layout(data);
        const std::vector<std::string> texts = TextsOn(sheet, "TEXT");

        // One pier/abutment number per support, in stake order, at sheet x proportional to the stake, each
        // with its support line through it.
        std::vector<const drawhost::Text*> numbers;
        for (const auto& t : sheet.texts)
            if (t.layer == "TEXT" && (EndsWith(t.text, "号台") || EndsWith(t.text, "号墩"))) numbers.push_back(&t);
        ASSERT_EQ(numbers.size(), c.stakes.size());
        EXPECT_EQ(numbers.front()->text, "0号台");
        EXPECT_EQ(numbers.back()->text, std::to_string(c.stakes.size() - 1) + "号台");
        const double k = (numbers.back()->at.x - numbers.front()->at.x) / (c.stakes.back() - c.stakes.front());
        EXPECT_GT(k, 0);
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
        // The vertical curve over the bridge, with its elements worked out from the turning points.
        std::string notes;
        for (const std::string& t : TextsOn(sheet, "NOTE")) notes += t;
        EXPECT_NE(
            notes.find("变坡点 K1+230.000，高程 103.500m，R=15000m，T=183.575m，E=1.123m，纵坡 +1.522% / -0.926%"),
            std::string::npos)
            << notes;
        std::vector<std::string> title = TextsOn(sheet, "TITLE");
        for (const char* expected : {"示例大桥", "桥型布置图", "Veltra示例设计院", "示例高速公路"})
            EXPECT_NE(std::find(title.begin(), title.end(), expected), title.end()) << expected;

        // Everything lies on the paper.
        auto onPaper = [&](drawhost::Point p) {
            return p.x >= 0 && p.y >= 0 && p.x <= sheet.width && p.y <= sheet.height;
        };
        for (const auto& l : sheet.lines) EXPECT_TRUE(onPaper(l.a) && onPaper(l.b)) << l.layer;
        for (const auto& p : sheet.polylines)
            for (const auto& v : p.points) EXPECT_TRUE(onPaper(v)) << p.layer;
        for (const auto& t : sheet.texts) EXPECT_TRUE(onPaper(t.at)) << t.text;
    }
}

// Creates a member table with the fields the system names and adds records of field values.
void AddMemberRecords(dao::Database& db, const std::string& table,
                      const std::vector<std::map<std::string, dao::Value>>& records) {
    db.CreateTableDef(projectdb::FindTableSchema(table)->ToTableDef());
    dao::Recordset set(db);
    set.Open(table);
    for (const auto& record : records) {
        set.AddNew();
        for (const auto& [field, value] : record) set.SetFieldValue(field, value);
        set.Update();
    }
}

TEST(BridgeLayoutGeometry, MemberTablesSizeTheMembersInEitherUnit) {
    testing_support::TempDir dir;
    const std::string path = drawhost_test::MakeProject(dir.file("m.vlt"));
    {
        auto db = dao::Database::Open(path);
        using dao::Value;
        // Centimetres as the design modules write them, and metres, which a size too small for centimetres is.
        AddMemberRecords(*db, "圆形截面柱式墩身信息表",
                         {{{"PierAbutmentNum", Value::Long(1)},
                           {"PierColumnNum", Value::Long(3)},
                           {"SectionDiameter", Value::Double(150)},
                           {"SpaceBetween", Value::Double(500)}}});
        AddMemberRecords(*db, "单排桩基础信息表",
                         {{{"PierAbutmentNum", Value::Long(1)},
                           {"PileNum", Value::Long(3)},
                           {"PileDiameter", Value::Double(1.8)},
                           {"PileLength", Value::Double(3200)},
                           {"SpaceBetween", Value::Double(5)}}});
        AddMemberRecords(*db, "空心板布置信息表",
                         {{{"SlabInWhichSpan", Value::Long(2)}, {"InsideSlabType", Value::Text("中板A")}}});
        AddMemberRecords(*db, "中板尺寸信息表", {{{"SlabType", Value::Text("中板A")}, {"Height", Value::Double(85)}}});
    }
    auto db = dao::Database::Open(path, true);
    const drawhost::BridgeData data = drawhost::ReadBridgeData(*db);
    ASSERT_EQ(data.supports.size(), 4u);
    const drawhost::Support& sized = data.supports[1];
    EXPECT_EQ(sized.body.count, 3);
    EXPECT_DOUBLE_EQ(sized.body.along, 1.5);
    EXPECT_DOUBLE_EQ(sized.body.spacing, 5.0);
    EXPECT_EQ(sized.foundation.countAcross, 3);
    EXPECT_DOUBLE_EQ(sized.foundation.diameter, 1.8);
    EXPECT_DOUBLE_EQ(sized.foundation.length, 32.0);
    EXPECT_DOUBLE_EQ(data.spans[1].depth, 0.85);
    // Pier 2 and spans 1 and 3 have no record: they keep the common sizes, and the sheet says which tables
    // lacked some.
    EXPECT_DOUBLE_EQ(data.supports[2].foundation.diameter, 1.5);
    EXPECT_DOUBLE_EQ(data.supports[2].foundation.length, 25.0);
    EXPECT_NE(std::find(data.notes.begin(), data.notes.end(),
                        "“空心板布置信息表”、“圆形截面柱式墩身信息表”、“单排桩基础信息表”中缺少部分构件的尺寸，这些构件"
                        "按常用尺寸绘制。"),
              data.notes.end());
    // The deck-to-cap drop the layout holds (110 cm) is used as it is.
    EXPECT_DOUBLE_EQ(sized.deckToCap, 1.1);
}

TEST(BridgeLayoutGeometry, MissingRouteDataIsDrawnFromDefaultsAndNoted) {
    testing_support::TempDir dir;
    auto db = dao::Database::Open(
        drawhost_test::MakeProject(dir.file("n.vlt"), {{{"装配式简支T梁桥", "2", "30"}}, false}), true);
    const drawhost::BridgeData data = drawhost::ReadBridgeData(*db);
    ASSERT_EQ(data.supports.size(), 3u);
    ASSERT_FALSE(data.ground.empty());
    // The supports still stand between a deck and a ground: the deck lies above the ground everywhere.
    for (const auto& s : data.supports) EXPECT_GT(data.deckElevation(s.stake), data.GroundElevation(s.stake) + 3);

    const SheetGeometry sheet = Layout(data);
    std::string notes;
    for (const std::string& t : TextsOn(sheet, "NOTE")) notes += t;
    for (const char* missing : {"没有竖曲线资料", "没有地面线资料", "“①类帽梁信息表”"})
        EXPECT_NE(notes.find(missing), std::string::npos) << missing;
    EXPECT_TRUE(std::any_of(sheet.polylines.begin(), sheet.polylines.end(),
                            [](const drawhost::Polyline& p) { return p.layer == "GROUND"; }));
}

TEST(BridgeLayoutGeometry, PlanShowsTheDeckWidthAndEachSupportAtItsSkew) {
    testing_support::TempDir dir;
    const std::string path = drawhost_test::MakeProject(dir.file("s.vlt"));
    const double skews[] = {90, 60, 75, 120};
    {
        auto db = dao::Database::Open(path);
        dao::Recordset set(*db);
        set.Open("Select * From [下构布置信息表] Order By [PierAbutNum]");
        for (double skew : skews) {
            set.Edit();
            set.SetFieldValue("PierAbutAngle", dao::Value::Double(skew));
            set.Update();
            set.MoveNext();
        }
    }
    auto db = dao::Database::Open(path, true);
    const drawhost::BridgeData data = drawhost::ReadBridgeData(*db);
    const SheetGeometry sheet = Layout(data);
    double first = 0, last = 0;
    for (const auto& t : sheet.texts) {
        if (t.text == "0号台") first = t.at.x;
        if (t.text == "3号台") last = t.at.x;
    }
    const double k = (last - first) / 60;  // sheet millimetres per metre
    ASSERT_GT(k, 0);

    // The deck edges lie the deck width apart, the centre line halfway between them.
    std::vector<double> edges;
    for (const auto& l : sheet.lines)
        if (l.layer == "DECK" && std::abs(l.a.y - l.b.y) < 1e-9 && l.b.x - l.a.x > 30 * k) edges.push_back(l.a.y);
    ASSERT_EQ(edges.size(), 2u);
    EXPECT_NEAR(std::abs(edges[0] - edges[1]), 25 * k, 1e-6);

    // Each support line of the plan passes through its stake on the centre line at its skew angle to it; a
    // line on the right of the route (below the centre line) lies ahead in stake for an acute angle.
    const double centreY = (edges[0] + edges[1]) / 2;
    for (std::size_t i = 0; i < 4; ++i) {
        const double x = first + 20 * i * k;
        bool found = false;
        for (const auto& l : sheet.lines) {
            if (l.layer != "CENTER" || std::abs(l.a.y - l.b.y) < 1e-9) continue;
            const drawhost::Point top = l.a.y > l.b.y ? l.a : l.b, bottom = l.a.y > l.b.y ? l.b : l.a;
            if (top.y < centreY || bottom.y > centreY) continue;
            const double atCentre = top.x + (bottom.x - top.x) * (top.y - centreY) / (top.y - bottom.y);
            if (std::abs(atCentre - x) > 1e-6) continue;
            const double angle = std::atan2(top.y - bottom.y, top.x - bottom.x) * 180 / std::acos(-1.0);
            EXPECT_NEAR(angle, 180 - skews[i], 1e-6) << "support " << i;
            found = true;
        }
        EXPECT_TRUE(found) << "support " << i;
    }
}

TEST(BridgeLayoutGeometry, AProjectWithoutSpansGivesASheetThatSaysSo) {
    testing_support::TempDir dir;
    dao::Database::Create(dir.file("empty.vlt"))->Close();
    drawhost::RenderDrawing(dir.file("empty.vlt"), "桥型布置图", "桥型布置图", "Draw1", dir.path().string());
    auto db = dao::Database::Open(dir.file("empty.vlt"), true);
    std::string notes;
    for (const std::string& t : TextsOn(Layout(drawhost::ReadBridgeData(*db)), "NOTE")) notes += t;
    EXPECT_NE(notes.find("没有桥跨布置"), std::string::npos) << notes;
    EXPECT_TRUE(std::filesystem::exists(dir.file("Draw1.svg")));
}

TEST(BridgeLayoutGeometry, ABadRouteTableFailsOnlyWhereTheDrawingNeedsIt) {
    const struct {
        const char* table;
        const char* field;
        bool drawn;
    } cases[] = {{"平曲线资料表", "StartPointX", true}, {"竖曲线资料表", "TurnPointElev", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.table);
        testing_support::TempDir dir;
        const std::string path = drawhost_test::MakeProject(dir.file("r.vlt"));
        dao::Database::Open(path)->Execute(std::string("Update [") + c.table + "] Set [" + c.field + "] = 'abc'");
        try {
            drawhost::RenderDrawing(path, "桥型布置图", "桥型布置图", "Draw1", dir.path().string());
            EXPECT_TRUE(c.drawn);
            auto db = dao::Database::Open(path, true);
            const auto notes = drawhost::ReadBridgeData(*db).notes;
            EXPECT_TRUE(std::any_of(notes.begin(), notes.end(), [&](const std::string& n) {
                return n.find(c.table) != std::string::npos && n.find("不是数值") != std::string::npos;
            }));
        } catch (const std::runtime_error& e) {
            EXPECT_FALSE(c.drawn) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.table), std::string::npos) << e.what();
        }
    }
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

}  // namespace
