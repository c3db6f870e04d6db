#include <gtest/gtest.h>

#include "platform/spreadsheet/sheet_files.h"
#include "platform/text/gbk.h"
#include "support/test_support.h"
#include "support/zip_reader.h"

namespace {

using sheet::SheetData;
using testing_support::ReadBytes;
using testing_support::TempDir;

TEST(SheetTable, WritesHeadingsOnlyWhenTheSheetShowsItsOwn) {
    SheetData plain;
    plain.setRowCount(5);
    plain.setColumnCount(4);
    plain.setText(1, 1, "a");
    plain.setText(2, 2, "b");
    EXPECT_EQ(sheet::SheetTable(plain), (sheet::Table{{"a", ""}, {"", "b"}}));

    SheetData captions;
    captions.setRowCount(2);
    captions.setColumnCount(3);
    captions.setColumnHeader(1, "序号");
    captions.setColumnHeader(2, "中心桩号");
    captions.setText(1, 1, "1");
    EXPECT_EQ(sheet::SheetTable(captions), (sheet::Table{{"序号", "中心桩号", "C"}, {"1", "", ""}}));

    SheetData both;
    both.setRowCount(2);
    both.setColumnCount(1);
    both.cornerText = "墩台编号";
    both.setColumnHeader(1, "帽梁中心至墩台身中心距离");
    both.setRowHeader(1, "0");
    both.setRowHeader(2, "1");
    both.setText(2, 1, "35");
    EXPECT_EQ(sheet::SheetTable(both),
              (sheet::Table{{"墩台编号", "帽梁中心至墩台身中心距离"}, {"0", ""}, {"1", "35"}}));
}

TEST(TabText, IsGbkWithCrLfAndQuotedCells) {
    TempDir dir;
    SheetData d;
    d.setRowCount(2);
    d.setColumnCount(2);
    d.setRow(1, {"桥梁", "a\tb"});
    d.setRow(2, {"1.5", "say \"x\""});
    std::string error;
    ASSERT_TRUE(sheet::WriteTabText(dir.file("grid.TXT"), d, error)) << error;
    std::string expected = text::ToGbk("桥梁\t\"a\tb\"\r\n1.5\t\"say \"\"x\"\"\"\r\n");
    EXPECT_EQ(ReadBytes(dir.file("grid.TXT")), expected);
}

TEST(TabText, ReportsAFileThatCannotBeWritten) {
    TempDir dir;
    SheetData d;
    std::string error;
    EXPECT_FALSE(sheet::WriteTabText(dir.file("missing/grid.TXT"), d, error));
    EXPECT_NE(error.find("grid.TXT"), std::string::npos);
}

TEST(Workbook, HoldsTextsAsStringsAndNumbersAsNumbersInEverySheet) {
    TempDir dir;
    SheetData first;
    first.setRowCount(3);
    first.setColumnCount(3);
    first.setColumnHeader(1, "分段序号");
    first.setColumnHeader(2, "结构类型");
    first.setColumnHeader(3, "跨径");
    first.setRow(1, {"1", "装配式简支空心板桥", "20"});
    first.setRow(2, {"2", "a<b&c", "007"});
    first.setColumnWidth(2, 180);
    SheetData second;
    second.setText(1, 1, "-2.5");
    std::string path = dir.file("grid.xlsx");
    std::string error;
    ASSERT_TRUE(sheet::WriteWorkbook(path, {{"上构布置信息", &first}, {"Sheet[2]", &second}}, error)) << error;

    bool ok = false;
    std::string sheet1 = testing_support::ReadZipMember(path, "xl/worksheets/sheet1.xml", ok);
    ASSERT_TRUE(ok);
    for (const char* s : {"<c r=\"A1\" s=\"1\" t=\"inlineStr\"><is><t>分段序号</t></is></c>",
                          "<c r=\"B2\" t=\"inlineStr\"><is><t>装配式简支空心板桥</t></is></c>",
                          "<c r=\"B3\" t=\"inlineStr\"><is><t>a&lt;b&amp;c</t></is></c>",
                          "<c r=\"C3\" t=\"inlineStr\"><is><t>007</t></is></c>",  // a code stays text
                          "<c r=\"C2\"><v>20</v></c>", "<c r=\"A3\"><v>2</v></c>",
                          "<pane"})  // the heading row stays in view
        EXPECT_NE(sheet1.find(s), std::string::npos) << s << "\n" << sheet1;
    std::string sheet2 = testing_support::ReadZipMember(path, "xl/worksheets/sheet2.xml", ok);
    ASSERT_TRUE(ok);
    EXPECT_NE(sheet2.find("<v>-2.5</v>"), std::string::npos);

    std::string book = testing_support::ReadZipMember(path, "xl/workbook.xml", ok);
    ASSERT_TRUE(ok);
    EXPECT_NE(book.find("name=\"上构布置信息\""), std::string::npos);
    EXPECT_NE(book.find("name=\"Sheet2\""), std::string::npos);  // brackets are not allowed in a sheet name
}

TEST(Workbook, ReportsAFileThatCannotBeWritten) {
    TempDir dir;
    SheetData d;
    std::string error;
    EXPECT_FALSE(sheet::WriteWorkbook(dir.file("missing/grid.xlsx"), {{"Sheet1", &d}}, error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
