// The member as solid blocks. Superstructure members lie along x (the bridge axis), y across, z up; a
// substructure assembly stands with its cap beam along x, from its top at height B down to the ground.
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "library/component_captions.h"
#include "platform/text/numbers.h"
#include "viewer/viewer_model.h"

namespace viewer {
namespace {

using Texts = std::vector<std::string>;

// A girder is drawn as a piece a few widths long, so that its section reads; its length stands in the list.
double PieceLength(double length, double width, double depth) { return std::min(length, 2.5 * std::max(width, depth)); }

double Number(const Texts& values, std::size_t i) { return i < values.size() ? text::Atof(values[i]) : 0.0; }
int Count(const Texts& values, std::size_t i) {
    return i < values.size() ? std::clamp(static_cast<int>(text::Atol(values[i])), 0, 64) : 0;
}

Block Box(double x, double y, double z, double length, double width, double height, bool round = false) {
    return Block{x, y, z, length, width, height, round};
}

// A row of `count` equal members `size` wide, `spacing` apart, centred on x = 0.
void Row(std::vector<Block>& blocks, int count, double spacing, double size, double y, double depth, double z,
         double height, bool round) {
    for (int i = 0; i < count; ++i) {
        double centre = (i - (count - 1) / 2.0) * spacing;
        blocks.push_back(Box(centre - size / 2, y, z, size, depth, height, round));
    }
}

// Where the sizes of a box cross-section stand among its dimensions: top width, bottom width, top slab,
// bottom slab and web thickness.
struct SectionLayout {
    std::size_t top, bottom, topSlab, bottomSlab, web;
};

std::optional<SectionLayout> LayoutOf(const std::string& kind) {
    if (kind == "单箱单室") return SectionLayout{0, 1, 4, 5, 6};
    if (kind == "单箱多室") return SectionLayout{1, 2, 5, 6, 7};
    if (kind == "多箱单室") return SectionLayout{1, 2, 8, 9, 10};
    return std::nullopt;
}

std::vector<Block> BoxGirder(const std::string& kind, const Texts& v) {
    double width = Number(v, 3), depth = Number(v, 4), length = PieceLength(Number(v, 2), width, depth);
    std::size_t sectionStart = kind == "连续等截面箱梁" ? 19 : 16;
    auto layout = LayoutOf(v.size() > 1 ? v[1] : std::string());
    if (!layout) return {Box(0, 0, 0, length, width, depth)};
    auto at = [&](std::size_t i) { return Number(v, sectionStart + i); };
    double top = at(layout->top) > 0 ? at(layout->top) : width;
    double bottom = at(layout->bottom) > 0 ? at(layout->bottom) : top * 0.6;
    double topSlab = at(layout->topSlab), bottomSlab = at(layout->bottomSlab), web = at(layout->web);
    if (topSlab <= 0 || bottomSlab <= 0 || web <= 0 || topSlab + bottomSlab >= depth)
        return {Box(0, 0, 0, length, width, depth)};
    double edge = (top - bottom) / 2;
    double webHeight = depth - topSlab - bottomSlab;
    return {Box(0, edge, 0, length, bottom, bottomSlab), Box(0, edge, bottomSlab, length, web, webHeight),
            Box(0, edge + bottom - web, bottomSlab, length, web, webHeight),
            Box(0, 0, depth - topSlab, length, top, topSlab)};
}

std::vector<Block> TBeam(const Texts& v) {
    double width = Number(v, 3), depth = Number(v, 2), length = PieceLength(Number(v, 4), width, depth);
    double flange = Number(v, 17) > 0 ? Number(v, 17) : depth * 0.15;
    double web = Number(v, 35) > 0 ? Number(v, 35) : width * 0.2;
    if (flange >= depth || web >= width) return {Box(0, 0, 0, length, width, depth)};
    return {Box(0, (width - web) / 2, 0, length, web, depth - flange),
            Box(0, 0, depth - flange, length, width, flange)};
}

// The foundation under the part whose foot is at `z`: rows of piles, or one spread footing; its fields start
// at `p` among the values.
void AddFoundation(std::vector<Block>& blocks, char type, const Texts& v, std::size_t p, double z, double capLength,
                   double capWidth) {
    auto f = [&](std::size_t i) { return Number(v, p + i); };
    switch (type) {
        case '1':
        case '3': {
            double pile = f(1), height = 3 * f(1);
            Row(blocks, Count(v, p), f(3), pile, (capWidth - pile) / 2, pile, z - height, height, true);
            break;
        }
        case '2': {
            double pile = f(2), height = 3 * f(2);
            int across = Count(v, p), along = Count(v, p + 1);
            for (int j = 0; j < along; ++j) {
                double y = capWidth / 2 + (j - (along - 1) / 2.0) * f(5) - pile / 2;
                Row(blocks, across, f(4), pile, y, pile, z - height, height, true);
            }
            break;
        }
        default: {
            double height = 0;
            if (type == '4') height = f(4) * text::Atol(v.size() > p + 1 ? v[p + 1] : "");
            if (type == '5') height = f(5);
            if (type == '6') height = f(1) * text::Atol(v.size() > p ? v[p] : "");
            if (type == '7') height = f(0);
            if (height > 0)
                blocks.push_back(
                    Box(-capLength * 0.6, -capWidth * 0.5, z - height, capLength * 1.2, capWidth * 2, height));
            break;
        }
    }
}

// The assembly from the cap beam down, each part's height as the preview's walk counts it.
std::vector<Block> Substructure(const std::string& code, const Texts& v) {
    std::vector<Block> blocks;
    double capLength = Number(v, 1), total = Number(v, 2), capWidth = Number(v, 3);
    if (capLength <= 0) capLength = std::max(total * 0.8, 1.0);
    if (capWidth <= 0) capWidth = capLength * 0.2;
    std::size_t p = 4;
    auto f = [&](std::size_t i) { return Number(v, p + i); };
    auto digit = [&](std::size_t i) { return i < code.size() ? code[i] : '\0'; };
    double z = total;  // the top of the part being placed

    double capHeight = 0;
    switch (digit(0)) {
        case '1':
        case '4':
        case '5': capHeight = f(2); break;
        case '2': capHeight = f(4); break;
        case '3': capHeight = std::max(f(3), f(4)); break;
        default: break;
    }
    if (capHeight > 0) blocks.push_back(Box(-capLength / 2, 0, z - capHeight, capLength, capWidth, capHeight));
    z -= capHeight;
    p += library::SubstructureGroupFields(1, digit(0)).size();

    double bodyHeight = 0;
    switch (digit(1)) {
        case '1':
            bodyHeight = 3 * f(2);
            Row(blocks, Count(v, p), f(3), f(2), (capWidth - f(1)) / 2, f(1), z - bodyHeight, bodyHeight, false);
            break;
        case '2':
            bodyHeight = 3 * f(1);
            Row(blocks, Count(v, p), f(2), f(1), (capWidth - f(1)) / 2, f(1), z - bodyHeight, bodyHeight, true);
            break;
        case '3':
        case '5': bodyHeight = f(0); break;
        case '4': bodyHeight = f(1); break;
        case '6': bodyHeight = f(8); break;
        case '7':
        case '8': bodyHeight = f(2); break;
        default: break;
    }
    if (bodyHeight > 0 && digit(1) != '1' && digit(1) != '2')
        blocks.push_back(
            Box(-capLength * 0.35, capWidth * 0.1, z - bodyHeight, capLength * 0.7, capWidth * 0.8, bodyHeight));
    z -= bodyHeight;
    p += library::SubstructureGroupFields(2, digit(1)).size();

    double connectionHeight = 0;
    switch (digit(2)) {
        case '1': connectionHeight = f(3); break;
        case '3': connectionHeight = f(2); break;
        case '4': connectionHeight = f(6); break;
        case '2':  // a tie beam at the foot of the columns; the walk gives it no height of its own
            if (f(1) > 0) blocks.push_back(Box(-capLength / 2, (capWidth - f(0)) / 2, z, capLength, f(0), f(1)));
            break;
        default: break;
    }
    if (connectionHeight > 0)
        blocks.push_back(
            Box(-capLength / 2, -capWidth * 0.25, z - connectionHeight, capLength, capWidth * 1.5, connectionHeight));
    z -= connectionHeight;
    p += library::SubstructureGroupFields(3, digit(2)).size();

    AddFoundation(blocks, digit(3), v, p, z, capLength, capWidth);
    return blocks;
}

}  // namespace

std::vector<Block> MemberBlocks(const std::string& kind, const std::vector<std::string>& values) {
    std::vector<Block> blocks;
    if (kind == "简支等截面箱梁" || kind == "连续等截面箱梁")
        blocks = BoxGirder(kind, values);
    else if (kind == "简支T梁")
        blocks = TBeam(values);
    else if (kind == "简支空心板")
        blocks = {Box(0, 0, 0, PieceLength(Number(values, 4), Number(values, 3), Number(values, 2)), Number(values, 3),
                      Number(values, 2))};
    else if (library::IsSubstructureCode(kind))
        blocks = Substructure(kind, values);
    blocks.erase(std::remove_if(blocks.begin(), blocks.end(),
                                [](const Block& b) { return b.length <= 0 || b.width <= 0 || b.height <= 0; }),
                 blocks.end());
    return blocks;
}

}  // namespace viewer
