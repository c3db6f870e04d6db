#pragma once
// What the central tables say about the bridge, as design modules start their proposals from it. A table
// or a value the project does not have yet is none; a table that is there but cannot be read raises
// dao::DaoException, so that a proposal is never built on a failed read.
#include <optional>
#include <string>
#include <vector>

#include "platform/dao/database.h"

namespace modulekit {

// The first record's value of a numeric field, none when the table, the field, the record or the value is
// missing or the value is not a number.
std::optional<double> FirstNumber(dao::Database& db, const std::string& table, const std::string& field);

// The stakes of the support lines (下构布置信息表) in support order; empty without a layout.
std::vector<double> SupportStakes(dao::Database& db);

// The deck width: the whole bridge's, else the two halves together; none when the general information gives
// none.
std::optional<double> DeckWidth(dao::Database& db);

}  // namespace modulekit
