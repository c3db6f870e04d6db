#pragma once
// The route geometry at the bridge site: for a stake and an offset from the centre line, where the point
// is, the deck elevation there, the direction of the centre line, the element the stake lies in, its
// radius and the deck cross slopes. The route tables are read once, when the object is made; a project
// without route data gives zeros and a location text that says which data are missing.
#include <string>
#include <vector>

#include "calc/route_tables.h"

namespace dao {
class Database;
}

namespace calc {

struct RoutePoint {
    double x = 0, y = 0;                   // of the point at the offset
    double elevation = 0;                  // deck elevation at the point
    double centreElevation = 0;            // of the centre line at the stake
    double azimuth = 0;                    // of the centre line, radians clockwise from north
    double radius = 0;                     // of curvature at the stake, 0 on a straight line
    double leftSlope = 0, rightSlope = 0;  // percent
    std::string location;                  // "第3单元：缓和曲线" and the like
};

// What the two operations return: 0 when every output comes from route data, otherwise these bits.
enum GeoResult : int {
    kGeoNoPlan = 1,       // no horizontal alignment: X, Y and azimuth are 0
    kGeoNoElevation = 2,  // no vertical curves (or road design table): elevations are 0
    kGeoReadProblem = 4,  // a route table could not be read (see problems())
};

class CGeoAssist {
public:
    // Reads the route tables of the open project; without a project there is no route data.
    explicit CGeoAssist(dao::Database* project);
    explicit CGeoAssist(RouteData data);

    // The point at `offset` (positive right) from the centre line at `stake`. The last three outputs are the
    // centre-line elevation, the cross slope of the offset's side (percent) and the radius at the stake;
    // any output may be null.
    int XYZofHighwayAndBridgeAtAstakeWithOffsetQrt(double stake, double offset, double* x, double* y, double* elevation,
                                                   double* azimuth, double* centreElevation, double* sideSlope,
                                                   double* radius) const;
    int GetOtherInfo(double stake, std::string& location, double& radius, double& leftSlope, double& rightSlope) const;

    // Everything at once.
    RoutePoint Evaluate(double stake, double offset) const;
    // The bits of GeoResult that apply to every stake.
    int Status() const;

    const RouteData& data() const { return data_; }
    const std::vector<std::string>& problems() const { return data_.problems; }

private:
    // The location text is made only when asked for: the coordinates alone are wanted far more often.
    RoutePoint Compute(double stake, double offset, bool withLocation) const;

    RouteData data_;
};

// The location text of a stake on an alignment.
std::string LocationText(const PlanAlignment& plan, const PlanLocation& where, bool readProblem);

}  // namespace calc
