// The indexed stake look-up against std::upper_bound, on stakes of uneven spacing with repeats.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "calc/sorted_search.h"

namespace {

TEST(SortedStakes, CountsWhatUpperBoundCounts) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> length(0.5, 900);
    // Elements from half a metre to 900 m, a run of equal starts (zero-length elements), and a route of one
    // long element among short ones; sizes on both sides of where the index starts to be used.
    std::vector<std::vector<double>> routes;
    for (int n : {1, 2, 7, 8, 9, 500}) {
        std::vector<double> starts;
        double stake = -250.5;
        for (int i = 0; i < n; ++i) starts.push_back(stake), stake += length(random);
        routes.push_back(starts);
    }
    routes.push_back({0, 10, 10, 10, 20, 30, 30, 40, 50, 60});
    routes.push_back({0, 1, 2, 3, 4, 5, 6, 7, 8, 1e6});
    for (const auto& starts : routes) {
        const calc::SortedStakes index(starts);
        std::vector<double> probes = {-1e9, 1e9, std::numeric_limits<double>::quiet_NaN(),
                                      std::numeric_limits<double>::infinity()};
        for (double s : starts)
            for (double d : {-1e-9, 0.0, 1e-9}) probes.push_back(s + d);
        std::uniform_real_distribution<double> anywhere(starts.front() - 10, starts.back() + 10);
        for (int i = 0; i < 2000; ++i) probes.push_back(anywhere(random));
        for (double x : probes) {
            const auto expected = std::upper_bound(starts.begin(), starts.end(), x) - starts.begin();
            ASSERT_EQ(index.CountNotAbove(x), static_cast<std::size_t>(expected)) << "n=" << starts.size() << " x=" << x;
        }
    }
}

}  // namespace
