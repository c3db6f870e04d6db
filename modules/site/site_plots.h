#pragma once
// The pictures of the Site editors, drawn from the rows as they stand in the editor and the project around
// them. Stakes run along x in metres; elevations and slopes up y.
#include "platform/interaction/record_editor.h"
#include "site/site_backdrop.h"

namespace site {

// The design elevations of a grade line with its parabolic curves from `from` to `to`: every turning point,
// every tangent point of a curve and enough points between them to draw the curves smoothly.
ui::PlotSeries DesignLine(const std::vector<calc::TurningPoint>& points, double from, double to);

ui::Plot GroundPlot(const ui::ProposedTable& ground, const Backdrop& backdrop);
ui::Plot BoreholePlot(const ui::ProposedTable& holes, const ui::ProposedTable& layers, const Backdrop& backdrop);
ui::Plot HydrologyPlot(const ui::ProposedTable& hydrology, const Backdrop& backdrop);
ui::Plot ProfilePlot(const ui::ProposedTable& vertical, const Backdrop& backdrop);
ui::Plot SlopePlot(const ui::ProposedTable& slopes, const Backdrop& backdrop);
ui::Plot RoadTablePlot(const ui::ProposedTable& road, const Backdrop& backdrop);
// The alignment in plan: x the easting, y the northing, both in metres, to scale.
ui::Plot PlanPlot(const ui::ProposedTable& plan, const Backdrop& backdrop);

}  // namespace site
