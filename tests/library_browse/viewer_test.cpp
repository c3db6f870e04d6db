// The viewer module's side: the captions it puts to the values, the blocks it draws, and its window.
#include <gtest/gtest.h>

#include <QDir>
#include <QTableWidget>
#include <algorithm>

#include "viewer/member_picture.h"
#include "viewer/viewer_dialog.h"
#include "viewer/viewer_model.h"
#include "support/window_shot.h"

namespace {

using Texts = std::vector<std::string>;

using testing_support::Shot;

// A pier of code 1221: a cap beam, two round columns, a tie beam, three piles.
Texts Pier() {
    return {"1221", "1050.000000", "1055.000000", "160.000000", "1050", "160", "120", "40", "30",  "160",  "25", "30",
            "30",   "30",          "2",           "120",        "600",  "100", "80",  "3",  "150", "3000", "400"};
}

// A continuous box girder with one single-cell section at mid-span and one at the support.
Texts Girder() {
    Texts values = {"连续等截面箱梁", "单箱单室", "3996", "1200", "180", "", "3996", "180"};
    for (int i = 0; i < 11; ++i) values.push_back("10");
    for (int section = 0; section < 2; ++section)
        for (const char* v :
             {"1200", "600", "300", "300", "25", "22", "40", "20", "30", "50", "2", "2", "0", "60", "20", "60", "20"})
            values.push_back(v);
    return values;
}

TEST(ViewerLabels, ValuesCarryTheLibraryCaptionsOfTheirPositions) {
    const struct {
        const char* kind;
        Texts values;
        std::vector<std::pair<int, const char*>> captions;  // a position (-1: the last) and its caption
    } cases[] = {
        {"1221", Pier(), {{1, "帽梁长度 A"}, {4, "帽梁长B1"}, {14, "墩柱个数"}, {17, "系梁宽W"}, {22, "桩间距B"}}},
        {"连续等截面箱梁",
         Girder(),
         {{1, "横断面类型"}, {2, "梁长 L0"}, {18, "终点斜度"}, {19, "跨中 顶宽 TW"}, {-1, "支点 内腔 d"}}},
        // Values beyond what the kind explains are numbered rather than lost.
        {"6959", {"6959", "0", "0", "0", "7"}, {{-1, "数值 5"}}},
    };
    for (const auto& c : cases) {
        const std::vector<viewer::LabelledValue> labelled = viewer::LabelValues(c.kind, c.values);
        ASSERT_EQ(labelled.size(), c.values.size()) << c.kind;
        EXPECT_EQ(labelled.back().value, c.values.back()) << c.kind;
        for (const auto& [at, caption] : c.captions)
            EXPECT_EQ(labelled[at < 0 ? labelled.size() - 1 : at].caption, caption) << c.kind << " " << at;
    }
}

TEST(ViewerBlocks, MembersAreBuiltFromTheirSizes) {
    std::vector<viewer::Block> pier = viewer::MemberBlocks("1221", Pier());
    // Cap beam, two columns, tie beam, three piles.
    ASSERT_EQ(pier.size(), 7u);
    EXPECT_EQ(std::count_if(pier.begin(), pier.end(), [](const viewer::Block& b) { return b.round; }), 5);
    EXPECT_DOUBLE_EQ(pier[0].length, 1050);
    EXPECT_DOUBLE_EQ(pier[0].z + pier[0].height, 1055);  // the assembly's top at height B

    std::vector<viewer::Block> girder = viewer::MemberBlocks("连续等截面箱梁", Girder());
    ASSERT_EQ(girder.size(), 4u);  // bottom slab, two webs, top slab
    EXPECT_DOUBLE_EQ(girder.back().z + girder.back().height, 180);

    EXPECT_TRUE(viewer::MemberBlocks("6959", {"6959", "0.000000", "0.000000", "0.000000"}).empty());
}

TEST(ViewerWindow, ShowsTheValuesBesideThePicture) {
    viewer::ViewerDialog pier("1221", Pier());
    EXPECT_EQ(pier.windowTitle().toStdString(), "三维模型预览 - 1221");
    EXPECT_EQ(pier.valueTable()->rowCount(), static_cast<int>(Pier().size()));
    EXPECT_EQ(pier.valueTable()->item(4, 0)->text().toStdString(), "帽梁长B1");
    Shot(pier, "viewer_pier");
    viewer::ViewerDialog girder("连续等截面箱梁", Girder());
    Shot(girder, "viewer_box_girder");
}

}  // namespace
