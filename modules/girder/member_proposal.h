#pragma once
// Proposing member records for the user to confirm, and writing the confirmed ones. Every member table is
// keyed by its first field (a span number, a type name, a cross-section position or a support number): a
// proposal holds one row per key, the record already stored under that key where there is one (so that
// running a design again shows what the user has), the module's default otherwise. Writing replaces the
// records of the proposed keys and keeps every other record.
#include <string>
#include <vector>

#include "kit/module_kit.h"

namespace members {

struct TableProposal {
    projectdb::TableSchema schema;            // the table with every field the module writes
    std::vector<modulekit::Record> defaults;  // one per key, in the order the rows are shown
};

// The rows to show: fields in schema order, each value as the grid shows it.
ui::ProposedTable Propose(dao::Database& db, const TableProposal& proposal);

// Creates the table when missing (and adds the schema's fields an older table lacks), then replaces the
// records of the rows' keys with the rows. Numbers typed by the user are read as atof/atol read them; an
// empty number is stored as null.
void WriteRows(dao::Database& db, const projectdb::TableSchema& schema, const ui::ProposedTable& rows);

struct DesignOutcome {
    bool accepted = false;
    long written = 0;  // records written
};

// Shows the proposals in the module's record editor; on OK writes every table in one transaction, so that
// a failure leaves the project as it was. Cancel writes nothing. `plots` draws the pictures beside the rows.
DesignOutcome ProposeAndWrite(dao::Database& db, const std::string& title, const std::string& note,
                              const std::vector<TableProposal>& proposals, ui::PlotMaker plots = {});

// "%.12g": a value as the user would type it, without the digits a double adds.
std::string NumberText(double value);

}  // namespace members
