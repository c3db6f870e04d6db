#include "calc/vertical_profile.h"

#include <algorithm>
#include <cmath>

namespace calc {

VerticalProfile::VerticalProfile(std::vector<TurningPoint> points) : points_(std::move(points)) {
    std::stable_sort(points_.begin(), points_.end(),
                     [](const TurningPoint& a, const TurningPoint& b) { return a.stake < b.stake; });
    std::vector<double> stakes;
    for (const auto& p : points_) stakes.push_back(p.stake);
    stakes_ = SortedStakes(std::move(stakes));
    for (std::size_t i = 0; i + 1 < points_.size(); ++i) {
        const TurningPoint& a = points_[i];
        const TurningPoint& b = points_[i + 1];
        const double run = b.stake - a.stake;
        grades_.push_back(run == 0 ? 0 : (b.elevation - a.elevation) / run);
    }
    tangents_.assign(points_.size(), 0);
    for (std::size_t i = 1; i + 1 < points_.size(); ++i)
        tangents_[i] = std::abs(points_[i].radius) * std::abs(Grade(i) - Grade(i - 1)) / 2;
}

double VerticalProfile::TangentLength(std::size_t i) const { return i < tangents_.size() ? tangents_[i] : 0; }

double VerticalProfile::GradeLine(double stake, std::size_t segment) const {
    return points_[segment].elevation + (stake - points_[segment].stake) * Grade(segment);
}

double VerticalProfile::Rounding(double stake, std::size_t i) const {
    const double t = TangentLength(i);
    const double fromPoint = std::abs(stake - points_[i].stake);
    if (t == 0 || fromPoint >= t) return 0;
    const double x = t - fromPoint;  // from the nearer tangent point
    const double ordinate = x * x / (2 * std::abs(points_[i].radius));
    // The grade falls at a crest: the curve lies below the grade lines there.
    return Grade(i) < Grade(i - 1) ? -ordinate : ordinate;
}

namespace {

std::size_t SegmentOf(const SortedStakes& stakes, double stake) {
    // The segment [stakes[j], stakes[j+1]] holding the stake; the outer segments extend outwards.
    const std::size_t after = stakes.CountNotAbove(stake);
    std::size_t j = after == 0 ? 0 : after - 1;
    return std::min(j, stakes.values().size() - 2);
}

}  // namespace

double VerticalProfile::GradeAt(double stake) const {
    if (points_.size() < 2) return 0;
    return Grade(SegmentOf(stakes_, stake));
}

double VerticalProfile::Elevation(double stake) const {
    if (points_.empty()) return 0;
    if (points_.size() == 1) return points_[0].elevation;
    const std::size_t j = SegmentOf(stakes_, stake);
    // Only the parabolas at the segment's two ends can reach the stake (tangents do not cross points).
    return GradeLine(stake, j) + Rounding(stake, j) + Rounding(stake, j + 1);
}

}  // namespace calc
