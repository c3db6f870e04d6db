#include "platform/spreadsheet/sheet_files.h"

#include <charconv>

#include "platform/spreadsheet/clipboard_format.h"
#include "platform/text/gbk_file.h"

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
    if (text.empty()) return false;
    std::size_t i = 0;
    if (text[0] == '-') ++i;
    std::size_t intStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    std::size_t intDigits = i - intStart;
    if (intDigits > 1 && text[intStart] == '0') return false;  // "007" is a code, not a number
    std::size_t fracDigits = 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        std::size_t fracStart = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        fracDigits = i - fracStart;
    }
    if (intDigits + fracDigits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t expStart = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        if (i == expStart) return false;
    }
    if (i != text.size()) return false;
    // from_chars reads neither a bare "5." nor ".5" in every library; give it the digits it wants.
    std::string normal(text);
    if (normal.back() == '.') normal.pop_back();
    auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (ec != std::errc() || end != normal.data() + normal.size()) {
        std::string padded = normal;
        std::size_t dot = padded.find('.');
        if (dot != std::string::npos && (dot == 0 || padded[dot - 1] == '-')) padded.insert(dot, 1, '0');
        auto r = std::from_chars(padded.data(), padded.data() + padded.size(), value);
        return r.ec == std::errc() && r.ptr == padded.data() + padded.size();
    }
    return true;
}

}  // namespace sheet
