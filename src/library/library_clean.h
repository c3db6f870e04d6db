#pragma once
// Removing repeated entries from a component library.
//
// An entry repeats an earlier one of its table when every Text, Double and Long field matches: texts byte
// for byte, doubles as printed with six decimals ("%lf"), longs as integers; fields of other types do not
// count. A field that matches nothing, not even its own record, keeps the entry whatever the other entries
// hold: an empty text or number, a double with more than six decimals (it differs from its own printed
// value), a text holding a double quote. Of a group of matching entries the first in table order stays.
//
// All of it is one pass over each table with a hash of each entry's match key, in one transaction, so that a
// library of a hundred thousand entries is cleaned in about the time of one SQL statement.
#include <string>

#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

namespace library {

// Deletes the repeated entries of one table and returns how many went. Raises DaoException when the table
// cannot be read or changed; a table without text or number fields is left as it is.
long CleanTable(dao::Database& library, const std::string& table);

// Cleans every table of an open library in one transaction (part of the caller's when it has one), under
// the progress window titled "精简构件库" when one is given. A table that cannot be cleaned is left as it is.
// Returns the number of entries deleted.
long CleanAllTables(dao::Database& library, ui::Progress* progress = nullptr);

// Cleans every table of the library named by `typedPath` (upper-cased, ".BCL" appended; see LibraryFilePath)
// under the progress window titled "精简构件库". A library that cannot be opened raises DaoException and is
// not changed; a table that cannot be cleaned is left as it is and the others are still cleaned. Returns the
// number of entries deleted.
long CleanLibrary(const std::string& typedPath, ui::Progress& progress);

}  // namespace library
