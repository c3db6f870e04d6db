#pragma once
// A bridge with one member of every kind the library takes, and small helpers to read a library back.
#include <string>
#include <vector>

#include "exchange_fixture.h"

namespace library_test {

// Spans: 1 hollow slabs, 2 T-beams, 3 continuous constant-depth box (单箱单室 sections), 4 simply
// supported variable-depth box (多箱单室 sections). Piers 0..2: 0 a rib abutment on piles, 1 a column pier
// on a pile cap, 2 nothing at all ("6959"). Details in the source.
void MakeBridge(exchange_test::ProjectFile& project);

// "field=value" of every field of every record, values as VariantToText shows them.
std::vector<std::vector<std::string>> LibraryRecords(const std::string& path, const std::string& table);
// Names of the library's own tables in library order.
std::vector<std::string> LibraryTables(const std::string& path);

}  // namespace library_test
