#include "sheet_scales.h"

#include <cmath>

namespace drawhost {

int SmallestSeriesScale(double needed) {
    for (int s : kScaleSeries)
        if (s >= needed - 1e-9) return s;
    return 0;
}

bool InScaleSeries(double denominator) {
    for (int s : kScaleSeries)
        if (std::abs(s - denominator) < 1e-9) return true;
    return false;
}

}  // namespace drawhost
