#pragma once
// A table or query read once into memory, with lookups of the first record whose field equals a value:
// the interface writers look up the members of thousands of piers without reading a table twice, and the
// library write matches small member tables against each other.
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/dao/database.h"
#include "platform/dao/value.h"

namespace projectdb {

// Lets the maps below find a name given as a literal without building a string first.
struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
};
template <class T>
using NameMap = std::unordered_map<std::string, T, NameHash, std::equal_to<>>;

class TableSnapshot {
public:
    using Record = std::vector<dao::Value>;

    // No fields and no records: a table the project does not have, where that means no such members.
    TableSnapshot() = default;
    // Reads every record of `source` (a table name or SQL text). Raises dao::DaoException.
    TableSnapshot(dao::Database& db, const std::string& source);

    std::size_t size() const { return records_.size(); }
    std::size_t fieldCount() const { return fieldCount_; }
    const Record& record(std::size_t index) const;  // raises kErrNoCurrentRecord past the end
    // The value of the named field (ASCII letters in any case); raises kErrItemNotFound for a field the
    // table lacks.
    const dao::Value& field(const Record& record, std::string_view name) const;
    // The position of the named field (ASCII letters in any case); -1 when the table lacks it.
    int position(std::string_view name) const;
    // The value at a field position; raises kErrItemNotFound past the last field.
    const dao::Value& at(const Record& record, std::size_t position) const;
    // The first record whose `fieldName` equals `key` (numbers compared as numbers, texts whole); raises
    // kErrNoCurrentRecord when there is none.
    const Record& firstWhere(std::string_view fieldName, const dao::Value& key);
    // The records ordered by a numeric field, equal values in stored order.
    std::vector<const Record*> sortedBy(const std::string& fieldName) const;

private:
    int indexOf(std::string_view name) const;
    std::string sql_;
    std::size_t fieldCount_ = 0;
    NameMap<int> fieldIndex_;  // the stored names, and their ASCII letters in lower case
    std::vector<Record> records_;
    std::unordered_map<int, std::unordered_map<std::string, std::size_t>> keyIndex_;
};

// Snapshots shared by all blocks of one file, each read at its first use.
class SnapshotCache {
public:
    explicit SnapshotCache(dao::Database& db) : db_(db) {}
    TableSnapshot& get(std::string_view source);

private:
    dao::Database& db_;
    NameMap<std::unique_ptr<TableSnapshot>> snapshots_;
};

}  // namespace projectdb
