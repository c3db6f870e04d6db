#pragma once
// SQL text as the system writes it (the Jet dialect) turned into SQL that SQLite runs the same way.
#include <string>
#include <string_view>

namespace dao {

// Double-quoted string literals become single-quoted ones (inner single quotes doubled, doubled double quotes
// undone); bracketed identifiers, single-quoted literals and everything else stay as written.
std::string TranslateJetSql(std::string_view jet);

// The one way to put a name into SQL text: in square brackets. A name that holds ']' is quoted with
// back quotes instead, with inner back quotes doubled.
std::string QuoteIdentifier(std::string_view name);

// "Select * From [table]": every record of a table in the order it was added.
std::string SelectAllFrom(std::string_view table);
// "Select * From [table] ORDER BY [table].[field];".
std::string SelectAllOrderedBy(std::string_view table, std::string_view field);

// A text value as an SQL literal, single-quoted with inner quotes doubled.
std::string QuoteLiteral(std::string_view value);

}  // namespace dao
