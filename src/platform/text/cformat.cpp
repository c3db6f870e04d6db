#include "platform/text/cformat.h"

#include <charconv>
#include <cstdarg>

namespace text::detail {

std::string FormatRaw(const char* format, ...) {
    va_list args;
    va_start(args, format);
    char small[256];
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    std::string out;
    if (n < 0) {
        va_end(args);
        return out;
    }
    if (static_cast<size_t>(n) < sizeof small) {
        out.assign(small, n);
    } else {
        out.resize(n + 1);
        std::vsnprintf(out.data(), n + 1, format, args);
        out.resize(n);
    }
    va_end(args);
    return out;
}

}  // namespace text::detail

namespace text {

std::string FormatFixed(double value, int precision) {
    // to_chars is specified to write what printf writes in the C locale.
    char buffer[400];  // the longest double in fixed notation has 309 digits before the point
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    if (ec != std::errc()) return Format("%.*f", precision, value);
    return std::string(buffer, end);
}

}  // namespace text
