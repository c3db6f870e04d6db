#pragma once
// The picture beside a box girder's rows: the mid-span cross-section of the first proposed span, drawn
// from the rows as they stand (depth from the elevation rows, outline and cells from the cross-section
// rows), so that an edited width or thickness shows at once.
#include "platform/interaction/record_editor.h"

namespace girder {

// Reads tables[0] (elevation) and tables[1] (cross-sections) of the request.
ui::PlotMaker BoxSectionPlot();

}  // namespace girder
