#pragma once
#include <string>

namespace drawhost {
struct RenderedDrawing {
    std::string dxfPath;
    std::string svgPath;
};
RenderedDrawing RenderDrawing(const std::string& projectPath, const std::string& kind, const std::string& title,
                              const std::string& fileBase, const std::string& outDir);
}  // namespace drawhost
