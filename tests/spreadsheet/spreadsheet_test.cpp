#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTableView>
#include <memory>

#include "platform/interaction/scripted.h"
#include "platform/spreadsheet/sheet_model.h"
#include "platform/spreadsheet/spreadsheet.h"
#include "platform/text/gbk.h"
#include "support/test_support.h"
#include "support/zip_reader.h"

namespace {

using sheet::CellRange;
using sheet::Shift;
using sheet::Spreadsheet;

struct Changes {
    std::vector<std::pair<int, int>> cells;
    int editsStarted = 0, editsEnded = 0;
    void watch(Spreadsheet& grid) {
        QObject::connect(&grid, &Spreadsheet::cellChanged, [this](int r, int c) { cells.emplace_back(r, c); });
        QObject::connect(&grid, &Spreadsheet::editStarted, [this](int, int) { ++editsStarted; });
        QObject::connect(&grid, &Spreadsheet::editEnded, [this](int, int) { ++editsEnded; });
    }
};

// A grid of rows x cols whose cell (r, c) holds "r.c", shown, with its changes watched.
class Grid : public ::testing::Test {
protected:
    void make(int rows, int cols) {
        grid = std::make_unique<Spreadsheet>();
        grid->resize(600, 400);
        grid->setRowCount(rows);
        grid->setColumnCount(cols);
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= cols; ++c) grid->setText(r, c, QStringLiteral("%1.%2").arg(r).arg(c));
        grid->setPrompter(&prompter);
        grid->show();
        changes.watch(*grid);
    }
    QTableView* view() const { return grid->findChild<QTableView*>(); }
    // The open cell editor, if any (offscreen windows never get the focus, so keys are sent to it directly).
    QLineEdit* editor() const {
        for (auto* e : view()->viewport()->findChildren<QLineEdit*>())
            if (e->isVisible()) return e;  // closed editors linger until deleted later
        return nullptr;
    }
    void type(const QString& text) {
        for (QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QWidget* target = editor() ? static_cast<QWidget*>(editor()) : view();
            QApplication::sendEvent(target, &press);
        }
    }
    QStringList column(int col) const {
        QStringList out;
        for (int r = 1; r <= grid->rowCount(); ++r) out << grid->text(r, col);
        return out;
    }

    std::unique_ptr<Spreadsheet> grid;
    ui::ScriptedPrompter prompter;
    Changes changes;
};

TEST_F(Grid, EditStartFilterRefusesOrAllowsTheEditOfACell) {
    make(3, 3);
    std::vector<std::pair<int, int>> asked;
    grid->setEditStartFilter([&](int row, int col) {
        asked.emplace_back(row, col);
        return col != 1;  // column 1 is never typed into
    });
    grid->setCurrentCell(2, 1);
    type("x");
    EXPECT_FALSE(grid->isEditing());
    EXPECT_EQ(grid->text(2, 1), "2.1");
    EXPECT_EQ(changes.editsStarted, 0);
    EXPECT_EQ(grid->currentRow(), 2);  // a refused key does not search and jump elsewhere
    EXPECT_EQ(grid->currentColumn(), 1);

    grid->setCurrentCell(2, 3);
    type("K1");
    ASSERT_TRUE(grid->isEditing());
    grid->commitEdit();
    EXPECT_FALSE(grid->isEditing());
    EXPECT_EQ(grid->text(2, 3), "K1");
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2, 1}, {2, 3}}));
    EXPECT_EQ(changes.editsStarted, 1);
    EXPECT_EQ(changes.editsEnded, 1);
    EXPECT_EQ(changes.cells, (std::vector<std::pair<int, int>>{{2, 3}}));
}

TEST_F(Grid, OnlyTheUsersChangesAreAnnounced) {
    make(2, 2);
    grid->setText(1, 1, "program");
    grid->setRowTexts(2, {"a", "b"});
    grid->setNumber(1, 2, 3.5);
    EXPECT_TRUE(changes.cells.empty());
    // An edit that leaves the text as it was is no change either.
    ASSERT_TRUE(grid->editCell(2, 1));
    grid->commitEdit();
    EXPECT_TRUE(changes.cells.empty());
    ASSERT_TRUE(grid->editCell(2, 2));
    ASSERT_NE(editor(), nullptr);
    editor()->setText("新值");
    grid->commitEdit();
    EXPECT_EQ(grid->text(2, 2), "新值");
    EXPECT_EQ(changes.cells, (std::vector<std::pair<int, int>>{{2, 2}}));
}

TEST_F(Grid, NumbersTravelAsText) {
    make(1, 1);
    struct Case {
        double value;
        const char* text;
    } cases[] = {{1.5, "1.5"}, {2.0, "2"}, {0.1, "0.1"}, {-0.0, "0"}, {123456.789, "123456.789"}, {1e20, "1e+20"}};
    for (const auto& c : cases) {
        grid->setNumber(1, 1, c.value);
        EXPECT_EQ(grid->text(1, 1), c.text);
        EXPECT_DOUBLE_EQ(grid->number(1, 1), c.value);
    }
    grid->setText(1, 1, "12.5m");  // atof reads the leading number
    EXPECT_DOUBLE_EQ(grid->number(1, 1), 12.5);
}

TEST_F(Grid, PasteOfOneValueFillsTheWholeSelection) {
    make(4, 4);
    grid->setSelection({2, 2, 3, 4});
    QMimeData data;
    data.setText("0\r\n");
    ASSERT_TRUE(grid->pasteMimeData(data));
    EXPECT_EQ(column(2), (QStringList{"1.2", "0", "0", "4.2"}));
    EXPECT_EQ(column(4), (QStringList{"1.4", "0", "0", "4.4"}));
    EXPECT_EQ(changes.cells.size(), 6u);
    EXPECT_EQ(grid->selection(), (CellRange{2, 2, 3, 4}));
}

TEST_F(Grid, PasteOfABlockGrowsTheRowsAndDropsColumnsPastTheLast) {
    make(2, 2);
    grid->setCurrentCell(2, 2);
    QMimeData data;
    data.setText("a\tb\tc\nd\te\tf\n");
    ASSERT_TRUE(grid->pasteMimeData(data));
    EXPECT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->columnCount(), 2);
    EXPECT_EQ(column(2), (QStringList{"1.2", "a", "d"}));
    EXPECT_EQ(grid->selection(), (CellRange{2, 2, 3, 2}));
}

TEST_F(Grid, PasteReadsHtmlWhenThereIsNoTextAndPrefersText) {
    make(2, 2);
    QMimeData htmlOnly;
    htmlOnly.setHtml("<TABLE><TR><TD>桥</TD><TD ALIGN=RIGHT>20</TD></TR></TABLE>");
    grid->setCurrentCell(1, 1);
    ASSERT_TRUE(grid->pasteMimeData(htmlOnly));
    EXPECT_EQ(grid->text(1, 1), "桥");
    EXPECT_EQ(grid->text(1, 2), "20");

    QMimeData both;
    both.setText("text\n");
    both.setHtml("<table><tr><td>html</td></tr></table>");
    grid->setCurrentCell(2, 1);
    ASSERT_TRUE(grid->pasteMimeData(both));
    EXPECT_EQ(grid->text(2, 1), "text");

    QMimeData image;
    image.setData("image/png", "\x89PNG");
    grid->setCurrentCell(2, 2);
    EXPECT_FALSE(grid->pasteMimeData(image));
    EXPECT_EQ(grid->text(2, 2), "2.2");
    EXPECT_EQ(prompter.shown().size(), 1u);
}

TEST_F(Grid, CopyCutAndPasteGoThroughTheClipboard) {
    make(3, 3);
    grid->setSelection({1, 1, 2, 2});
    grid->copy();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), "1.1\t1.2\n2.1\t2.2\n");
    EXPECT_TRUE(data->hasHtml());
    EXPECT_TRUE(data->html().contains("<td>2.2</td>"));

    grid->setCurrentCell(3, 2);
    grid->paste();
    EXPECT_EQ(grid->rowCount(), 4);
    EXPECT_EQ(grid->text(4, 3), "2.2");

    grid->setSelection({1, 3, 2, 3});
    grid->cut();
    EXPECT_EQ(QApplication::clipboard()->text(), "1.3\n2.3\n");
    EXPECT_EQ(column(3), (QStringList{"", "", "1.2", "2.2"}));
}

TEST_F(Grid, ProtectedGridRefusesEveryEditButCopies) {
    make(2, 2);
    grid->setReadOnly(true);
    EXPECT_FALSE(grid->editCell(1, 1));
    QMimeData data;
    data.setText("x\n");
    grid->setCurrentCell(1, 1);
    EXPECT_FALSE(grid->pasteMimeData(data));
    grid->clearSelectionContents();
    EXPECT_FALSE(grid->insertRange({1, 1, 1, 2}, Shift::Rows));
    EXPECT_FALSE(grid->deleteRange({1, 1, 1, 2}, Shift::Rows));
    grid->copy();
    EXPECT_EQ(QApplication::clipboard()->text(), "1.1\n");
    EXPECT_EQ(grid->text(1, 1), "1.1");
    EXPECT_EQ(grid->rowCount(), 2);
    EXPECT_TRUE(changes.cells.empty());
}

TEST_F(Grid, InsertAndDeleteWholeRows) {
    make(10, 3);
    // Insert above the current row 2: the former row 2 becomes row 3.
    ASSERT_TRUE(grid->insertRange({2, 1, 2, grid->lastUsedColumn()}, Shift::Rows));
    EXPECT_EQ(grid->rowCount(), 11);
    EXPECT_EQ(grid->text(2, 1), "");
    EXPECT_EQ(grid->text(3, 1), "2.1");
    // Delete the selected rows 4 to 6 (former 3 to 5).
    grid->selectRows(4, 6);
    CellRange sel = grid->selection();
    EXPECT_EQ(sel, (CellRange{4, 1, 6, 3}));
    ASSERT_TRUE(grid->deleteRange({sel.row1, 1, sel.row2, grid->lastUsedColumn()}, Shift::Rows));
    EXPECT_EQ(grid->rowCount(), 8);
    EXPECT_EQ(column(1), (QStringList{"1.1", "", "2.1", "6.1", "7.1", "8.1", "9.1", "10.1"}));
    EXPECT_GE(grid->currentRow(), 1);
}

TEST_F(Grid, DropDownCellOffersItsListPreselectingTheText) {
    make(2, 4);
    grid->setColumnDropDown(4, "A0;A1;A2;A3;A4");
    grid->setText(1, 4, "A3");
    EXPECT_EQ(grid->dropDownItems(2, 4), (QStringList{"A0", "A1", "A2", "A3", "A4"}));
    EXPECT_TRUE(grid->dropDownItems(2, 3).isEmpty());
    ASSERT_TRUE(grid->editCell(1, 4));
    auto* combo = grid->findChild<QComboBox*>();
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 5);
    EXPECT_EQ(combo->currentText(), "A3");
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    QApplication::processEvents();
    EXPECT_FALSE(grid->isEditing());
    EXPECT_EQ(grid->text(1, 4), "A1");
    EXPECT_EQ(changes.cells, (std::vector<std::pair<int, int>>{{1, 4}}));
}

TEST_F(Grid, RightClickRequestsTheMenuForTheCellUnderTheMouse) {
    make(5, 5);
    int row = 0, col = 0;
    QObject::connect(grid.get(), &Spreadsheet::contextMenuRequested, [&](int r, int c, const QPoint&) {
        row = r;
        col = c;
    });
    QRect rect = view()->visualRect(grid->model()->index(2, 3));
    QContextMenuEvent event(QContextMenuEvent::Mouse, rect.center(), view()->viewport()->mapToGlobal(rect.center()));
    QApplication::sendEvent(view()->viewport(), &event);
    EXPECT_EQ(row, 3);
    EXPECT_EQ(col, 4);
    EXPECT_EQ(grid->currentRow(), 3);
    EXPECT_EQ(grid->currentColumn(), 4);

    // Inside a selection the selection stays.
    grid->setSelection({1, 1, 4, 4});
    QApplication::sendEvent(view()->viewport(), &event);
    EXPECT_EQ(grid->selection(), (CellRange{1, 1, 4, 4}));
}

TEST_F(Grid, SheetsKeepTheirOwnCellsAndHeadings) {
    make(2, 2);
    grid->setSheetCount(3);
    grid->setSheetName(1, "上构布置信息");
    grid->setSheetName(2, "下构布置信息");
    grid->sheet(2)->setRowCount(3);
    grid->sheet(2)->setColumnCount(9);
    grid->sheet(2)->setRowHeaderText(1, "0");
    grid->sheet(2)->setText(1, 2, "1类台帽");
    int shown = 0;
    QObject::connect(grid.get(), &Spreadsheet::currentSheetChanged, [&](int s) { shown = s; });
    grid->setCurrentSheet(2);
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->text(1, 2), "1类台帽");
    EXPECT_EQ(grid->rowHeaderText(1), "0");
    EXPECT_EQ(grid->rowHeaderText(2), "2");
    EXPECT_EQ(grid->sheet(1)->text(1, 1), "1.1");
    grid->setSheetCount(1);
    EXPECT_EQ(grid->sheetCount(), 1);
    EXPECT_EQ(grid->currentSheet(), 1);
    EXPECT_EQ(grid->sheetName(1), "上构布置信息");
}

TEST_F(Grid, BulkLoadIsSilentAndLeavesTheFirstCellCurrent) {
    make(1, 1);
    grid->beginLoad();
    grid->setColumnCount(3);
    grid->setRowCount(1000);
    for (int r = 1; r <= 1000; ++r) grid->setRowTexts(r, std::vector<std::string>{std::to_string(r), "桥", ""});
    grid->endLoad();
    EXPECT_TRUE(changes.cells.empty());
    EXPECT_EQ(grid->text(1000, 1), "1000");
    EXPECT_EQ(grid->lastUsedColumn(), 2);
    EXPECT_EQ(grid->lastUsedRow(), 1000);
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), 1);
}

TEST_F(Grid, WritesTheWorkbookAndTheTextFile) {
    make(2, 2);
    grid->setColumnHeaderTexts({"图名", "比例"});
    grid->setText(1, 1, "桥型布置图");
    grid->setText(1, 2, "100");
    testing_support::TempDir dir;
    std::string xlsx = dir.file("grid.XLS");
    ASSERT_TRUE(grid->writeFile(QString::fromStdString(xlsx), sheet::FileType::Excel));
    bool ok = false;
    std::string cells = testing_support::ReadZipMember(xlsx, "xl/worksheets/sheet1.xml", ok);
    ASSERT_TRUE(ok);
    EXPECT_NE(cells.find("<t>图名</t>"), std::string::npos);
    EXPECT_NE(cells.find("<t>桥型布置图</t>"), std::string::npos);
    EXPECT_NE(cells.find("<c r=\"B2\"><v>100</v></c>"), std::string::npos);

    std::string txt = dir.file("grid.TXT");
    ASSERT_TRUE(grid->writeFile(QString::fromStdString(txt), sheet::FileType::TabText));
    EXPECT_EQ(testing_support::ReadBytes(txt), text::ToGbk("图名\t比例\r\n桥型布置图\t100\r\n2.1\t2.2\r\n"));

    EXPECT_FALSE(grid->writeFile(QString::fromStdString(dir.file("no/such/grid.TXT")), sheet::FileType::TabText));
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].icon, ui::Icon::Stop);
    EXPECT_EQ(QString::fromStdString(prompter.shown()[0].text), grid->lastError());
}

}  // namespace
