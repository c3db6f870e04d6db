// Evaluates 1,000,000 points at random stakes and offsets on an alignment of 10,000 elements (a third of
// them clothoids, the rest lines and arcs) with a vertical profile and cross slopes, through the route
// geometry's coordinate operation; in the same run the same number of closed-form circular-arc points
// (chord and mean heading, the cheapest exact curve) at the same distances. Prints
// "geometry: ours=<s> reference=<s> ratio=<ours/reference>" (target: <= 2).
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "bench_support.h"
#include "calc/route_geometry.h"

namespace {

constexpr int kElements = 10000;
constexpr int kEvaluations = 1000000;
constexpr double kElementLength = 100;

using bench::Seconds;

// line, spiral in, arc, spiral out, line, arc: two clothoids in six, turning left and right in turn.
calc::RouteData Alignment() {
    std::vector<calc::PlanElement> elements;
    double stake = 0, x = 3'400'000, y = 480'000, azimuth = 0.3;
    for (int i = 0; i < kElements; ++i) {
        const double sign = (i / 6) % 2 ? -1 : 1, k = sign / 600;
        calc::PlanElement e;
        e.number = i + 1;
        e.startStake = stake;
        e.x0 = x;
        e.y0 = y;
        e.azimuth0 = azimuth;
        e.length = kElementLength;
        switch (i % 6) {
            case 1: e.type = calc::PlanElementType::Clothoid, e.k0 = 0, e.k1 = k; break;
            case 2: e.type = calc::PlanElementType::Arc, e.k0 = e.k1 = k; break;
            case 3: e.type = calc::PlanElementType::Clothoid, e.k0 = k, e.k1 = 0; break;
            case 5: e.type = calc::PlanElementType::Arc, e.k0 = e.k1 = -k / 2; break;
            default: e.type = calc::PlanElementType::Line; break;
        }
        const calc::PlanPoint end = calc::PointOnElement(e, e.length);
        elements.push_back(e);
        stake += e.length, x = end.x, y = end.y, azimuth = end.azimuth;
    }
    calc::RouteData data;
    data.plan = calc::PlanAlignment(std::move(elements));
    std::vector<calc::TurningPoint> points;
    for (int i = 0; i <= 200; ++i) points.push_back({i * stake / 200, 100 + (i % 2) * 3.0, 12000});
    data.profile = calc::VerticalProfile(std::move(points));
    data.slopes = calc::CrossSlopes({{0, stake / 2, -2, -2}, {stake / 2 + 100, stake, 3, -3}},
                                    calc::TransitionLaw::HigherOrder);
    return data;
}

}  // namespace

int main() {
    const calc::CGeoAssist geo(Alignment());
    const double length = kElements * kElementLength;
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> stakeOf(0, length), offsetOf(-12, 12);
    std::vector<double> stakes(kEvaluations), offsets(kEvaluations);
    for (int i = 0; i < kEvaluations; ++i) stakes[i] = stakeOf(random), offsets[i] = offsetOf(random);

    // The two sides run in turn, a block of each at a time, so that a machine shared with other work slows
    // both alike; each side's time is the sum over its blocks.
    constexpr int kBlock = 10000;
    double sumOurs = 0, sumReference = 0, ours = 0, reference = 0;
    for (int first = 0; first < kEvaluations; first += kBlock) {
        auto start = std::chrono::steady_clock::now();
        for (int i = first; i < first + kBlock; ++i) {
            double x, y, z, azimuth;
            geo.XYZofHighwayAndBridgeAtAstakeWithOffsetQrt(stakes[i], offsets[i], &x, &y, &z, &azimuth, nullptr,
                                                           nullptr, nullptr);
            sumOurs += x + y + z + azimuth;
        }
        ours += Seconds(start);

        // The reference: a point on one arc of R = 600 at the distance into its element, offset on the normal.
        start = std::chrono::steady_clock::now();
        for (int i = first; i < first + kBlock; ++i) {
            const double s = std::fmod(stakes[i], kElementLength), k = 1.0 / 600;
            const double chord = 2 * std::sin(0.5 * k * s) / k, mean = 0.3 + 0.5 * k * s, heading = 0.3 + k * s;
            const double x = 3'400'000 + chord * std::cos(mean) - offsets[i] * std::sin(heading);
            const double y = 480'000 + chord * std::sin(mean) + offsets[i] * std::cos(heading);
            sumReference += x + y + heading;
        }
        reference += Seconds(start);
    }

    // The sums keep the loops from being optimised away.
    std::fprintf(stderr, "(checksums %.3f %.3f)\n", sumOurs, sumReference);
    std::printf("geometry: ours=%.3f reference=%.3f ratio=%.2f\n", ours, reference, ours / reference);
    return 0;
}
