#pragma once
// Where the preview finds the picture of a drawing: the drawing host writes each drawing beside the project
// as <FileName>.dxf and <FileName>.svg; the preview shows the SVG.
#include <string>

namespace drawing {

// The picture of the drawing whose record names `fileName` (with or without ".dwg", any letter case), for
// the project at `projectPath`.
std::string DrawingPicturePath(const std::string& projectPath, const std::string& fileName);

}  // namespace drawing
