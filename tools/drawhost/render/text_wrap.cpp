#include "text_wrap.h"

#include <algorithm>

#include "sheet_geometry.h"

namespace drawhost {

namespace {

std::size_t CharLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

// A little wider than the lettering itself, so that a wrapped line never runs past its column in any font.
double CharWidth(std::size_t bytes, double height) { return height * kTextWidthFactor * (bytes >= 3 ? 1.25 : 0.85); }

}  // namespace

double TextWidth(const std::string& utf8, double height) {
    double w = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = CharLength(static_cast<unsigned char>(utf8[i]));
        w += CharWidth(n, height);
        i += n;
    }
    return w;
}

std::vector<std::string> WrapText(const std::string& utf8, double height, double width) {
    std::vector<std::string> lines(1);
    double used = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = std::min(CharLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        const double w = CharWidth(n, height);
        if (used + w > width && !lines.back().empty()) {
            lines.emplace_back();
            used = 0;
        }
        lines.back() += utf8.substr(i, n);
        used += w;
        i += n;
    }
    return lines;
}

}  // namespace drawhost
