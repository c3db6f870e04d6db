#pragma once
// Table and field definitions with the DAO type codes.
#include <string>
#include <string_view>
#include <vector>

namespace dao {

enum FieldType : short {
    dbBoolean = 1, dbByte = 2, dbInteger = 3, dbLong = 4, dbCurrency = 5, dbSingle = 6, dbDouble = 7,
    dbDate = 8, dbBinary = 9, dbText = 10, dbLongBinary = 11, dbMemo = 12
};

enum FieldAttributes : long { dbFixedField = 0x1, dbVariableField = 0x2, dbAutoIncrField = 0x10 };
enum TableAttributes : long { dbSystemObject = static_cast<long>(0x80000002), dbHiddenObject = 0x1 };
enum OpenType : int { dbOpenTable = 1, dbOpenDynaset = 2, dbOpenSnapshot = 4, dbOpenForwardOnly = 8 };

struct FieldInfo {
    std::string m_strName;
    short m_nType = dbText;
    long m_lSize = 255;
    long m_lAttributes = dbVariableField;
    bool m_bRequired = false;
    bool m_bAllowZeroLength = false;
};

struct TableDefInfo {
    std::string m_strName;
    long m_lAttributes = 0;
    bool isSystem() const { return (m_lAttributes & dbSystemObject) == dbSystemObject; }
};

struct TableDef {
    std::string m_strName;
    long m_lAttributes = 0;
    std::vector<FieldInfo> fields;
};

// The declared column type a field is stored with ("LONG", "DOUBLE", "TEXT(255)", ...).
std::string DeclaredType(const FieldInfo& field);

// The DAO type and size of a declared column type, also one written by another program
// (INTEGER, REAL, VARCHAR(40), NUMERIC, none, ...).
FieldInfo FieldFromDeclaredType(const std::string& name, const std::string& declared);

// The size a field of a fixed-size type reports.
long NaturalSize(short type);

// Text fields hold characters, not bytes: TEXT(255) takes 255 Chinese characters as it takes 255 letters.
// Counts UTF-8 code points: the bytes that are not continuation bytes.
long CharacterCount(std::string_view utf8);
// The first `limit` characters of the text, never ending inside a character.
std::string CutToCharacters(std::string_view utf8, long limit);

}  // namespace dao
