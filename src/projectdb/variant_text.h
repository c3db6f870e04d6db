#pragma once
// The one conversion of a field value to the text that lists, grids, tree items and interface files show.
#include <string>

#include "platform/dao/value.h"

namespace projectdb {

// Null shows as "NULL"; a double keeps at most three decimals, truncated, with trailing zeros and a bare
// point dropped (2.5, 3, 0.001); an empty text shows as "0".
std::string VariantToText(const dao::Value& value);

}  // namespace projectdb
