// The toolbar's drawing target and range combos in the running main window.
#include <gtest/gtest.h>

#include <QToolBar>

#include "app/app_fixture.h"
#include "app/command_table.h"
#include "app/project_session.h"
#include "drawing/ui/drawing_combos.h"
#include "drawing_fixture.h"

namespace {

using namespace drawing_test;

class DrawingToolbarTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        SetCurrent({"上构一般构造图", "T梁一般构造图(4跨)", "Draw3.dwg"});
        path = dir.file("bridge.vlt");
        drawing_test::MakeBridge(path);
    }
    drawing::CDrawingCombos& combos() { return *app->mainFrame()->drawingCombos(); }
    Strings RangeEntries() {
        Strings out;
        for (int i = 0; i < combos().RangeCombo()->count(); ++i)
            out.push_back(combos().RangeCombo()->itemText(i).toStdString());
        return out;
    }
    std::string path;
};

TEST_F(DrawingToolbarTest, CombosFollowTheProjectAndShowTheCurrentDrawing) {
    Start();
    QComboBox* target = combos().TargetCombo();
    EXPECT_EQ(target->toolTip(), "当前绘图目标");
    EXPECT_EQ(combos().RangeCombo()->toolTip(), "当前绘图区间");
    EXPECT_TRUE(app->mainFrame()->toolBar()->isAncestorOf(target));
    EXPECT_FALSE(target->isEnabled());
    for (int id : {app::CommandId("drawing-info"), app::CommandId("drawing-target"), app::CommandId("drawing-preview")})
        EXPECT_FALSE(app->mainFrame()->commands().IsEnabled(id, nullptr)) << id;
}

TEST_F(DrawingToolbarTest, PicksWriteTheCurrentDrawing) {
    Start(QString::fromStdString(path));
    QComboBox* target = combos().TargetCombo();
    ASSERT_TRUE(target->isEnabled());
    EXPECT_EQ(target->currentText(), "上构一般构造图");
    EXPECT_EQ(RangeEntries(), Strings{"T梁一般构造图(4跨)"});
    for (int id : {app::CommandId("drawing-info"), app::CommandId("drawing-target"), app::CommandId("drawing-preview")})
        EXPECT_TRUE(app->mainFrame()->commands().IsEnabled(id, app->Session().Database())) << id;
    Shot(*app->mainFrame(), "drawing_toolbar");

    // The range list is read afresh when it drops down; the shown drawing stays selected.
    ASSERT_TRUE(combos().OnRangeDropDown());
    EXPECT_EQ(RangeEntries(), (Strings{"空心板一般构造图(1,2,3跨)", "T梁一般构造图(4跨)",
                                       "连续等截面箱梁一般构造图(5跨)", "连续等截面箱梁一般构造图(6跨)"}));
    EXPECT_EQ(combos().RangeCombo()->currentIndex(), 1);

    // A pick writes the drawing's title; the drawing side finds its file by the title.
    combos().OnRangeSelected(0);
    EXPECT_EQ(Current(), (Strings{"上构一般构造图", "空心板一般构造图(1,2,3跨)", "Draw3.dwg"}));

    combos().TargetCombo()->setCurrentIndex(2);
    combos().OnTargetSelected(2);
    EXPECT_EQ(RangeEntries(), (Strings{"桥台一般构造图(0,6号)", "桥墩一般构造图(1,2,3,4,5号)"}));
    EXPECT_EQ(combos().RangeCombo()->currentIndex(), 0);
    EXPECT_EQ(Current(), (Strings{"下构一般构造图", "空心板一般构造图(1,2,3跨)", "Draw3.dwg"}));

    combos().TargetCombo()->setCurrentIndex(0);
    combos().OnTargetSelected(0);
    EXPECT_EQ(RangeEntries(), Strings{"桥型布置图"});
    EXPECT_EQ(Current(), (Strings{"桥型布置图", "桥型布置图", "Draw3.dwg"}));
    EXPECT_TRUE(ui.prompter.shown().empty());
    combos().RangeCombo()->showPopup();
    Shot(*app->mainFrame(), "drawing_toolbar_bridge_layout");
    combos().RangeCombo()->hidePopup();

    app->Session().Close();
    EXPECT_FALSE(target->isEnabled());
    EXPECT_EQ(combos().RangeCombo()->count(), 0);
}

TEST_F(DrawingToolbarTest, ARefusedRangeKeepsThePickInForce) {
    {
        auto db = dao::Database::Open(path);
        db->Execute("UPDATE [下构布置信息表] SET FoundationType='多排桩基础' WHERE PierAbutNum=3");
    }
    SetCurrent({"下构一般构造图", "桥台一般构造图(0,6号)", "Draw6.dwg"});
    Start(QString::fromStdString(path));
    ASSERT_TRUE(combos().OnRangeDropDown());
    ASSERT_EQ(combos().RangeCombo()->currentIndex(), 0);
    combos().RangeCombo()->setCurrentIndex(1);  // the user picks the pier drawing, whose piers now differ
    combos().OnRangeSelected(1);
    EXPECT_EQ(ui.prompter.texts(), Strings{"当前绘图区间中包含的下部构造类型不同。请重新选择。"});
    EXPECT_EQ(combos().RangeCombo()->currentIndex(), 0);
    EXPECT_EQ(Current()[1], "桥台一般构造图(0,6号)");
}

}  // namespace
