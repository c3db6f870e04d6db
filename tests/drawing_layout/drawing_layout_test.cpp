// The drawing list of an open project: the candidate lists built from the stored layout, the list read
// from 图形布置信息表, and 确定 writing it back.
#include <gtest/gtest.h>

#include "drawing/drawing_layout.h"
#include "drawing_fixture.h"
#include "platform/interaction/scripted.h"

namespace drawing {
namespace {

using drawing_test::Records;
using drawing_test::Strings;
using projectdb::SubstructureCandidate;
using projectdb::SuperstructureCandidate;

const char* const kSlab = "装配式简支空心板桥";
const char* const kTBeam = "装配式简支T梁桥";
const char* const kBox = "连续等截面箱梁桥";

TEST(CandidateMerge, SpansOfOneTypeAndPrintedLengthShareAnEntry) {
    struct Case {
        const char* name;
        std::vector<SpanEntry> spans;
        std::vector<SuperstructureCandidate> expected;
    };
    const Case cases[] = {
        {"a longer last span stands apart",
         {{kSlab, 20}, {kSlab, 20}, {kSlab, 20}, {kSlab, 25}},
         {{kSlab, "1,2,3", "20.0"}, {kSlab, "4", "25.0"}}},
        {"a span of another type between does not split the entry",
         {{kSlab, 20}, {kTBeam, 20}, {kSlab, 20}},
         {{kSlab, "1,3", "20.0"}, {kTBeam, "2", "20.0"}}},
        {"box girders are drawn span by span", {{kBox, 30}, {kBox, 30}}, {{kBox, "1", "30.0"}, {kBox, "2", "30.0"}}},
        {"lengths compare as printed",
         {{kSlab, 20.04}, {kSlab, 20.01}, {kSlab, 20.06}},
         {{kSlab, "1,2", "20.0"}, {kSlab, "3", "20.1"}}},
        {"a span without a type is no entry but keeps its number", {{"", 20}, {kSlab, 20}}, {{kSlab, "2", "20.0"}}},
    };
    for (const Case& c : cases) EXPECT_EQ(MergeSpans(c.spans), c.expected) << c.name;
}

TEST(CandidateMerge, SupportsWithTheSameFourTypesShareAnEntry) {
    const std::string abutment = "1类台帽,肋板式台身,1类承台,多排桩基础";
    const std::string pier = "1类墩帽,圆形截面柱式墩身,1类承台,单排桩基础";
    const std::string otherPier = "1类墩帽,圆形截面柱式墩身,1类承台,多排桩基础";
    EXPECT_EQ(MergeSupports({{"0", abutment}, {"1", pier}, {"2", otherPier}, {"3", pier}, {"4", abutment}}),
              (std::vector<SubstructureCandidate>{{abutment, "0,4"}, {pier, "1,3"}, {otherPier, "2"}}));
}

class DrawingLayoutTest : public drawing_test::BridgeTest {
protected:
    ui::ScriptedPrompter prompt;
};

TEST_F(DrawingLayoutTest, OpensOnTheStoredLayoutAndList) {
    auto page = LoadDrawingLayout(*db);
    EXPECT_EQ(page.superstructure(),
              (std::vector<SuperstructureCandidate>{
                  {kSlab, "1,2,3", "20.0"}, {kTBeam, "4", "25.0"}, {kBox, "5", "30.0"}, {kBox, "6", "30.0"}}));
    ASSERT_EQ(page.substructure().size(), 2u);
    EXPECT_EQ(page.substructure()[0].supports, "0,6");
    EXPECT_EQ(page.substructure()[1].supports, "1,2,3,4,5");
    const auto& rows = page.drawings();
    ASSERT_EQ(rows.rows(), 7);
    Strings second;
    for (int c = 0; c < rows.columns(); ++c) second.push_back(rows.cell(1, c));
    EXPECT_EQ(second,
              (Strings{"空心板一般构造图(1,2,3跨)", "Draw2", "上构一般构造图", "A3", "100", "100", "图标1", "不绘制"}));
}

TEST_F(DrawingLayoutTest, AnEmptyOrMissingListOffersTheBridgeLayoutRow) {
    db->Execute("DELETE FROM [图形布置信息表]");
    EXPECT_EQ(ReadDrawingRows(*db), std::vector<Strings>{BridgeLayoutRow()});
    db->DeleteTableDef(projectdb::kDrawingLayoutTable);
    db->DeleteTableDef(projectdb::kSuperSpanTable);
    auto page = LoadDrawingLayout(*db);
    EXPECT_TRUE(page.superstructure().empty());
    EXPECT_EQ(page.drawings().rows(), 1);
    EXPECT_EQ(page.drawings().cell(0, 0), "桥型布置图");
}

TEST_F(DrawingLayoutTest, TablesThatCannotBeReadStillOpenTheDialog) {
    // Tables of those names written by some other program, without the fields the dialog reads.
    for (const char* table : {projectdb::kDrawingLayoutTable, projectdb::kSubLayoutTable}) {
        db->DeleteTableDef(table);
        db->Execute(std::string("CREATE TABLE [") + table + "] (x TEXT)");
        db->Execute(std::string("INSERT INTO [") + table + "] VALUES ('a')");
    }
    auto page = LoadDrawingLayout(*db);
    EXPECT_EQ(page.superstructure().size(), 4u);
    EXPECT_TRUE(page.substructure().empty());
    EXPECT_EQ(page.drawings().rows(), 1);
    EXPECT_EQ(page.drawings().cell(0, 0), "桥型布置图");
}

TEST_F(DrawingLayoutTest, AddingListsEverySelectedEntryEvenWhenItsTitleIsListed) {
    auto page = LoadDrawingLayout(*db);
    const int before = page.drawings().rows();
    ASSERT_EQ(page.drawings().cell(1, 0), "空心板一般构造图(1,2,3跨)");
    page.AddToDrawingList({0, 0}, {1});
    ASSERT_EQ(page.drawings().rows(), before + 3);
    EXPECT_EQ(page.drawings().cell(before, 0), "空心板一般构造图(1,2,3跨)");
    EXPECT_EQ(page.drawings().cell(before, 1), "Draw" + std::to_string(before + 1));
    EXPECT_EQ(page.drawings().cell(before + 1, 0), "空心板一般构造图(1,2,3跨)");
    EXPECT_EQ(page.drawings().cell(before + 2, 0), "桥墩一般构造图(1,2,3,4,5号)");
}

TEST_F(DrawingLayoutTest, AFailedWriteKeepsTheOldList) {
    auto page = LoadDrawingLayout(*db);
    page.ClearDrawingList();
    auto readOnly = dao::Database::Open(db->GetName(), true);
    EXPECT_FALSE(SaveDrawingLayout(*readOnly, page, prompt));
    EXPECT_EQ(prompt.shown().size(), 1u);
    EXPECT_EQ(Records(*db, "图形布置信息表").size(), 7u);
}

}  // namespace
}  // namespace drawing
