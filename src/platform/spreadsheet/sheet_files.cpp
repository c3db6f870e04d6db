#include "platform/spreadsheet/sheet_files.h"

#include <filesystem>
#include <system_error>

#include "platform/spreadsheet/clipboard_format.h"
#include "platform/text/gbk_file.h"
#include "platform/text/numbers.h"

namespace sheet {

bool ForEachSheetLine(const SheetData& data, const std::function<bool(const std::vector<std::string>&)>& line) {
    const bool colHeads = data.hasCustomColumnHeaders();
    const bool rowHeads = data.hasCustomRowHeaders();
    const int rows = rowHeads ? data.rowCount() : data.lastUsedRow();
    const int cols = colHeads ? data.columnCount() : data.lastUsedColumn();
    std::vector<std::string> cells;
    if (colHeads) {
        if (rowHeads) cells.push_back(data.cornerText);
        for (int c = 1; c <= cols; ++c) cells.push_back(data.columnHeader(c));
        if (!line(cells)) return false;
    }
    for (int r = 1; r <= rows; ++r) {
        cells.clear();
        if (rowHeads) cells.push_back(data.rowHeader(r));
        for (int c = 1; c <= cols; ++c) cells.emplace_back(data.text(r, c));
        if (!line(cells)) return false;
    }
    return true;
}

int SheetLineCount(const SheetData& data) {
    return (data.hasCustomColumnHeaders() ? 1 : 0) +
           (data.hasCustomRowHeaders() ? data.rowCount() : data.lastUsedRow());
}

Table SheetTable(const SheetData& data) {
    Table out;
    out.reserve(SheetLineCount(data));
    ForEachSheetLine(data, [&out](const std::vector<std::string>& cells) {
        out.push_back(cells);
        return true;
    });
    return out;
}

std::string PartialPath(const std::string& path) { return path + ".partial"; }

bool MovePartialIntoPlace(const std::string& path, std::string& error) {
    std::error_code failed;
    std::filesystem::rename(PartialPath(path), path, failed);
    if (!failed) return true;
    std::filesystem::remove(PartialPath(path), failed);
    error = "无法写入文件“" + path + "”。";
    return false;
}

bool WriteTabText(const std::string& path, const SheetData& data, std::string& error, const Progress& progress) {
    text::GbkFileWriter file;
    const std::string partial = PartialPath(path);
    if (!file.open(partial)) {
        error = "无法写入文件“" + path + "”。";
        return false;
    }
    const std::int64_t total = SheetLineCount(data);
    std::int64_t done = 0;
    const bool complete = ForEachSheetLine(data, [&](const std::vector<std::string>& cells) {
        file.writeLine(ToTabLine(cells));
        return !progress || progress(++done, total);
    });
    const bool closed = file.close();
    if (!complete || !closed) {
        std::error_code ignored;
        std::filesystem::remove(partial, ignored);
        error = complete ? "写入文件“" + path + "”时出错。" : kWriteCancelled;
        return false;
    }
    return MovePartialIntoPlace(path, error);
}

bool IsPlainNumber(std::string_view text, double& value) {
    // "007" is a code and "+3" a text someone typed on purpose: a workbook keeps both as text.
    std::optional<double> parsed = text::ParseDecimal(text, {.plusSign = false, .leadingZeros = false});
    if (!parsed) return false;
    value = *parsed;
    return true;
}

}  // namespace sheet
