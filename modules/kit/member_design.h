#pragma once
// The one way a design module proposes member records, lets the user edit them, checks them and writes
// them. Every member table is keyed by its first field (a span number, a member type, a cross-section
// position or a support number): a proposal holds one row per key, the record already stored under that key
// where there is one (so that running a design again shows what the user has), the module's default
// otherwise. Writing replaces the records of the proposed keys and keeps every other record.
#include <string>
#include <vector>

#include "kit/module_kit.h"
#include "kit/record_sheet.h"

namespace modulekit {

struct TableProposal {
    projectdb::TableSchema schema;  // the table with every field the module writes
    std::vector<Record> defaults;   // one per key, in the order the rows are shown
};

// The rows to show: fields in schema order, each value as the grid shows it.
ui::ProposedTable Propose(dao::Database& db, const TableProposal& proposal);

struct DesignOutcome {
    bool accepted = false;
    long written = 0;  // records written
};

// Propose → edit → check → write: shows the proposals in the module's record editor; checks every cell (a
// number field holding text that is not a number is refused, naming the cell), then the module's `check`;
// on OK writes every table in one transaction, so that a failure leaves the project as it was. Cancel, or
// rows left wrong, write nothing. `plots` draws the pictures beside the rows. `derive` fills in the cells
// that follow from others (a body height from its cap), before the rows are shown and again before they are
// checked and written, so that what is written is what the rule gives. `alsoWrite` writes what follows
// elsewhere in the project, in the same transaction.
using RowsDerive = std::function<void(std::vector<ui::ProposedTable>&)>;
DesignOutcome ProposeAndWrite(dao::Database& db, const std::string& title, const std::string& note,
                              const std::vector<TableProposal>& proposals, ui::PlotMaker plots = {},
                              const RowsCheck& check = {}, const RowsDerive& derive = {},
                              const std::function<void(dao::Database&)>& alsoWrite = {});

// "%.12g": a value as the user would type it, without the digits a double adds.
std::string NumberText(double value);

}  // namespace modulekit
