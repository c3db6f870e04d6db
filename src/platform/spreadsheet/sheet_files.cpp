#include "platform/spreadsheet/sheet_files.h"

#include "platform/spreadsheet/clipboard_format.h"
#include "platform/text/gbk_file.h"
#include "platform/text/numbers.h"

namespace sheet {

Table SheetTable(const SheetData& data) {
    bool colHeads = data.hasCustomColumnHeaders();
    bool rowHeads = data.hasCustomRowHeaders();
    int rows = rowHeads ? data.rowCount() : data.lastUsedRow();
    int cols = colHeads ? data.columnCount() : data.lastUsedColumn();
    Table out;
    out.reserve(rows + (colHeads ? 1 : 0));
    if (colHeads) {
        std::vector<std::string> line;
        if (rowHeads) line.push_back(data.cornerText);
        for (int c = 1; c <= cols; ++c) line.push_back(data.columnHeader(c));
        out.push_back(std::move(line));
    }
    for (int r = 1; r <= rows; ++r) {
        std::vector<std::string> line;
        line.reserve(cols + 1);
        if (rowHeads) line.push_back(data.rowHeader(r));
        for (int c = 1; c <= cols; ++c) line.emplace_back(data.text(r, c));
        out.push_back(std::move(line));
    }
    return out;
}

bool WriteTabText(const std::string& path, const SheetData& data, std::string& error) {
    text::GbkFileWriter file;
    if (!file.open(path)) {
        error = "无法写入文件“" + path + "”。";
        return false;
    }
    for (const auto& line : SheetTable(data)) file.writeLine(ToTabLine(line));
    if (!file.close()) {
        error = "写入文件“" + path + "”时出错。";
        return false;
    }
    return true;
}

bool IsPlainNumber(std::string_view text, double& value) {
    // "007" is a code and "+3" a text someone typed on purpose: a workbook keeps both as text.
    std::optional<double> parsed = text::ParseDecimal(text, {.plusSign = false, .leadingZeros = false});
    if (!parsed) return false;
    value = *parsed;
    return true;
}

}  // namespace sheet
