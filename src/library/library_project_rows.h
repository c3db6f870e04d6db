#pragma once
// All records of one project table read into memory, with values by field name: the library write reads
// small member tables several times over and matches them against each other.
#include <string>
#include <vector>

#include "platform/dao/database.h"
#include "platform/dao/value.h"

namespace library {

class ProjectRows {
public:
    // A table the project does not have reads as no records: the project simply has no such members.
    // `orderBy` names a field to sort by, empty for the stored order.
    ProjectRows(dao::Database& db, const std::string& table, const std::string& orderBy = {});

    std::size_t size() const { return records_.size(); }
    int fieldCount() const { return static_cast<int>(fields_.size()); }
    const dao::Value& value(std::size_t record, int field) const { return records_.at(record).at(field); }
    // Raises kErrItemNotFound naming the table and field when the table has no such field.
    const dao::Value& value(std::size_t record, const std::string& field) const;

private:
    std::string table_;
    std::vector<std::string> fields_;
    std::vector<std::vector<dao::Value>> records_;
};

}  // namespace library
