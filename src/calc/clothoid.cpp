#include "calc/clothoid.h"

#include <algorithm>
#include <cmath>

namespace calc {

namespace {

// Six-point Gauss–Legendre nodes and weights on [−1, 1]; exact for polynomials to degree 11.
constexpr double kNodes[6] = {-0.9324695142031521, -0.6612093864662645, -0.2386191860831969,
                              0.2386191860831969,  0.6612093864662645,  0.9324695142031521};
constexpr double kWeights[6] = {0.1713244923791704, 0.3607615730481386, 0.4679139345726910,
                                0.4679139345726910, 0.3607615730481386, 0.1713244923791704};

// Largest turn of the heading over one quadrature piece. With six nodes the error of a piece turning by
// Φ is about 2e-16·Φ¹²·(piece length), so 1.5 rad leaves it below 1e-13 of the length.
constexpr double kMaxTurnPerPiece = 1.5;

}  // namespace

PlaneStep ArcStep(double azimuth, double k, double s) {
    if (k == 0) return {s * std::cos(azimuth), s * std::sin(azimuth)};
    // Chord 2·sin(k·s/2)/k in the direction of the mean heading.
    const double half = 0.5 * k * s;
    const double chord = std::abs(half) < 1e-8 ? s * (1 - half * half / 6) : 2 * std::sin(half) / k;
    const double mean = azimuth + half;
    return {chord * std::cos(mean), chord * std::sin(mean)};
}

PlaneStep CurvatureLinearStep(double azimuth, double k0, double k1, double length, double s) {
    if (k0 == k1 || length <= 0) return ArcStep(azimuth, k0, s);
    const double rate = (k1 - k0) / length;  // dk/ds
    const double ks = k0 + rate * s;
    // The heading turns at most max|k|·s over [0, s]; |k| is largest at an end because k is linear.
    const double maxK = std::max(std::abs(k0), std::abs(ks));
    const int pieces = std::max(1, static_cast<int>(std::ceil(maxK * s / kMaxTurnPerPiece)));
    const double h = s / pieces;
    double dx = 0, dy = 0;
    for (int p = 0; p < pieces; ++p) {
        const double mid = (p + 0.5) * h;
        for (int n = 0; n < 6; ++n) {
            const double t = mid + 0.5 * h * kNodes[n];
            const double heading = azimuth + t * (k0 + 0.5 * rate * t);
            dx += kWeights[n] * std::cos(heading);
            dy += kWeights[n] * std::sin(heading);
        }
    }
    return {0.5 * h * dx, 0.5 * h * dy};
}

}  // namespace calc
