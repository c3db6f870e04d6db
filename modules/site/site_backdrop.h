#pragma once
// What the Site pictures show around the table being edited, read from the project once before the editor
// opens: the supports, the ground line, the grade line, the boreholes and the cross slopes as the project
// holds them now. Values that are not numbers are left out of the pictures (the editors say so when such a
// row is written); a table that cannot be read raises dao::DaoException.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calc/cross_slope.h"
#include "calc/vertical_profile.h"
#include "platform/dao/database.h"
#include "platform/interaction/record_editor.h"

namespace site {

using Point = std::pair<double, double>;

struct Borehole {
    std::string name;
    double stake = 0;
    std::optional<double> top;
};

struct Backdrop {
    std::vector<double> supports;             // support stakes in support order
    std::vector<Point> ground;                // (stake, elevation) by stake
    std::vector<calc::TurningPoint> profile;  // by stake
    std::vector<Borehole> boreholes;
    std::vector<calc::SlopeSegment> slopes;  // by start stake
    calc::TransitionLaw law = calc::TransitionLaw::HigherOrder;
};

Backdrop ReadBackdrop(dao::Database& db);

// The numbers of the rows of a sheet, rows without them left out, sorted by the first.
std::vector<Point> SheetPoints(const ui::ProposedTable& sheet, const std::string& x, const std::string& y);
std::vector<calc::TurningPoint> SheetTurningPoints(const ui::ProposedTable& sheet);
std::vector<Borehole> SheetBoreholes(const ui::ProposedTable& sheet);
std::vector<calc::SlopeSegment> SheetSlopes(const ui::ProposedTable& sheet);

// The elevation of a polyline at a stake, linear between its points, the end points held beyond them; none
// for an empty line.
std::optional<double> Interpolate(const std::vector<Point>& line, double stake);

}  // namespace site
