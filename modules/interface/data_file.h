#pragma once
// The interface library's conversion of the 3D-model interface file (Arvo3D.BRI) into the data file the
// modelling program loads (Arvo3D.B3D). The data file names every value by where it stands: each section of
// the interface file opens with "[section]", and each data line becomes one line of its place (the
// section's span, support or member labels joined by "/") followed by its values, separated by tabs.
// Both files are GBK text with CR LF.
#include <optional>
#include <string>
#include <vector>

#include "platform/interaction/interaction.h"

namespace interfacelib {

inline constexpr const char* kDataFileHeader = "//Arvo3D数据文件";

// The data file's lines for the interface file's lines (UTF-8, without line ends); none when the lines are
// not a complete 3D-model interface file (wrong first line, or no "//数据传递完毕" at the end).
std::optional<std::vector<std::string>> DataLines(const std::vector<std::string>& interfaceLines);

// Reads `interfaceFile`, writes `dataFile`; true when the data file was written. A failure is told through
// `prompt` and leaves no data file behind.
bool ResetData(const std::string& interfaceFile, const std::string& dataFile, ui::Prompter& prompt);

}  // namespace interfacelib
