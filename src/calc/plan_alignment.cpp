#include "calc/plan_alignment.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace calc {

namespace {

double Curvature(double radius, double sign) { return radius == 0 ? 0 : sign / radius; }

}  // namespace

const char* ElementTypeName(PlanElementType type) {
    switch (type) {
        case PlanElementType::Line: return "直线";
        case PlanElementType::Arc: return "圆曲线";
        case PlanElementType::Clothoid: return "缓和曲线";
    }
    return "";
}

PlanElement ElementFromRecord(const PlanRecord& r, std::string& error) {
    error.clear();
    PlanElement e;
    e.number = r.number;
    e.startStake = r.startStake;
    e.x0 = r.startX;
    e.y0 = r.startY;
    e.azimuth0 = r.startAzimuth;
    e.length = r.length;
    if (r.length < 0) error = "长度为负";
    double sign = 0;
    if (r.direction == "左偏")
        sign = -1;
    else if (r.direction == "右偏")
        sign = 1;
    else if (r.direction != "无" && !r.direction.empty())
        error = "偏向“" + r.direction + "”不是 左偏、右偏 或 无";
    if (r.startRadius < 0 || r.endRadius < 0) error = "半径为负";

    if (r.type == "直线") {
        e.type = PlanElementType::Line;
    } else if (r.type == "圆曲线") {
        e.type = PlanElementType::Arc;
        const double radius = r.startRadius != 0 ? r.startRadius : r.endRadius;
        if (radius == 0) error = "圆曲线没有半径";
        if (sign == 0) error = "圆曲线没有偏向";
        e.k0 = e.k1 = Curvature(radius, sign);
    } else if (r.type == "缓和曲线") {
        e.type = PlanElementType::Clothoid;
        if (sign == 0 && (r.startRadius != 0 || r.endRadius != 0)) error = "缓和曲线没有偏向";
        e.k0 = Curvature(r.startRadius, sign);
        e.k1 = Curvature(r.endRadius, sign);
    } else {
        error = "类型“" + r.type + "”不是 直线、圆曲线 或 缓和曲线";
    }
    return e;
}

void ApplyConvention(std::vector<PlanRecord>& records, PlanConvention convention) {
    constexpr double kRadiansPerDegree = std::numbers::pi / 180;
    for (auto& r : records) {
        if (convention.degrees) {
            r.startAzimuth *= kRadiansPerDegree;
            if (r.endAzimuth) *r.endAzimuth *= kRadiansPerDegree;
        }
        if (convention.xIsEasting) {
            std::swap(r.startX, r.startY);
            std::swap(r.endX, r.endY);
        }
    }
}

namespace {

// How far the elements, read with radians and X the northing, arrive from their stored ends: metres summed
// over the elements with a stored end point, radians of end azimuth for the others.
double EndMisfit(const std::vector<PlanRecord>& records) {
    double misfit = 0;
    for (const auto& r : records) {
        std::string error;
        const PlanElement e = ElementFromRecord(r, error);
        if (!error.empty()) continue;
        const PlanPoint end = PointOnElement(e, e.length);
        if (r.endX && r.endY && (*r.endX != 0 || *r.endY != 0))
            misfit += std::hypot(end.x - *r.endX, end.y - *r.endY);
        else if (r.endAzimuth)
            misfit += std::abs(std::remainder(end.azimuth - *r.endAzimuth, 2 * std::numbers::pi));
    }
    return misfit;
}

}  // namespace

PlanConvention DetectConvention(const std::vector<PlanRecord>& records) {
    constexpr double kFullTurn = 2 * std::numbers::pi;
    bool mustBeDegrees = false;
    for (const auto& r : records)
        if (std::abs(r.startAzimuth) > kFullTurn + 1e-9 || (r.endAzimuth && std::abs(*r.endAzimuth) > kFullTurn + 1e-9))
            mustBeDegrees = true;
    // In order of preference: a later convention must fit strictly better.
    const PlanConvention candidates[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    PlanConvention best;
    double bestMisfit = -1;
    for (const PlanConvention& c : candidates) {
        if (mustBeDegrees && !c.degrees) continue;
        std::vector<PlanRecord> converted = records;
        ApplyConvention(converted, c);
        const double misfit = EndMisfit(converted);
        if (bestMisfit < 0 || misfit < bestMisfit * (1 - 1e-9) - 1e-12) best = c, bestMisfit = misfit;
    }
    return best;
}

PlanAlignment::PlanAlignment(std::vector<PlanElement> elements) : elements_(std::move(elements)) {
    std::stable_sort(elements_.begin(), elements_.end(),
                     [](const PlanElement& a, const PlanElement& b) { return a.startStake < b.startStake; });
    std::vector<double> starts;
    starts.reserve(elements_.size());
    for (const auto& e : elements_) starts.push_back(e.startStake);
    starts_ = SortedStakes(std::move(starts));
}

PlanLocation PlanAlignment::Locate(double stake) const {
    PlanLocation where;
    if (elements_.empty()) return where;
    const std::size_t after = starts_.CountNotAbove(stake);
    if (after == 0) {
        where.index = 0;
        where.place = stake < starts_.values().front() - kStakeTolerance ? PlanPlace::BeforeStart : PlanPlace::OnElement;
    } else {
        where.index = static_cast<int>(after) - 1;
        const PlanElement& e = elements_[where.index];
        const bool last = where.index + 1 == static_cast<int>(elements_.size());
        where.place = last && stake > e.startStake + e.length + kStakeTolerance ? PlanPlace::AfterEnd
                                                                                : PlanPlace::OnElement;
    }
    const PlanElement& e = elements_[where.index];
    where.point = PointOnElement(e, stake - e.startStake, where.direction);
    return where;
}

}  // namespace calc
