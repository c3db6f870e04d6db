#include "platform/text/cformat.h"

#include <charconv>
#include <clocale>
#include <cstdarg>

namespace text::detail {
namespace {

// The files and SQL texts we write always use a decimal point, whatever locale the window system has set for
// the process. The C locale is set for the calling thread only, around the call, so other threads keep
// theirs.
class CNumericScope {
public:
    CNumericScope() : previous_(CLocale() ? uselocale(CLocale()) : nullptr) {}
    ~CNumericScope() {
        if (previous_) uselocale(previous_);
    }
    CNumericScope(const CNumericScope&) = delete;
    CNumericScope& operator=(const CNumericScope&) = delete;

private:
    // Made on first use, so that formatting during static initialisation finds it too.
    static locale_t CLocale() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
        return c;
    }
    locale_t previous_;
};

}  // namespace

std::string FormatRaw(const char* format, ...) {
    CNumericScope cLocale;
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
