// The PierAbut module: every support gets the records of exactly the member types its layout names, with
// sizes from the layout; records already there stay; the interface files find what they read.
#include <optional>

#include "exchange/interface_writer.h"
#include "girder_fixture.h"
#include "projectdb/schema.h"

namespace {

using namespace girder_test;

// Seven supports naming every kind of member, "无" among them, on the mixed deck.
const Rows kSupports = {
    {"1000", "2类台帽", "U型桥台台身", "无", "U台扩大基础(台阶形)", "100", "150", "90", "2"},
    {"1016", "1类墩帽", "圆形截面柱式墩身", "系梁", "单排桩基础", "100", "110", "90", "2"},
    {"1032", "无", "矩形截面实体式墩身", "无", "台阶形扩大基础", "100", "110", "60", "2"},
    {"1062", "3类墩帽", "矩形截面柱式墩身", "1类承台", "多排桩基础", "100", "110", "90", "2"},
    {"1092", "2类墩帽", "多边形截面薄壁墩身", "桩帽", "沉井基础", "100", "110", "90", "2"},
    {"1122", "1类墩帽", "尖端形截面实体式墩身", "2类承台", "梅花形桩基础", "100", "110", "90", "2"},
    {"1152", "1类台帽", "肋板式台身", "1类承台", "梯形扩大基础", "100", "130", "90", "2"},
};

class PierAbutTest : public DesignFixture {
protected:
    PierAbutTest() { db = MakeMixedDeck(dir.file("p.vlt"), kSupports); }
    bool Design() { return Run(app::CommandId("design-pier-abut")); }
};

TEST_F(PierAbutTest, EverySupportGetsExactlyTheMembersItsLayoutNames) {
    std::map<std::string, std::vector<std::string>> expected;
    for (size_t support = 0; support < kSupports.size(); ++support)
        for (int column = 1; column <= 4; ++column)
            if (auto table = projectdb::MemberTableOf(kSupports[support][column]))
                expected[*table].push_back(std::to_string(support));
    const auto before = Tables();
    ASSERT_TRUE(Design());
    EXPECT_TRUE(prompter.texts().empty());
    for (const auto& [table, supports] : expected) EXPECT_EQ(Column(*db, table, "PierAbutmentNum"), supports) << table;
    std::set<std::string> made;
    for (const auto& table : Tables())
        if (!before.count(table)) made.insert(table);
    std::set<std::string> named;
    for (const auto& [table, supports] : expected) named.insert(table);
    EXPECT_EQ(made, named);
}

TEST_F(PierAbutTest, SizesComeFromTheLayout) {
    ASSERT_TRUE(Design());
    struct Case {
        const char* table;
        const char* support;
        const char* field;
        double value;
    };
    const Case cases[] = {
        // Cap top to pavement: a standard 16 m slab 0.80 m deep on a 0.15 m rubber bearing; a continuous 30 m
        // box L/20 = 1.50 m deep on a 0.25 m pot bearing.
        {"重力式U型桥台帽梁信息表", "0", "BackWallHeight", 0.95},
        {"桩柱式、肋板式桥台帽梁信息表", "6", "BackWallHeight", 1.75},
        {"桩柱式、肋板式桥台帽梁信息表", "6", "CopingLength", 12.5},  // the whole deck at an abutment
        {"①类帽梁信息表", "1", "CopingLength", 12.0},                 // 25 cm short of each deck edge
        {"圆形截面柱式墩身信息表", "1", "PierColumnNum", 2},          // a column per 7 m of deck
        {"圆形截面柱式墩身信息表", "1", "SpaceBetween", 6.25},
        {"圆形截面柱式墩身信息表", "1", "SectionDiameter", 1.0},  // spans of 16 m
        {"矩形截面柱式墩身信息表", "3", "SectionLength", 1.5},    // a 30 m span beside it
        {"单排桩基础信息表", "1", "PileDiameter", 1.2},
        {"台阶状扩大基础信息表", "2", "CrossAngle", 60},
        {"矩形截面实体式墩身信息表", "2", "BodyTopLength", 12.86},  // 12 m of cap on a 60° line (13.86 m), less 1 m
    };
    for (const auto& c : cases)
        EXPECT_NEAR(Field(*db, c.table, "PierAbutmentNum", c.support, c.field).toDouble(), c.value, 0.01)
            << c.table << " " << c.support << " " << c.field;
}

TEST_F(PierAbutTest, TheGravityAbutmentCapKeepsItsBackWallHeightAsItsLastField) {
    const projectdb::TableSchema& described = *projectdb::FindTableSchema("重力式U型桥台帽梁信息表");
    auto fieldNames = [&] {
        std::vector<std::string> names;
        for (const auto& f : db->GetTableDef("重力式U型桥台帽梁信息表").fields) names.push_back(f.m_strName);
        return names;
    };
    std::vector<std::string> expected;
    for (const auto& f : described.fields) expected.push_back(f.name);
    expected.push_back("BackWallHeight");

    ASSERT_TRUE(Design());
    EXPECT_EQ(fieldNames(), expected);

    // A table made before, without the field, gains it.
    db->DeleteTableDef("重力式U型桥台帽梁信息表");
    projectdb::EnsureTable(*db, described);
    ASSERT_TRUE(Design());
    EXPECT_EQ(fieldNames(), expected);
    EXPECT_DOUBLE_EQ(Field(*db, "重力式U型桥台帽梁信息表", "PierAbutmentNum", "0", "BackWallHeight").toDouble(), 0.95);
}

TEST_F(PierAbutTest, StoredRecordsStayAndMissingOnesAreAdded) {
    ASSERT_TRUE(Design());
    db->Execute("Update [①类帽梁信息表] Set CopingLength = 99 Where PierAbutmentNum = 1");
    db->Execute("Delete From [①类帽梁信息表] Where PierAbutmentNum = 5");
    db->Execute("Insert Into [①类帽梁信息表] (PierAbutmentNum, CopingLength) Values (40, 7)");
    ASSERT_TRUE(Design());
    EXPECT_EQ(Column(*db, "①类帽梁信息表", "PierAbutmentNum"), (std::vector<std::string>{"40", "1", "5"}));
    EXPECT_DOUBLE_EQ(Field(*db, "①类帽梁信息表", "PierAbutmentNum", "1", "CopingLength").toDouble(), 99);
    EXPECT_DOUBLE_EQ(Field(*db, "①类帽梁信息表", "PierAbutmentNum", "5", "CopingLength").toDouble(), 12);
}

TEST_F(PierAbutTest, CancelWritesNothing) {
    editor.accept = false;
    const auto before = Tables();
    ASSERT_TRUE(Design());
    ASSERT_EQ(editor.requests.size(), 1u);
    EXPECT_EQ(editor.requests[0].tables.size(), 23u);  // five caps, seven bodies, four connections, seven foundations
    EXPECT_EQ(Tables(), before);
}

TEST_F(PierAbutTest, ThePictureShowsTheFirstColumnPierAsItsRowsStand) {
    std::vector<std::vector<std::string>> drawn;
    std::string title;
    editor.accept = false;
    editor.change = [&](ui::EditRequest& request) {
        ASSERT_TRUE(request.plots);
        auto draw = [&] {
            const auto plots = request.plots(request.tables);
            title = plots.at(0).title;
            std::vector<std::string> names;
            for (const auto& series : plots.at(0).series) names.push_back(series.name);
            drawn.push_back(names);
        };
        draw();
        for (auto& table : request.tables)
            if (table.table == "圆形截面柱式墩身信息表") table.rows.at(0).at(1) = "3";  // PierColumnNum
        draw();
    };
    ASSERT_TRUE(Design());
    EXPECT_EQ(title, "1号墩立面（顺桥向看）");
    EXPECT_EQ(drawn,
              (std::vector<std::vector<std::string>>{{"帽梁", "墩柱1", "墩柱2", "系梁", "桩1", "桩2"},
                                                     {"帽梁", "墩柱1", "墩柱2", "墩柱3", "系梁", "桩1", "桩2"}}));
}

TEST_F(PierAbutTest, TheInterfaceFilesFindEveryMemberTheyRead) {
    for (int command : {app::CommandId("design-slab"), app::CommandId("design-tbeam"), app::CommandId("design-cu-box"),
                        app::CommandId("design-pier-abut")})
        ASSERT_TRUE(Run(command));
    EXPECT_EQ(exchange::WriteKelsaFile(*db, dir.file("k.bri"), prompter), exchange::InterfaceOutcome::Complete);
    EXPECT_TRUE(prompter.texts().empty());
    // The 3D-model file asks only for the site tables no design here makes.
    prompter.setDefault(ui::Answer::Yes);
    EXPECT_EQ(exchange::WriteArvo3dFile(*db, dir.file("a.bri"), prompter), exchange::InterfaceOutcome::Complete);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  exchange::CannotOpenQuestion("平曲线资料表"), exchange::CannotOpenQuestion("竖曲线资料表"),
                  exchange::CannotOpenQuestion("桥面横坡资料表"), exchange::CannotOpenQuestion("锥坡信息表")}));
}

}  // namespace
