#include <QMdiArea>
#include <QMdiSubWindow>
#include <QAction>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

#include "app/ui/child_frames.h"
#include "app/ui/start_dialog.h"
#include "app_fixture.h"
#include "browse/ui/bri_form_view.h"
#include "browse/ui/bri_tree_view.h"
#include "browse/ui/project_host.h"
#include "platform/dao/recordset.h"
#include "platform/spreadsheet/spreadsheet.h"

namespace {

std::string CurrentFileSetting() { return registry::ReadSetting("Current Database File", "File"); }

TEST_F(AppTest, ProjectOnTheCommandLineOpensWithItsTreeWindow) {
    std::string path = StartOn("一号桥.vlt");
    ASSERT_NE(app->projectDb(), nullptr);
    EXPECT_EQ(app->ProjectWindowCount(), 1);
    ASSERT_NE(windows().TreeFrame(), nullptr);
    EXPECT_EQ(windows().TreeFrame()->windowTitle(), "项目数据库");
    EXPECT_EQ(windows().TreeFrame()->view()->RootText(), "一号桥.vlt");
    EXPECT_EQ(CurrentFileSetting(), path);
    EXPECT_EQ(app->mainFrame()->windowTitle(), QString::fromStdString("LumarisOmbrix - [" + path + "]"));
    EXPECT_EQ(app->recentFiles().entries().first(), QString::fromStdString(path));
    EXPECT_EQ(app->mainFrame()->menuBar()->actions().first()->text(), "项目(&P)");
    EXPECT_EQ(app->mainFrame()->menuBar()->actions()[1]->text(), "设置(&S)");
}

TEST_F(AppTest, AProjectOnTheCommandLineThatCannotBeOpenedEndsTheStartUp) {
    StartOptions options;
    options.showSplash = false;
    options.showStartDialog = false;
    options.projectPath = QString::fromStdString(dir.file("missing.vlt"));
    EXPECT_FALSE(app->InitInstance(options));
    ASSERT_EQ(ui.prompter.shown().size(), 1u);
    EXPECT_NE(ui.prompter.shown()[0].text.find("(3024)"), std::string::npos);
    EXPECT_NE(registry::ReadSetting("Running State", "VeltraIsRunning"), "Yes");
}

TEST_F(AppTest, AFileThatIsNoDatabaseIsReportedAndTheCurrentProjectStays) {
    std::string path = StartOn("a.vlt");
    std::string junk = dir.file("junk.vlt");
    testing_support::WriteBytes(junk, "not a database");
    EXPECT_FALSE(app->OpenDocumentFile(QString::fromStdString(junk)));
    ASSERT_EQ(ui.prompter.shown().size(), 1u);
    EXPECT_NE(ui.prompter.shown()[0].text.find("(3343)"), std::string::npos);
    EXPECT_EQ(app->projectDb()->GetName(), path);
    EXPECT_EQ(testing_support::ReadBytes(junk), "not a database");
}

TEST_F(AppTest, OpeningAnotherProjectClosesTheFirstWithItsGridWindows) {
    std::string first = MakeProject("a.vlt"), second = MakeProject("b.vlt");
    Start(QString::fromStdString(first));
    app->projectHost().OpenGridWindow("伸缩缝信息表");
    app->projectHost().OpenGridWindow("一般信息表");
    EXPECT_EQ(app->ProjectWindowCount(), 3);
    EXPECT_EQ(windows().GridFrames().size(), 2u);
    EXPECT_EQ(windows().GridFrames()[0]->windowTitle(), "表：伸缩缝信息表[*]");
    // Opening a table that is shown activates its window instead of making a second one.
    app->projectHost().OpenGridWindow("伸缩缝信息表");
    EXPECT_EQ(windows().GridFrames().size(), 2u);
    ASSERT_TRUE(app->Session().Open(second, app::OpenRoute::CloseFirst));
    QApplication::processEvents();
    EXPECT_TRUE(windows().GridFrames().empty());
    EXPECT_EQ(app->ProjectWindowCount(), 1);
    EXPECT_EQ(app->projectDb()->GetName(), second);
    EXPECT_EQ(windows().TreeFrame()->windowTitle(), "WorkSpace");
    EXPECT_EQ(CurrentFileSetting(), second);
}

TEST_F(AppTest, AGridThatRefusesToCloseKeepsTheOldProjectOpen) {
    std::string first = MakeProject("a.vlt"), second = MakeProject("b.vlt");
    Start(QString::fromStdString(first));
    // Member tables come from design modules; make one the way another program would.
    app->projectDb()->Execute("CREATE TABLE [钢筋布置信息表] (Num LONG, Name TEXT(255))");
    browse::CBriFormView* grid = app->projectHost().OpenGridWindow("钢筋布置信息表");
    ASSERT_NE(grid, nullptr);
    // The user types into the second column of the empty row: an empty first column cannot be saved.
    grid->Grid().setCurrentCell(1, 2);
    QMimeData typed;
    typed.setText("x");
    ASSERT_TRUE(grid->Grid().pasteMimeData(typed));
    ui.prompter.queue(ui::Answer::Yes);  // save? yes -> refused by the first-column rule
    EXPECT_FALSE(app->OpenDocumentFile(QString::fromStdString(second)));
    EXPECT_EQ(app->projectDb()->GetName(), first);
    EXPECT_EQ(windows().GridFrames().size(), 1u);
    EXPECT_EQ(CurrentFileSetting(), first);
    EXPECT_EQ(ui.prompter.texts().back(), "第一列数据必须赋值！");
}

TEST_F(AppTest, SaveAsReplacesAFileCopiesTablesAndSkipsSystemTables) {
    std::string first = MakeProject("a.vlt");
    std::string target = dir.file("新桥.vlt");
    testing_support::WriteBytes(target, "old content");
    Start(QString::fromStdString(first));
    app->projectDb()->Execute("CREATE TABLE t (id INTEGER PRIMARY KEY AUTOINCREMENT, v)");
    app->projectDb()->Execute("INSERT INTO t (v) VALUES ('kept')");
    app->projectHost().OpenGridWindow("伸缩缝信息表");
    ui.files.queue(target);
    app->mainFrame()->OnCommand("save-as");
    ASSERT_EQ(app->projectDb()->GetName(), target);
    EXPECT_EQ(CurrentFileSetting(), target);
    EXPECT_EQ(app->mainFrame()->windowTitle(), QString::fromStdString("LumarisOmbrix - [" + target + "]"));
    EXPECT_EQ(windows().TreeFrame()->view()->RootText(), "新桥.vlt");
    std::vector<std::string> names;
    for (const auto& t : app->projectDb()->GetTableDefs()) names.push_back(t.m_strName);
    EXPECT_EQ(std::count(names.begin(), names.end(), "sqlite_sequence"), 0);
    EXPECT_EQ(std::count(names.begin(), names.end(), "t"), 1);
    EXPECT_EQ(std::count(names.begin(), names.end(), "一般信息表"), 1);
    // The grid window still open reads the new file.
    EXPECT_EQ(windows().GridFrames().size(), 1u);
    dao::Recordset rs(*app->projectDb());
    rs.Open("t");
    EXPECT_EQ(rs.GetFieldValue("v").text(), "kept");
}

TEST_F(AppTest, CloseEmptiesTheSettingAndTheMenu) {
    StartOn("a.vlt");
    app->mainFrame()->OnCommand("close");
    EXPECT_EQ(app->projectDb(), nullptr);
    EXPECT_EQ(app->ProjectWindowCount(), 0);
    EXPECT_EQ(windows().TreeFrame(), nullptr);
    EXPECT_EQ(CurrentFileSetting(), "");
    EXPECT_EQ(app->mainFrame()->windowTitle(), "LumarisOmbrix");
    EXPECT_EQ(app->mainFrame()->menuBar()->actions()[1]->text(), "查看(&V)");
}

TEST_F(AppTest, EndingTheApplicationWithAProjectOpenEmptiesTheSetting) {
    std::string path = StartOn("a.vlt");
    ASSERT_EQ(CurrentFileSetting(), path);
    EXPECT_TRUE(app->mainFrame()->close());
    app->ExitInstance();
    started = false;
    EXPECT_EQ(CurrentFileSetting(), "");
    EXPECT_EQ(registry::ReadSetting("Running State", "VeltraIsRunning"), "No");
}

TEST_F(AppTest, ImportRefusesAFileThatIsNeitherRouteNorProject) {
    StartOn("a.vlt");
    std::string other = dir.file("notes.txt");
    testing_support::WriteBytes(other, "x");
    ui.files.queue(other);
    app->mainFrame()->OnCommand("import");
    EXPECT_EQ(ui.prompter.texts(), (std::vector<std::string>{"该文件中无可参考信息!"}));
}

TEST_F(AppTest, StartDialogListsRecentProjectsAndOpensTheChosenOne) {
    RecentFileList recent;
    recent.add("/data/b.vlt");
    recent.add("/data/a.vlt");
    ui::ScriptedFileChooser files;
    CStartDlg dialog(recent.entries(), files);
    ASSERT_EQ(dialog.list()->count(), 3);
    EXPECT_EQ(dialog.list()->item(0)->text(), CStartDlg::kOtherFile);
    EXPECT_EQ(dialog.list()->currentRow(), 1);  // the most recent project is selected
    dialog.OnOK();
    EXPECT_EQ(dialog.choice(), CStartDlg::Choice::Open);
    EXPECT_EQ(dialog.path(), "/data/a.vlt");

    CStartDlg other(recent.entries(), files);
    other.selectMode(CStartDlg::Choice::Import);
    other.selectRow(0);
    other.OnOK();  // the file dialog is cancelled: the start dialog stays
    EXPECT_EQ(other.choice(), CStartDlg::Choice::None);
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(files.requests()[0].title, "导入项目文件");
    other.selectMode(CStartDlg::Choice::New);
    EXPECT_FALSE(other.list()->isEnabled());
    other.OnOK();
    EXPECT_EQ(other.choice(), CStartDlg::Choice::New);
}

}  // namespace

namespace {

TEST_F(AppTest, AdvancedUserTogglesWithItsCheckMark) {
    StartOn("a.vlt");
    QAction* entry = app->mainFrame()->action("advanced-user");
    EXPECT_FALSE(app->IsAdvancedUser());
    entry->trigger();
    EXPECT_TRUE(entry->isChecked());
    EXPECT_TRUE(app->IsAdvancedUser());
    EXPECT_TRUE(app->projectHost().IsAdvancedUser());
    entry->trigger();
    EXPECT_FALSE(app->IsAdvancedUser());
    EXPECT_EQ(entry->statusTip(), "允许高级用户直接编辑部分重要的数据库");
}

}  // namespace

namespace {

TEST_F(AppTest, AProjectDroppedOnTheMainWindowOpens) {
    std::string path = MakeProject("拖入.vlt");
    Start();
    EXPECT_TRUE(app->mainFrame()->acceptDrops());
    EXPECT_TRUE(app->mainFrame()->OnDropFiles({QUrl::fromLocalFile(QString::fromStdString(path))}));
    ASSERT_NE(app->projectDb(), nullptr);
    EXPECT_EQ(app->projectDb()->GetName(), path);
}

}  // namespace

namespace {

TEST_F(AppTest, ClosingTheTreeWindowClosesTheProject) {
    StartOn("a.vlt");
    app->projectHost().OpenGridWindow("伸缩缝信息表");
    ASSERT_TRUE(windows().TreeFrame()->close());
    QApplication::processEvents();
    EXPECT_EQ(app->projectDb(), nullptr);
    EXPECT_EQ(windows().TreeFrame(), nullptr);
    EXPECT_TRUE(windows().GridFrames().empty());
    EXPECT_EQ(app->ProjectWindowCount(), 0);
    EXPECT_TRUE(app->mainFrame()->mdiArea()->subWindowList().isEmpty());
}

}  // namespace

namespace {

TEST_F(AppTest, OpenOfADamagedFileReportsItAndKeepsTheProjectWithItsGrids) {
    std::string path = MakeProject("a.vlt");
    std::string junk = dir.file("坏.vlt");
    testing_support::WriteBytes(junk, "damaged");
    Start(QString::fromStdString(path));
    app->projectHost().OpenGridWindow("伸缩缝信息表");
    const QString title = app->mainFrame()->windowTitle();
    ui.files.queue(junk);
    app->mainFrame()->OnCommand("open");
    ASSERT_NE(app->projectDb(), nullptr);
    EXPECT_EQ(app->projectDb()->GetName(), path);
    EXPECT_EQ(CurrentFileSetting(), path);
    EXPECT_EQ(windows().GridFrames().size(), 1u);
    ASSERT_EQ(ui.prompter.shown().size(), 1u);
    EXPECT_NE(ui.prompter.shown()[0].text.find("(3343)"), std::string::npos);
    EXPECT_EQ(ui.files.requests().back().title, "打开项目文件");
    EXPECT_EQ(app->mainFrame()->windowTitle(), title);
}

}  // namespace
