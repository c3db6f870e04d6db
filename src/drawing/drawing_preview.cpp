#include "drawing/drawing_preview.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace drawing {

std::string DrawingPicturePath(const std::string& projectPath, const std::string& fileName) {
    std::string stem = fileName;
    if (stem.size() >= 4) {
        std::string tail = stem.substr(stem.size() - 4);
        std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
        if (tail == ".dwg") stem.resize(stem.size() - 4);
    }
    return (std::filesystem::path(projectPath).parent_path() / (stem + ".svg")).string();
}

}  // namespace drawing
