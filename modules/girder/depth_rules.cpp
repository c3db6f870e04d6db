#include "girder/depth_rules.h"

#include <algorithm>
#include <cmath>

namespace girder {

// A tolerance keeps a quotient that lands on a step (16 / 20 = 0.8) from rounding one step up.
double RoundUp(double value, double step) { return std::ceil(value / step - 1e-9) * step; }
double RoundTo(double value, double step) { return std::round(value / step) * step; }

double SlabDepth(double span) { return std::max(0.45, RoundUp(span / 20, 0.05)); }
double TBeamDepth(double span) { return std::max(1.0, RoundUp(span / 16, 0.05)); }
double SimpleBoxDepth(double span) { return std::max(1.0, RoundUp(span / 18, 0.05)); }
double ContinuousBoxDepth(double span) { return std::max(1.2, RoundUp(span / 20, 0.05)); }
double ContinuousBoxSupportDepth(double span) { return std::max(1.2, RoundUp(span / 17, 0.05)); }
double ContinuousBoxMidDepth(double span) { return std::max(1.2, RoundUp(span / 35, 0.05)); }

double PrecastLength(double span) { return span - 0.04; }
double PrecastBearingDistance(double span) { return span <= 20 ? 0.25 : 0.45; }

}  // namespace girder
