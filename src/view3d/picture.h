#pragma once
// A picture of the scene drawn without graphics hardware or windows: a depth-buffered, flat-shaded
// rendering in plain C++, for the PNG export of the window and of the command line. It draws what the
// window draws (the same parts, colours, findings and camera), at any size.
#include <cstdint>
#include <string>
#include <vector>

#include "view3d/camera.h"
#include "view3d/scene.h"

namespace view3d {

struct Image {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;  // row by row from the top, 3 bytes a pixel
    Rgb At(int x, int y) const;
};

inline constexpr Rgb kBackground{236, 241, 246};

// `highlighted` is the index of a part drawn in the highlight colour, -1 for none.
Image Render(const Scene& scene, const Camera& camera, int width, int height, int highlighted = -1);

// The colour a part is drawn in: its kind's, tinted when selected or when a finding concerns it.
Rgb ShownColour(const Part& part, bool highlighted);

// The image as a PNG file, written whole or not at all; the Chinese message on failure, empty on success.
std::string WritePng(const Image& image, const std::string& path);

}  // namespace view3d
