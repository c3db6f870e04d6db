#pragma once
// Builders for the field lists of the schema tables (private to the schema sources).
#include <string>

#include "projectdb/schema.h"

namespace projectdb::schema_detail {

inline FieldDef Text(std::string name, std::string form, std::string grid) {
    return {std::move(name), dao::dbText, kTextSize, std::move(form), std::move(grid)};
}
inline FieldDef Long(std::string name, std::string form, std::string grid) {
    return {std::move(name), dao::dbLong, kLongSize, std::move(form), std::move(grid)};
}
inline FieldDef Double(std::string name, std::string form, std::string grid, long size = kDoubleSize) {
    return {std::move(name), dao::dbDouble, size, std::move(form), std::move(grid)};
}

// Member and site tables have grid captions only.
inline FieldDef T(std::string name, std::string grid) {
    return Text(std::move(name), "", std::move(grid));
}
inline FieldDef L(std::string name, std::string grid) {
    return Long(std::move(name), "", std::move(grid));
}
inline FieldDef D(std::string name, std::string grid) {
    return Double(std::move(name), "", std::move(grid));
}

}  // namespace projectdb::schema_detail
