#pragma once
// A project table as the record editor shows it: every record as one row of texts, and the way back, from
// the rows the user accepted to the table's records.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "kit/module_kit.h"

namespace modulekit {

// What a design module says about one of its tables besides its fields.
struct SheetSpec {
    const projectdb::TableSchema* schema = nullptr;  // the fields a missing table is made with
    std::vector<std::string> required;               // fields that must not be left empty
    std::string sortBy;      // a numeric field the rows are written in ascending order of (a stake), or empty
    bool rowsFixed = false;  // the table holds a set number of records (one): the user edits, never adds
    // The rows replace only the records under their own keys (the first field: a span, a member type, a
    // support); every other record of the table stays. Fields the schema has and an older table lacks are
    // added first. Otherwise the rows replace the whole table.
    bool keyed = false;
};

// A field value as the sheet shows it: null as an empty cell, a number in as few digits as read back the
// same, text as it is.
std::string CellText(const dao::Value& value);

// The table's records in the order they were added. The fields are those of the table as it stands, so that
// a field another program added survives the rewrite; a missing table gives the schema's fields and no rows.
// Column headers are the grid captions the schema names.
ui::ProposedTable ReadSheet(dao::Database& db, const projectdb::TableSchema& schema);

// The first reason the rows cannot be written, in words the user reads, or empty: a number field holding
// text that is not a number, a whole-number field holding a fraction, a required field left empty. Rows the
// user left wholly empty are not checked; they are dropped when written.
std::string CheckSheet(const ui::ProposedTable& sheet, const std::vector<dao::FieldInfo>& fields,
                       const std::vector<std::string>& required);

// The fields the rows are written to: those of the table when it is there, else the schema's.
std::vector<dao::FieldInfo> SheetFields(dao::Database& db, const projectdb::TableSchema& schema);

// A module's own check of the accepted rows (a size that cannot work with the rest), run after every cell
// has passed CheckSheet: the reason in words the user reads, or empty.
using RowsCheck = std::function<std::string(const std::vector<ui::ProposedTable>&)>;

// Shows the proposal through the module's record editor and writes what the user accepted: every table of
// the request is made when missing and its records are replaced by the rows, all in one transaction. Rows
// that cannot be written are told to the user, who may correct them; an editor that gives back its rows
// unchanged is not asked again. False when nothing was written (Cancel, or rows left wrong).
// `specs` pairs with `request.tables`. A database failure raises dao::DaoException and writes nothing.
// `complete`, when given, fills in what follows from the accepted rows (a count, a total) just before they
// are written.
// `check`, when given, is the module's own check after the cells' (a refusal is told like theirs).
// `alsoWrite`, when given, writes what follows from the accepted design elsewhere in the project, in the same
// transaction as the rows.
bool EditAndWrite(dao::Database& db, ui::EditRequest& request, const std::vector<SheetSpec>& specs,
                  const std::function<void(std::vector<ui::ProposedTable>&)>& complete = {},
                  const RowsCheck& check = {}, const std::function<void(dao::Database&)>& alsoWrite = {});

// Rows made from records: each value in the column of its field, every other cell empty.
void AppendRecords(ui::ProposedTable& sheet, const std::vector<Record>& records);

// One table through the editor: its records, or `defaults` when it holds none (a missing table holds none).
bool EditTable(dao::Database& db, const SheetSpec& spec, const std::string& title, const std::string& note,
               const std::vector<Record>& defaults);

// The number in a cell, or none for an empty cell or one that is not a number (pictures skip such cells).
std::optional<double> CellNumber(const ui::ProposedTable& sheet, std::size_t row, const std::string& field);
std::optional<double> CellNumber(const std::string& cell);

}  // namespace modulekit
