#pragma once
// Sheets as a PDF: one page per sheet at the sheet's paper size, lines as vectors, texts as text so that a
// reader can select and search them. What an engineer sends to another.
#include <string>
#include <vector>

#include "sheet_geometry.h"

namespace drawhost {

// Writes the sheets to `path`, titled `title`. Throws std::runtime_error (Chinese text) when the file cannot
// be written. A QGuiApplication must exist.
void WritePdf(const std::vector<SheetGeometry>& sheets, const std::string& title, const std::string& path);

}  // namespace drawhost
