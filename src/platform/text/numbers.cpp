#include "platform/text/numbers.h"

#include <cctype>
#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <string>

namespace text {
namespace {

// strtod honours LC_NUMERIC; the files we read always use a point, so parse in the C locale.
locale_t CLocale() {
    static locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

}  // namespace

double Atof(std::string_view text) {
    std::string copy(text);
    return strtod_l(copy.c_str(), nullptr, CLocale());
}

long Atol(std::string_view text) {
    std::string copy(text);
    return std::strtol(copy.c_str(), nullptr, 10);
}

bool ParseWholeNumber(std::string_view text, double& value) {
    std::string copy(text);
    const char* begin = copy.c_str();
    while (std::isspace(static_cast<unsigned char>(*begin))) ++begin;
    if (*begin == '\0') return false;
    // Hexadecimal, infinities and NaN are not numbers a user types into a field.
    for (const char* p = begin; *p; ++p) {
        char c = *p;
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E' ||
              std::isspace(static_cast<unsigned char>(c))))
            return false;
    }
    char* end = nullptr;
    errno = 0;
    double parsed = strtod_l(begin, &end, CLocale());
    if (end == begin || errno == ERANGE) return false;
    while (std::isspace(static_cast<unsigned char>(*end))) ++end;
    if (*end != '\0') return false;
    value = parsed;
    return true;
}

}  // namespace text
