#include "platform/dao/value.h"

#include <cmath>

#include "platform/text/cformat.h"
#include "platform/text/numbers.h"

namespace dao {

bool Value::isNumber() const {
    switch (type_) {
        case VT_I2: case VT_I4: case VT_R4: case VT_R8: case VT_CY: case VT_DATE: case VT_BOOL: case VT_UI1:
            return true;
        default:
            return false;
    }
}

double Value::toDouble() const {
    switch (type_) {
        case VT_R4: case VT_R8: case VT_DATE: return real_;
        case VT_CY: return static_cast<double>(int_) / 10000.0;
        case VT_BSTR: return text::Atof(text_);
        default: return static_cast<double>(int_);
    }
}

std::int32_t Value::toLong() const {
    switch (type_) {
        case VT_R4: case VT_R8: case VT_DATE: return static_cast<std::int32_t>(std::llround(real_));
        case VT_CY: return static_cast<std::int32_t>(int_ / 10000);
        case VT_BSTR: return static_cast<std::int32_t>(text::Atol(text_));
        default: return static_cast<std::int32_t>(int_);
    }
}

std::string Value::toString() const {
    switch (type_) {
        case VT_EMPTY: case VT_NULL: return {};
        case VT_BSTR: return text_;
        case VT_ARRAY | VT_UI1: return text_;
        case VT_R4: case VT_R8: case VT_DATE: return text::Format("%.15g", real_);
        case VT_CY: return text::Format("%.4f", static_cast<double>(int_) / 10000.0);
        default: return std::to_string(int_);
    }
}

}  // namespace dao
