#include "platform/dao/field.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace dao {

long NaturalSize(short type) {
    switch (type) {
        case dbBoolean: case dbByte: return 1;
        case dbInteger: return 2;
        case dbLong: case dbSingle: return 4;
        case dbCurrency: case dbDouble: case dbDate: return 8;
        default: return 0;
    }
}

std::string DeclaredType(const FieldInfo& f) {
    switch (f.m_nType) {
        case dbBoolean: return "BIT";
        case dbByte: return "BYTE";
        case dbInteger: return "SHORT";
        case dbLong: return "LONG";
        case dbCurrency: return "CURRENCY";
        case dbSingle: return "SINGLE";
        case dbDouble: return "DOUBLE";
        case dbDate: return "DATETIME";
        case dbBinary: return "BINARY(" + std::to_string(f.m_lSize > 0 ? f.m_lSize : 255) + ")";
        case dbLongBinary: return "LONGBINARY";
        case dbMemo: return "MEMO";
        case dbText:
        default: return "TEXT(" + std::to_string(f.m_lSize > 0 ? f.m_lSize : 255) + ")";
    }
}

namespace {

// Every byte except a UTF-8 continuation byte (10xxxxxx) begins a character.
bool StartsCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

}  // namespace

long CharacterCount(std::string_view utf8) {
    return static_cast<long>(std::count_if(utf8.begin(), utf8.end(), StartsCharacter));
}

std::string CutToCharacters(std::string_view utf8, long limit) {
    long seen = 0;
    for (size_t i = 0; i < utf8.size(); ++i)
        if (StartsCharacter(utf8[i]) && seen++ == limit) return std::string(utf8.substr(0, i));
    return std::string(utf8);
}

namespace {

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
    return s;
}

bool Contains(const std::string& haystack, const char* needle) { return haystack.find(needle) != std::string::npos; }

long SizeInParentheses(const std::string& declared, long fallback) {
    size_t open = declared.find('(');
    if (open == std::string::npos) return fallback;
    long n = std::strtol(declared.c_str() + open + 1, nullptr, 10);
    return n > 0 ? n : fallback;
}

}  // namespace

FieldInfo FieldFromDeclaredType(const std::string& name, const std::string& declared) {
    FieldInfo f;
    f.m_strName = name;
    std::string t = Upper(declared);
    std::string head = t.substr(0, t.find('('));
    while (!head.empty() && head.back() == ' ') head.pop_back();
    short type;
    if (head == "BIT" || head == "BOOLEAN" || head == "BOOL" || head == "YESNO" || head == "LOGICAL") type = dbBoolean;
    else if (head == "BYTE" || head == "TINYINT" || head == "INTEGER1") type = dbByte;
    else if (head == "SHORT" || head == "SMALLINT" || head == "INTEGER2" || head == "INT2") type = dbInteger;
    else if (head == "LONG" || head == "INTEGER4" || head == "INT4" || head == "COUNTER") type = dbLong;
    else if (head == "CURRENCY" || head == "MONEY") type = dbCurrency;
    else if (head == "SINGLE" || head == "FLOAT4" || head == "IEEESINGLE") type = dbSingle;
    else if (head == "DATETIME" || head == "DATE" || head == "TIME" || head == "TIMESTAMP") type = dbDate;
    else if (head == "MEMO" || head == "LONGTEXT" || head == "LONGCHAR" || head == "CLOB") type = dbMemo;
    else if (head == "LONGBINARY" || head == "BLOB" || head == "IMAGE" || head == "OLEOBJECT" ||
             head == "OLE" || head == "GENERAL" || head == "LONGVARBINARY")
        type = dbLongBinary;
    else if (head == "BINARY" || head == "VARBINARY") type = dbBinary;
    // SQLite's affinity rules, in their order, for everything else.
    else if (Contains(t, "INT")) type = dbLong;
    else if (Contains(t, "CHAR") || Contains(t, "CLOB") || Contains(t, "TEXT")) type = dbText;
    else if (Contains(t, "BLOB"))
        type = dbLongBinary;
    else if (t.empty()) type = dbText;  // no declared type: values are shown as they are stored
    else type = dbDouble;              // REAL, DOUBLE, FLOAT, NUMERIC, DECIMAL, ...
    f.m_nType = type;
    switch (type) {
        case dbText: f.m_lSize = SizeInParentheses(t, 255); break;
        case dbBinary: f.m_lSize = SizeInParentheses(t, 255); break;
        case dbMemo: case dbLongBinary: f.m_lSize = 0; break;
        default: f.m_lSize = NaturalSize(type);
    }
    f.m_lAttributes = (type == dbText || type == dbMemo || type == dbBinary || type == dbLongBinary) ? dbVariableField
                                                                                                       : dbFixedField;
    return f;
}

}  // namespace dao
