#include <gtest/gtest.h>

#include "platform/spreadsheet/clipboard_format.h"
#include "platform/spreadsheet/sheet_data.h"

namespace {

using sheet::Table;

struct TextCase {
    const char* name;
    Table cells;
    std::string text;
};

TEST(ClipboardText, WritesExcelQuotingAndReadsItBack) {
    const TextCase cases[] = {
        {"plain", {{"a", "b"}, {"1", "2"}}, "a\tb\n1\t2\n"},
        {"empty cells keep their place", {{"", "x", ""}, {"", "", ""}}, "\tx\t\n\t\t\n"},
        {"single empty cell", {{""}}, "\n"},
        {"tab inside", {{"a\tb", "c"}}, "\"a\tb\"\tc\n"},
        {"line break inside", {{"line1\nline2"}, {"z"}}, "\"line1\nline2\"\nz\n"},
        {"quotes doubled", {{"say \"hi\"", "5\" pipe"}}, "\"say \"\"hi\"\"\"\t\"5\"\" pipe\"\n"},
        {"CJK", {{"桥中心桩号", "装配式简支空心板桥"}, {"墩台", "20.5"}}, "桥中心桩号\t装配式简支空心板桥\n墩台\t20.5\n"},
        {"carriage return inside", {{"a\r\nb"}}, "\"a\r\nb\"\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(sheet::ToClipboardText(c.cells), c.text);
        EXPECT_EQ(sheet::ParseClipboardText(c.text), c.cells);
    }
}

TEST(ClipboardText, ReadsWhatOtherProgramsWrite) {
    const TextCase cases[] = {
        {"no trailing line end", {{"a", "b"}, {"c", "d"}}, "a\tb\nc\td"},
        {"CR LF from Windows", {{"a", "b"}, {"c", "d"}}, "a\tb\r\nc\td\r\n"},
        {"old Mac CR", {{"a"}, {"b"}}, "a\rb\r"},
        {"one value with its line end", {{"42"}}, "42\r\n"},
        {"ragged rows keep their lengths", {{"a", "b", "c"}, {"d"}}, "a\tb\tc\nd\n"},
        {"a blank line in the middle", {{"a"}, {""}, {"b"}}, "a\n\nb\n"},
        {"lone quote is a character", {{"5\" x", "y"}}, "5\" x\ty\n"},
        {"unclosed quote read as text", {{"\"abc", "d"}}, "\"abc\td\n"},
        {"text after a closing quote", {{"ab c", "d"}}, "\"ab\" c\td\n"},
        {"empty text", {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(sheet::ParseClipboardText(c.text), c.cells);
    }
}

TEST(ClipboardHtml, EscapesTextsAndReadsItsOwnTableBack) {
    Table cells{{"<a&b>", "\"q\""}, {"两行\n文字", ""}};
    std::string html = sheet::ToClipboardHtml(cells);
    EXPECT_NE(html.find("&lt;a&amp;b&gt;"), std::string::npos);
    EXPECT_NE(html.find("两行<br>文字"), std::string::npos);
    EXPECT_EQ(html.find("<a&b>"), std::string::npos);
    EXPECT_EQ(sheet::ParseClipboardHtml(html), cells);
}

TEST(ClipboardHtml, ReadsWhatLibreOfficeCalcPutsOnTheClipboard) {
    // Abridged from what Calc offers as text/html: upper-case tags, unquoted attributes, a style block,
    // empty cells written as <BR>, fonts around texts, a two-line cell, a merged cell.
    const char* html = R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0 Transitional//EN">
<HTML>
<HEAD>
	<META HTTP-EQUIV="CONTENT-TYPE" CONTENT="text/html; charset=utf-8"/>
	<TITLE></TITLE>
	<STYLE TYPE="text/css">
	<!--
		BODY,DIV,TABLE,THEAD,TBODY,TFOOT,TR,TH,TD,P { font-family:"Liberation Sans"; font-size:x-small }
	 -->
	</STYLE>
</HEAD>
<BODY TEXT="#000000">
<TABLE FRAME=VOID CELLSPACING=0 COLS=3 RULES=NONE BORDER=0>
	<COLGROUP WIDTH=85 SPAN=3></COLGROUP>
	<TBODY>
		<TR>
			<TD WIDTH=85 HEIGHT=17 ALIGN=LEFT>墩台序号</TD>
			<TD WIDTH=85 ALIGN=RIGHT SDVAL="20.5" SDNUM="2052;">20.5</TD>
			<TD WIDTH=85 ALIGN=LEFT><BR></TD>
		</TR>
		<TR>
			<TD HEIGHT=17 ALIGN=LEFT><FONT COLOR="#FF0000"><B>A &amp; B</B></FONT></TD>
			<TD ALIGN=LEFT>line 1<BR>line 2</TD>
			<TD ALIGN=LEFT>x&nbsp;&nbsp;y &lt;z&gt; &#26725;</TD>
		</TR>
		<TR>
			<TD COLSPAN=2 HEIGHT=17 ALIGN=CENTER>merged</TD>
			<TD ALIGN=RIGHT>3</TD>
		</TR>
	</TBODY>
</TABLE>
</BODY>
</HTML>
)";
    Table expected{{"墩台序号", "20.5", ""}, {"A & B", "line 1\nline 2", "x  y <z> 桥"}, {"merged", "", "3"}};
    EXPECT_EQ(sheet::ParseClipboardHtml(html), expected);
}

TEST(ClipboardHtml, ReadsBrowserAndExcelStyleMarkup) {
    struct Case {
        const char* name;
        const char* html;
        Table cells;  // what the paste fills in, row by row
    } cases[] = {
        {"lower case with paragraphs",
         "<table><tr><td><p>a</p><p>b</p></td><td>  spaced   out  </td></tr></table>",
         {{"a\nb", "spaced out"}}},
        {"header cells and a comment",
         "<table><!-- x --><tr><th>名称</th><th>值</th></tr><tr><td>h</td><td>1</td></tr></table>",
         {{"名称", "值"}, {"h", "1"}}},
        {"only the first table", "<table><tr><td>1</td></tr></table><table><tr><td>2</td></tr></table>", {{"1"}}},
        {"no table at all", "<p>just text</p>", {}},
        {"unclosed table still read", "<table><tr><td>a<td>b<tr><td>c", {{"a", "b"}, {"c"}}},
        {"excel same-cell break",
         "<table><tr><td class=xl65>x<br style='mso-data-placement:same-cell'>y</td></tr></table>",
         {{"x\ny"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(sheet::ParseClipboardHtml(c.html), c.cells);
    }
}

TEST(PasteBlock, SingleValueFillsTheSelectionAndBlocksTileOnlyWhenTheyFit) {
    struct Case {
        const char* name;
        Table copied;
        sheet::CellRange selection;
        Table expected;
    } cases[] = {
        {"one value into one cell", {{"7"}}, {2, 2, 2, 2}, {{"7"}}},
        {"one value fills a block", {{"7"}}, {1, 1, 2, 3}, {{"7", "7", "7"}, {"7", "7", "7"}}},
        {"block pasted once at the top-left", {{"a", "b"}}, {1, 1, 1, 1}, {{"a", "b"}}},
        {"block that does not fit evenly is pasted once", {{"a", "b"}}, {1, 1, 1, 3}, {{"a", "b"}}},
        {"block repeated over a multiple", {{"a"}, {"b"}}, {1, 1, 4, 1}, {{"a"}, {"b"}, {"a"}, {"b"}}},
        {"ragged rows padded", {{"a", "b"}, {"c"}}, {1, 1, 1, 1}, {{"a", "b"}, {"c", ""}}},
        {"nothing copied", {}, {1, 1, 3, 3}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(sheet::PasteBlock(c.copied, c.selection), c.expected);
    }
}

}  // namespace
