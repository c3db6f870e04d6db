#pragma once
// The look-up every route evaluation makes, in the elements, the vertical turning points and the cross-slope
// segments: bisection of sorted start stakes without a branch on the data, so that random stakes cost no
// mispredicted jumps.
#include <cstddef>
#include <vector>

namespace calc {

// How many of the sorted values are not above `x` (the position std::upper_bound gives).
inline std::size_t CountNotAbove(const std::vector<double>& sorted, double x) {
    std::size_t length = sorted.size();
    if (length == 0) return 0;
    const double* base = sorted.data();
    // The answer stays within [base, base + length]: when the last of the first half is not above x, the whole
    // first half is not and the answer lies beyond it.
    while (length > 1) {
        const std::size_t half = length / 2;
        base = base[half - 1] <= x ? base + half : base;
        length -= half;
    }
    return static_cast<std::size_t>(base - sorted.data()) + (*base <= x ? 1 : 0);
}

}  // namespace calc
