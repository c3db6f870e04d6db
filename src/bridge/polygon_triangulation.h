#pragma once
// Triangles that fill a plane outline with holes: the end faces of a swept member.
#include <array>
#include <cstdint>
#include <vector>

#include "bridge/bridge_model.h"

namespace bridge {

using Triangle = std::array<std::uint32_t, 3>;

// Fills `outline` less its `holes` (either way round each). The indexes count the outline's points first,
// then each hole's in order; every triangle runs counter-clockwise (u right, v up).
std::vector<Triangle> TriangulatePolygon(const std::vector<Point2>& outline,
                                         const std::vector<std::vector<Point2>>& holes);

}  // namespace bridge
