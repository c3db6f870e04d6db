#include "calc/stake_table_file.h"

#include <algorithm>
#include <cctype>

#include "calc/stake_table.h"
#include "platform/spreadsheet/sheet_data.h"
#include "platform/spreadsheet/sheet_files.h"
#include "platform/xlsx/workbook_writer.h"

namespace calc {

namespace {

constexpr double kColumnWidths[] = {12, 16, 16, 12, 15, 12, 13, 13, 44};  // characters

bool WriteWorkbook(const std::string& path, const CGeoAssist& geometry, const std::vector<double>& stakes,
                   double offset, std::string& error) {
    xlsx::WorkbookWriter book(path);  // rows go straight to the file: a table may have a million
    book.AddSheet("逐桩坐标表");
    const auto header = StakeTableHeader();
    for (std::size_t c = 0; c < header.size(); ++c) {
        book.SetColumnWidth(static_cast<int>(c), kColumnWidths[c]);
        book.WriteText(0, static_cast<int>(c), header[c], true);
    }
    for (std::size_t r = 0; r < stakes.size(); ++r) {
        const RoutePoint p = geometry.Evaluate(stakes[r], offset);
        const double numbers[] = {stakes[r], p.x, p.y, p.elevation, p.azimuth, p.radius, p.leftSlope, p.rightSlope};
        const int row = static_cast<int>(r) + 1;
        for (int c = 0; c < 8; ++c) book.WriteNumber(row, c, numbers[c]);
        book.WriteText(row, 8, p.location);
    }
    return book.Close(error);
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
