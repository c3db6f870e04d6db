#pragma once
// The stake-by-stake table written to a file: an Excel workbook (.xlsx) with numbers as numbers, or
// tab-separated text (GBK, CR LF, as the grid editor writes its text files); one heading row, one row per
// stake.
#include <string>
#include <vector>

#include "calc/route_geometry.h"

namespace calc {

enum class StakeTableFormat { Workbook, TabText };

// The format a file name asks for: a workbook for ".xlsx" (any letter case), tab-separated text otherwise.
StakeTableFormat StakeTableFormatFor(const std::string& path);

// False with the reason in `error` when the file cannot be written.
bool WriteStakeTable(const std::string& path, StakeTableFormat format, const CGeoAssist& geometry,
                     const std::vector<double>& stakes, double offset, std::string& error);

}  // namespace calc
