#pragma once
// The views of the bridge layout drawing, each drawn into its own box of the sheet from the bridge model:
// the elevation with its data strip under it and the plan, both along the same stations, and the cross-
// section at a pier and at an abutment.
#include <string>

#include "bridge/bridge_model.h"
#include "sheet_painter.h"
#include "sheet_texts.h"

namespace drawhost {

// Maps the stations along the bridge onto the sheet's x; the views share it so that they line up.
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
ElevationExtent MeasureElevation(const bridge::Bridge& b, const StakeAxis& axis);

// The deck surface of the designed deck's centre line at a station.
double DeckLine(const bridge::Bridge& b, double station);

// The elevation between extent.bottom and extent.top, its lowest elevation at sheet y `baseY`; returns the
// sheet y of its top edge (dimension lines included).
double DrawElevation(SheetPainter& p, const bridge::Bridge& b, const SheetTexts& texts, const StakeAxis& axis,
                     const ElevationExtent& extent, double baseY, double textHeight);

// The strip of design elevations, ground elevations and stations under the elevation, its top edge at
// `topY`, its row captions from `captionLeft` to where the stations begin; returns the sheet y of its bottom.
double DrawDataStrip(SheetPainter& p, const bridge::Bridge& b, const SheetTexts& texts, const StakeAxis& axis,
                     double topY, double captionLeft, double textHeight);

// The plan is drawn in true plan coordinates, turned so that the chord from the first to the last support
// runs along the sheet's x with the first support at the axis's x of its station. How far the plan reaches
// to either side of that chord, in metres (left positive), decides its room on the sheet.
struct PlanExtent {
    double left = 0, right = 0;  // both positive: metres left and right of the chord
};
PlanExtent MeasurePlan(const bridge::Bridge& b, const StakeAxis& axis);
// The plan with the chord at sheet y `chordY`.
void DrawPlan(SheetPainter& p, const bridge::Bridge& b, const SheetTexts& texts, const StakeAxis& axis, double chordY,
              double textHeight);

// The cross-section, half at the first pier and half at the start abutment, fitted into the box at the
// largest scale of the series that fits; returns the sheet y below it.
double DrawCrossSection(SheetPainter& p, const bridge::Bridge& b, double left, double bottom, double right, double top,
                        double textHeight);

// A view's caption ("立  面  1:500"), centred over it and underlined.
void ViewCaption(SheetPainter& p, double centreX, double y, const std::string& caption, double textHeight);

}  // namespace drawhost
