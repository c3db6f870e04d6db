#pragma once
// Appends the records of one route section to its project table. Values are handed over as text, as the
// importer formats them, and the database layer converts them to the field's type. The record set is
// renewed every few thousand records, so that memory stays the same however long the section is.
#include <memory>
#include <string>

#include "platform/dao/database.h"
#include "platform/dao/recordset.h"

namespace exchange {

class RouteTableWriter {
public:
    RouteTableWriter(dao::Database& db, std::string table) : db_(db), table_(std::move(table)) {}

    // Creates the table with its route fields when the project has none of that name, then deletes all
    // its records.
    void prepare();

    // The position of a field of the table; raises kErrItemNotFound when the table has no such field.
    int field(const std::string& name);
    int fieldCount() const { return set_ ? set_->GetFieldCount() : 0; }

    void addNew();
    void set(int field, std::string text);  // raises kErrItemNotFound for a position beyond the fields
    void setNull(int field);
    void update();

    long written() const { return written_; }

private:
    void openSet();

    dao::Database& db_;
    std::string table_;
    std::unique_ptr<dao::Recordset> set_;
    long inSet_ = 0;
    long written_ = 0;
};

}  // namespace exchange
