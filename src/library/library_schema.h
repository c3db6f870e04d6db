#pragma once
// The tables of a component library: one per superstructure member family, named by the family, and one per
// combination of substructure member types, named by its four-digit code. Every table is created on first use
// with the field list below; there is no key and no index, so a member may stand in a table more than once.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dao/field.h"

namespace library {

// Superstructure families (table names).
inline constexpr const char* kHollowSlab = "简支空心板";
inline constexpr const char* kTBeam = "简支T梁";
inline constexpr const char* kSimpleConstBox = "简支等截面箱梁";
inline constexpr const char* kSimpleVarBox = "简支变截面箱梁";
inline constexpr const char* kContConstBox = "连续等截面箱梁";
inline constexpr const char* kContVarBox = "连续变截面箱梁";
// Box cross-section kinds (table names).
inline constexpr const char* kSingleBoxSingleCell = "单箱单室";
inline constexpr const char* kSingleBoxMultiCell = "单箱多室";
inline constexpr const char* kMultiBoxSingleCell = "多箱单室";

// Common fields of every family table.
inline constexpr const char* kNameField = "名称";
inline constexpr const char* kSpanField = "跨径";
inline constexpr const char* kDepthField = "梁高";
inline constexpr const char* kWidthField = "梁宽";
// Cross-section fields named by the writer and the section chooser.
inline constexpr const char* kPositionField = "位置";
inline constexpr const char* kUsedForField = "用于";
// The four type-name fields that open every substructure table.
inline constexpr const char* kCapField = "帽梁";
inline constexpr const char* kBodyField = "墩台身";
inline constexpr const char* kConnectField = "连接构造";
inline constexpr const char* kFoundationField = "基础";

// Text fields are 255 characters; numbers are Double or Long.
inline constexpr long kLibraryTextSize = 255;

struct LibraryField {
    std::string name;
    short type = dao::dbDouble;  // dbText, dbDouble or dbLong
};

// The nine family tables, superstructure families first, then the three cross-section kinds.
const std::vector<std::string>& SuperstructureFamilies();
bool IsCrossSectionKind(std::string_view table);

// The fields of a family table in order; empty for a name that is no family.
const std::vector<LibraryField>& FamilyFields(std::string_view family);

// The four positions of a substructure code.
enum class SubPart { Cap = 0, Body = 1, Connection = 2, Foundation = 3 };

// The digit of a member type name at its position ('1'...), '0' for a name the position does not know.
char SubstructureDigit(SubPart part, std::string_view typeName);
// The code of a pier or abutment: cap, body, connection and foundation digits ("1213", "6959").
std::string SubstructureCode(std::string_view cap, std::string_view body, std::string_view connection,
                             std::string_view foundation);
// The library fields of one code position; empty for the digits of "无" and for unknown digits.
const std::vector<LibraryField>& SubstructureGroup(SubPart part, char digit);
// The project member table whose records fill that group; empty when the group has no fields.
std::string SubstructureMemberTable(SubPart part, char digit);
// The project fields (counted from 0) that fill the group, in the group's order: every field after the pier
// number, except for the bodies whose project record holds a height the library does not keep.
std::vector<int> SubstructureSourceColumns(SubPart part, char digit, int projectFieldCount);
// True for a table name that is a four-digit substructure code.
bool IsSubstructureCode(std::string_view table);

// The fields of a library table: a family's list, a code's four type names and its groups; empty for any
// other name.
std::vector<LibraryField> LibraryTableFields(std::string_view table);
// The definition a new library table is created with (Text 255, Double, Long).
dao::TableDef LibraryTableDef(const std::string& table);

}  // namespace library
