#pragma once
// One data line of an interface file: a C format ("%10.3lf %10s %10d") applied to field values. Widths
// count GBK bytes and never truncate; "%d" takes a number as a C cast would (a double is truncated); a
// null number is written as 0 and a null text as nothing.
#include <string>
#include <vector>

#include "platform/dao/value.h"

namespace exchange {

// The GBK bytes of the line, without its line end. The format's conversions are %d, %s and %lf with
// optional width and precision; they take `values` in order.
std::string FormatInterfaceLine(const std::string& format, const std::vector<const dao::Value*>& values);

}  // namespace exchange
