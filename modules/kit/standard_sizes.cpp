#include "kit/standard_sizes.h"

#include <cmath>

#include "bridge/standard_sizes.h"

namespace modulekit {

// A tolerance keeps a quotient that lands on a step (16 / 20 = 0.8) from rounding one step up.
double RoundUp(double value, double step) { return std::ceil(value / step - 1e-9) * step; }
double RoundTo(double value, double step) { return std::round(value / step) * step; }

// The depths are the bridge model's standard depths, so that a span the model reads before and after its
// design has the same girder under the same deck.
double SlabDepth(double span) { return bridge::StandardDepth("装配式简支空心板桥", span); }
double TBeamDepth(double span) { return bridge::StandardDepth("装配式简支T梁桥", span); }
double SimpleBoxDepth(double span) { return bridge::StandardDepth("简支等截面箱梁桥", span); }
double SimpleBoxEndDepth(double span) { return bridge::StandardSupportDepth("简支变截面箱梁桥", span); }
double ContinuousBoxDepth(double span) { return bridge::StandardDepth("连续等截面箱梁桥", span); }
double ContinuousBoxSupportDepth(double span) { return bridge::StandardSupportDepth("连续变截面箱梁桥", span); }
double ContinuousBoxMidDepth(double span) { return bridge::StandardDepth("连续变截面箱梁桥", span); }

double PrecastLength(double span) { return span - 2 * bridge::kJointHalfGap; }
double PrecastBearingDistance(double span) {
    return bridge::StandardBearingDistance("装配式简支T梁桥", span) - bridge::kJointHalfGap;
}
double BoxBearingDistance() { return bridge::StandardBearingDistance("简支等截面箱梁桥", 0) - bridge::kJointHalfGap; }

double BearingLineOffset(const std::string& structureType, double span) {
    return bridge::StandardBearingDistance(structureType, span);
}

}  // namespace modulekit
