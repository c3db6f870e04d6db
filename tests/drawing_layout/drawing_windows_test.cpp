// The drawing dialogs driven as a user would: 绘图信息 with its buttons and 确定, the target and range
// dialogs of 绘图目标..., and the preview.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include "platform/spreadsheet/grid_menu.h"
#include "drawing/ui/drawing_layout_dialog.h"
#include "drawing/ui/drawing_range_dialog.h"
#include "drawing/ui/drawing_state_dialog.h"
#include "drawing/ui/drawing_target_command.h"
#include "drawing/ui/drawing_target_dialog.h"
#include "drawing/ui/drawing_viewer_dialog.h"
#include "drawing/drawing_layout.h"
#include "drawing_fixture.h"
#include "platform/interaction/scripted.h"
#include "support/pdf_probe.h"
#include <QWheelEvent>
#include <QMouseEvent>
#include "platform/spreadsheet/spreadsheet.h"
#include "projectdb/ui/drawing_page_view.h"
#include "support/window_shot.h"

namespace drawing {
namespace {

using namespace drawing_test;

using testing_support::Shot;

void SelectRows(QTreeWidget* list, std::initializer_list<int> rows) {
    list->clearSelection();
    for (int r : rows) list->topLevelItem(r)->setSelected(true);
}

class DrawingWindowsTest : public drawing_test::BridgeTest {
protected:
    projectdb::PageServices Services() { return {ui.prompter, ui.files, {}}; }
    ui::ScriptedInteraction ui;
};

TEST_F(DrawingWindowsTest, LayoutDialogClearsAddsAndWritesTheList) {
    CDrawingLayoutDlg dialog(*db, LoadDrawingLayout(*db), Services());
    EXPECT_EQ(dialog.windowTitle(), "绘图信息");
    auto* view = dialog.PageView();
    EXPECT_EQ(view->SuperstructureList()->selectedItems().size(), 4);  // every candidate starts selected
    EXPECT_EQ(view->SubstructureList()->selectedItems().size(), 2);
    EXPECT_EQ(view->Grid().textUtf8(2, 1), "空心板一般构造图(1,2,3跨)");
    dialog.show();
    Shot(dialog, "drawing_layout_dialog");

    view->ClearButton()->click();
    EXPECT_EQ(dialog.page().drawings().rows(), 0);
    SelectRows(view->SuperstructureList(), {1});
    SelectRows(view->SubstructureList(), {0});
    view->AddButton()->click();
    view->AddButton()->click();  // on an open project every entry asked for is added, listed or not
    EXPECT_EQ(view->Grid().textUtf8(2, 1), "桥台一般构造图(0,6号)");
    EXPECT_EQ(view->Grid().textUtf8(4, 1), "桥台一般构造图(0,6号)");
    view->Grid().setCurrentCell(1, 5);  // 比例 of the first row, pasted as a user would
    QApplication::clipboard()->setText("50");
    view->RunCommand(sheet::ID_GRID_PASTE);

    dialog.OnOK();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Records(*db, "图形布置信息表"),
              (Strings{"T梁一般构造图(4跨)|Draw1|上构一般构造图|A3|50|100|图标1|不绘制|0|0|0|0|0|0|0|0",
                       "桥台一般构造图(0,6号)|Draw2|下构一般构造图|A3|100|100|图标1|不绘制|0|0|0|0|0|0|0|0",
                       "T梁一般构造图(4跨)|Draw3|上构一般构造图|A3|100|100|图标1|不绘制|0|0|0|0|0|0|0|0",
                       "桥台一般构造图(0,6号)|Draw4|下构一般构造图|A3|100|100|图标1|不绘制|0|0|0|0|0|0|0|0"}));
}

TEST_F(DrawingWindowsTest, RangeDialogKeepsItsOkUntilOneDrawingIsSelected) {
    auto records = RangeDialogRecords(*db, DrawingKind::SuperGeneral);
    CDrawingRangeDlg dialog(DrawingKind::SuperGeneral, records, "T梁一般构造图(4跨)", ui.prompter);
    EXPECT_EQ(dialog.windowTitle(), "确认上部构造绘图区间(一般构造图)");
    ASSERT_EQ(dialog.List()->selectedItems().size(), 1);
    EXPECT_EQ(dialog.List()->indexOfTopLevelItem(dialog.List()->selectedItems().front()), 1);  // the current one
    dialog.show();
    Shot(dialog, "drawing_range_dialog");

    SelectRows(dialog.List(), {});
    dialog.OnOK();
    SelectRows(dialog.List(), {0, 2});
    dialog.OnOK();
    EXPECT_EQ(ui.prompter.texts(), (Strings{"没有选择绘图区间。", "在一般构造图中，一次只能选择一项。\n请重新选择！"}));
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.chosen());

    SelectRows(dialog.List(), {3});
    dialog.OnOK();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosen(), (DrawingRecord{"连续等截面箱梁一般构造图(6跨)", "Draw5", "上构一般构造图"}));

    CDrawingRangeDlg sub(DrawingKind::SubGeneral, RangeDialogRecords(*db, DrawingKind::SubGeneral), "", ui.prompter);
    EXPECT_EQ(sub.windowTitle(), "确认下部构造绘图区间(一般构造图)");
    EXPECT_TRUE(sub.List()->selectedItems().empty());
    sub.OnOK();
    EXPECT_EQ(ui.prompter.texts().back(), "没有选择绘图目标。");
}

// The command with its two dialogs built and answered in place of the modal ones.
struct Answers {
    std::optional<int> kindRow;   // nothing: the target dialog is cancelled
    std::optional<int> rangeRow;  // nothing: the range dialog is cancelled
};
// What the dialogs offered before they were answered.
struct Offered {
    std::optional<DrawingKind> kind;
    std::string title;
    bool rangeShown = false;
};

TargetSteps Scripted(const Answers& answers, Offered& offered, ui::Prompter& prompt) {
    TargetSteps steps;
    steps.chooseKind = [answers, &offered](std::optional<DrawingKind> current) -> std::optional<DrawingKind> {
        CDrawingTargetDlg dialog(current);
        offered.kind = dialog.kind();
        if (!answers.kindRow) return std::nullopt;
        dialog.List()->setCurrentRow(*answers.kindRow);
        return dialog.kind();
    };
    steps.chooseRange = [answers, &offered, &prompt](DrawingKind kind, std::vector<DrawingRecord> records,
                                                     const std::string& current) -> std::optional<DrawingRecord> {
        offered.rangeShown = true;
        CDrawingRangeDlg dialog(kind, std::move(records), current, prompt);
        auto selected = dialog.List()->selectedItems();
        offered.title = selected.empty() ? "" : selected.front()->text(0).toStdString();
        if (!answers.rangeRow) return std::nullopt;
        SelectRows(dialog.List(), {*answers.rangeRow});
        dialog.OnOK();
        return dialog.chosen();
    };
    return steps;
}

TEST_F(DrawingWindowsTest, TargetCommandFlows) {
    struct Case {
        const char* name;
        Strings before;  // the current drawing: kind, title, file
        Answers answers;
        Strings after;
        std::optional<DrawingKind> offered;  // the kind the target dialog opens on
        bool rangeShown;
    };
    const Strings slab = {"上构一般构造图", "空心板一般构造图(1,2,3跨)", "Draw2.dwg"};
    const Case cases[] = {
        // Only a confirmed general drawing names its file; the drawing side looks the others up by title.
        {"bridge layout", slab, {0, {}}, {"桥型布置图", "桥型布置图", "Draw2.dwg"}, DrawingKind::SuperGeneral, false},
        {"a pier drawing",
         slab,
         {2, 1},
         {"下构一般构造图", "桥墩一般构造图(1,2,3,4,5号)", "Draw7.dwg"},
         DrawingKind::SuperGeneral,
         true},
        {"range dialog cancelled",
         {"", "", ""},
         {1, {}},
         {"", "上构一般构造图", ""},  // the kind is written only with a confirmed drawing
         DrawingKind::BridgeLayout,
         true},
        {"target dialog cancelled", slab, {{}, {}}, slab, DrawingKind::SuperGeneral, false},
        {"rebar drawing",
         slab,
         {4, {}},
         {"交互式钢筋图", "交互式钢筋图", "Draw2.dwg"},
         DrawingKind::SuperGeneral,
         false},
    };
    for (const Case& c : cases) {
        SetCurrent(c.before);
        Offered offered;
        auto result = RunDrawingTargetCommand(*db, ui.prompter, Scripted(c.answers, offered, ui.prompter));
        EXPECT_EQ(Current(), c.after) << c.name;
        EXPECT_EQ(offered.kind, c.offered) << c.name;
        EXPECT_EQ(offered.rangeShown, c.rangeShown) << c.name;
        EXPECT_EQ(result.has_value(), c.answers.kindRow.has_value()) << c.name;
    }
    EXPECT_TRUE(ui.prompter.shown().empty());
}

TEST_F(DrawingWindowsTest, TargetCommandOffersTheCurrentDrawingAndShowsTheKindsInOrder) {
    SetCurrent({"上构一般构造图", "T梁一般构造图(4跨)", "Draw3.dwg"});
    Offered offered;
    auto result = RunDrawingTargetCommand(*db, ui.prompter, Scripted({1, 0}, offered, ui.prompter));
    EXPECT_EQ(offered.title, "T梁一般构造图(4跨)");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->kind, DrawingKind::SuperGeneral);
    EXPECT_EQ(result->range.selected, 0);
    EXPECT_EQ(result->range.titles.size(), 4u);

    CDrawingTargetDlg dialog(DrawingKind::SubGeneral);
    EXPECT_EQ(dialog.windowTitle(), "确认绘图目标");
    ASSERT_EQ(dialog.List()->count(), 5);
    EXPECT_EQ(dialog.List()->item(4)->text(), "交互式钢筋图");
    EXPECT_EQ(dialog.List()->currentRow(), 2);
    dialog.show();
    Shot(dialog, "drawing_target_dialog");
}

TEST_F(DrawingWindowsTest, PreviewShowsThePictureOfTheFirstSelectedDrawing) {
    testing_support::WriteBytes(dir.file("Draw2.svg"),
                                "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 200 100'>"
                                "<rect x='10' y='10' width='180' height='80' fill='none' stroke='black'/>"
                                "<line x1='10' y1='60' x2='190' y2='60' stroke='blue'/></svg>");
    CDrawingStateDlg dialog(ReadDrawingRecords(*db), db->GetName());
    EXPECT_EQ(dialog.windowTitle(), "当前绘图状态");
    EXPECT_EQ(dialog.List()->topLevelItemCount(), 7);
    dialog.show();
    Shot(dialog, "drawing_state_dialog");

    dialog.OnPreview();
    EXPECT_EQ(dialog.Viewer(), nullptr);  // nothing selected, nothing shown

    SelectRows(dialog.List(), {3, 1});
    dialog.OnPreview();
    ASSERT_NE(dialog.Viewer(), nullptr);
    EXPECT_EQ(dialog.Viewer()->windowTitle(), "图形预览");
    EXPECT_TRUE(dialog.Viewer()->ShowsPicture());
    EXPECT_TRUE(dialog.Viewer()->Note()->text().contains("Draw2"));
    Shot(*dialog.Viewer(), "drawing_viewer");

    SelectRows(dialog.List(), {0});
    dialog.OnPreview();
    ASSERT_NE(dialog.Viewer(), nullptr);
    EXPECT_FALSE(dialog.Viewer()->ShowsPicture());
    EXPECT_TRUE(dialog.Viewer()->Note()->text().contains("找不到图形文件"));
    EXPECT_TRUE(dialog.Viewer()->Note()->text().contains(QString::fromStdString(dir.file("Draw1.svg"))));
    Shot(*dialog.Viewer(), "drawing_viewer_missing");
}

// The preview zooms about the point under the cursor and pans by dragging; it prints the whole sheet with
// the printer set-up (A3 across: 420 x 297 mm = 1191 x 842 pt).
TEST_F(DrawingWindowsTest, PreviewZoomsPansAndPrintsWithTheSetUp) {
    const std::string picture = dir.file("Draw2.svg");
    testing_support::WriteBytes(picture, "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 200 100'>"
                                         "<rect x='10' y='10' width='180' height='80' fill='none' stroke='black'/></svg>");
    const ui::PrinterSetup a3{"", "A3", true};
    const std::string pdf = dir.file("preview.pdf");
    ui::PdfPrintChooser toPdf(QString::fromStdString(pdf));
    CDrawingViewerDlg viewer("桥型布置图", "Draw2", QString::fromStdString(picture), nullptr,
                             ui::PrintServices{&a3, &toPdf}, &ui.prompter);
    viewer.resize(820, 520);
    viewer.show();
    DrawingSheetView* sheet = viewer.Sheet();
    ASSERT_NE(sheet, nullptr);
    const QRectF fitted = sheet->PictureRect();
    // The picture keeps its 2:1 proportions.
    EXPECT_NEAR(fitted.width() / fitted.height(), 2.0, 0.01);

    const QPointF at(fitted.left() + fitted.width() / 4, fitted.top() + fitted.height() / 4);
    QWheelEvent wheel(at, sheet->mapToGlobal(at), QPoint(), QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(sheet, &wheel);
    EXPECT_NEAR(sheet->Zoom(), 1.5625, 1e-9);  // two notches of 1.25
    const QRectF zoomed = sheet->PictureRect();
    EXPECT_NEAR(zoomed.width(), fitted.width() * 1.5625, 1e-6);
    // The point a quarter into the picture is still under the cursor.
    EXPECT_NEAR(zoomed.left() + zoomed.width() / 4, at.x(), 1e-6);
    EXPECT_NEAR(zoomed.top() + zoomed.height() / 4, at.y(), 1e-6);

    auto mouse = [&](QEvent::Type type, QPointF where, Qt::MouseButtons buttons) {
        QMouseEvent event(type, where, sheet->mapToGlobal(where), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(sheet, &event);
    };
    mouse(QEvent::MouseButtonPress, QPointF(100, 100), Qt::LeftButton);
    mouse(QEvent::MouseMove, QPointF(130, 80), Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, QPointF(130, 80), Qt::NoButton);
    EXPECT_NEAR(sheet->PictureRect().left(), zoomed.left() + 30, 1e-6);
    EXPECT_NEAR(sheet->PictureRect().top(), zoomed.top() - 20, 1e-6);
    Shot(viewer, "drawing_viewer_zoomed");
    sheet->Fit();
    EXPECT_EQ(sheet->PictureRect(), fitted);

    ASSERT_NE(viewer.PrintButton(), nullptr);
    viewer.PrintButton()->click();
    EXPECT_TRUE(ui.prompter.texts().empty());
    ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(pdf)));
    if (!testing_support::HavePdfTools()) GTEST_SKIP() << "pdfinfo is missing";
    const std::string info = testing_support::PdfInfo(pdf);
    EXPECT_EQ(testing_support::PdfPageCount(info), 1) << info;
    EXPECT_NE(info.find("Page size:       1191 x 842 pts"), std::string::npos) << info;

    // Without print services the preview offers no 打印.
    CDrawingViewerDlg plain("桥型布置图", "Draw2", QString::fromStdString(picture));
    EXPECT_EQ(plain.PrintButton(), nullptr);
}

}  // namespace
}  // namespace drawing
