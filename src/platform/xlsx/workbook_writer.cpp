#include "platform/xlsx/workbook_writer.h"

#include <xlsxwriter.h>

#include <string_view>

namespace xlsx {

WorkbookWriter::WorkbookWriter(const std::string& path) : path_(path) {
    // Rows are written in order, so the workbook streams them to a temporary file instead of keeping every
    // cell in memory (a 100,000-row sheet would otherwise take hundreds of megabytes); strings go inline.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    book_ = workbook_new_opt(path.c_str(), &options);
    if (!book_) return;
    heading_ = workbook_add_format(book_);
    format_set_bold(heading_);
}

WorkbookWriter::~WorkbookWriter() {
    if (book_) workbook_close(book_);
}

bool WorkbookWriter::AddSheet(const std::string& name) {
    sheet_ = book_ ? workbook_add_worksheet(book_, name.c_str()) : nullptr;
    return sheet_ != nullptr;
}

void WorkbookWriter::SetColumnWidth(int column, double characters) {
    if (!sheet_) return;
    const auto c = static_cast<lxw_col_t>(column);
    worksheet_set_column(sheet_, c, c, characters, nullptr);
}

void WorkbookWriter::WriteNumber(int row, int column, double value) {
    if (sheet_) worksheet_write_number(sheet_, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column), value, nullptr);
}

void WorkbookWriter::WriteText(int row, int column, const std::string& text, bool heading) {
    if (!sheet_) return;
    const std::string cell = CutUtf8(text, 32767);  // Excel's limit of a cell
    worksheet_write_string(sheet_, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column), cell.c_str(),
                           heading ? heading_ : nullptr);
}

void WorkbookWriter::FreezePanes(int rows, int columns) {
    if (sheet_) worksheet_freeze_panes(sheet_, static_cast<lxw_row_t>(rows), static_cast<lxw_col_t>(columns));
}

bool WorkbookWriter::Close(std::string& error) {
    if (!book_) {
        error = "无法写入文件“" + path_ + "”。";
        return false;
    }
    const lxw_error result = workbook_close(book_);
    book_ = nullptr;
    sheet_ = nullptr;
    if (result != LXW_NO_ERROR) {
        error = "无法写入文件“" + path_ + "”：" + lxw_strerror(result);
        return false;
    }
    return true;
}

std::string SheetName(const std::string& wanted, int index, std::set<std::string>& used) {
    std::string name;
    for (char c : wanted)
        if (std::string_view("[]:*?/\\").find(c) == std::string_view::npos) name += c;
    // Cut at 31 characters, not bytes, without splitting a UTF-8 sequence.
    std::size_t chars = 0, cut = name.size();
    for (std::size_t i = 0; i < name.size(); ++i) {
        if ((static_cast<unsigned char>(name[i]) & 0xC0) != 0x80 && chars++ == 31) {
            cut = i;
            break;
        }
    }
    name.resize(cut);
    if (name.empty() || name.front() == '\'' || name.back() == '\'' || used.count(name))
        name = "Sheet" + std::to_string(index);
    used.insert(name);
    return name;
}

std::string CutUtf8(const std::string& text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    std::size_t cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut);
}

}  // namespace xlsx
