#include <gtest/gtest.h>

#include "platform/spreadsheet/sheet_data.h"
#include "platform/spreadsheet/sheet_files.h"

namespace {

using sheet::CellRange;
using sheet::SheetData;
using sheet::Shift;
using sheet::Table;

// A sheet whose cell (r, c) holds "r.c", for following cells through shifts.
void Fill(SheetData& d, int rows, int cols) {
    d.setRowCount(rows);
    d.setColumnCount(cols);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c) d.setText(r, c, std::to_string(r) + "." + std::to_string(c));
}

std::vector<std::string> Column(const SheetData& d, int col) {
    std::vector<std::string> out;
    for (int r = 1; r <= d.rowCount(); ++r) out.emplace_back(d.text(r, col));
    return out;
}

TEST(SheetData, CellsAreAddressedFromOneAndOutOfRangeIsEmpty) {
    SheetData d;
    EXPECT_EQ(d.rowCount(), 1);
    EXPECT_EQ(d.columnCount(), 1);
    d.setRowCount(3);
    d.setColumnCount(4);
    d.setText(3, 4, "末格");
    d.setText(2, 1, "");
    d.setText(0, 1, "ignored");
    d.setText(4, 1, "ignored");
    EXPECT_EQ(d.text(3, 4), "末格");
    EXPECT_EQ(d.text(1, 1), "");
    EXPECT_EQ(d.text(5, 5), "");
    EXPECT_EQ(d.lastUsedRow(), 3);
    EXPECT_EQ(d.lastUsedColumn(), 4);
    d.setText(3, 4, "");
    EXPECT_EQ(d.lastUsedRow(), 0);
    EXPECT_EQ(d.lastUsedColumn(), 0);
}

TEST(SheetData, RowBuffersKeepEveryCellThroughRewrites) {
    SheetData d;
    d.setRowCount(1);
    d.setColumnCount(5);
    d.setRow(1, {"a", "", "桥梁", "", "e", "beyond the last column"});
    EXPECT_EQ(d.row(1), (std::vector<std::string>{"a", "", "桥梁", "", "e"}));
    d.setText(1, 2, "bb");
    d.setText(1, 5, "");
    d.setText(1, 1, std::string(d.text(1, 3)));  // a view into the same row
    EXPECT_EQ(d.row(1), (std::vector<std::string>{"桥梁", "bb", "桥梁", "", ""}));
    EXPECT_EQ(d.lastUsedColumn(), 3);
    d.setColumnCount(2);
    d.setColumnCount(5);
    EXPECT_EQ(d.row(1), (std::vector<std::string>{"桥梁", "bb", "", "", ""}));
}

TEST(SheetData, InsertAndDeleteWholeRowsAndColumns) {
    struct Case {
        const char* name;
        bool insert;
        CellRange range;
        Shift shift;
        int rows, cols;
        std::vector<std::string> column1;
        std::vector<std::string> row1;
    } cases[] = {
        {"insert one row above row 2", true, {2, 1, 2, 3}, Shift::Rows, 4, 3,
         {"1.1", "", "2.1", "3.1"}, {"1.1", "1.2", "1.3"}},
        {"insert rows after the last", true, {9, 1, 10, 1}, Shift::Rows, 5, 3,
         {"1.1", "2.1", "3.1", "", ""}, {"1.1", "1.2", "1.3"}},
        {"delete rows 2 to 3", false, {2, 1, 3, 2}, Shift::Rows, 1, 3, {"1.1"}, {"1.1", "1.2", "1.3"}},
        {"delete rows past the end is clipped", false, {3, 1, 8, 1}, Shift::Rows, 2, 3,
         {"1.1", "2.1"}, {"1.1", "1.2", "1.3"}},
        {"insert a column before 2", true, {1, 2, 1, 2}, Shift::Columns, 3, 4,
         {"1.1", "2.1", "3.1"}, {"1.1", "", "1.2", "1.3"}},
        {"delete column 1", false, {1, 1, 3, 1}, Shift::Columns, 3, 2,
         {"1.2", "2.2", "3.2"}, {"1.2", "1.3"}},
        {"shift cells of column 1 down", true, {1, 1, 1, 1}, Shift::Down, 4, 3,
         {"", "1.1", "2.1", "3.1"}, {"", "1.2", "1.3"}},
        {"delete cell 1,1 moving cells up", false, {1, 1, 1, 1}, Shift::Down, 3, 3,
         {"2.1", "3.1", ""}, {"2.1", "1.2", "1.3"}},
        {"shift cells of row 1 right", true, {1, 1, 1, 1}, Shift::Right, 3, 4,
         {"", "2.1", "3.1"}, {"", "1.1", "1.2", "1.3"}},
        {"delete cell 1,1 moving cells left", false, {1, 1, 1, 1}, Shift::Right, 3, 3,
         {"1.2", "2.1", "3.1"}, {"1.2", "1.3", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SheetData d;
        Fill(d, 3, 3);
        if (c.insert)
            d.insert(c.range, c.shift);
        else
            d.remove(c.range, c.shift);
        EXPECT_EQ(d.rowCount(), c.rows);
        EXPECT_EQ(d.columnCount(), c.cols);
        EXPECT_EQ(Column(d, 1), c.column1);
        EXPECT_EQ(d.row(1), c.row1);
    }
}

TEST(SheetData, DropDownsMoveWithTheirRowsAndColumnListsApplyToEveryRow) {
    SheetData d;
    Fill(d, 3, 3);
    d.setColumnDropDown(3, "A0;A1;A2;A3;A4");
    d.setDropDown(2, 1, "桥型布置图;上构一般构造图");
    d.setDropDown(2, 3, "X;Y");
    EXPECT_EQ(d.dropDown(2, 3), "X;Y");  // the cell's own list wins
    EXPECT_EQ(d.dropDown(3, 3), "A0;A1;A2;A3;A4");
    d.insert({1, 1, 1, 1}, Shift::Rows);
    EXPECT_EQ(d.dropDown(3, 1), "桥型布置图;上构一般构造图");
    EXPECT_EQ(d.dropDown(2, 1), "");
    d.insert({1, 1, 1, 1}, Shift::Columns);
    EXPECT_EQ(d.dropDown(3, 2), "桥型布置图;上构一般构造图");
    EXPECT_EQ(d.dropDown(1, 4), "A0;A1;A2;A3;A4");
    d.setDropDown(3, 2, "");
    EXPECT_EQ(d.dropDown(3, 2), "");
    EXPECT_EQ(sheet::SplitList("A0;A1;;A3;"), (std::vector<std::string>{"A0", "A1", "", "A3"}));
}

TEST(SheetData, DefaultHeadingsAreLettersAndNumbers) {
    SheetData d;
    d.setColumnCount(60);
    d.setRowCount(3);
    EXPECT_EQ(d.columnHeader(1), "A");
    EXPECT_EQ(d.columnHeader(26), "Z");
    EXPECT_EQ(d.columnHeader(27), "AA");
    EXPECT_EQ(d.columnHeader(53), "BA");
    EXPECT_EQ(sheet::ColumnLetters(703), "AAA");
    EXPECT_EQ(d.rowHeader(3), "3");
    EXPECT_FALSE(d.hasCustomColumnHeaders());
    d.setColumnHeader(2, "中心桩号(m)");
    d.setRowHeader(1, "0");
    EXPECT_EQ(d.columnHeader(2), "中心桩号(m)");
    EXPECT_EQ(d.columnHeader(3), "C");
    EXPECT_EQ(d.rowHeader(1), "0");
}

TEST(SheetData, BlocksAreClippedToTheSheet) {
    SheetData d;
    Fill(d, 3, 3);
    EXPECT_EQ(d.block({2, 2, 5, 5}), (Table{{"2.2", "2.3"}, {"3.2", "3.3"}}));
    d.setBlock(3, 2, {{"x", "y", "z"}, {"lost"}});
    EXPECT_EQ(d.row(3), (std::vector<std::string>{"3.1", "x", "y"}));
    d.clearBlock({1, 1, 2, 2});
    EXPECT_EQ(d.block({1, 1, 2, 3}), (Table{{"", "", "1.3"}, {"", "", "2.3"}}));
}

TEST(PlainNumber, DecidesWhatAWorkbookStoresAsANumber) {
    struct Case {
        const char* text;
        bool number;  // stored as a number rather than as text
        double value;
    } cases[] = {
        {"12", true, 12},     {"-0.5", true, -0.5}, {"1e3", true, 1000}, {"20.", true, 20},
        {".5", true, 0.5},    {"0", true, 0},       {"0.25", true, 0.25}, {"007", false, 0},
        {"+3", false, 0},     {" 3", false, 0},     {"3 ", false, 0},    {"K12+300", false, 0},
        {"1e", false, 0},     {"", false, 0},       {"-", false, 0},     {"桥", false, 0},
        {"1.2.3", false, 0},  {"NaN", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        double v = -1;
        EXPECT_EQ(sheet::IsPlainNumber(c.text, v), c.number);
        if (c.number) {
            EXPECT_DOUBLE_EQ(v, c.value);
        }
    }
}

}  // namespace
