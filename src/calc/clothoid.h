#pragma once
// The curve whose curvature changes linearly with length (a clothoid, an arc or a line as special cases),
// integrated exactly enough for setting out: the heading θ(t) = θ0 + k0·t + (k1 − k0)·t²/(2L) is
// integrated in pieces, each piece by the power series of exp(i·θ) about its middle. A piece turns by at
// most half a radian either side of its middle, and the series is summed until the first omitted term is
// below 1e-13 of the piece, so the step keeps about thirteen significant digits.
namespace calc {

struct PlaneStep {
    double dx = 0, dy = 0;  // northing and easting gained along the curve
};

// The step from the curve's start to the point at distance `s` (0 ≤ s ≤ length), for a curve starting at
// `azimuth` (clockwise from north) with signed curvature `k0` changing linearly to `k1` over `length`.
PlaneStep CurvatureLinearStep(double azimuth, double k0, double k1, double length, double s);

// The same for a circular arc of signed curvature `k`, in closed form.
PlaneStep ArcStep(double azimuth, double k, double s);

}  // namespace calc
