#pragma once
// One element of the horizontal alignment and the point at a distance along it. Coordinates follow the
// surveying convention of the route data: X is the northing, Y the easting, azimuths are radians clockwise
// from north. Curvature is signed: positive where the route turns right (azimuth increasing).
namespace calc {

enum class PlanElementType { Line, Arc, Clothoid };

struct PlanElement {
    int number = 0;   // the element's number as the route table gives it
    int record = -1;  // its position in the route table (0 = first), -1 when not read from one
    PlanElementType type = PlanElementType::Line;
    double startStake = 0;
    double x0 = 0, y0 = 0, azimuth0 = 0;
    // Curvature at the start and at the end; a clothoid's changes linearly with length between them, an arc
    // keeps the start one, a line has none.
    double k0 = 0, k1 = 0;
    double length = 0;
};

struct PlanPoint {
    double x = 0, y = 0;
    double azimuth = 0;    // in [0, 2π)
    double curvature = 0;  // signed, 1/m
};

// The centre-line point at distance `s` from the element's start, integrated from the start point, azimuth
// and curvature. Beyond the element's length (or before its start) the element's own tangent at that end
// is followed in a straight line.
PlanPoint PointOnElement(const PlanElement& e, double s);

// The cosine and sine of a centre-line point's azimuth, which an offset needs.
struct Direction {
    double cos = 1, sin = 0;
};
// The same point and its direction, worked out with the point where that costs nothing (lines and arcs).
PlanPoint PointOnElement(const PlanElement& e, double s, Direction& direction);

// The point at `offset` metres from a centre-line point along its normal, positive to the right.
void OffsetPoint(const PlanPoint& p, double offset, double& x, double& y);
// The same with the point's direction already known.
void OffsetPoint(const PlanPoint& p, const Direction& direction, double offset, double& x, double& y);

// An azimuth brought into [0, 2π).
double NormalAzimuth(double azimuth);

}  // namespace calc
