#include "calc/cross_slope.h"

#include <algorithm>
#include <cmath>

namespace calc {

TransitionLaw TransitionLawFromText(const std::string& method) {
    if (method == "按长度分配") return TransitionLaw::Linear;
    if (method == "按三次抛物线分配") return TransitionLaw::Cubic;
    return TransitionLaw::HigherOrder;
}

double TransitionShare(TransitionLaw law, double t) {
    t = std::clamp(t, 0.0, 1.0);
    switch (law) {
        case TransitionLaw::Linear: return t;
        case TransitionLaw::Cubic: return t * t * (3 - 2 * t);
        case TransitionLaw::HigherOrder: return t * t * t * (4 - 3 * t);
    }
    return t;
}

CrossSlopes::CrossSlopes(std::vector<SlopeSegment> segments, TransitionLaw law)
    : segments_(std::move(segments)), law_(law) {
    std::stable_sort(segments_.begin(), segments_.end(),
                     [](const SlopeSegment& a, const SlopeSegment& b) { return a.start < b.start; });
    std::vector<double> starts;
    for (const auto& s : segments_) starts.push_back(s.start);
    starts_ = SortedStakes(std::move(starts));
}

CrossSlope CrossSlopes::At(double stake) const {
    if (segments_.empty()) return {};
    const std::size_t after = starts_.CountNotAbove(stake);
    if (after == 0) return {segments_.front().left, segments_.front().right};
    const std::size_t i = after - 1;
    const SlopeSegment& here = segments_[i];
    if (stake <= here.end || i + 1 == segments_.size()) return {here.left, here.right};
    const SlopeSegment& next = segments_[i + 1];
    const double gap = next.start - here.end;
    const double share = TransitionShare(law_, gap > 0 ? (stake - here.end) / gap : 1);
    return {here.left + (next.left - here.left) * share, here.right + (next.right - here.right) * share};
}

double CrossSlopes::Rise(const CrossSlope& slope, double offset) {
    if (offset == 0) return 0;
    return std::abs(offset) * (offset < 0 ? slope.left : slope.right) / 100;
}

}  // namespace calc
