#pragma once
// Writing sheets to files, as the control's "write file" does: code 4 an Excel workbook (.xlsx), code 6
// tab-separated text. Headings are written only when the sheet shows its own texts in them (the grid
// editor's field captions): custom column headings become the first row, custom row headings the first
// column with the corner text above them. The control's default letters and numbers are not written.
#include <string>
#include <vector>

#include "platform/spreadsheet/sheet_data.h"

namespace sheet {

enum class FileType { Excel = 4, TabText = 6 };

// The rows of a sheet as they are written: headings (when custom) and cells, up to the last used row and
// column (at least the headings).
Table SheetTable(const SheetData& data);

// Tab-separated text in GBK, CR LF after every line, cells quoted as on the clipboard.
// False with a message in `error` when the file can't be written.
bool WriteTabText(const std::string& path, const SheetData& data, std::string& error);

struct NamedSheet {
    std::string name;
    const SheetData* data = nullptr;
};

// An .xlsx workbook with one worksheet per sheet: a text that reads as a plain number ("12", "-0.5",
// "1e3") is written as a number, every other text as a string; custom headings bold; column widths kept.
bool WriteWorkbook(const std::string& path, const std::vector<NamedSheet>& sheets, std::string& error);

// True when a cell text is written to a workbook as a number: a decimal number without blanks, leading
// "+" or leading zeros that the spreadsheet would not keep ("007" stays text).
bool IsPlainNumber(std::string_view text, double& value);

}  // namespace sheet
