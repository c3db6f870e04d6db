#pragma once
// The two forms in which grids put cells on the clipboard, so that LibreOffice Calc, Excel and text editors
// paste them and we paste theirs: tab-separated text and an HTML table.
#include <string>
#include <string_view>
#include <vector>

namespace sheet {

// Cells joined with tabs; a cell holding a tab, a line break or a quote is written in quotes with its quotes
// doubled, the way spreadsheets write it. No line end.
std::string ToTabLine(const std::vector<std::string>& row);

// Rows as tab lines, each ended with a line feed (as LibreOffice Calc puts them on the clipboard).
std::string ToClipboardText(const std::vector<std::vector<std::string>>& cells);

// A complete HTML document with one table; texts escaped, line breaks inside a cell as <br>.
std::string ToClipboardHtml(const std::vector<std::vector<std::string>>& cells);

// Reads tab-separated text back: LF or CR LF line ends, one trailing line end ignored, quoted cells unquoted.
// Rows keep their own lengths (a short row is not padded).
std::vector<std::vector<std::string>> ParseClipboardText(std::string_view text);

// Reads the first table of an HTML document (what LibreOffice Calc and browsers put on the clipboard):
// <tr>/<td>/<th> with colspan, <br> as a line break, entities decoded, other markup dropped. A document
// without a table gives no rows.
std::vector<std::vector<std::string>> ParseClipboardHtml(std::string_view html);

}  // namespace sheet
