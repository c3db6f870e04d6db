#pragma once
// The horizontal alignment: its elements in stake order, found by binary search. Before the first element
// the first element's start tangent is extended backwards, after the last element its end tangent forwards.
#include <optional>
#include <string>
#include <vector>

#include "calc/plan_element.h"
#include "calc/sorted_search.h"

namespace calc {

// Where a stake lies relative to the elements.
enum class PlanPlace { NoAlignment, BeforeStart, OnElement, AfterEnd };

struct PlanLocation {
    PlanPlace place = PlanPlace::NoAlignment;
    int index = -1;  // the element used (the first one before the start, the last one after the end)
    PlanPoint point;
    Direction direction;  // of point.azimuth
};

// An element as the route table stores it: type "直线"/"圆曲线"/"缓和曲线", direction "左偏"/"右偏"/"无",
// radii with 0 meaning infinite. Empty `error` on success, else the reason the record makes no element.
struct PlanRecord {
    int number = 0;
    std::string type, direction;
    double startStake = 0, startX = 0, startY = 0, startAzimuth = 0, startRadius = 0, endRadius = 0, length = 0;
    // The stored end, a check only: points are always integrated from the start.
    std::optional<double> endX, endY, endAzimuth;
};
PlanElement ElementFromRecord(const PlanRecord& record, std::string& error);

// How a route table writes its elements. Azimuths are radians or, as route files commonly write them,
// degrees; X is the northing or, in some route data, the easting (Y then the northing). The convention is
// the one in which the elements, integrated from their starts, arrive nearest their stored ends (end points,
// else end azimuths); an azimuth beyond 2π can only be degrees; radians with X the northing when nothing
// tells the conventions apart.
struct PlanConvention {
    bool degrees = false;
    bool xIsEasting = false;
};
PlanConvention DetectConvention(const std::vector<PlanRecord>& records);
// The records brought into radians with X the northing.
void ApplyConvention(std::vector<PlanRecord>& records, PlanConvention convention);

class PlanAlignment {
public:
    PlanAlignment() = default;
    // The elements sorted by start stake (the route table lists them so already; equal stakes keep their order).
    explicit PlanAlignment(std::vector<PlanElement> elements);

    bool empty() const { return elements_.empty(); }
    const std::vector<PlanElement>& elements() const { return elements_; }

    // Stakes are written to the millimetre, and an element's end is its start plus its length: a stake this
    // close to the route's start or end is on the route, not on the tangent beyond it.
    static constexpr double kStakeTolerance = 0.001;

    // The element of a stake: the last one whose start stake is not beyond it.
    PlanLocation Locate(double stake) const;

private:
    std::vector<PlanElement> elements_;
    SortedStakes starts_;  // start stakes, for the search
};

// "缓和曲线" etc.
const char* ElementTypeName(PlanElementType type);

}  // namespace calc
