// The range checks of general drawings and the choice of the drawing target, as "Current Drawing" and the
// range combo end up.
#include <gtest/gtest.h>

#include "drawing/drawing_range_check.h"
#include "drawing/drawing_target.h"
#include "drawing_fixture.h"
#include "platform/interaction/scripted.h"

namespace drawing {
namespace {

using namespace drawing_test;

TEST(RangeNumbers, AreTheNumbersBetweenTheParentheses) {
    struct Case {
        const char* title;
        std::vector<long> numbers;
    };
    const Case cases[] = {
        {"空心板一般构造图(1,2,3跨)", {1, 2, 3}},    {"桥墩一般构造图(0号)", {0}},
        {"空心板一般构造图(1-3,7跨)", {1, 2, 3, 7}},  // a long list as the wizard shortens it
        {"空心板一般构造图(1,2等跨)", {1, 2}},       {"桥型布置图", {0}},
    };
    for (const Case& c : cases) EXPECT_EQ(RangeNumbers(c.title), c.numbers) << c.title;
}

class TargetTest : public drawing_test::BridgeTest {
protected:
    ui::ScriptedPrompter prompt;
};

TEST_F(TargetTest, SuperRangeComparesTheStructureTypesOfItsSpans) {
    struct Case {
        const char* title;
        int uniform;
    };
    const Case cases[] = {
        {"空心板一般构造图(1,2,3跨)", 1},       {"空心板一般构造图(1-3跨)", 1}, {"空心板一般构造图(3,4跨)", 0},
        {"连续等截面箱梁一般构造图(5,6跨)", 1}, {"空心板一般构造图(1,9跨)", 0},  // span 9 is not in the layout
    };
    for (const Case& c : cases) EXPECT_EQ(CheckSuperRange(*db, c.title, prompt), c.uniform) << c.title;
    EXPECT_TRUE(prompt.shown().empty());
}

TEST_F(TargetTest, SubRangeComparesAllFourMemberTypes) {
    db->Execute("UPDATE [下构布置信息表] SET FoundationType='多排桩基础' WHERE PierAbutNum=3");
    struct Case {
        const char* title;
        int uniform;
    };
    const Case cases[] = {
        {"桥墩一般构造图(1,2号)", 1},
        {"桥墩一般构造图(2,3号)", 0},  // differs in the foundation only
        {"桥台一般构造图(0,6号)", 1},
        {"桥墩一般构造图(0,1号)", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(CheckSubRange(*db, c.title, prompt), c.uniform) << c.title;
}

TEST_F(TargetTest, OneNumberPassesWithoutReadingAndAMissingTableSaysSo) {
    db->DeleteTableDef(projectdb::kSuperSpanTable);
    db->DeleteTableDef(projectdb::kSubLayoutTable);
    EXPECT_EQ(CheckSuperRange(*db, "T梁一般构造图(4跨)", prompt), 1);
    EXPECT_EQ(CheckSubRange(*db, "桥墩一般构造图(2号)", prompt), 1);
    EXPECT_TRUE(prompt.shown().empty());
    EXPECT_EQ(CheckSuperRange(*db, "空心板一般构造图(1,2跨)", prompt), 0);
    EXPECT_EQ(CheckSubRange(*db, "桥墩一般构造图(1,2号)", prompt), 0);
    EXPECT_EQ(prompt.texts(), (Strings{"不能打开上构布置明细表。", "不能打开下构布置信息表。"}));
}

TEST_F(TargetTest, TheBridgeLayoutIsBothKindAndTitle) {
    SetCurrent({"上构一般构造图", "空心板一般构造图(1,2,3跨)", "Draw2.dwg"});
    auto range = ApplyTargetChoice(*db, DrawingKind::BridgeLayout, std::nullopt, prompt);
    ASSERT_TRUE(range);
    EXPECT_EQ(*range, (RangeList{{"桥型布置图"}, 0}));
    // The file name is the drawing side's to look up by the title: it is left as it was.
    EXPECT_EQ(Current(), (Strings{"桥型布置图", "桥型布置图", "Draw2.dwg"}));

    SetCurrent({"上构一般构造图", "空心板一般构造图(1,2,3跨)", "Draw2.dwg"});
    range = SelectTargetKind(*db, DrawingKind::BridgeLayout, prompt);
    ASSERT_TRUE(range);
    EXPECT_EQ(*range, (RangeList{{"桥型布置图"}, 0}));
    EXPECT_EQ(Current(), (Strings{"桥型布置图", "桥型布置图", "Draw2.dwg"}));
    EXPECT_TRUE(db->HasTableDef("桥型布置图绘图状态表"));
    EXPECT_TRUE(prompt.shown().empty());
}

TEST_F(TargetTest, AConfirmedGeneralDrawingBecomesTheTarget) {
    DrawingRecord slab{"空心板一般构造图(1,2,3跨)", "Draw2", "上构一般构造图"};
    auto range = ApplyTargetChoice(*db, DrawingKind::SuperGeneral, slab, prompt);
    ASSERT_TRUE(range);
    EXPECT_EQ(*range, (RangeList{{"空心板一般构造图(1,2,3跨)", "T梁一般构造图(4跨)", "连续等截面箱梁一般构造图(5跨)",
                                  "连续等截面箱梁一般构造图(6跨)"},
                                 0}));
    EXPECT_EQ(Current(), (Strings{"上构一般构造图", "空心板一般构造图(1,2,3跨)", "Draw2.dwg"}));
    EXPECT_EQ(db->GetTableDef("空心板一般构造图(1,2,3跨)绘图状态表").fields.size(), 3u);

    // A substructure drawing gets no state table here.
    DrawingRecord piers{"桥墩一般构造图(1,2,3,4,5号)", "Draw7", "下构一般构造图"};
    range = ApplyTargetChoice(*db, DrawingKind::SubGeneral, piers, prompt);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->selected, 1);
    EXPECT_EQ(Current(), (Strings{"下构一般构造图", "桥墩一般构造图(1,2,3,4,5号)", "Draw7.dwg"}));
    EXPECT_FALSE(db->HasTableDef("桥墩一般构造图(1,2,3,4,5号)绘图状态表"));
    EXPECT_TRUE(prompt.shown().empty());
}

TEST_F(TargetTest, WithoutAConfirmedDrawingTheKindNamesTheTarget) {
    // A cancelled range dialog leaves the kind as it was; only the name says what was chosen.
    SetCurrent({"桥型布置图", "桥型布置图", "Draw1.dwg"});
    auto range = ApplyTargetChoice(*db, DrawingKind::SubGeneral, std::nullopt, prompt);
    ASSERT_TRUE(range);
    EXPECT_EQ(*range, (RangeList{{"桥台一般构造图(0,6号)", "桥墩一般构造图(1,2,3,4,5号)"}, -1}));
    EXPECT_EQ(Current(), (Strings{"桥型布置图", "下构一般构造图", "Draw1.dwg"}));
}

TEST_F(TargetTest, BothRebarKindsListEveryRebarDrawing) {
    db->Execute(
        "INSERT INTO [图形布置信息表] (DrawingName, FileName, DrawingType) VALUES "
        "('帽梁钢筋图', 'Draw8', '参数化钢筋图'), ('桩基钢筋图', 'Draw9', '交互式钢筋图')");
    for (DrawingKind kind : {DrawingKind::ParametricRebar, DrawingKind::InteractiveRebar}) {
        SetCurrent({"桥型布置图", "桥型布置图", "Draw1.dwg"});
        auto range = ApplyTargetChoice(*db, kind, std::nullopt, prompt);
        ASSERT_TRUE(range);
        EXPECT_EQ(*range, (RangeList{{"帽梁钢筋图", "桩基钢筋图"}, -1}));
        EXPECT_EQ(Current(), (Strings{KindName(kind), KindName(kind), "Draw1.dwg"}));
        // Picked in the toolbar, the kind alone changes.
        SetCurrent({"桥型布置图", "桥型布置图", "Draw1.dwg"});
        range = SelectTargetKind(*db, kind, prompt);
        ASSERT_TRUE(range);
        EXPECT_EQ(*range, (RangeList{{"帽梁钢筋图", "桩基钢筋图"}, -1}));
        EXPECT_EQ(Current(), (Strings{KindName(kind), "桥型布置图", "Draw1.dwg"}));
    }
}

TEST_F(TargetTest, AListThatCannotBeReadIsReported) {
    db->DeleteTableDef(projectdb::kDrawingLayoutTable);
    auto range = ApplyTargetChoice(*db, DrawingKind::ParametricRebar, std::nullopt, prompt);
    ASSERT_TRUE(range);
    EXPECT_TRUE(range->titles.empty());
    EXPECT_EQ(RangeTitles(*db, DrawingKind::SuperGeneral, prompt), std::nullopt);
    EXPECT_EQ(prompt.texts(), (Strings{"数据库中没有图形布置信息", "数据库中没有图形布置信息"}));
}

TEST_F(TargetTest, TheRangeComboRefusesAMixedDrawing) {
    db->Execute(
        "INSERT INTO [图形布置信息表] (DrawingName, FileName, DrawingType) VALUES "
        "('空心板一般构造图(3,4跨)', 'Draw8', '上构一般构造图'), "
        "('桥墩一般构造图(0,1号)', 'Draw9', '下构一般构造图')");
    SetCurrent({"上构一般构造图", "T梁一般构造图(4跨)", "Draw3.dwg"});
    EXPECT_FALSE(SelectRange(*db, DrawingKind::SuperGeneral, "空心板一般构造图(3,4跨)", prompt));
    EXPECT_FALSE(SelectRange(*db, DrawingKind::SubGeneral, "桥墩一般构造图(0,1号)", prompt));
    EXPECT_EQ(prompt.texts(), (Strings{"当前绘图区间中包含的上部构造类型不同。请重新选择。",
                                       "当前绘图区间中包含的下部构造类型不同。请重新选择。"}));
    EXPECT_EQ(Current(), (Strings{"上构一般构造图", "T梁一般构造图(4跨)", "Draw3.dwg"}));

    EXPECT_TRUE(SelectRange(*db, DrawingKind::SuperGeneral, "空心板一般构造图(1,2,3跨)", prompt));
    EXPECT_EQ(Current(), (Strings{"上构一般构造图", "空心板一般构造图(1,2,3跨)", "Draw3.dwg"}));
}

TEST_F(TargetTest, PickingAGeneralKindShowsItsFirstDrawingAndWritesOnlyTheKind) {
    SetCurrent({"桥型布置图", "桥型布置图", "Draw1.dwg"});
    auto range = SelectTargetKind(*db, DrawingKind::SubGeneral, prompt);
    ASSERT_TRUE(range);
    EXPECT_EQ(*range, (RangeList{{"桥台一般构造图(0,6号)", "桥墩一般构造图(1,2,3,4,5号)"}, 0}));
    EXPECT_EQ(Current(), (Strings{"下构一般构造图", "桥型布置图", "Draw1.dwg"}));

    // The first drawing is shown, not checked: one that mixes types draws no message until it is picked.
    db->Execute("UPDATE [图形布置信息表] SET DrawingName='空心板一般构造图(3,4跨)' WHERE FileName='Draw2'");
    prompt.clear();
    range = SelectTargetKind(*db, DrawingKind::SuperGeneral, prompt);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->selected, 0);
    EXPECT_TRUE(prompt.texts().empty());
    EXPECT_EQ(Current(), (Strings{"上构一般构造图", "桥型布置图", "Draw1.dwg"}));
}

}  // namespace
}  // namespace drawing
