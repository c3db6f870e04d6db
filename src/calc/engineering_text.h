#pragma once
// Results as an engineer reads them off a calculator: lengths, coordinates and elevations to the millimetre,
// slopes in per cent to the hundredth, and directions in degrees, minutes and seconds.
#include <string>

namespace calc {

// "%.3f": metres to the millimetre.
std::string MetresText(double metres);
// "%.2f": a slope in per cent.
std::string PercentText(double percent);
// A direction in radians as a whole-circle bearing, "123°04′05.6″" (0° ≤ value < 360°, seconds to a
// tenth; a value that rounds to 360° is 0°).
std::string DegreesMinutesSeconds(double radians);

}  // namespace calc
