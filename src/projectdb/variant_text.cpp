#include "projectdb/variant_text.h"

#include <cstdio>
#include <ctime>

#include "platform/text/cformat.h"

namespace projectdb {
namespace {

const char* TypeName(std::uint16_t base) {
    switch (base) {
        case dao::VT_EMPTY: return "VT_EMPTY";
        case dao::VT_NULL: return "VT_NULL";
        case dao::VT_I2: return "VT_I2";
        case dao::VT_I4: return "VT_I4";
        case dao::VT_R4: return "VT_R4";
        case dao::VT_R8: return "VT_R8";
        case dao::VT_CY: return "VT_CY";
        case dao::VT_DATE: return "VT_DATE";
        case dao::VT_BSTR: return "VT_BSTR";
        case dao::VT_DISPATCH: return "VT_DISPATCH";
        case dao::VT_ERROR: return "VT_ERROR";
        case dao::VT_BOOL: return "VT_BOOL";
        case dao::VT_VARIANT: return "VT_VARIANT";
        case dao::VT_UNKNOWN: return "VT_UNKNOWN";
        case dao::VT_I1: return "VT_I1";
        case dao::VT_UI1: return "VT_UI1";
        case dao::VT_UI2: return "VT_UI2";
        case dao::VT_UI4: return "VT_UI4";
        case dao::VT_I8: return "VT_I8";
        case dao::VT_UI8: return "VT_UI8";
        case dao::VT_INT: return "VT_INT";
        case dao::VT_UINT: return "VT_UINT";
        case dao::VT_VOID: return "VT_VOID";
        case dao::VT_HRESULT: return "VT_HRESULT";
        case dao::VT_PTR: return "VT_PTR";
        case dao::VT_SAFEARRAY: return "VT_SAFEARRAY";
        case dao::VT_CARRAY: return "VT_CARRAY";
        case dao::VT_USERDEFINED: return "VT_USERDEFINED";
        case dao::VT_LPSTR: return "VT_LPSTR";
        case dao::VT_LPWSTR: return "VT_LPWSTR";
        case dao::VT_FILETIME: return "VT_FILETIME";
        case dao::VT_BLOB: return "VT_BLOB";
        case dao::VT_STREAM: return "VT_STREAM";
        case dao::VT_STORAGE: return "VT_STORAGE";
        case dao::VT_STREAMED_OBJECT: return "VT_STREAMED_OBJECT";
        case dao::VT_STORED_OBJECT: return "VT_STORED_OBJECT";
        case dao::VT_BLOB_OBJECT: return "VT_BLOB_OBJECT";
        case dao::VT_CF: return "VT_CF";
        case dao::VT_CLSID: return "VT_CLSID";
        default: return nullptr;
    }
}

// "%lf", then three decimals cut off (truncating to three), then trailing zeros dropped.
std::string DoubleText(double v) {
    std::string s = text::FormatFixed(v, 6);  // "%lf"
    if (s.size() >= 3) s.resize(s.size() - 3);
    if (s.size() >= 4 && s.compare(s.size() - 3, 3, "000") == 0) {
        s.resize(s.size() - 4);
    } else if (s.size() >= 2 && s.compare(s.size() - 2, 2, "00") == 0) {
        s.resize(s.size() - 2);
    } else if (!s.empty() && s.back() == '0') {
        s.pop_back();
    }
    return s;
}

std::string CurrencyText(std::int64_t scaled) {
    // Neutral-locale currency: up to four decimals, trailing zeros dropped.
    std::string s = text::Format("%.4f", static_cast<double>(scaled) / 10000.0);
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s;
}

std::string DateText(double days) {
    // Days since 30 December 1899 -> calendar date, shown "%m %d %y".
    std::time_t seconds = static_cast<std::time_t>((days - 25569.0) * 86400.0);
    std::tm tm{};
    gmtime_r(&seconds, &tm);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%m %d %y", &tm);
    return buffer;
}

}  // namespace

std::string VariantToText(const dao::Value& value) {
    std::uint16_t type = value.type();
    std::uint16_t base = type & dao::VT_TYPEMASK;
    std::string out;
    if (type & (dao::VT_ARRAY | dao::VT_BYREF)) {
        if (type & dao::VT_ARRAY) out = "Array of ";
        if (type & dao::VT_BYREF) out += "Pointer to ";
        const char* name = TypeName(base);
        out += name ? name : "Fish";
        return out;
    }
    switch (base) {
        case dao::VT_EMPTY:
        case dao::VT_NULL: out = "NULL"; break;
        case dao::VT_I2: out = text::Format("%hd", static_cast<short>(value.integer())); break;
        case dao::VT_I4: out = text::Format("%d", static_cast<int>(value.integer())); break;
        case dao::VT_R4: out = text::Format("%f", value.real()); break;
        case dao::VT_R8: out = DoubleText(value.real()); break;
        case dao::VT_CY: out = CurrencyText(value.integer()); break;
        case dao::VT_DATE: out = DateText(value.real()); break;
        case dao::VT_BSTR: out = value.text(); break;
        case dao::VT_BOOL: return value.integer() ? "TRUE" : "FALSE";
        case dao::VT_UI1: out = text::Format("0x%02hX", static_cast<unsigned short>(value.integer())); break;
        default: {
            const char* name = TypeName(base);
            out = name ? name : "Fish";
        }
    }
    if (out.empty()) out = "0";
    return out;
}

}  // namespace projectdb
