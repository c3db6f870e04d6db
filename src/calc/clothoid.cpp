#include "calc/clothoid.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace calc {

namespace {

// A piece of the curve, seen from its middle, is x ∈ [−½, ½] (in units of the piece length h) with the
// heading θm + a·x + b·x², a = k(middle)·h and b = k′·h²/2. Its step is h·exp(i·θm)·∫ exp(i·(a·x + b·x²)) dx.
// Expanding exp(i·(a·x + b·x²)) = Σ iⁿ(a·x + b·x²)ⁿ/n! and integrating term by term gives
// Σ over l, j of i^(l+j)·aˡ·bʲ / (l!·j!) · ∫ x^(l+2j) dx; odd powers of x vanish on the symmetric interval,
// so only even l remain, and ∫ x^m dx = 2^(−m)/(m+1).
constexpr int kMaxTerms = 20;  // the highest n = l + j ever needed (a piece turns by ≤ 0.5 from its middle)

// Bound on |a·x + b·x²| over a piece: the largest turn from the middle.
constexpr double kMaxHalfTurn = 0.5;

// weight[l / 2][j]: 2^(−m)/((m+1)·l!·j!) with m = l + 2j, times the sign of i^(l+j). As l is even, i^(l+j) is
// real for even j and imaginary for odd j: the term adds to the real or the imaginary part accordingly.
using SeriesWeights = std::array<std::array<double, kMaxTerms + 1>, kMaxTerms / 2 + 1>;

constexpr SeriesWeights MakeWeights() {
    SeriesWeights w{};
    double factorial[kMaxTerms + 1] = {1};
    for (int n = 1; n <= kMaxTerms; ++n) factorial[n] = factorial[n - 1] * n;
    for (int l = 0; l <= kMaxTerms; l += 2)
        for (int j = 0; l + j <= kMaxTerms; ++j) {
            const int m = l + 2 * j;
            double moment = 1.0 / (m + 1);
            for (int p = 0; p < m; ++p) moment *= 0.5;
            const double sign = (l / 2) % 2 ? -1 : 1;  // i^l
            const double jSign = j % 4 >= 2 ? -1 : 1;  // i^j = ±1 or ±i
            w[l / 2][j] = sign * jSign * moment / (factorial[l] * factorial[j]);
        }
    return w;
}

constexpr SeriesWeights kWeights = MakeWeights();

constexpr auto kInverse = [] {
    std::array<double, kMaxTerms + 2> inverse{};
    for (int n = 1; n < kMaxTerms + 2; ++n) inverse[n] = 1.0 / n;
    return inverse;
}();

struct Complex {
    double re = 0, im = 0;
};

// ∫ exp(i·(a·x + b·x²)) dx over [−½, ½], for |a|/2 + |b|/4 ≤ kMaxHalfTurn.
Complex PieceIntegral(double a, double b) {
    // Terms up to n = l + j, where ρⁿ⁺¹/(n+1)! (ρ the largest |a·x + b·x²|) is negligible beside 1.
    const double rho = 0.5 * std::abs(a) + 0.25 * std::abs(b);
    int terms = 0;
    for (double omitted = rho; omitted > 1e-13 && terms < kMaxTerms;) {  // omitted = ρ^(terms+1)/(terms+1)!
        ++terms;
        omitted *= rho * kInverse[terms + 1];
    }
    // For each power of b, the even powers of a summed by Horner's rule in a².
    const double aSquared = a * a;
    Complex sum;
    double bPower = 1;
    for (int j = 0; j <= terms; ++j, bPower *= b) {
        double inA = 0;
        for (int half = (terms - j) / 2; half >= 0; --half) inA = inA * aSquared + kWeights[half][j];
        (j % 2 ? sum.im : sum.re) += bPower * inA;
    }
    return sum;
}

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
    // The turn from a piece's middle is at most max|k|·h/2 + |rate|·h²/8 (|k| is largest at an end because
    // k is linear); n equal pieces turn by at most 1/n of one piece over all of [0, s].
    const double maxK = std::max(std::abs(k0), std::abs(k0 + rate * s));
    const double wholeTurn = 0.5 * maxK * s + 0.125 * std::abs(rate) * s * s;
    const int pieces = std::max(1, static_cast<int>(std::ceil(wholeTurn / kMaxHalfTurn)));
    const double h = s / pieces;
    double dx = 0, dy = 0;
    for (int p = 0; p < pieces; ++p) {
        const double mid = (p + 0.5) * h;
        const double heading = azimuth + mid * (k0 + 0.5 * rate * mid);
        const Complex piece = PieceIntegral((k0 + rate * mid) * h, 0.5 * rate * h * h);
        const double cosMid = std::cos(heading), sinMid = std::sin(heading);
        dx += cosMid * piece.re - sinMid * piece.im;
        dy += sinMid * piece.re + cosMid * piece.im;
    }
    return {h * dx, h * dy};
}

}  // namespace calc
