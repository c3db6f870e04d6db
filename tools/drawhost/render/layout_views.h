#pragma once
// The views of the bridge layout drawing, each drawn into its own box of the sheet at the drawing's scale:
// the elevation with its data strip under it and the plan, both along the same stakes, and the cross-
// section at a pier.
#include <string>

#include "bridge_data.h"
#include "sheet_painter.h"

namespace drawhost {

// Maps the stakes along the bridge onto the sheet's x; the views share it so that they line up.
struct StakeAxis {
    double firstStake = 0, lastStake = 0;  // of what is shown, approaches included
    double x0 = 0;                         // sheet x of firstStake
    double mmPerMetre = 1;
    double X(double stake) const { return x0 + (stake - firstStake) * mmPerMetre; }
};

// How much of the elevation lies above the deck and below it, in metres, for laying out the sheet.
struct ElevationExtent {
    double top = 0, bottom = 0;  // elevations
};
ElevationExtent MeasureElevation(const BridgeData& data);

// The elevation between elevations extent.bottom and extent.top, with its lowest elevation at sheet
// y `baseY`; returns the sheet y of its top edge (dimension lines included).
double DrawElevation(SheetPainter& p, const BridgeData& data, const StakeAxis& axis, const ElevationExtent& extent,
                     double baseY, double textHeight);

// The strip of design elevations, ground elevations and stakes under the elevation, its top edge at `topY`,
// its row captions from `captionLeft` to where the stakes begin; returns the sheet y of its bottom edge.
double DrawDataStrip(SheetPainter& p, const BridgeData& data, const StakeAxis& axis, double topY, double captionLeft,
                     double textHeight);

// The plan with the centre line at sheet y `centreY`.
void DrawPlan(SheetPainter& p, const BridgeData& data, const StakeAxis& axis, double centreY, double textHeight);
// Half the plan's height in metres, dimension room excluded.
double PlanHalfWidth(const BridgeData& data);

// The cross-section at the first pier (or support) fitted into the box; returns the sheet y below it.
double DrawCrossSection(SheetPainter& p, const BridgeData& data, double left, double bottom, double right, double top,
                        double textHeight);

// A view's caption ("立  面  1:500"), centred over it and underlined.
void ViewCaption(SheetPainter& p, double centreX, double y, const std::string& caption, double textHeight);

}  // namespace drawhost
