#pragma once
// 主要工程数量表: the concrete of the bridge by member kind, summed from the model's solids, the same solids
// the 3D view and the interface files take their volumes from.
#include <string>
#include <utility>
#include <vector>

#include "bridge/bridge_model.h"
#include "sheet_painter.h"

namespace drawhost {

// Member kind and its concrete in m³, in the order the members first appear (the superstructure first),
// the total last.
std::vector<std::pair<std::string, double>> ConcreteByMember(const bridge::Bridge& b);

// The table with its top edge at `top` between `left` and `right`; returns the y under it.
double DrawQuantityTable(SheetPainter& p, const bridge::Bridge& b, double left, double right, double top,
                         double textHeight);

}  // namespace drawhost
