#pragma once
// The picture beside the substructure rows: the first column pier of the proposal seen along the bridge,
// cap beam, columns and piles drawn from the rows as they stand.
#include "platform/interaction/record_editor.h"

namespace pierabut {

ui::PlotMaker PierElevationPlot();

}  // namespace pierabut
