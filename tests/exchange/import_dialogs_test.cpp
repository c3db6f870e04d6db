#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <functional>

#include "exchange/ui/import_options_dialog.h"
#include "exchange/ui/import_range_dialog.h"
#include "exchange/ui/route_import_command.h"
#include "route_fixture.h"
#include "support/dialog_driver.h"
#include "support/window_shot.h"

namespace {

using testing_support::DialogDriver;
using exchange::ImportBox;
using exchange::ImportMode;
using Strings = std::vector<std::string>;

// With VELTRA_SHOTS set, windows are saved there as pictures to look at, at the size their contents want.
void Shot(QWidget& w, const char* name) {
    if (qEnvironmentVariableIsEmpty("VELTRA_SHOTS")) return;
    w.adjustSize();
    testing_support::Shot(w, name);
}

TEST(ImportDialogs, OptionsDialogShowsTheModeAndTheAllBox) {
    struct Case {
        ImportMode mode;
        const char* shot;
        Strings enabled;
    } cases[] = {
        {ImportMode::RouteFile, "import_options_route", {"地面线数据", "平曲线数据", "竖曲线数据", "导入全部内容"}},
        {ImportMode::ReferenceProject, "import_options_reference",
         {"地面线数据", "平曲线数据", "竖曲线数据", "上部构造", "下部构造", "附属构造", "导入全部内容"}},
        {ImportMode::NewProject, "import_options_new",
         {"一般信息", "桥跨信息", "绘图信息", "地面线数据", "平曲线数据", "竖曲线数据", "上部构造", "下部构造", "附属构造",
          "导入全部内容"}},
    };
    for (const auto& c : cases) {
        CImportOptionsDlg dlg(c.mode, "/data/路线.BRF");
        EXPECT_EQ(dlg.windowTitle(), "导入选项");
        Strings enabled;
        for (const auto& info : exchange::ImportBoxes())
            if (dlg.box(info.box)->isEnabled()) enabled.push_back(dlg.box(info.box)->text().toStdString());
        EXPECT_EQ(enabled, c.enabled);
        EXPECT_EQ(dlg.findChild<QCheckBox*>("check1144"), dlg.box(ImportBox::All));
        Shot(dlg, c.shot);
        dlg.box(ImportBox::All)->click();
        EXPECT_TRUE(dlg.box(ImportBox::Auxiliary)->isChecked());
        EXPECT_EQ(dlg.box(ImportBox::GeneralInfo)->isChecked(), c.mode == ImportMode::NewProject);
        dlg.box(ImportBox::All)->click();
        for (const auto& info : exchange::ImportBoxes()) EXPECT_FALSE(dlg.box(info.box)->isChecked()) << info.text;
    }
}

TEST(ImportDialogs, RangeDialogStartsAtTheBridgeAndKeepsItsExactValues) {
    ui::ScriptedPrompter prompt;
    CImportRangeDlg dlg({1234.5, 1300.25}, prompt);
    EXPECT_EQ(dlg.windowTitle(), "确定导入数据范围");
    EXPECT_EQ(dlg.findChild<QLineEdit*>("bridgeStart")->text(), "1234.500");
    EXPECT_TRUE(dlg.findChild<QLineEdit*>("bridgeEnd")->isReadOnly());
    EXPECT_FALSE(dlg.startEdit()->isReadOnly());
    Shot(dlg, "import_range");
    // Edits left as shown give the bridge extent exactly, also where it is finer than the shown millimetres.
    CImportRangeDlg fine({1234.56789, 1300.00049}, prompt);
    EXPECT_EQ(fine.startEdit()->text(), "1234.568");
    EXPECT_EQ(fine.range()->start, 1234.56789);
    EXPECT_EQ(fine.range()->end, 1300.00049);
    fine.endEdit()->setText("1300.001");
    EXPECT_EQ(fine.range()->end, 1300.001);
    EXPECT_TRUE(prompt.texts().empty());
}

TEST(ImportDialogs, RangeDialogReadsStakesAndRefusesOtherText) {
    struct Case {
        const char* start;
        const char* end;
        bool accepted;
        exchange::RouteRange range;
        Strings messages;
    } cases[] = {
        {"K1+190.5", " k1+300 ", true, {1190.5, 1300}, {}},
        {"1250.5", "K1+300.000", true, {1250.5, 1300}, {}},
        {"1250.5m", "1300", false, {}, {"“1250.5m”不是有效的桩号，请输入数值或K1+190.5形式的桩号。"}},
        {"1250", "K1+", false, {}, {"“K1+”不是有效的桩号，请输入数值或K1+190.5形式的桩号。"}},
        {"", "1300", false, {}, {"“”不是有效的桩号，请输入数值或K1+190.5形式的桩号。"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        ui::ScriptedPrompter prompt;
        CImportRangeDlg dlg({1234.5, 1300.25}, prompt);
        dlg.startEdit()->setText(c.start);
        dlg.endEdit()->setText(c.end);
        dlg.accept();
        EXPECT_EQ(dlg.result() == QDialog::Accepted, c.accepted);
        EXPECT_EQ(prompt.texts(), c.messages);
        EXPECT_EQ(dlg.range().has_value(), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(dlg.range()->start, c.range.start);
            EXPECT_EQ(dlg.range()->end, c.range.end);
        }
    }
}

TEST(ImportDialogs, RouteImportRunsTheDialogsThenTheChosenReaders) {
    std::string text = route_test::Profile({{0, 1}, {100, 2}, {200, 3}, {300, 4}}) +
                       route_test::Vert({0, 150, 300}) + route_test::Deck({120, 160});
    struct Case {
        std::vector<double> joints;
        bool acceptOptions;
        bool rangeShown;
        bool ran;
        Strings groundLine;
        size_t deckRecords;
    } cases[] = {
        {{100, 200}, true, true, true, {"0", "100", "200"}, 1},  // range typed as 90 .. 150
        {{100, 200}, false, false, false, {}, 0},
        {{}, true, false, false, {}, 0},  // no bridge extent: ends silently
    };
    for (const auto& c : cases) {
        route_test::Project p(c.joints);
        std::string path = p.writeFile(text, "route.brf");
        DialogDriver driver;
        bool rangeShown = false;
        driver.then([&](QWidget* w) {
            auto* dlg = qobject_cast<CImportOptionsDlg*>(w);
            ASSERT_TRUE(dlg);
            if (!c.acceptOptions) return dlg->reject();
            dlg->box(ImportBox::GroundLine)->click();
            dlg->box(ImportBox::VerticalCurve)->click();
            dlg->accept();
        });
        driver.then([&](QWidget* w) {
            auto* dlg = qobject_cast<CImportRangeDlg*>(w);
            ASSERT_TRUE(dlg);
            rangeShown = true;
            EXPECT_EQ(dlg->startEdit()->text(), "100.000");
            dlg->startEdit()->setText("90");
            dlg->endEdit()->setText("150");
            dlg->accept();
        });
        std::vector<std::string> warnings;
        bool ran = exchange::RunRouteImport(nullptr, p.db(), path, p.ui.prompter, &p.ui.progress, &warnings);
        EXPECT_EQ(ran, c.ran);
        EXPECT_EQ(rangeShown, c.rangeShown);
        if (c.ran) {
            EXPECT_EQ(p.keys("地形资料表"), c.groundLine);
            EXPECT_EQ(p.rows("路基设计表").size(), c.deckRecords);
            EXPECT_FALSE(p.db().HasTableDef("平曲线资料表"));
            EXPECT_EQ(p.ui.progress.pos, 3);
            // The file's road design section (centre elevation 1) lies far below its vertical curves (about
            // 51 m): one warning for the status line, no box.
            ASSERT_EQ(warnings.size(), 1u);
            EXPECT_EQ(warnings[0].rfind("警告: 路基设计表K0+120.000的中桩高程1.000 m", 0), 0u) << warnings[0];
        }
        EXPECT_TRUE(p.ui.prompter.texts().empty());
    }
}

TEST(ImportDialogs, ImportCommandSortsFilesByExtension) {
    struct Case {
        const char* chosen;
        exchange::ImportCommandOutcome outcome;
        Strings messages;
    } cases[] = {
        {"", exchange::ImportCommandOutcome::Cancelled, {}},
        {"/data/桥.vlt", exchange::ImportCommandOutcome::ProjectChosen, {}},
        {"/data/路线.txt", exchange::ImportCommandOutcome::NoReference, {"该文件中无可参考信息!"}},
    };
    for (const auto& c : cases) {
        route_test::Project p;
        p.ui.files.queue(c.chosen);
        auto result = exchange::RunImportCommand(nullptr, p.db(), p.ui.files, p.ui.prompter);
        EXPECT_EQ(result.outcome, c.outcome) << c.chosen;
        EXPECT_EQ(p.ui.prompter.texts(), c.messages) << c.chosen;
        ASSERT_EQ(p.ui.files.requests().size(), 1u);
        EXPECT_EQ(p.ui.files.requests()[0].title, "导入");
    }
}

}  // namespace
