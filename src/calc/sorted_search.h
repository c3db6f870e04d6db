#pragma once
// The look-up every route evaluation makes, in the elements, the vertical turning points and the cross-slope
// segments: which of the sorted start stakes are not beyond a stake. A route is evaluated at a million points
// at a time, so the look-up first goes through an index of equal stake intervals, each knowing the starts
// that bound it, and bisects only between those (usually one or two): a few memory reads instead of a long
// chain of them. The bisection itself has no branch on the data.
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace calc {

// How many of `length` sorted values are not above `x` (the position std::upper_bound gives; all of them
// for a NaN, as there).
inline std::size_t CountNotAbove(const double* values, std::size_t length, double x) {
    if (length == 0) return 0;
    const double* base = values;
    // The answer stays within [base, base + length]: when the last of the first half is not above x, the whole
    // first half is not and the answer lies beyond it.
    while (length > 1) {
        const std::size_t half = length / 2;
        base = x < base[half - 1] ? base : base + half;
        length -= half;
    }
    return static_cast<std::size_t>(base - values) + (x < *base ? 0 : 1);
}

class SortedStakes {
public:
    SortedStakes() = default;
    explicit SortedStakes(std::vector<double> sorted);

    const std::vector<double>& values() const { return sorted_; }

    std::size_t CountNotAbove(double x) const {
        const std::size_t n = sorted_.size();
        if (intervals_ == 0 || !(x >= sorted_.front() && x < sorted_.back())) return calc::CountNotAbove(sorted_.data(), n, x);
        std::size_t b = static_cast<std::size_t>((x - sorted_.front()) * inverseWidth_);
        if (b >= intervals_) b = intervals_ - 1;
        // The product may round across an edge: the edges themselves decide.
        while (b > 0 && x < Edge(b)) --b;
        while (b + 1 < intervals_ && !(x < Edge(b + 1))) ++b;
        // Every value below the interval's lower count is not above x, every value from its upper count is.
        const std::size_t low = counts_[b], high = counts_[b + 1];
        return low + calc::CountNotAbove(sorted_.data() + low, high - low, x);
    }

private:
    double Edge(std::size_t b) const { return sorted_.front() + static_cast<double>(b) * width_; }

    std::vector<double> sorted_;
    std::size_t intervals_ = 0;  // 0: bisection over all values
    double width_ = 0, inverseWidth_ = 0;
    std::vector<std::uint32_t> counts_;  // counts_[b]: values not above interval b's lower edge; last: all
};

inline SortedStakes::SortedStakes(std::vector<double> sorted) : sorted_(std::move(sorted)) {
    const std::size_t n = sorted_.size();
    if (n < 8 || n > UINT32_MAX || !(sorted_.back() > sorted_.front())) return;  // few values: bisection is as quick
    intervals_ = n;
    width_ = (sorted_.back() - sorted_.front()) / static_cast<double>(n);
    inverseWidth_ = 1 / width_;
    counts_.resize(n + 1);
    for (std::size_t b = 0; b < n; ++b) counts_[b] = static_cast<std::uint32_t>(calc::CountNotAbove(sorted_.data(), n, Edge(b)));
    counts_[n] = static_cast<std::uint32_t>(n);
}

}  // namespace calc
