// The shared grid commands on a spreadsheet: rows, clipboard and written files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>

#include "platform/spreadsheet/grid_commands.h"
#include "platform/interaction/scripted.h"
#include "platform/spreadsheet/sheet_find_bar.h"
#include "platform/spreadsheet/spreadsheet.h"
#include "platform/text/gbk.h"
#include "support/test_support.h"
#include "support/zip_reader.h"

namespace {

using namespace sheet;

// A grid of `rows` x 3 whose cells name their place ("r3c2").
void Fill(sheet::Spreadsheet& grid, int rows) {
    grid.setRowCount(rows);
    grid.setColumnCount(3);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= 3; ++c) grid.setText(r, c, QStringLiteral("r%1c%2").arg(r).arg(c));
}

std::vector<std::string> FirstColumn(const sheet::Spreadsheet& grid) {
    std::vector<std::string> out;
    for (int r = 1; r <= grid.rowCount(); ++r) out.push_back(grid.textUtf8(r, 1));
    return out;
}

class GridCommandTest : public ::testing::Test {
protected:
    sheet::Spreadsheet grid;
    ui::ScriptedFileChooser files;
    testing_support::TempDir dir;
};

TEST_F(GridCommandTest, DeleteRowKeepsTheLastRowAndRemovesTheSelection) {
    Fill(grid, 1);
    RunGridCommand(ID_GRID_DELETE_ROW, grid, files);
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.textUtf8(1, 1), "r1c1");

    Fill(grid, 10);
    grid.setSelection({3, 2, 5, 2});
    RunGridCommand(ID_GRID_DELETE_ROW, grid, files);
    EXPECT_EQ(grid.rowCount(), 7);
    EXPECT_EQ(FirstColumn(grid), (std::vector<std::string>{"r1c1", "r2c1", "r6c1", "r7c1", "r8c1", "r9c1", "r10c1"}));
    EXPECT_EQ(grid.textUtf8(3, 3), "r6c3");

    grid.selectAll();
    RunGridCommand(ID_GRID_DELETE_ROW, grid, files);
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_FALSE(QApplication::overrideCursor());
}

TEST_F(GridCommandTest, InsertRowPutsAnEmptyRowAboveTheCurrentOne) {
    Fill(grid, 3);
    grid.setCurrentCell(2, 3);
    RunGridCommand(ID_GRID_INSERT_ROW, grid, files);
    EXPECT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(FirstColumn(grid), (std::vector<std::string>{"r1c1", "", "r2c1", "r3c1"}));
    EXPECT_EQ(grid.textUtf8(2, 3), "");
    EXPECT_EQ(grid.textUtf8(3, 3), "r2c3");

}

// Each command is one step of the grid's undo, which Ctrl+Z takes back whole.
TEST_F(GridCommandTest, UndoTakesBackEachCommandWhole) {
    struct Case {
        const char* name;
        int id;
        sheet::CellRange selection;
    };
    const Case cases[] = {
        {"insert row", ID_GRID_INSERT_ROW, {2, 3, 2, 3}},
        {"delete rows", ID_GRID_DELETE_ROW, {2, 1, 3, 2}},
        {"delete every row", ID_GRID_DELETE_ROW, {1, 1, 4, 3}},
        {"cut", ID_GRID_CUT, {1, 2, 3, 3}},
        {"paste", ID_GRID_PASTE, {4, 1, 4, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fill(grid, 4);
        grid.clearUndo();
        QApplication::clipboard()->setText("p\tq\nr\ts\n");
        const std::vector<std::string> before = FirstColumn(grid);
        const std::string corner = grid.textUtf8(4, 3);
        grid.setSelection(c.selection);
        RunGridCommand(c.id, grid, files);
        ASSERT_TRUE(grid.canUndo());
        const int rowsAfter = grid.rowCount();
        const std::vector<std::string> after = FirstColumn(grid);
        grid.undo();
        EXPECT_EQ(grid.rowCount(), 4);
        EXPECT_EQ(FirstColumn(grid), before);
        EXPECT_EQ(grid.textUtf8(4, 3), corner);
        EXPECT_FALSE(grid.canUndo());
        ASSERT_TRUE(grid.redo());
        EXPECT_EQ(grid.rowCount(), rowsAfter);
        EXPECT_EQ(FirstColumn(grid), after);
    }
    EXPECT_FALSE(QApplication::overrideCursor());
}

TEST_F(GridCommandTest, RefusedEditLeavesRowsAlone) {
    Fill(grid, 4);
    grid.setEditStartFilter([](int, int) { return false; });
    grid.setCurrentCell(2, 1);
    RunGridCommand(ID_GRID_INSERT_ROW, grid, files);
    RunGridCommand(ID_GRID_DELETE_ROW, grid, files);
    EXPECT_EQ(grid.rowCount(), 4);
}

TEST_F(GridCommandTest, ClipboardRoundTrip) {
    Fill(grid, 4);
    grid.setText(1, 2, QStringLiteral("墩台\t\"甲\""));
    grid.setSelection({1, 1, 2, 2});
    RunGridCommand(ID_GRID_COPY, grid, files);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    EXPECT_EQ(data->text().toStdString(), "r1c1\t\"墩台\t\"\"甲\"\"\"\nr2c1\tr2c2\n");
    EXPECT_TRUE(data->hasHtml());

    grid.setSelection({3, 2, 3, 2});
    RunGridCommand(ID_GRID_PASTE, grid, files);
    EXPECT_EQ(grid.textUtf8(3, 2), "r1c1");
    EXPECT_EQ(grid.textUtf8(3, 3), "墩台\t\"甲\"");
    EXPECT_EQ(grid.textUtf8(4, 2), "r2c1");
    EXPECT_EQ(grid.textUtf8(4, 3), "r2c2");

    grid.setSelection({1, 3, 2, 3});
    RunGridCommand(ID_GRID_CUT, grid, files);
    EXPECT_EQ(grid.textUtf8(1, 3), "");
    EXPECT_EQ(grid.textUtf8(2, 3), "");
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "r1c3\nr2c3\n");
}

TEST_F(GridCommandTest, WriteFileAsksAndWritesWorkbookOrText) {
    Fill(grid, 2);
    grid.setColumnHeaderTexts({QStringLiteral("墩台序号"), QStringLiteral("中心桩号"), QStringLiteral("帽梁类型")});
    grid.setText(2, 3, QStringLiteral("①类帽梁"));

    files.queue("");  // cancel writes nothing
    EXPECT_FALSE(WriteGridFile(grid, files));
    files.queue(dir.file("grid"));
    RunGridCommand(ID_GRID_WRITE_FILE, grid, files);
    const ui::FileRequest& request = files.requests().back();
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.title, "保存文件");
    EXPECT_EQ(request.defaultExtension, "XLS");
    EXPECT_TRUE(request.overwritePrompt);

    bool ok = false, shared = false;
    // Texts stand in the sheet itself or in the shared strings, as the writer chooses.
    const std::string sheet = testing_support::ReadZipMember(dir.file("grid.XLS"), "xl/worksheets/sheet1.xml", ok);
    ASSERT_TRUE(ok);
    const std::string texts = sheet + testing_support::ReadZipMember(dir.file("grid.XLS"), "xl/sharedStrings.xml", shared);
    ASSERT_FALSE(sheet.empty());
    for (const char* text : {"墩台序号", "中心桩号", "帽梁类型", "r1c1", "r2c2", "①类帽梁"})
        EXPECT_NE(texts.find(text), std::string::npos) << text;
    EXPECT_NE(sheet.find("r=\"C3\""), std::string::npos);  // headings row + two rows

    files.queue(dir.file("grid.TXT"));
    ASSERT_TRUE(WriteGridFile(grid, files));
    const std::string text = testing_support::ReadBytes(dir.file("grid.TXT"));
    EXPECT_EQ(text::FromGbk(text),
              "墩台序号\t中心桩号\t帽梁类型\r\nr1c1\tr1c2\tr1c3\r\nr2c1\tr2c2\t①类帽梁\r\n");
}

TEST_F(GridCommandTest, MenusCarryTheCommandIds) {
    std::unique_ptr<QMenu> menu(CreateGridMenu(kMenuType2));
    ASSERT_TRUE(menu);
    QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 13);
    EXPECT_EQ(actions[0]->text(), "撤消 (&U)");
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[9]->data().toInt(), ID_GRID_WRITE_FILE);
    EXPECT_EQ(CreateGridMenu(7), nullptr);
}

TEST_F(GridCommandTest, UndoEntryStandsInTheMenuAndChangesNothing) {
    Fill(grid, 2);
    grid.setCurrentCell(1, 1);
    grid.clearSelectionContents();
    std::unique_ptr<QMenu> menu(CreateGridMenu(kMenuType2, nullptr, &grid));
    EXPECT_TRUE(menu->actions()[0]->isEnabled());
    RunGridCommand(ID_GRID_UNDO, grid, files);
    EXPECT_EQ(grid.textUtf8(1, 1), "");
    grid.undo();  // Ctrl+Z takes the edit back
    EXPECT_EQ(grid.textUtf8(1, 1), "r1c1");
}

TEST_F(GridCommandTest, RedoAndFindFollowTheDescribedItems) {
    Fill(grid, 2);
    grid.setCurrentCell(1, 1);
    grid.clearSelectionContents();
    auto redoEnabled = [this] {
        std::unique_ptr<QMenu> menu(CreateGridMenu(kMenuType2, nullptr, &grid));
        EXPECT_EQ(menu->actions()[11]->text(), "重做 (&R)");
        return menu->actions()[11]->isEnabled();
    };
    EXPECT_FALSE(redoEnabled());
    grid.undo();
    EXPECT_TRUE(redoEnabled());
    RunGridCommand(ID_GRID_REDO, grid, files);
    EXPECT_EQ(grid.textUtf8(1, 1), "");
    EXPECT_FALSE(redoEnabled());
    RunGridCommand(ID_GRID_FIND, grid, files);
    EXPECT_FALSE(grid.findBar()->isHidden());
}

}  // namespace
