// Drawing file names that would lead the drawing host out of the project's folder: which names are
// refused, and that the drawing layout's 确定 and a project's drawing list are checked with them.
#include <gtest/gtest.h>

#include "drawing/drawing_layout.h"
#include "platform/interaction/scripted.h"
#include "projectdb/drawing_file_name.h"
#include "projectdb/wizard_writer.h"
#include "support/test_support.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

std::vector<std::string> Row(const std::string& title, const std::string& file) {
    return {title, file, "桥型布置图", "A3", "100", "100", "图标1", "不绘制"};
}

TEST(DrawingFileName, NamesThatLeaveTheProjectFolderAreRefused) {
    const std::string dots = "含有“..”，会指到项目文件夹之外；图形文件只能写在项目文件夹内。";
    const std::string absolute = "是绝对路径；图形文件只能写在项目文件夹内。";
    struct Case {
        std::string name;
        std::string problem;  // after “name”; empty when the name passes
    } cases[] = {
        {"Draw1", ""},
        {"", ""},  // the host names the files after the title then
        {"图纸/Draw1", ""},
        {"a..b", ""},
        {"..Draw1", ""},
        {"Draw1..", ""},
        {"..", dots},
        {"../../../../tmp/x", dots},
        {"图纸/../../x", dots},
        {"图纸\\..\\..\\x", dots},
        {"a/..", dots},
        {"/tmp/x", absolute},
        {"\\\\server\\share\\x", absolute},
        {"C:\\Temp\\x", absolute},
        {"d:x", absolute},
        {"Draw\n1", "含有控制字符。"},
    };
    for (const auto& c : cases) {
        auto problem = projectdb::DrawingFileNameProblem(c.name);
        if (c.problem.empty())
            EXPECT_FALSE(problem) << c.name << ": " << *problem;
        else
            EXPECT_EQ(problem, "图形文件名“" + c.name + "”" + c.problem) << c.name;
    }
    EXPECT_EQ(projectdb::DrawingFileNameProblem(std::string(256, 'x')), "图形文件名太长（256字节，最多255字节）。");
    EXPECT_FALSE(projectdb::DrawingFileNameProblem(std::string(255, 'x')));
}

class DrawingListCheck : public ::testing::Test {
protected:
    testing_support::TempDir temp;
    std::unique_ptr<dao::Database> db = dao::Database::Create(temp.file("p.vlt"));
    ui::ScriptedPrompter prompter;
};

TEST_F(DrawingListCheck, TheLayoutsOkRefusesARowThatLeadsOutAndWritesNothing) {
    projectdb::DrawingPage page;
    page.SetRows({Row("桥型布置图", "Draw1"), Row("空心板一般构造图(1跨)", "../../x")});
    EXPECT_FALSE(drawing::SaveDrawingLayout(*db, page, prompter));
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"绘图信息第2行：图形文件名“../../x”含有“..”，会指到项目文件夹之外；"
                                       "图形文件只能写在项目文件夹内。"});
    EXPECT_FALSE(db->HasTableDef("图形布置信息表"));

    prompter.clear();
    page.SetRows({Row("桥型布置图", "Draw1"), Row("空心板一般构造图(1跨)", "图纸/Draw2")});
    EXPECT_TRUE(drawing::SaveDrawingLayout(*db, page, prompter));
    EXPECT_TRUE(prompter.texts().empty());
    EXPECT_FALSE(projectdb::DrawingListProblem(*db));
}

TEST_F(DrawingListCheck, AProjectsDrawingListIsCheckedBeforeItIsCarriedIn) {
    EXPECT_FALSE(projectdb::DrawingListProblem(*db));  // no list at all
    EXPECT_FALSE(projectdb::RefuseForeignDrawingList(*db, prompter));

    projectdb::TextSheet rows(8);
    rows.assign({Row("桥型布置图", "Draw1"), Row("下构", "/home/someone/.bashrc")}, 1);
    projectdb::WriteDrawingLayout(*db, rows);
    const std::string expected =
        "图形布置信息表中“下构”的图形文件名“/home/someone/.bashrc”是绝对路径；图形文件只能写在项目文件夹内。";
    EXPECT_EQ(projectdb::DrawingListProblem(*db), expected);
    EXPECT_TRUE(projectdb::RefuseForeignDrawingList(*db, prompter));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{expected});
}

}  // namespace
