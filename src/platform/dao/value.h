#pragma once
// A field value as a record set returns it: a small variant whose kinds follow the variant types that the
// system's text conversion names (VT_I2, VT_R8, VT_BSTR, ...).
#include <cstdint>
#include <string>
#include <string_view>

namespace dao {

// Variant type codes. The array and by-reference flags may be combined with a base type.
enum VarType : std::uint16_t {
    VT_EMPTY = 0, VT_NULL = 1, VT_I2 = 2, VT_I4 = 3, VT_R4 = 4, VT_R8 = 5, VT_CY = 6, VT_DATE = 7, VT_BSTR = 8,
    VT_DISPATCH = 9, VT_ERROR = 10, VT_BOOL = 11, VT_VARIANT = 12, VT_UNKNOWN = 13, VT_I1 = 16, VT_UI1 = 17,
    VT_UI2 = 18, VT_UI4 = 19, VT_I8 = 20, VT_UI8 = 21, VT_INT = 22, VT_UINT = 23, VT_VOID = 24, VT_HRESULT = 25,
    VT_PTR = 26, VT_SAFEARRAY = 27, VT_CARRAY = 28, VT_USERDEFINED = 29, VT_LPSTR = 30, VT_LPWSTR = 31,
    VT_FILETIME = 64, VT_BLOB = 65, VT_STREAM = 66, VT_STORAGE = 67, VT_STREAMED_OBJECT = 68,
    VT_STORED_OBJECT = 69, VT_BLOB_OBJECT = 70, VT_CF = 71, VT_CLSID = 72,
    VT_ARRAY = 0x2000, VT_BYREF = 0x4000, VT_TYPEMASK = 0x0fff
};

class Value {
public:
    Value() = default;  // empty
    static Value Null() { return Value(VT_NULL); }
    static Value Short(std::int16_t v) { Value r(VT_I2); r.int_ = v; return r; }
    static Value Long(std::int32_t v) { Value r(VT_I4); r.int_ = v; return r; }
    static Value Single(float v) { Value r(VT_R4); r.real_ = v; return r; }
    static Value Double(double v) { Value r(VT_R8); r.real_ = v; return r; }
    static Value Text(std::string v) { Value r(VT_BSTR); r.text_ = std::move(v); return r; }
    static Value Bool(bool v) { Value r(VT_BOOL); r.int_ = v ? -1 : 0; return r; }
    static Value Byte(std::uint8_t v) { Value r(VT_UI1); r.int_ = v; return r; }
    // Currency in units of 1/10000, as the variant keeps it.
    static Value Currency(std::int64_t scaled) { Value r(VT_CY); r.int_ = scaled; return r; }
    // Date as days since 30 December 1899, fraction = time of day.
    static Value Date(double days) { Value r(VT_DATE); r.real_ = days; return r; }
    // The bytes of a binary field, as the byte array (VT_ARRAY | VT_UI1) a binary field reads as. Any bytes,
    // zeros and bytes that are not UTF-8 included.
    static Value Binary(std::string bytes) {
        Value r(VT_ARRAY | VT_UI1);
        r.text_ = std::move(bytes);
        return r;
    }
    // Any other variant type, carrying no payload (shown by its type name).
    static Value OfType(std::uint16_t vt) { return Value(vt); }

    std::uint16_t type() const { return type_; }
    bool isNull() const { return type_ == VT_NULL || type_ == VT_EMPTY; }
    bool isText() const { return type_ == VT_BSTR; }
    bool isBinary() const { return type_ == (VT_ARRAY | VT_UI1); }
    bool isNumber() const;

    // Raw payloads: integer kinds (I2, I4, UI1, BOOL, CY) / real kinds (R4, R8, DATE) / text / binary bytes.
    std::int64_t integer() const { return int_; }
    double real() const { return real_; }
    const std::string& text() const { return text_; }
    const std::string& bytes() const { return text_; }

    // Conversions for callers that know what they read: numbers convert between kinds, text is parsed
    // the C library's way, null is 0 / "".
    double toDouble() const;
    std::int32_t toLong() const;
    // Plain conversion (binary: its bytes), not the display text (see VariantToText).
    std::string toString() const;

    bool operator==(const Value& o) const {
        return type_ == o.type_ && int_ == o.int_ && real_ == o.real_ && text_ == o.text_;
    }

private:
    explicit Value(std::uint16_t vt) : type_(vt) {}
    std::uint16_t type_ = VT_EMPTY;
    std::int64_t int_ = 0;
    double real_ = 0;
    std::string text_;
};

// A value handed to Recordset::AppendRecord: null, a whole number, a real number or text. The text is
// referred to, not copied, so that appending a long run of records builds no strings on the way; it has to
// live until AppendRecord returns.
class ValueRef {
public:
    enum class Kind : std::uint8_t { Null, Long, Double, Text };
    ValueRef() = default;  // null
    static ValueRef Null() { return ValueRef(Kind::Null); }
    static ValueRef Long(std::int32_t v) { ValueRef r(Kind::Long); r.int_ = v; return r; }
    static ValueRef Double(double v) { ValueRef r(Kind::Double); r.real_ = v; return r; }
    static ValueRef Text(std::string_view v) { ValueRef r(Kind::Text); r.text_ = v; return r; }

    Kind kind() const { return kind_; }
    std::int32_t integer() const { return int_; }
    double real() const { return real_; }
    std::string_view text() const { return text_; }
    // The same value as a Value (with a copy of the text), for the conversions a field may need.
    Value ToValue() const {
        switch (kind_) {
            case Kind::Long: return Value::Long(int_);
            case Kind::Double: return Value::Double(real_);
            case Kind::Text: return Value::Text(std::string(text_));
            default: return Value::Null();
        }
    }

private:
    explicit ValueRef(Kind kind) : kind_(kind) {}
    Kind kind_ = Kind::Null;
    std::int32_t int_ = 0;
    double real_ = 0;
    std::string_view text_;
};

}  // namespace dao
