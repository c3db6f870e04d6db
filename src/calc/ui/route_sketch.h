#pragma once
// Small drawings beside the route geometry results: the plan of the alignment around a stake with the
// centre-line point and the offset point, and the profile with the grade lines and the deck line.
#include <QPixmap>
#include <QSize>

#include "calc/route_geometry.h"

namespace calc::ui {

// Half the length of route each drawing shows on either side of the stake, metres.
inline constexpr double kSketchHalfLength = 200;

QPixmap PlanSketch(const CGeoAssist& geometry, double stake, double offset, QSize size);
QPixmap ProfileSketch(const CGeoAssist& geometry, double stake, double offset, QSize size);

}  // namespace calc::ui
