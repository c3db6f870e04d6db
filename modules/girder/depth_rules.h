#pragma once
// The rules of thumb the girder defaults follow, from the common standard designs of highway bridges.
// Depths are rounded up to 5 cm, lengths to 10 cm, as drawings give them.
namespace girder {

double RoundUp(double value, double step);
double RoundTo(double value, double step);

// Precast hollow slab: about L/20 (the standard slabs of 10–20 m run L/18–L/21), at least 0.45 m.
double SlabDepth(double span);
// Precast T-beam: about L/16, at least 1.0 m.
double TBeamDepth(double span);
// Simply supported box of constant depth: about L/18, at least 1.0 m; a variable-depth simple span keeps
// this at mid-span and three quarters of it at its ends.
double SimpleBoxDepth(double span);
// Continuous box of constant depth: about L/20 (the usual range is L/20–L/25), at least 1.2 m.
double ContinuousBoxDepth(double span);
// Continuous box of variable depth: about L/17 over an inner support and L/35 at mid-span, at least 1.2 m.
double ContinuousBoxSupportDepth(double span);
double ContinuousBoxMidDepth(double span);

// Precast members are 4 cm shorter than their span: a 2 cm gap at each end. Their bearings sit 0.25 m in
// from the end up to 20 m spans, 0.45 m beyond.
double PrecastLength(double span);
double PrecastBearingDistance(double span);

}  // namespace girder
