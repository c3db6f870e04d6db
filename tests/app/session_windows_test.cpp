// The main window's side of the session: grids written before Save As, views refreshed once per announcement,
// one live Ctrl+I, and pictures of the arranged windows.
#include <QAction>
#include <QDir>
#include <QMdiArea>
#include <QMimeData>

#include "app/project_session.h"
#include "app_fixture.h"
#include "browse/ui/bri_form_view.h"
#include "browse/ui/bri_tree_view.h"
#include "browse/ui/project_host.h"
#include "platform/dao/recordset.h"
#include "platform/spreadsheet/spreadsheet.h"

namespace {

void Type(browse::CBriFormView& grid, int row, int col, const char* text) {
    grid.Grid().setCurrentCell(row, col);
    QMimeData typed;
    typed.setText(text);
    ASSERT_TRUE(grid.Grid().pasteMimeData(typed));
}

long CountJoints(dao::Database& db) {
    dao::Recordset rs(db);
    rs.Open("SELECT * FROM [伸缩缝信息表]");
    long n = 0;
    for (; !rs.IsEOF(); rs.MoveNext()) ++n;
    return n;
}

TEST_F(AppTest, SaveAsWritesWhatWasTypedIntoTheGridsFirst) {
    StartOn("a.vlt");
    app->SetAdvancedUser(true);  // central tables are edited by advanced users only
    browse::CBriFormView* grid = app->projectHost().OpenGridWindow("伸缩缝信息表");
    Type(*grid, 1, 1, "1\t1250.5");
    EXPECT_TRUE(windows().GridFrames()[0]->isWindowModified());
    ui.prompter.queue(ui::Answer::Yes);  // save the edits of 伸缩缝信息表? yes
    ui.files.queue(dir.file("b.vlt"));
    app->mainFrame()->OnCommand("save-as");
    ASSERT_EQ(app->projectDb()->GetName(), dir.file("b.vlt"));
    EXPECT_EQ(CountJoints(*app->projectDb()), 1);
    EXPECT_FALSE(windows().GridFrames()[0]->isWindowModified());
    EXPECT_EQ(windows().GridFrames()[0]->view()->Grid().text(1, 2), "1250.5");
}

TEST_F(AppTest, AnAnnouncementRefreshesTheTreeAndEveryGridOnce) {
    StartOn("a.vlt");
    app->SetAdvancedUser(true);
    browse::CBriFormView* joints = app->projectHost().OpenGridWindow("伸缩缝信息表");
    app->projectHost().OpenGridWindow("一般信息表");
    app->projectDb()->Execute("INSERT INTO [伸缩缝信息表] VALUES (1, 1250.5)");
    app->projectDb()->Execute("CREATE TABLE [钢束信息表] (Num LONG)");
    int requeries = 0;
    QObject::connect(joints, &browse::CBriFormView::modifiedChanged, [&] { ++requeries; });
    Type(*joints, 2, 1, "9");  // a pending edit, dropped by the refresh
    requeries = 0;
    app->Session().AnnounceTablesChanged({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    EXPECT_EQ(requeries, 1);
    EXPECT_EQ(joints->Grid().text(1, 2), "1250.5");
    EXPECT_EQ(joints->Grid().text(2, 1), "");
    EXPECT_EQ(windows().TreeFrame()->view()->CategoryShowing("钢束信息表"), "其它信息");
}

TEST_F(AppTest, OnlyOneImportAnswersCtrlIAtATime) {
    Start();
    auto liveCtrlI = [this] {
        int live = 0;
        for (QAction* a : app->mainFrame()->actions())
            if (a->shortcut() == QKeySequence("Ctrl+I") && a->isEnabled()) ++live;
        return live;
    };
    EXPECT_EQ(liveCtrlI(), 1);
    EXPECT_TRUE(app->mainFrame()->action("import-project")->isEnabled());
    ASSERT_TRUE(app->OpenDocumentFile(QString::fromStdString(MakeProject("a.vlt"))));
    EXPECT_EQ(liveCtrlI(), 1);
    EXPECT_TRUE(app->mainFrame()->action("import")->isEnabled());
}

TEST_F(AppTest, TiledWindowsAndAModifiedGridTitle) {
    StartOn("三号桥.vlt");
    app->mainFrame()->resize(1280, 800);
    QApplication::processEvents();
    app->SetAdvancedUser(true);
    browse::CBriFormView* joints = app->projectHost().OpenGridWindow("伸缩缝信息表");
    app->projectHost().OpenGridWindow("下构布置信息表");
    Type(*joints, 1, 1, "1\t1250.5");
    app->mainFrame()->mdiArea()->setActiveSubWindow(windows().GridFrames()[0]);
    Shot(*app->mainFrame(), "modified_grid");
    app->mainFrame()->OnCommand("window-tile");
    QApplication::processEvents();
    EXPECT_EQ(app->ProjectWindowCount(), 3);
    Shot(*app->mainFrame(), "tiled_windows");
    ui.prompter.queue(ui::Answer::No);  // the pending edit is not saved when the project closes
}

}  // namespace
