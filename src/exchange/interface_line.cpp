#include "exchange/interface_line.h"

#include <cmath>
#include <stdexcept>

#include "platform/text/cformat.h"

namespace exchange {
namespace {

// A C cast of the value to an integer; a number out of range or not a number is written as 0, as no
// integer field can hold it.
long long AsInteger(const dao::Value& value) {
    if (value.isNull()) return 0;
    double number = value.toDouble();
    if (!std::isfinite(number) || std::fabs(number) >= 9.2e18) return 0;
    return static_cast<long long>(number);
}

}  // namespace

std::string FormatInterfaceLine(const std::string& format, const std::vector<const dao::Value*>& values) {
    std::string line;
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            line += format[i];
            continue;
        }
        std::size_t end = format.find_first_of("dsf", i + 1);
        if (end == std::string::npos || next >= values.size())
            throw std::logic_error("interface line format does not match its fields: " + format);
        std::string conversion = format.substr(i, end + 1 - i);
        const dao::Value& value = *values[next++];
        switch (format[end]) {
            case 'd':
                line += text::Format((conversion.substr(0, conversion.size() - 1) + "lld").c_str(), AsInteger(value));
                break;
            case 'f': line += text::Format(conversion.c_str(), value.isNull() ? 0.0 : value.toDouble()); break;
            default:
                line += text::FormatGbk(conversion.c_str(), value.isNull() ? std::string() : value.toString());
                break;
        }
        i = end;
    }
    if (next != values.size()) throw std::logic_error("interface line format does not match its fields: " + format);
    return line;
}

}  // namespace exchange
