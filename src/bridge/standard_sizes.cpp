#include "bridge/standard_sizes.h"

#include <algorithm>
#include <cmath>

namespace bridge {

namespace {

double RoundUp(double value, double step) { return std::ceil(value / step - 1e-9) * step; }

bool Has(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// The standard hollow slabs: depth by span, linear between the tabled spans.
double SlabDepth(double span) {
    struct Row {
        double span, depth;
    };
    static constexpr Row rows[] = {{10, 0.60}, {13, 0.70}, {16, 0.80}, {20, 0.95}};
    if (span <= rows[0].span) return rows[0].depth;
    for (std::size_t i = 1; i < std::size(rows); ++i)
        if (span <= rows[i].span) {
            const Row &a = rows[i - 1], &b = rows[i];
            return a.depth + (b.depth - a.depth) * (span - a.span) / (b.span - a.span);
        }
    return std::max(rows[std::size(rows) - 1].depth, span / 21);
}

}  // namespace

bool IsPrecast(const std::string& t) { return Has(t, "空心板") || Has(t, "T梁"); }
bool IsBox(const std::string& t) { return Has(t, "箱梁"); }
bool IsContinuousType(const std::string& t) { return t.rfind("连续", 0) == 0; }
bool IsVariableDepth(const std::string& t) { return Has(t, "变截面"); }

double StandardDepth(const std::string& t, double span) {
    double depth;
    if (Has(t, "空心板"))
        depth = SlabDepth(span);
    else if (Has(t, "T梁"))
        depth = 0.5 + span / 20;
    else if (IsContinuousType(t))
        depth = IsVariableDepth(t) ? std::max(1.2, span / 35) : std::max(1.2, span / 20);
    else
        depth = std::max(1.0, span / 18);
    return RoundUp(depth, 0.05);
}

double StandardSupportDepth(const std::string& t, double span) {
    if (!IsVariableDepth(t)) return StandardDepth(t, span);
    if (IsContinuousType(t)) return RoundUp(std::max(1.2, span / 17), 0.05);
    // A simply supported variable-depth box is shallower at its ends: three quarters of mid-span.
    return RoundUp(StandardDepth(t, span) * 0.75, 0.05);
}

double StandardBeamSpacing(const std::string& t, double span) {
    if (Has(t, "空心板")) return span <= 13 ? 1.0 : 1.25;
    if (Has(t, "T梁")) return 2.2;
    return 0;
}

int StandardBeamCount(const std::string& t, double span, double deckWidth) {
    const double spacing = StandardBeamSpacing(t, span);
    if (spacing <= 0 || deckWidth <= 0) return 0;
    return std::max(1, static_cast<int>(std::lround(deckWidth / spacing)));
}

int StandardBoxCells(double deckWidth) { return deckWidth <= 13 ? 1 : deckWidth <= 20 ? 2 : 3; }

double StandardConnectionHeight(const std::string& connectType, double longestSpan, double columnSize) {
    if (connectType == "1类承台") return longestSpan <= 25 ? 1.5 : 2.0;
    if (connectType == "2类承台") return 1.5;
    if (connectType == "桩帽") return 1.0;
    if (connectType == "系梁") return columnSize;
    return 0;
}

double StandardBearing(const std::string& t) { return IsBox(t) ? kStandardBoxBearing : kStandardPrecastBearing; }

std::string StandardBearingName(const std::string& t) {
    return IsBox(t) ? "标准值（盆式支座及垫石）" : "标准值（板式橡胶支座及垫石）";
}

double StandardBearingDistance(const std::string& t, double span) {
    if (IsBox(t)) return kJointHalfGap + 0.50;
    return kJointHalfGap + (span <= 20 ? 0.25 : 0.45);
}

}  // namespace bridge
