#pragma once
// Deck cross slopes along the route: segments [start, end] with a left and a right slope in percent
// (positive rising away from the centre line). Between two segments the slope passes from one to the next
// by the superelevation transition law; before the first and after the last segment the nearest one holds.
#include <string>
#include <vector>

#include "calc/sorted_search.h"

namespace calc {

enum class TransitionLaw {
    Linear,      // "按长度分配": t
    Cubic,       // "按三次抛物线分配": 3t² − 2t³
    HigherOrder  // "按高次抛物线分配": 4t³ − 3t⁴
};

// The law a method text names; the higher-order parabola for an empty or unknown text.
TransitionLaw TransitionLawFromText(const std::string& method);
// The share of the change reached at fraction t of the transition.
double TransitionShare(TransitionLaw law, double t);

struct SlopeSegment {
    double start = 0, end = 0, left = 0, right = 0;
    int record = -1;  // its position in 桥面横坡资料表 (0 = first), -1 when not read from it
};

struct CrossSlope {
    double left = 0, right = 0;
};

class CrossSlopes {
public:
    CrossSlopes() = default;
    CrossSlopes(std::vector<SlopeSegment> segments, TransitionLaw law);  // segments sorted by start

    bool empty() const { return segments_.empty(); }
    CrossSlope At(double stake) const;  // 0, 0 without segments
    const std::vector<SlopeSegment>& segments() const { return segments_; }

    // The rise of the deck at `offset` (negative to the left) above the centre line.
    static double Rise(const CrossSlope& slope, double offset);

private:
    std::vector<SlopeSegment> segments_;
    SortedStakes starts_;
    TransitionLaw law_ = TransitionLaw::HigherOrder;
};

}  // namespace calc
