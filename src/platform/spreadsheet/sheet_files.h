#pragma once
// Writing sheets to files, as the control's "write file" does: code 4 an Excel workbook (.xlsx), code 6
// tab-separated text. Headings are written only when the sheet shows its own texts in them (the grid
// editor's field captions): custom column headings become the first row, custom row headings the first
// column with the corner text above them. The control's default letters and numbers are not written.
#include <functional>
#include <string>
#include <vector>

#include "platform/spreadsheet/sheet_data.h"
#include "platform/spreadsheet/sheet_progress.h"

namespace sheet {

enum class FileType { Excel = 4, TabText = 6 };

// The rows of a sheet as they are written: headings (when custom) and cells, up to the last used row and
// column (at least the headings).
Table SheetTable(const SheetData& data);
// The same rows one at a time, so that a sheet reading its rows from a source is never held whole; `line`
// returns false to stop (then so does this). SheetLineCount tells how many there are.
bool ForEachSheetLine(const SheetData& data, const std::function<bool(const std::vector<std::string>&)>& line);
int SheetLineCount(const SheetData& data);

// Files are written beside their place under this name and renamed over it once complete, so that a
// failed or cancelled write leaves no half file and the file it was to replace as it was.
std::string PartialPath(const std::string& path);
// Renames the partial file over `path`; false with a message in `error` (and the partial file removed).
bool MovePartialIntoPlace(const std::string& path, std::string& error);

// Tab-separated text in GBK, CR LF after every line, cells quoted as on the clipboard. `progress` is told
// each row written and may cancel (the error is then kWriteCancelled).
// False with a message in `error` when the file can't be written.
bool WriteTabText(const std::string& path, const SheetData& data, std::string& error,
                  const Progress& progress = {});

struct NamedSheet {
    std::string name;
    const SheetData* data = nullptr;
};

// An .xlsx workbook with one worksheet per sheet: a text that reads as a plain number ("12", "-0.5",
// "1e3") is written as a number, every other text as a string; custom headings bold; column widths kept.
// `progress` and cancelling as for WriteTabText, counting the rows of every sheet.
bool WriteWorkbook(const std::string& path, const std::vector<NamedSheet>& sheets, std::string& error,
                   const Progress& progress = {});

// True when a cell text is written to a workbook as a number: a decimal number without blanks, leading
// "+" or leading zeros that the spreadsheet would not keep ("007" stays text).
bool IsPlainNumber(std::string_view text, double& value);

}  // namespace sheet
