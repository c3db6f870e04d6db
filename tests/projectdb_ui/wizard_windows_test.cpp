// The windows of the new-project wizard and of the 一般信息 and 桥跨信息 dialogs, driven as a user would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <filesystem>

#include "platform/spreadsheet/grid_menu.h"
#include "platform/interaction/scripted.h"
#include "platform/spreadsheet/sheet_model.h"
#include "platform/spreadsheet/spreadsheet.h"
#include "projectdb/project_file.h"
#include "projectdb/ui/general_info_dialog.h"
#include "projectdb/ui/general_page_view.h"
#include "projectdb/ui/span_info_dialog.h"
#include "projectdb/ui/span_page_view.h"
#include "projectdb/ui/drawing_page_view.h"
#include "projectdb/ui/wizard_sheet.h"
#include "projectdb/wizard_test_support.h"
#include "support/test_support.h"
#include "support/window_shot.h"

namespace projectdb {
namespace {

using wizard_test::Column;
using wizard_test::ReadRows;

using testing_support::Shot;

void Focus(QWidget* box) {
    QFocusEvent event(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(box, &event);
}

void Type(QWidget* box, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(box);
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    edit->insert(text);  // as typed: textEdited
}

// The user pastes a tab-separated block at (row, column) of the current sheet through the context menu.
void PasteAt(QWidget& owner, sheet::Spreadsheet& grid, int row, int column, const QString& block) {
    grid.setCurrentCell(row, column);
    QApplication::clipboard()->setText(block);
    if (auto* page = qobject_cast<CMyPropertyPage21*>(&owner)) page->RunCommand(sheet::ID_GRID_PASTE);
    if (auto* page = qobject_cast<CMyPropertyPage31*>(&owner)) page->RunCommand(sheet::ID_GRID_PASTE);
}

std::vector<std::string> SheetColumn(sheet::Spreadsheet& grid, int sheetNumber, int column) {
    std::vector<std::string> texts;
    for (int r = 1; r <= grid.sheet(sheetNumber)->rowCount(); ++r)
        texts.push_back(grid.sheet(sheetNumber)->textUtf8(r, column));
    return texts;
}

class WizardWindowsTest : public ::testing::Test {
protected:
    void SetUp() override { wizard_test::ForgetRememberedValues(); }
    PageServices Services(MemberTypeChooser chooser = {}) {
        return PageServices{ui.prompter, ui.files, std::move(chooser)};
    }
    testing_support::TempDir dir;
    ui::ScriptedInteraction ui;
};

TEST_F(WizardWindowsTest, EachPageOffersItsButtons) {
    CMyPropertySheet1 sheet(Services(), {});
    sheet.show();
    EXPECT_EQ(sheet.windowTitle(), "Wizard");
    struct Expected {
        bool back, next, finish;
    } pages[] = {{false, true, false}, {true, true, false}, {true, false, true}};
    for (int page = 0; page < 3; ++page) {
        ASSERT_EQ(sheet.CurrentPage(), page);
        EXPECT_EQ(sheet.BackButton()->isEnabled(), pages[page].back) << page;
        EXPECT_EQ(sheet.NextButton()->isVisible(), pages[page].next) << page;
        EXPECT_EQ(sheet.FinishButton()->isVisible(), pages[page].finish) << page;
        if (page < 2) sheet.NextButton()->click();
    }
    sheet.BackButton()->click();
    EXPECT_EQ(sheet.CurrentPage(), 1);
    // Finish whose file dialog is cancelled keeps the wizard open with its input.
    sheet.NextButton()->click();
    sheet.FinishButton()->click();
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_FALSE(sheet.Result());
    ASSERT_EQ(ui.files.requests().size(), 1u);
    EXPECT_EQ(ui.files.requests()[0].title, "保存项目文件");
    EXPECT_EQ(ui.files.requests()[0].defaultExtension, "vlt");
}

TEST_F(WizardWindowsTest, AGridWindowThatStaysOpenEndsTheWizardWithoutAProject) {
    FinishSteps steps;
    steps.closeCurrentProject = [] { return false; };
    CMyPropertySheet1 sheet(Services(), steps);
    sheet.show();
    sheet.NextButton()->click();
    sheet.NextButton()->click();
    std::string path = dir.file("未建.vlt");
    ui.files.queue(path);
    sheet.FinishButton()->click();
    EXPECT_EQ(sheet.Result(), FinishResult::ProjectKeptOpen);
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(WizardWindowsTest, ThreePagesMakeAProjectOfTwoSections) {
    std::vector<std::string> opened;
    FinishSteps steps;
    steps.openProject = [&](const std::string& path) {
        opened.push_back(path);
        return true;
    };
    CMyPropertySheet1 sheet(Services(), steps);
    sheet.show();

    CMyPropertyPage11& general = *sheet.GeneralPageView();
    Type(general.Box(GeneralField::BridgeName), "黄河大桥");
    Type(general.Box(GeneralField::LeftBridgeWidth), "7.5");
    EXPECT_EQ(general.Box(GeneralField::BridgeWidth)->text(), "13.500000");
    EXPECT_EQ(general.Box(GeneralField::RoadWidth)->text(), "13.500000");
    Shot(sheet, "wizard_page1");
    sheet.NextButton()->click();

    CMyPropertyPage21& spans = *sheet.SpanPageView();
    sheet::Spreadsheet& grid = spans.Grid();
    Type(spans.Box(SpanBox::StartStake), "100");
    qobject_cast<QSpinBox*>(spans.Box(SpanBox::SectSum))->setValue(2);
    Focus(spans.Box(SpanBox::SectSum));
    EXPECT_EQ(grid.currentSheet(), 1);
    EXPECT_EQ(grid.rowCount(), 2);
    PasteAt(spans, grid, 1, 1, "装配式简支空心板桥\t3\t16\n装配式简支T梁桥\t2\t20");
    EXPECT_EQ(spans.BoxText(SpanBox::SpanSum), "5");
    // Clicking into the supports rebuilds them from the sections.
    grid.setCurrentSheet(2);
    emit grid.cellClicked(1, 1);
    EXPECT_EQ(SheetColumn(grid, 2, 1),
              (std::vector<std::string>{"100.000", "116.000", "132.000", "148.000", "168.000", "188.000"}));
    EXPECT_EQ(grid.sheet(2)->textUtf8(1, 2), "1类台帽");
    EXPECT_EQ(grid.sheet(2)->textUtf8(3, 2), "1类墩帽");
    EXPECT_EQ(SheetColumn(grid, 3, 1), (std::vector<std::string>{"100.000", "188.000"}));
    Shot(sheet, "wizard_page2");
    sheet.NextButton()->click();

    CMyPropertyPage31& drawings = *sheet.DrawingPageView();
    EXPECT_EQ(drawings.SuperstructureList()->topLevelItemCount(), 2);
    EXPECT_EQ(drawings.SubstructureList()->topLevelItemCount(), 2);  // abutments, piers
    EXPECT_EQ(SheetColumn(drawings.Grid(), 1, 1),
              (std::vector<std::string>{"桥型布置图", "空心板一般构造图(1,2,3跨)", "T梁一般构造图(4,5跨)",
                                        "桥台一般构造图(0,5号)", "桥墩一般构造图(1,2,3,4号)"}));
    drawings.ClearButton()->click();
    drawings.SuperstructureList()->topLevelItem(1)->setSelected(true);
    drawings.AddButton()->click();
    EXPECT_EQ(SheetColumn(drawings.Grid(), 1, 1), (std::vector<std::string>{"桥型布置图", "T梁一般构造图(4,5跨)"}));
    Shot(sheet, "wizard_page3");

    std::string path = dir.file("黄河大桥.vlt");
    ui.files.queue(path);
    sheet.FinishButton()->click();
    EXPECT_EQ(sheet.Result(), FinishResult::Created);
    EXPECT_EQ(opened, std::vector<std::string>{path});
    auto db = dao::Database::Open(path);
    EXPECT_EQ(Column(ReadRows(*db, "一般信息表"), 2), std::vector<std::string>{"黄河大桥"});
    EXPECT_EQ(Column(ReadRows(*db, "SELECT * FROM [下构布置信息表] ORDER BY PierAbutNum"), 1),
              (std::vector<std::string>{"100", "116", "132", "148", "168", "188"}));
    EXPECT_EQ(Column(ReadRows(*db, "图形布置信息表"), 0),
              (std::vector<std::string>{"桥型布置图", "T梁一般构造图(4,5跨)"}));
    EXPECT_TRUE(ui.prompter.shown().empty());
}

// The user sets three spans, looks at page 3, goes back and makes it two: nothing on either page shows the
// three spans any more, and the supports sheet never waited for a click.
TEST_F(WizardWindowsTest, PagesFollowTheSpansAfterBack) {
    CMyPropertySheet1 sheet(Services(), {});
    sheet.show();
    sheet.NextButton()->click();
    CMyPropertyPage21& spans = *sheet.SpanPageView();
    sheet::Spreadsheet& grid = spans.Grid();
    PasteAt(spans, grid, 1, 2, "3");
    EXPECT_EQ(SheetColumn(grid, 2, 1), (std::vector<std::string>{"0.000", "20.000", "40.000", "60.000"}));
    sheet.NextButton()->click();
    CMyPropertyPage31& drawings = *sheet.DrawingPageView();
    EXPECT_EQ(drawings.SubstructureList()->topLevelItemCount(), 2);

    sheet.BackButton()->click();
    PasteAt(spans, grid, 1, 2, "2");
    EXPECT_EQ(SheetColumn(grid, 2, 1), (std::vector<std::string>{"0.000", "20.000", "40.000"}));
    EXPECT_EQ(SheetColumn(grid, 3, 1), (std::vector<std::string>{"0.000", "40.000"}));
    grid.setCurrentSheet(2);
    Shot(sheet, "wizard_after_back");
    sheet.NextButton()->click();
    ASSERT_EQ(drawings.SuperstructureList()->topLevelItemCount(), 1);
    EXPECT_EQ(drawings.SuperstructureList()->topLevelItem(0)->text(1), "1,2");
    ASSERT_EQ(drawings.SubstructureList()->topLevelItemCount(), 2);
    EXPECT_EQ(drawings.SubstructureList()->topLevelItem(1)->text(1), "1");
    EXPECT_EQ(SheetColumn(drawings.Grid(), 1, 1),
              (std::vector<std::string>{"桥型布置图", "空心板一般构造图(1,2跨)", "桥台一般构造图(0,2号)",
                                        "桥墩一般构造图(1号)"}));
    Shot(sheet, "wizard_page3_after_back");
}

TEST_F(WizardWindowsTest, RefusedCellEditsExplainThemselves) {
    SpanPage model = SpanPage::NewProject();
    std::vector<std::pair<MemberChoice, std::string>> asked;
    CMyPropertyPage21 page(model, Services([&](MemberChoice choice, const std::string& current, QWidget*) {
                               asked.emplace_back(choice, current);
                               return std::optional<std::string>("2类台帽");
                           }));
    sheet::Spreadsheet& grid = page.Grid();
    PasteAt(page, grid, 1, 2, "0");
    grid.editCell(1, 3);
    EXPECT_FALSE(grid.isEditing());
    ASSERT_EQ(ui.prompter.shown().size(), 1u);
    EXPECT_EQ(ui.prompter.shown()[0].text, "请在定义跨径之前先输入跨数!");
    EXPECT_EQ(ui.prompter.shown()[0].caption, "提示");
    EXPECT_EQ(ui.prompter.shown()[0].icon, ui::Icon::Stop);
    EXPECT_EQ(grid.currentColumn(), 2);
    EXPECT_EQ(model.sheet(SpanSheet::Sections).cell(0, 2), "20");

    // Member types are chosen, never typed: the double-click asks the selection dialog.
    grid.setCurrentSheet(2);
    grid.editCell(1, 2);
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(ui.prompter.shown().size(), 1u);
    emit grid.cellDoubleClicked(1, 2);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], std::make_pair(MemberChoice::BentCap, std::string("1类台帽")));
    EXPECT_EQ(grid.sheet(2)->textUtf8(1, 2), "2类台帽");
    EXPECT_EQ(model.sheet(SpanSheet::Supports).cell(0, 1), "2类台帽");
    grid.editCell(1, 6);
    EXPECT_TRUE(grid.isEditing());
}

TEST_F(WizardWindowsTest, DrawingListAsksForTitleBlockAndSignOff) {
    SpanPage spans = SpanPage::NewProject();
    DrawingPage model;
    model.OnShown(spans, true);
    std::vector<std::pair<MemberChoice, std::string>> asked;
    CMyPropertyPage31 page(model, Services([&](MemberChoice choice, const std::string& current, QWidget*) {
                               asked.emplace_back(choice, current);
                               return std::optional<std::string>("图标2");
                           }));
    struct Case {
        int column;
        std::optional<MemberChoice> choice;
    } cases[] = {{7, MemberChoice::TitleBlock}, {8, MemberChoice::SignOff}, {1, std::nullopt}, {3, std::nullopt}};
    for (const auto& c : cases) {
        asked.clear();
        std::string before = page.Grid().textUtf8(2, c.column);
        emit page.Grid().cellDoubleClicked(2, c.column);
        if (!c.choice) {
            EXPECT_TRUE(asked.empty()) << c.column;
            EXPECT_EQ(model.drawings().cell(1, c.column - 1), before);
            continue;
        }
        ASSERT_EQ(asked.size(), 1u) << c.column;
        EXPECT_EQ(asked[0], std::make_pair(*c.choice, before));
        EXPECT_EQ(model.drawings().cell(1, c.column - 1), "图标2");
        EXPECT_EQ(page.Grid().textUtf8(2, c.column), "图标2");
    }
}

TEST_F(WizardWindowsTest, TransectTypeDecidesTheBoxesAndThePicture) {
    GeneralPage model = GeneralPage::NewProject();
    CMyPropertyPage11 page(model, ui.prompter);
    QComboBox* transect = page.List(GeneralField::TransectType);
    QComboBox* part = page.List(GeneralField::LeftOrRight);
    EXPECT_EQ(page.PicturePath(), ":/pictures/section_integral.svg");
    EXPECT_EQ(page.Picture()->size(), QSize(304, 136));
    EXPECT_FALSE(page.Box(GeneralField::DividerWidth)->isEnabled());

    emit transect->activated(transect->findText("分离式(左右半桥不同)"));
    EXPECT_EQ(page.PicturePath(), ":/pictures/section_divided.svg");
    EXPECT_TRUE(page.Box(GeneralField::DividerWidth)->isEnabled());
    EXPECT_TRUE(part->isEnabled());
    EXPECT_EQ(part->currentText(), "左半桥");
    page.show();
    Shot(page, "general_page_divided");
    emit part->activated(part->findText("全桥"));
    ASSERT_EQ(ui.prompter.shown().size(), 1u);
    EXPECT_EQ(ui.prompter.shown()[0].text, kDesignedPartRefused);
    EXPECT_EQ(part->currentText(), "左半桥");

    emit transect->activated(transect->findText("分离式(左右半桥相同)"));
    EXPECT_TRUE(page.Box(GeneralField::RightBridgeWidth)->isReadOnly());
    EXPECT_FALSE(part->isEnabled());
    EXPECT_EQ(part->currentText(), "全桥");
}

TEST_F(WizardWindowsTest, DialogsRewriteTheOpenProject) {
    std::string path = dir.file("二号桥.vlt");
    NewProjectWizard wizard;
    wizard.OnDrawingPageShown();
    ASSERT_EQ(wizard.Finish(path, {}, ui.prompter), FinishResult::Created);
    auto db = dao::Database::Open(path);

    CGeneralInfoDlg general(*db, GeneralPage::FromProject(*db), Services());
    general.show();
    Type(general.PageView()->Box(GeneralField::BridgeName), "二号桥");
    Shot(general, "general_info_dialog");
    general.OnOK();
    EXPECT_EQ(general.result(), QDialog::Accepted);
    EXPECT_EQ(Column(ReadRows(*db, "一般信息表"), 2), std::vector<std::string>{"二号桥"});

    CSpanInfoDlg spans(*db, SpanPage::FromProject(*db), Services());
    spans.show();
    CMyPropertyPage21& page = *spans.PageView();
    EXPECT_EQ(page.findChild<QLabel*>("note")->text(), "注：帽梁横坡左低右高为正。");
    PasteAt(page, page.Grid(), 1, 2, "2\t25");
    EXPECT_EQ(page.BoxText(SpanBox::SpanSum), "2");
    page.Grid().setCurrentSheet(2);
    emit page.Grid().cellClicked(1, 1);
    EXPECT_EQ(SheetColumn(page.Grid(), 2, 1), (std::vector<std::string>{"0.000", "25.000", "50.000"}));
    Shot(spans, "span_info_dialog");
    spans.OnOK();
    EXPECT_EQ(spans.result(), QDialog::Accepted);
    EXPECT_EQ(Column(ReadRows(*db, "SELECT * FROM [下构布置信息表] ORDER BY PierAbutNum"), 1),
              (std::vector<std::string>{"0", "25", "50"}));
    EXPECT_TRUE(ui.prompter.shown().empty());
}

// A span count no bridge has: the dialog says so at 确定, stays open and writes nothing.
TEST_F(WizardWindowsTest, SpanDialogRefusesCountsBeyondTheLimit) {
    std::string path = dir.file("三号桥.vlt");
    NewProjectWizard wizard;
    wizard.OnDrawingPageShown();
    ASSERT_EQ(wizard.Finish(path, {}, ui.prompter), FinishResult::Created);
    auto db = dao::Database::Open(path);
    const auto before = ReadRows(*db, "下构布置信息表");

    CSpanInfoDlg spans(*db, SpanPage::FromProject(*db), Services());
    spans.show();
    CMyPropertyPage21& page = *spans.PageView();
    PasteAt(page, page.Grid(), 1, 2, "20000\t25");
    EXPECT_EQ(page.BoxText(SpanBox::SpanSum), "20000");
    spans.OnOK();
    EXPECT_NE(spans.result(), QDialog::Accepted);
    ASSERT_EQ(ui.prompter.shown().size(), 1u);
    EXPECT_EQ(ui.prompter.shown()[0].text, "全桥分跨数为 20000，最多 10000。");
    EXPECT_EQ(ui.prompter.shown()[0].icon, ui::Icon::Stop);
    EXPECT_EQ(ReadRows(*db, "下构布置信息表"), before);
}

}  // namespace
}  // namespace projectdb
