#pragma once
// The grade line through the turning points of the vertical alignment, rounded at every inner point by a
// symmetric quadratic parabola: tangent length T = R·|i2 − i1|/2, ordinate x²/(2R) with x measured from the
// nearer tangent point, below the grade lines at a crest and above them in a sag. The first and last
// points end the grade line, which goes on straight beyond them; their radius is not used.
#include <vector>

#include "calc/sorted_search.h"

namespace calc {

struct TurningPoint {
    double stake = 0, elevation = 0, radius = 0;
    int record = -1;  // its position in 竖曲线资料表 (0 = first), -1 when not read from it
};

class VerticalProfile {
public:
    VerticalProfile() = default;
    explicit VerticalProfile(std::vector<TurningPoint> points);  // sorted by stake

    bool empty() const { return points_.empty(); }
    const std::vector<TurningPoint>& points() const { return points_; }

    // The design elevation of the centre line; 0 without turning points.
    double Elevation(double stake) const;
    // The grade (rise per metre) of the grade line at a stake, without the rounding.
    double GradeAt(double stake) const;
    // The tangent length of the parabola at inner point `i`, 0 for the ends.
    double TangentLength(std::size_t i) const;

private:
    double Grade(std::size_t segment) const { return grades_[segment]; }  // from point `segment` to the next
    double GradeLine(double stake, std::size_t segment) const;
    double Rounding(double stake, std::size_t i) const;

    std::vector<TurningPoint> points_;
    SortedStakes stakes_;
    // Worked out once, as every elevation needs them: the grade of each segment, the tangent length of each
    // point's parabola.
    std::vector<double> grades_, tangents_;
};

}  // namespace calc
