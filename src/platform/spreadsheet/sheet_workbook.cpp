// The .xlsx writer of the sheets (libxlsxwriter). No Qt here; it is built into the window library because
// that is the one that links libxlsxwriter.
#include <xlsxwriter.h>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <set>

#include "platform/spreadsheet/sheet_files.h"
#include "platform/xlsx/workbook_writer.h"

namespace sheet {

namespace {

// Pixels of the grid to Excel's column width in characters of the default font.
double WidthInCharacters(int pixels) { return std::max(1.0, (pixels - 5) / 7.0); }

}  // namespace

bool WriteWorkbook(const std::string& path, const std::vector<NamedSheet>& sheets, std::string& error,
                   const Progress& progress) {
    // Rows are written in order, so the workbook streams them to a temporary file instead of keeping every
    // cell in memory (a 100,000-row sheet would otherwise take hundreds of megabytes); strings go inline.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* book = workbook_new_opt(PartialPath(path).c_str(), &options);
    if (!book) {
        error = "无法写入文件“" + path + "”。";
        return false;
    }
    lxw_format* heading = workbook_add_format(book);
    format_set_bold(heading);
    std::set<std::string> used;
    std::int64_t total = 0, done = 0;
    for (const auto& sheet : sheets)
        if (sheet.data) total += SheetLineCount(*sheet.data);
    bool cancelled = false;
    int index = 0;
    for (const auto& sheet : sheets) {
        if (cancelled) break;
        ++index;
        if (!sheet.data) continue;
        const SheetData& data = *sheet.data;
        std::string name = xlsx::SheetName(sheet.name, index, used);
        lxw_worksheet* ws = workbook_add_worksheet(book, name.c_str());
        if (!ws) continue;
        bool colHeads = data.hasCustomColumnHeaders();
        bool rowHeads = data.hasCustomRowHeaders();
        int firstDataCol = rowHeads ? 1 : 0;
        for (int c = 1; c <= data.columnCount(); ++c) {
            int px = data.columnWidth(c);
            if (px > 0)
                worksheet_set_column(ws, static_cast<lxw_col_t>(c - 1 + firstDataCol),
                                     static_cast<lxw_col_t>(c - 1 + firstDataCol), WidthInCharacters(px), nullptr);
        }
        lxw_row_t row = 0;
        cancelled = !ForEachSheetLine(data, [&](const std::vector<std::string>& cells) {
            for (std::size_t c = 0; c < cells.size(); ++c) {
                const std::string& cell = cells[c];
                if (cell.empty()) continue;
                bool isHeading = (colHeads && row == 0) || (rowHeads && c == 0);
                double number = 0;
                auto col = static_cast<lxw_col_t>(c);
                if (!isHeading && IsPlainNumber(cell, number)) {
                    worksheet_write_number(ws, row, col, number, nullptr);
                } else {
                    std::string text = xlsx::CutUtf8(cell, 32767);  // Excel's limit of a cell
                    worksheet_write_string(ws, row, col, text.c_str(), isHeading ? heading : nullptr);
                }
            }
            ++row;
            return !progress || progress(++done, total);
        });
        if (colHeads || rowHeads) worksheet_freeze_panes(ws, colHeads ? 1 : 0, rowHeads ? 1 : 0);
    }
    lxw_error result = workbook_close(book);
    if (cancelled || result != LXW_NO_ERROR) {
        std::error_code ignored;
        std::filesystem::remove(PartialPath(path), ignored);
        error = cancelled ? kWriteCancelled : "无法写入文件“" + path + "”：" + lxw_strerror(result);
        return false;
    }
    return MovePartialIntoPlace(path, error);
}

}  // namespace sheet
