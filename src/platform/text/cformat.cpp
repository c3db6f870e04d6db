#include "platform/text/cformat.h"

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
