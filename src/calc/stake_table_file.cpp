#include "calc/stake_table_file.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cctype>

#include "calc/stake_table.h"
#include "platform/spreadsheet/sheet_data.h"
#include "platform/spreadsheet/sheet_files.h"

namespace calc {

namespace {

constexpr double kColumnWidths[] = {12, 16, 16, 12, 15, 12, 13, 13, 44};  // characters

bool WriteWorkbook(const std::string& path, const CGeoAssist& geometry, const std::vector<double>& stakes,
                   double offset, std::string& error) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;  // rows go straight to the file: a table may have a million
    lxw_workbook* book = workbook_new_opt(path.c_str(), &options);
    if (!book) {
        error = "无法写入文件“" + path + "”。";
        return false;
    }
    lxw_format* heading = workbook_add_format(book);
    format_set_bold(heading);
    lxw_worksheet* sheet = workbook_add_worksheet(book, "逐桩坐标表");
    const auto header = StakeTableHeader();
    for (lxw_col_t c = 0; c < header.size(); ++c) {
        worksheet_set_column(sheet, c, c, kColumnWidths[c], nullptr);
        worksheet_write_string(sheet, 0, c, header[c].c_str(), heading);
    }
    for (std::size_t r = 0; r < stakes.size(); ++r) {
        const RoutePoint p = geometry.Evaluate(stakes[r], offset);
        const double numbers[] = {stakes[r], p.x, p.y, p.elevation, p.azimuth, p.radius, p.leftSlope, p.rightSlope};
        const auto row = static_cast<lxw_row_t>(r + 1);
        for (lxw_col_t c = 0; c < 8; ++c) worksheet_write_number(sheet, row, c, numbers[c], nullptr);
        worksheet_write_string(sheet, row, 8, p.location.c_str(), nullptr);
    }
    const lxw_error result = workbook_close(book);
    if (result != LXW_NO_ERROR) {
        error = "无法写入文件“" + path + "”：" + lxw_strerror(result);
        return false;
    }
    return true;
}

bool WriteTabText(const std::string& path, const CGeoAssist& geometry, const std::vector<double>& stakes, double offset,
                  std::string& error) {
    const auto header = StakeTableHeader();
    sheet::SheetData data;
    data.setRowCount(static_cast<int>(stakes.size()));
    data.setColumnCount(static_cast<int>(header.size()));
    for (std::size_t c = 0; c < header.size(); ++c) data.setColumnHeader(static_cast<int>(c) + 1, header[c]);
    for (std::size_t r = 0; r < stakes.size(); ++r)
        data.setRow(static_cast<int>(r) + 1, StakeTableRow(stakes[r], geometry.Evaluate(stakes[r], offset)));
    return sheet::WriteTabText(path, data, error);
}

}  // namespace

StakeTableFormat StakeTableFormatFor(const std::string& path) {
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower.ends_with(".xlsx") ? StakeTableFormat::Workbook : StakeTableFormat::TabText;
}

bool WriteStakeTable(const std::string& path, StakeTableFormat format, const CGeoAssist& geometry,
                     const std::vector<double>& stakes, double offset, std::string& error) {
    return format == StakeTableFormat::Workbook ? WriteWorkbook(path, geometry, stakes, offset, error)
                                                : WriteTabText(path, geometry, stakes, offset, error);
}

}  // namespace calc
