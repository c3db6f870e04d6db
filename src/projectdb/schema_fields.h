#pragma once
// Builders for the field lists of the schema tables (private to the schema sources).
#include <string>

#include "projectdb/schema.h"

namespace projectdb::schema_detail {

// Units of the numbers a table holds, written as an engineer writes them.
inline constexpr const char* kMetre = "m";
inline constexpr const char* kCentimetre = "cm";
inline constexpr const char* kDegree = "°";
inline constexpr const char* kPercent = "%";

inline FieldDef Text(std::string name, std::string form, std::string grid) {
    return {std::move(name), dao::dbText, kTextSize, std::move(form), std::move(grid)};
}
inline FieldDef Long(std::string name, std::string form, std::string grid) {
    return {std::move(name), dao::dbLong, kLongSize, std::move(form), std::move(grid)};
}
inline FieldDef Double(std::string name, std::string form, std::string grid, std::string unit = "",
                       long size = kDoubleSize) {
    return {std::move(name), dao::dbDouble, size, std::move(form), std::move(grid), std::move(unit)};
}

// Member and site tables have grid captions only.
inline FieldDef T(std::string name, std::string grid) {
    return Text(std::move(name), "", std::move(grid));
}
inline FieldDef L(std::string name, std::string grid) {
    return Long(std::move(name), "", std::move(grid));
}
// A number whose unit is not known (a ratio, a count kept as a double, a size the modules define).
inline FieldDef D(std::string name, std::string grid) {
    return Double(std::move(name), "", std::move(grid));
}
// A length, stake or elevation in metres; an angle in degrees.
inline FieldDef Dm(std::string name, std::string grid) {
    return Double(std::move(name), "", std::move(grid), kMetre);
}
inline FieldDef Ddeg(std::string name, std::string grid) {
    return Double(std::move(name), "", std::move(grid), kDegree);
}

}  // namespace projectdb::schema_detail
