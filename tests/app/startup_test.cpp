#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QGroupBox>
#include <QPushButton>

#include "app/ui/about_dialog.h"
#include "app_fixture.h"

namespace {

QStringList MenuTitles(QMainWindow* frame) {
    QStringList titles;
    for (QAction* a : frame->menuBar()->actions()) titles << a->text();
    return titles;
}

QStringList EntriesOf(QMainWindow* frame, const QString& title) {
    QStringList texts;
    for (QAction* a : frame->menuBar()->actions())
        if (a->text() == title)
            for (QAction* e : a->menu()->actions()) texts << (e->isSeparator() ? "-" : e->text());
    return texts;
}

TEST_F(AppTest, RunningStateIsYesWhileRunningAndNoAfterANormalExit) {
    Start();
    EXPECT_EQ(registry::ReadSetting("Running State", "VeltraIsRunning"), "Yes");
    app->ExitInstance();
    started = false;
    EXPECT_EQ(registry::ReadSetting("Running State", "VeltraIsRunning"), "No");
}

TEST_F(AppTest, WithoutAProjectTheMainWindowShowsMenu140) {
    Start();
    CMainFrame* frame = app->mainFrame();
    EXPECT_EQ(frame->windowTitle(), "LumarisOmbrix");
    EXPECT_EQ(MenuTitles(frame), (QStringList{"项目(&P)", "查看(&V)", "帮助(&H)"}));
    EXPECT_EQ(EntriesOf(frame, "项目(&P)"),
              (QStringList{"新建(&N)", "打开(&O)...", "导入(&I)...", "-", "打印设置(&R)...", "-", "最近文件", "-", "退出(&X)"}));
    EXPECT_EQ(EntriesOf(frame, "帮助(&H)"), (QStringList{"帮助主题(&H)", "关于Ombrix(&A)..."}));
    EXPECT_TRUE(frame->action("new")->isEnabled());
    EXPECT_TRUE(frame->action("open")->isEnabled());
    EXPECT_EQ(frame->action("open")->shortcut(), QKeySequence("Ctrl+O"));
}

TEST_F(AppTest, RecentListKeepsFifteenMostRecentFirstInTheProfile) {
    RecentFileList list;
    for (int i = 1; i <= 16; ++i) list.add(QString("/tmp/p%1.vlt").arg(i));
    list.add("/tmp/p5.vlt");  // an entry already there moves to the top
    QStringList entries = list.entries();
    ASSERT_EQ(entries.size(), 15);
    EXPECT_EQ(entries.first(), "/tmp/p5.vlt");
    EXPECT_EQ(entries[1], "/tmp/p16.vlt");
    EXPECT_FALSE(entries.contains("/tmp/p1.vlt"));  // the sixteenth most recent is dropped
    QSettings settings;
    EXPECT_EQ(settings.value("Recent File List/File1").toString(), "/tmp/p5.vlt");
    EXPECT_EQ(settings.value("Recent File List/File15").toString(), "/tmp/p2.vlt");
    settings.setValue("Recent File List/File2", "None");
    RecentFileList reread;
    reread.load();
    EXPECT_EQ(reread.entries().size(), 14);
}

TEST_F(AppTest, AboutBoxTexts) {
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "关于Ombrix");
    QStringList labels;
    for (QLabel* l : about.findChildren<QLabel*>()) labels << l->text();
    EXPECT_TRUE(labels.contains("当前软件版本：  4.6.1.1"));
    EXPECT_TRUE(labels.filter("如有问题或建议请与我联系").size() == 1);
    EXPECT_TRUE(labels.filter("mailto:").size() == 1);
    ASSERT_EQ(about.findChildren<QGroupBox*>().size(), 1);
    EXPECT_EQ(about.findChildren<QGroupBox*>().first()->title(), "当前软件信息");
    EXPECT_EQ(about.findChildren<QPushButton*>().first()->text(), "确定");
}

TEST(StartOptions, ProjectPathAndScreenshotFromTheCommandLine) {
    auto options = StartOptions::Parse({"veltra", "--no-splash", "/data/桥.vlt"});
    EXPECT_EQ(options.projectPath, "/data/桥.vlt");
    EXPECT_FALSE(options.showSplash);
    EXPECT_TRUE(options.showStartDialog);
    options = StartOptions::Parse({"veltra", "--screenshot", "/tmp/x.png"});
    EXPECT_EQ(options.screenshotPath, "/tmp/x.png");
    EXPECT_FALSE(options.showStartDialog);
}

}  // namespace
