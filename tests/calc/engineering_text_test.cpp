// Results as an engineer reads them: millimetres, hundredths of a per cent, and bearings in degrees,
// minutes and seconds (worked by hand below).
#include <gtest/gtest.h>

#include <numbers>

#include "calc/engineering_text.h"

namespace {

TEST(EngineeringText, MetresPercentAndBearings) {
    EXPECT_EQ(calc::MetresText(3400035.35533906), "3400035.355");
    EXPECT_EQ(calc::MetresText(101.2004999), "101.200");
    EXPECT_EQ(calc::MetresText(-0.0004), "0.000");  // no "-0.000"
    EXPECT_EQ(calc::MetresText(-12.3456), "-12.346");
    EXPECT_EQ(calc::PercentText(2), "2.00");
    EXPECT_EQ(calc::PercentText(-1.505), "-1.50");  // stored as -1.50499...
    EXPECT_EQ(calc::PercentText(-0.001), "0.00");

    constexpr double pi = std::numbers::pi;
    const struct {
        double radians;
        const char* text;
    } bearings[] = {
        {0, "0°00′00.0″"},
        {pi / 4, "45°00′00.0″"},
        {pi, "180°00′00.0″"},
        // 1 rad = 57.2957795°; 0.2957795° = 17.746770′; 0.746770′ = 44.806″
        {1, "57°17′44.8″"},
        // Whole-circle bearings: west of north is 270° and more.
        {-pi / 2, "270°00′00.0″"},
        {2 * pi + pi / 2, "90°00′00.0″"},
        // 10°59′59.96″ rounds up through the seconds and minutes
        {(10 + 59 / 60.0 + 59.96 / 3600) * pi / 180, "11°00′00.0″"},
        // just short of a full circle is north again
        {2 * pi - 1e-9, "0°00′00.0″"},
    };
    for (const auto& b : bearings) EXPECT_EQ(calc::DegreesMinutesSeconds(b.radians), b.text) << b.radians;
}

}  // namespace
