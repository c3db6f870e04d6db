#pragma once
// An Excel workbook (.xlsx) written row by row: cells go straight to the file in row order, so a sheet of a
// million rows takes no more memory than one of ten. Bold headings, column widths in characters, frozen
// heading rows and columns. Qt-free; the one place that sets up libxlsxwriter.
#include <cstddef>
#include <set>
#include <string>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace xlsx {

class WorkbookWriter {
public:
    // Begins the workbook at `path`; ok() tells whether it could be created.
    explicit WorkbookWriter(const std::string& path);
    // Without Close the file is closed all the same, and a failure goes unreported: call Close.
    ~WorkbookWriter();
    WorkbookWriter(const WorkbookWriter&) = delete;
    WorkbookWriter& operator=(const WorkbookWriter&) = delete;

    bool ok() const { return book_ != nullptr; }

    // Starts the next worksheet; the cells below go into it. False when the workbook refuses the name
    // (SheetName makes a name it takes).
    bool AddSheet(const std::string& name);
    // Row and column numbers count from 0, and rows are written in order.
    void SetColumnWidth(int column, double characters);
    void WriteNumber(int row, int column, double value);
    // Texts longer than a cell holds (32,767 bytes) are cut, never inside a UTF-8 sequence.
    void WriteText(int row, int column, const std::string& text, bool heading = false);
    void FreezePanes(int rows, int columns);

    // Finishes the file. False, with "无法写入文件“PATH”..." in `error`, when it could not be written.
    bool Close(std::string& error);

private:
    std::string path_;
    lxw_workbook* book_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format* heading_ = nullptr;
};

// A worksheet name Excel takes: without []:*?/\, at most 31 characters, not quoted, not in `used` (then
// "Sheet<index>"). The name is added to `used`.
std::string SheetName(const std::string& wanted, int index, std::set<std::string>& used);

// At most maxBytes bytes of `text`, never splitting a UTF-8 sequence.
std::string CutUtf8(const std::string& text, std::size_t maxBytes);

}  // namespace xlsx
