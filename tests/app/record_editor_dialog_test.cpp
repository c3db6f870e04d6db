// The record-editing dialog: the proposed rows on their pages, key fields locked, rows added and removed
// where allowed, the pictures drawn again after each change, and OK or Cancel through the shell's editor.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <optional>

#include "app/ui/plot_view.h"
#include "app/ui/record_editor_dialog.h"
#include "app_fixture.h"
#include "support/fake_modules.h"

namespace {

// Two pages: supports keyed by their number, and one fixed record. The picture plots the first page's
// stakes against their elevations and counts how often it was asked for.
ui::EditRequest Request(int* drawn) {
    ui::EditRequest request;
    request.title = "试验编辑";
    request.note = "说明行";
    request.tables.push_back({"墩台表",
                              {"Num", "Stake", "Elev"},
                              {{"0", "100", "90"}, {"1", "120", "91"}},
                              {"Num"},
                              false,
                              {"墩台号", "桩号", "高程"}});
    request.tables.push_back({"水文资料表", {"Level"}, {{"95"}}, {}, true, {}});
    request.plots = [drawn](const std::vector<ui::ProposedTable>& tables) {
        ++*drawn;
        ui::Plot plot;
        plot.title = "图";
        ui::PlotSeries series{"高程", {}, false};
        for (const auto& row : tables[0].rows)
            if (!row[1].empty() && !row[2].empty()) series.points.emplace_back(std::stod(row[1]), std::stod(row[2]));
        plot.series.push_back(series);
        return std::vector<ui::Plot>{plot};
    };
    return request;
}

TEST(RecordEditorDialog, ShowsTheRowsWithTheirCaptionsAndLocksTheKeys) {
    int drawn = 0;
    RecordEditorDialog dialog(Request(&drawn));
    EXPECT_EQ(dialog.windowTitle(), "试验编辑");
    ASSERT_EQ(dialog.sheetTabs()->count(), 2);
    EXPECT_EQ(dialog.sheetTabs()->tabText(0), "墩台表");
    QTableWidget* sheet = dialog.sheet(0);
    ASSERT_EQ(sheet->rowCount(), 2);
    EXPECT_EQ(sheet->horizontalHeaderItem(1)->text(), "桩号");
    EXPECT_EQ(dialog.sheet(1)->horizontalHeaderItem(0)->text(), "Level");  // no caption: the field name
    EXPECT_EQ(sheet->item(1, 1)->text(), "120");
    EXPECT_FALSE(sheet->item(0, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(sheet->item(0, 1)->flags() & Qt::ItemIsEditable);
    ASSERT_EQ(dialog.plotViews().size(), 1u);
    EXPECT_EQ(dialog.plotViews()[0]->plot().series[0].points.size(), 2u);
    Shot(dialog, "record_editor_dialog");
}

TEST(RecordEditorDialog, EditsRedrawThePicturesAndComeBackAsRows) {
    int drawn = 0;
    RecordEditorDialog dialog(Request(&drawn));
    const int before = drawn;
    dialog.sheet(0)->item(1, 2)->setText("93.5");
    EXPECT_EQ(drawn, before + 1);
    EXPECT_EQ(dialog.plotViews()[0]->plot().series[0].points.back(), (std::pair<double, double>{120, 93.5}));

    dialog.sheet(0)->setCurrentCell(0, 1);
    dialog.addRow();  // after the current row, empty, its key cell locked too
    ASSERT_EQ(dialog.sheet(0)->rowCount(), 3);
    EXPECT_FALSE(dialog.sheet(0)->item(1, 0)->flags() & Qt::ItemIsEditable);
    dialog.sheet(0)->item(1, 1)->setText("110");
    dialog.sheet(0)->clearSelection();
    dialog.sheet(0)->item(0, 1)->setSelected(true);
    dialog.removeRows();
    std::vector<ui::ProposedTable> tables = dialog.tables();
    EXPECT_EQ(tables[0].rows, (std::vector<std::vector<std::string>>{{"", "110", ""}, {"1", "120", "93.5"}}));
    EXPECT_EQ(tables[0].keyFields, (std::vector<std::string>{"Num"}));
    EXPECT_EQ(tables[1].rows, (std::vector<std::vector<std::string>>{{"95"}}));
}

TEST(RecordEditorDialog, PastesBlocksFromSpreadsheetsAndCopiesThemBack) {
    int drawn = 0;
    RecordEditorDialog dialog(Request(&drawn));
    QTableWidget* sheet = dialog.sheet(0);
    QApplication::clipboard()->setText("130\t92\n140\t93\n");
    sheet->setCurrentCell(1, 1);
    dialog.paste();  // the second row of the block becomes a new row
    QApplication::clipboard()->setText("7\t101\n");
    sheet->setCurrentCell(0, 0);
    dialog.paste();  // the key column keeps its value
    EXPECT_EQ(dialog.tables()[0].rows,
              (std::vector<std::vector<std::string>>{{"0", "101", "90"}, {"1", "130", "92"}, {"", "140", "93"}}));
    EXPECT_EQ(dialog.plotViews()[0]->plot().series[0].points.size(), 3u);

    sheet->clearSelection();
    sheet->setRangeSelected(QTableWidgetSelectionRange(1, 1, 2, 2), true);
    dialog.copy();
    EXPECT_EQ(QApplication::clipboard()->text(), "130\t92\n140\t93\n");
    QApplication::clipboard()->setText("88");
    dialog.paste();  // one value fills the selection
    EXPECT_EQ(dialog.tables()[0].rows[2], (std::vector<std::string>{"", "88", "88"}));

    QApplication::clipboard()->setText("1\n2\n3\n");
    dialog.sheetTabs()->setCurrentIndex(1);
    dialog.sheet(1)->setCurrentCell(0, 0);
    dialog.paste();  // fixed rows: what does not fit is left out
    EXPECT_EQ(dialog.tables()[1].rows, (std::vector<std::vector<std::string>>{{"1"}}));
}

TEST(RecordEditorDialog, AFixedTableOffersNoRowButtonsAndKeepsItsRows) {
    int drawn = 0;
    RecordEditorDialog dialog(Request(&drawn));
    EXPECT_FALSE(dialog.addRowButton()->isHidden());
    dialog.sheetTabs()->setCurrentIndex(1);
    EXPECT_TRUE(dialog.addRowButton()->isHidden());
    EXPECT_TRUE(dialog.removeRowButton()->isHidden());
    dialog.sheet(1)->setCurrentCell(0, 0);
    dialog.addRow();
    dialog.removeRows();
    EXPECT_EQ(dialog.sheet(1)->rowCount(), 1);
}

TEST(RecordEditorDialog, TheShellsEditorHandsBackTheRowsOnOkOnly) {
    for (bool ok : {true, false}) {
        int drawn = 0;
        ui::EditRequest request = Request(&drawn);
        QTimer::singleShot(0, [ok] {
            auto* dialog = qobject_cast<RecordEditorDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->sheet(0)->item(0, 2)->setText("89");
            ok ? dialog->accept() : dialog->reject();
        });
        DialogRecordEditor editor(nullptr);
        EXPECT_EQ(editor.edit(request), ok);
        EXPECT_EQ(request.tables[0].rows[0][2], ok ? "89" : "90");
    }
}

}  // namespace

namespace {

// A Site module that proposes one row through whatever editor the shell hands it.
ui::RecordEditor* g_handedEditor = nullptr;
std::optional<bool> g_accepted;
extern "C" void HandEditor(ui::RecordEditor* editor) { g_handedEditor = editor; }
extern "C" void ProposeWater(dao::Database*) {
    ui::EditRequest request;
    request.title = "水文资料";
    request.tables.push_back({"水文资料表", {"DesignWaterLevel"}, {{"95"}}, {}, true, {"设计水位"}});
    g_accepted = g_handedEditor && g_handedEditor->edit(request);
}


TEST_F(AppTest, DesignCommandsShowWhatTheModuleProposesInTheEditingDialog) {
    testing_support::FakeModuleLoader modules;
    modules.modules["Site.dll"] = {{"SetModuleEditor", reinterpret_cast<void*>(&HandEditor)},
                                   {"DesignWater", reinterpret_cast<void*>(&ProposeWater)}};
    app->setModuleLoader(&modules);
    StartOn("a.vlt");
    QString shownTitle;
    QTimer::singleShot(0, [&shownTitle] {
        auto* dialog = qobject_cast<RecordEditorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shownTitle = dialog->windowTitle();
        dialog->accept();
    });
    app->mainFrame()->OnCommand("water");
    EXPECT_EQ(shownTitle, "水文资料");
    EXPECT_EQ(g_accepted, std::optional<bool>(true));
    EXPECT_TRUE(ui.prompter.shown().empty());
}

}  // namespace
