// The menu bars as built from the command table, the listing for reviewers, and shrinking the main window.
#include <QAction>
#include <QMenuBar>

#include "app/ui/menu_listing.h"
#include "app/ui/help_window.h"
#include <QListWidget>
#include <QTextBrowser>
#include "browse/ui/bri_tree_view.h"
#include "platform/modules/module_loader.h"
#include "app_fixture.h"
#include "platform/interaction/scripted.h"

namespace {

QStringList Popups(const QMenuBar& bar) {
    QStringList texts;
    for (QAction* a : bar.actions()) texts << a->text();
    return texts;
}

TEST_F(AppTest, ProjectMenuHoldsEveryPopupWithUnbuiltEntriesDisabled) {
    Start(QString::fromStdString(MakeProject("a.vlt")));
    EXPECT_EQ(Popups(*app->mainFrame()->menuBar()),
              (QStringList{"项目(&P)", "设置(&S)", "总体信息(&A)", "桥址信息(&I)", "结构信息(&T)", "构件库(&C)",
                           "钢筋图设计(&D)", "辅助计算(&O)", "窗口(&W)", "帮助(&H)"}));
    QString listing = ListMenus(*app->mainFrame()->menuBar());
    EXPECT_TRUE(listing.contains("项目(&P)\t32784\t保存(&S)\tCtrl+S\t保存当前项目\t1\n"));
    EXPECT_TRUE(listing.contains("结构信息(&T) > 下部构造\t32907\t墩台设计\t\t"));
    EXPECT_TRUE(listing.contains("\t32906\t挡土墙\t\t设计挡土墙\t0\n"));
    EXPECT_TRUE(listing.contains("钢筋图设计(&D) > 基础钢筋布置\t33381\t桩基础"));
    EXPECT_TRUE(listing.contains("\t33429\t辅助计算\t\t根据桥位所在路线平、纵、横信息进行一些有关坐标、高程、方位角等"
                                 "辅助计算\t1\n"));
    EXPECT_EQ(app->mainFrame()->action("route-geometry")->toolTip(), "辅助计算");
}

// A row whose handler the main window forgot would stand in its menu, disabled for good, with no error.
TEST_F(AppTest, EveryBuiltCommandHasAHandler) {
    Start();
    const app::CommandTable& commands = app->mainFrame()->commands();
    for (const app::CommandSpec& row : commands.Specs())
        EXPECT_EQ(commands.HasHandler(row.id), row.availability != app::Availability::NotYetBuilt) << row.key;
}

TEST_F(AppTest, PrintSetupOpensThePrinterSetUpAndKeepsWhatWasConfirmed) {
    ui::ScriptedPrinterSetupChooser printers;
    app->setPrinterSetupChooser(&printers);
    Start();
    EXPECT_TRUE(ListMenus(*app->mainFrame()->menuBar())
                    .contains("项目(&P)\t57606\t打印设置(&R)...\t\t改变打印机及打印选项\t1\n"));
    const ui::PrinterSetup a3{"绘图仪", "A3", true};
    printers.queue(a3);
    app->mainFrame()->OnCommand("print-setup");
    printers.queue(std::nullopt);  // cancelled: the set-up stays as confirmed before
    app->mainFrame()->OnCommand("print-setup");
    ASSERT_EQ(printers.shown().size(), 2u);
    EXPECT_EQ(printers.shown()[0], ui::PrinterSetup{});
    EXPECT_EQ(printers.shown()[1], a3);
    EXPECT_EQ(app->Printer(), a3);
}

TEST_F(AppTest, ShrinkingTwiceHasNoFurtherEffectAndRestoreGivesTheSizeBack) {
    Start();
    CMainFrame* frame = app->mainFrame();
    frame->showNormal();
    frame->setGeometry(40, 50, 900, 600);
    QRect before = frame->geometry();
    frame->OnCommand("shrink");
    QRect shrunk = frame->geometry();
    EXPECT_LT(shrunk.height(), 200);
    EXPECT_EQ(shrunk.width(), before.width());
    EXPECT_TRUE(frame->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(frame->action("shrink")->isEnabled());
    frame->OnCommand("shrink");
    EXPECT_EQ(frame->geometry(), shrunk);
    frame->OnCommand("restore");
    EXPECT_EQ(frame->geometry(), before);
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(frame->action("shrink")->isEnabled());
}

}  // namespace

namespace {

extern "C" void CreateTieBeamTable(dao::Database* db) { db->Execute("CREATE TABLE [系梁信息表] (PierAbutmentNum LONG)"); }

class OneModule : public modules::ModuleLoader {
public:
    std::unique_ptr<modules::LoadedModule> Load(const std::string& name, long& errorCode) override {
        struct Module : modules::LoadedModule {
            void* Resolve(const std::string& e) override {
                return e == "DesignPierAbut" ? reinterpret_cast<void*>(&CreateTieBeamTable) : nullptr;
            }
        };
        if (name != "PierAbut.dll") {
            errorCode = 2;
            return nullptr;
        }
        return std::make_unique<Module>();
    }
};

TEST_F(AppTest, AfterADesignModuleTheTreeShowsWhatItWrote) {
    OneModule modules;
    app->setModuleLoader(&modules);
    Start(QString::fromStdString(MakeProject("a.vlt")));
    EXPECT_EQ(windows().TreeFrame()->view()->CategoryShowing("系梁信息表"), "");
    app->mainFrame()->OnCommand("design-pier-abut");
    EXPECT_EQ(windows().TreeFrame()->view()->CategoryShowing("系梁信息表"), "连接构造");
    EXPECT_TRUE(ui.prompter.shown().empty());
}

}  // namespace

namespace {

TEST_F(AppTest, HelpTopicsShowTheManualWithContentsAndSearch) {
    Start();
    app->mainFrame()->OnCommand("help-topics");
    CHelpWindow* help = app->mainFrame()->helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(ui.prompter.shown().empty());
    EXPECT_GE(help->contents()->count(), 8);
    EXPECT_EQ(help->contents()->item(0)->text(), "LumarisOmbrix 帮助");
    help->Search("k1+190.5");
    ASSERT_EQ(help->results()->count(), 1);
    EXPECT_EQ(help->results()->item(0)->text(), "导入");
    help->ShowPage(help->results()->item(0)->data(Qt::UserRole).toString());
    EXPECT_TRUE(help->browser()->toPlainText().contains("K1+190.5"));
    EXPECT_TRUE(help->browser()->isBackwardAvailable());
    help->resize(900, 640);
    QApplication::processEvents();
    Shot(*help, "help_window");
}

}  // namespace
