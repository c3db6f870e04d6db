// Stands in for the renderer until it is merged: a sheet naming what would be drawn.
#include "drawing_render.h"

#include <fstream>
#include <stdexcept>

#include "platform/dao/database.h"

namespace drawhost {

RenderedDrawing RenderDrawing(const std::string& projectPath, const std::string& kind, const std::string& title,
                              const std::string& fileBase, const std::string& outDir) {
    dao::Database::Open(projectPath, true);
    RenderedDrawing out{outDir + "/" + fileBase + ".dxf", outDir + "/" + fileBase + ".svg"};
    std::ofstream(out.dxfPath) << "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n";
    std::ofstream svg(out.svgPath);
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 420 297\"><rect width=\"420\" height=\"297\" "
           "fill=\"white\" stroke=\"black\"/><text x=\"20\" y=\"40\">"
        << kind << " " << title << "</text></svg>\n";
    if (!svg) throw std::runtime_error("无法写出图形文件。");
    return out;
}

}  // namespace drawhost
