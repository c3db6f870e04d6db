#pragma once
// What the viewer makes of the value list a preview hands it: each value with the library's caption for
// its position, and the member as a few solid blocks sized from the values (a first picture: girder,
// cap beam, columns, connection, piles). No windows here; the viewer window draws the blocks.
#include <string>
#include <vector>

namespace viewer {

struct LabelledValue {
    std::string caption;
    std::string value;
};

// One solid: its corner at (x, y, z) and its sizes along the bridge (x), across it (y) and upwards (z).
struct Block {
    double x = 0, y = 0, z = 0;
    double length = 0, width = 0, height = 0;
    bool round = false;  // a column or pile of circular section, drawn as a cylinder in its box
};

std::vector<LabelledValue> LabelValues(const std::string& kind, const std::vector<std::string>& values);

// The blocks of the member; empty when the values give it no size.
std::vector<Block> MemberBlocks(const std::string& kind, const std::vector<std::string>& values);

}  // namespace viewer
