#include "calc/route_geometry.h"

#include <cmath>
#include <utility>

#include "platform/text/cformat.h"

namespace calc {

CGeoAssist::CGeoAssist(dao::Database* project) {
    if (project) data_ = ReadRouteTables(*project);
}

CGeoAssist::CGeoAssist(RouteData data) : data_(std::move(data)) {}

int CGeoAssist::Status() const {
    int status = 0;
    if (data_.plan.empty()) status |= kGeoNoPlan;
    const bool elevations = data_.method == ElevationMethod::RoadDesignTable ? !data_.design.empty()
                                                                             : !data_.profile.empty();
    if (!elevations) status |= kGeoNoElevation;
    if (!data_.problems.empty()) status |= kGeoReadProblem;
    return status;
}

std::string LocationText(const PlanAlignment& plan, const PlanLocation& where, bool readProblem) {
    if (where.place == PlanPlace::NoAlignment) return readProblem ? "平曲线资料无法读取" : "无平曲线资料";
    const PlanElement& e = plan.elements()[where.index];
    switch (where.place) {
        case PlanPlace::BeforeStart: return text::Format("路线起点之前（第%d单元起点切线的延长线上）", e.number);
        case PlanPlace::AfterEnd: return text::Format("路线终点之后（第%d单元终点切线的延长线上）", e.number);
        default: return text::Format("第%d单元：%s", e.number, ElementTypeName(e.type));
    }
}

RoutePoint CGeoAssist::Evaluate(double stake, double offset) const { return Compute(stake, offset, true); }

RoutePoint CGeoAssist::Compute(double stake, double offset, bool withLocation) const {
    RoutePoint r;
    const PlanLocation where = data_.plan.Locate(stake);
    if (withLocation) r.location = LocationText(data_.plan, where, !data_.problems.empty());
    if (where.place != PlanPlace::NoAlignment) {
        OffsetPoint(where.point, where.direction, offset, r.x, r.y);
        if (data_.xIsEasting) std::swap(r.x, r.y);
        r.azimuth = where.point.azimuth;
        r.radius = where.point.curvature == 0 ? 0 : 1 / std::abs(where.point.curvature);
    }
    const CrossSlope slope = data_.slopes.At(stake);
    r.leftSlope = slope.left;
    r.rightSlope = slope.right;
    if (data_.method == ElevationMethod::RoadDesignTable) {
        // The road design table gives the whole cross-section, its own cross fall included.
        r.centreElevation = data_.design.Elevation(stake, 0);
        r.elevation = data_.design.Elevation(stake, offset);
    } else {
        r.centreElevation = data_.profile.Elevation(stake);
        r.elevation = r.centreElevation + CrossSlopes::Rise(slope, offset);
    }
    return r;
}

int CGeoAssist::XYZofHighwayAndBridgeAtAstakeWithOffsetQrt(double stake, double offset, double* x, double* y,
                                                           double* elevation, double* azimuth, double* centreElevation,
                                                           double* sideSlope, double* radius) const {
    const RoutePoint r = Compute(stake, offset, false);
    if (x) *x = r.x;
    if (y) *y = r.y;
    if (elevation) *elevation = r.elevation;
    if (azimuth) *azimuth = r.azimuth;
    if (centreElevation) *centreElevation = r.centreElevation;
    if (sideSlope) *sideSlope = offset < 0 ? r.leftSlope : r.rightSlope;
    if (radius) *radius = r.radius;
    return Status();
}

int CGeoAssist::GetOtherInfo(double stake, std::string& location, double& radius, double& leftSlope,
                             double& rightSlope) const {
    const RoutePoint r = Evaluate(stake, 0);
    location = r.location;
    radius = r.radius;
    leftSlope = r.leftSlope;
    rightSlope = r.rightSlope;
    return Status();
}

}  // namespace calc
