// 是 to "你想查看帮助文件吗?" under a database error opens the manual at the page that explains the error.
#include <QTextBrowser>

#include "app/ui/help_window.h"
#include "app_fixture.h"
#include "projectdb/record_access.h"

namespace {

TEST_F(AppTest, YesToTheHelpQuestionOfADatabaseErrorShowsTheManualAtItsPage) {
    Start();
    struct Case {
        long code;
        const char* anchor;
        const char* pageText;  // a line of the section the page opens at
    };
    for (const Case& c : {Case{dao::kErrConversion, "values", "离开单元格时，不能保存的值会被拒绝"},
                          Case{dao::kErrOverflow, "values", "离开单元格时，不能保存的值会被拒绝"},
                          Case{dao::kErrNotADatabase, "open", "是否以只读方式打开"}}) {
        SCOPED_TRACE(c.code);
        ui.prompter.queue(ui::Answer::Yes);
        projectdb::ReportDaoError(dao::DaoException(c.code, "数据类型转换错误。"), ui.prompter);
        ASSERT_EQ(ui.prompter.shown().back().buttons, ui::Buttons::YesNo);
        CHelpWindow* help = app->mainFrame()->helpWindow();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help->browser()->source().fragment(), c.anchor);
        EXPECT_TRUE(help->browser()->toPlainText().contains(c.pageText));
        help->hide();
    }
    // 否 leaves the manual closed.
    ui.prompter.queue(ui::Answer::No);
    projectdb::ReportDaoError(dao::DaoException(dao::kErrConversion, "数据类型转换错误。"), ui.prompter);
    EXPECT_FALSE(app->mainFrame()->helpWindow()->isVisible());
}

}  // namespace
