#pragma once
// The stand-in drawing host's renderer: one drawing of a project written as a DXF file and an SVG picture
// that show the same geometry.
#include <string>
#include <vector>

#include "sheet_geometry.h"

namespace drawhost {

struct RenderedDrawing {
    std::string dxfPath;
    std::string svgPath;
    std::vector<std::string> messages;
    std::vector<SheetGeometry> sheets;  // what both files show, for a PDF beside them  // what the drawing assumed or decided, for the message pane and stderr
};

// Draws the drawing of `kind` ("DrawingType") titled `title` ("DrawingName") for the project file at
// projectPath into outDir as <fileBase>.dxf and <fileBase>.svg. Throws std::runtime_error (Chinese text).
RenderedDrawing RenderDrawing(const std::string& projectPath, const std::string& kind, const std::string& title,
                              const std::string& fileBase, const std::string& outDir);

}  // namespace drawhost
