#pragma once
// The standard sizes the member designs start from: the bridge model's standard depths and bearing
// positions (the model proposes the same for a span not yet designed), shared by the superstructure and the
// substructure designs so that a cap is as wide as the bearings of the girders on it need. The series: the
// Ministry's general drawings (公路桥梁通用图) for precast hollow slabs (10 m 0.60, 13 m 0.70, 16 m 0.80,
// 20 m 0.95 m, L/21 beyond) and T-beams (0.5 m + L/20: 20 m 1.5, 30 m 2.0, 40 m 2.5 m); the usual
// depth-to-span ratios of cast-in-place boxes (simple L/18, continuous L/20 of the unit's longest span,
// variable depth L/17 over the supports and L/35 at mid-span). Depths are rounded up to 5 cm.
#include <string>

namespace modulekit {

double RoundUp(double value, double step);
double RoundTo(double value, double step);

double SlabDepth(double span);
double TBeamDepth(double span);
double SimpleBoxDepth(double span);
double SimpleBoxEndDepth(double span);  // a variable-depth simple span: three quarters of mid-span
double ContinuousBoxDepth(double span);
double ContinuousBoxSupportDepth(double span);
double ContinuousBoxMidDepth(double span);

// Precast members are 4 cm shorter than their span: a 2 cm gap at each end. Their bearings sit 0.25 m in
// from the end up to 20 m spans, 0.45 m beyond; a box girder's 0.5 m.
double PrecastLength(double span);
double PrecastBearingDistance(double span);
double BoxBearingDistance();
// The bearing line's distance from the support's centre line: half the joint gap and the bearing's
// distance from the girder end, for a structure type of 上构布置明细表.
double BearingLineOffset(const std::string& structureType, double span);

}  // namespace modulekit
