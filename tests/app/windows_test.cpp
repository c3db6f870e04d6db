#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QTreeWidget>

#include "app/ui/about_dialog.h"
#include "app/ui/child_frames.h"
#include "app/ui/start_dialog.h"
#include "app_fixture.h"
#include "browse/ui/bri_form_view.h"
#include "browse/ui/bri_tree_view.h"
#include "browse/ui/project_host.h"
#include "platform/spreadsheet/spreadsheet.h"

namespace {

TEST_F(AppTest, ProjectWindowsOpenAtTheirPlaces) {
    std::string path = MakeProject("二号桥.vlt");
    {
        auto db = dao::Database::Open(path);
        db->Execute("INSERT INTO [伸缩缝信息表] VALUES (1, 1250.5), (2, 1310), (3, 1370.25)");
        db->Execute("INSERT INTO [下构布置信息表] (PierAbutNum, PierAbutStake, BentCapType, BodyType, ConnectType, "
                    "FoundationType) VALUES (0, 1250.5, '1类台帽', '肋板式台身', '无', '单排桩基础'), "
                    "(1, 1280.25, '1类墩帽', '圆形截面柱式墩身', '系梁', '单排桩基础')");
        db->Execute("CREATE TABLE [钢束信息表] (Num LONG)");
    }
    Start(QString::fromStdString(path));
    CMainFrame* frame = app->mainFrame();
    frame->resize(1280, 800);
    QApplication::processEvents();
    windows().TreeFrame()->place();
    app->projectHost().OpenGridWindow("伸缩缝信息表");
    app->projectHost().OpenGridWindow("下构布置信息表");
    QApplication::processEvents();
    QSize client = frame->mdiArea()->viewport()->size();
    EXPECT_EQ(windows().TreeFrame()->geometry(), QRect(0, 0, 250, client.height() - 3));
    ASSERT_EQ(windows().GridFrames().size(), 2u);
    // Every grid window opens at x = 200, over the tree window's right edge, not beside it.
    for (CChildFrame* grid : windows().GridFrames())
        EXPECT_EQ(grid->geometry(), QRect(200, 0, client.width() - 204, client.height() - 3));
    EXPECT_EQ(windows().TreeFrame()->view()->CategoryShowing("钢束信息表"), "其它信息");
    windows().TreeFrame()->view()->tree()->expandAll();
    Shot(*frame, "project_windows");
}

TEST_F(AppTest, TheGridMenusModulePopupRunsTheSiblingPrograms) {
    StartOn("a.vlt");
    browse::CBriFormView* view = app->projectHost().OpenGridWindow("伸缩缝信息表");
    ASSERT_NE(view, nullptr);
    std::unique_ptr<QMenu> menu(view->CreateContextMenu());
    QMenu* modules = menu->actions().last()->menu();
    ASSERT_NE(modules, nullptr);
    EXPECT_EQ(modules->title(), "模块");
    ASSERT_EQ(modules->actions().size(), 2);
    EXPECT_EQ(modules->actions()[0]->text(), "三维造型");
    EXPECT_EQ(modules->actions()[1]->text(), "下部计算");
    // Chosen in the grid, 下部计算 runs the main menu's command: here no substructure program is installed.
    view->RunCommand(modules->actions()[1]->data().toInt());
    EXPECT_EQ(ui.prompter.texts(), std::vector<std::string>{"您没有正确安装桥梁下部构造CAD模块。"});
}

TEST_F(AppTest, StatusBarLockIndicatorsFollowTheKeyboard) {
    Start();
    const struct {
        windows::LockStates locks;
        QStringList texts;
    } cases[] = {
        {{false, false, false}, {"", "", ""}},
        {{true, false, true}, {"大写", "", "滚动"}},
        {{false, true, false}, {"", "数字", ""}},
        {{true, true, true}, {"大写", "数字", "滚动"}},
    };
    for (const auto& c : cases) {
        app->mainFrame()->SetLockReader([locks = c.locks] { return locks; });
        QStringList shown;
        for (int i = 0; i < 3; ++i) shown << app->mainFrame()->lockIndicator(i)->text();
        EXPECT_EQ(shown, c.texts);
    }
}

TEST_F(AppTest, StartDialogAndAboutBoxPictures) {
    RecentFileList recent;
    recent.add("/home/engineer/projects/一号桥.vlt");
    recent.add("/home/engineer/projects/二号桥左幅.vlt");
    ui::ScriptedFileChooser files;
    CStartDlg start(recent.entries(), files);
    start.show();
    QApplication::processEvents();
    Shot(start, "start_dialog");
    CAboutDlg about;
    about.show();
    QApplication::processEvents();
    Shot(about, "about_box");
    EXPECT_GE(about.width(), 340);
}

}  // namespace
