// drawing list and drawing target: what they print, what they write, and how they refuse.
#include <gtest/gtest.h>

#include <algorithm>

#include "cli/drawing_layout_commands.h"
#include "drawing_fixture.h"

namespace {

using namespace drawing_test;

struct Outcome {
    int status;
    std::string out, err;
};

Outcome RunCli(int (*command)(const std::vector<std::string>&), const Strings& words) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    int status = command(words);
    return {status, testing::internal::GetCapturedStdout(), testing::internal::GetCapturedStderr()};
}

class DrawingCommands : public drawing_test::BridgeTest {
protected:
    std::string path() { return db->GetName(); }
};

TEST_F(DrawingCommands, ListPrintsEveryDrawing) {
    Outcome r = RunCli(cli::RunDrawingList, {path()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n', r.out.find('\n') + 1) + 1),
              "桥型布置图\tDraw1\t桥型布置图\n空心板一般构造图(1,2,3跨)\tDraw2\t上构一般构造图\n");
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 7);

    db->DeleteTableDef(projectdb::kDrawingLayoutTable);
    r = RunCli(cli::RunDrawingList, {path()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "数据库中没有图形布置信息\n");
    EXPECT_EQ(RunCli(cli::RunDrawingList, {dir.file("none.vlt")}).status, 1);
}

TEST_F(DrawingCommands, TargetWritesAsTheDialogDoes) {
    struct Case {
        Strings words;
        Strings current;
    };
    const Case cases[] = {
        {{"桥型布置图"}, {"桥型布置图", "桥型布置图", "Draw9.dwg"}},
        {{"2", "空心板一般构造图(1,2,3跨)"}, {"上构一般构造图", "空心板一般构造图(1,2,3跨)", "Draw2.dwg"}},
        {{"参数化钢筋图"}, {"参数化钢筋图", "参数化钢筋图", "Draw9.dwg"}},
    };
    for (const Case& c : cases) {
        // Only a confirmed general drawing names its file.
        SetCurrent({"上构一般构造图", "T梁一般构造图(4跨)", "Draw9.dwg"});
        Strings words = {path()};
        words.insert(words.end(), c.words.begin(), c.words.end());
        Outcome r = RunCli(cli::RunDrawingTarget, words);
        EXPECT_EQ(r.status, 0) << c.words[0] << r.err;
        EXPECT_EQ(Current(), c.current) << c.words[0];
        EXPECT_EQ(r.out, "DrawingType\t" + c.current[0] + "\nDrawingName\t" + c.current[1] + "\nFileName\t" +
                             c.current[2] + "\n");
    }
    EXPECT_TRUE(db->HasTableDef("空心板一般构造图(1,2,3跨)绘图状态表"));
}

TEST_F(DrawingCommands, TargetRefusalsChangeNothing) {
    db->Execute(
        "INSERT INTO [图形布置信息表] (DrawingName, FileName, DrawingType) VALUES "
        "('空心板一般构造图(3,4跨)', 'Draw8', '上构一般构造图')");
    struct Case {
        Strings words;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {{"上构一般构造图"}, 1, "没有选择绘图区间。\n"},
        {{"下构一般构造图"}, 1, "没有选择绘图目标。\n"},
        {{"上构一般构造图", "T梁一般构造图(4跨)", "空心板一般构造图(1,2,3跨)"},
         1,
         "在一般构造图中，一次只能选择一项。\n请重新选择！\n"},
        {{"上构一般构造图", "空心板一般构造图(3,4跨)"}, 1, "当前绘图区间中包含的上部构造类型不同。请重新选择。\n"},
        {{"上构一般构造图", "桥墩一般构造图(1,2,3,4,5号)"},
         1,
         "图形布置信息表中没有上构一般构造图“桥墩一般构造图(1,2,3,4,5号)”。\n"},
        {{"总体布置图"},
         2,
         "未知的绘图目标“总体布置图”。绘图目标是以下之一：桥型布置图;上构一般构造图;下构一般构造图;参数化钢筋图;"
         "交互式钢筋图\n"},
    };
    const Strings before = {"桥型布置图", "桥型布置图", "Draw1.dwg"};
    for (const Case& c : cases) {
        SetCurrent(before);
        Strings words = {path()};
        words.insert(words.end(), c.words.begin(), c.words.end());
        Outcome r = RunCli(cli::RunDrawingTarget, words);
        EXPECT_EQ(r.status, c.status) << c.words.back();
        EXPECT_EQ(r.err, c.message);
        EXPECT_EQ(Current(), before) << c.words.back();
    }
    EXPECT_EQ(RunCli(cli::RunDrawingTarget, {path()}).status, 2);
}

}  // namespace
