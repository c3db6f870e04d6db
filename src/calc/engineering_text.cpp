#include "calc/engineering_text.h"

#include <cmath>

#include "platform/text/cformat.h"

namespace calc {

namespace {

// A value that rounds to zero is written without a sign.
std::string Unsigned0(std::string text) {
    if (text[0] == '-' && text.find_first_not_of("0.", 1) == std::string::npos) text.erase(0, 1);
    return text;
}

}  // namespace

std::string MetresText(double metres) { return Unsigned0(text::Format("%.3f", metres)); }

std::string PercentText(double percent) { return Unsigned0(text::Format("%.2f", percent)); }

std::string DegreesMinutesSeconds(double radians) {
    if (!std::isfinite(radians)) return "";
    // Counted in tenths of a second, so that rounding carries into the minutes and degrees.
    constexpr long long kCircle = 360LL * 60 * 60 * 10;
    const double degrees = radians * 180.0 / 3.14159265358979323846;
    long long tenths = std::llround(std::fmod(degrees, 360.0) * 36000.0);
    tenths = ((tenths % kCircle) + kCircle) % kCircle;
    const long long d = tenths / 36000, m = tenths / 600 % 60, s = tenths % 600;
    return text::Format("%lld°%02lld′%02lld.%lld″", d, m, s / 10, s % 10);
}

}  // namespace calc
