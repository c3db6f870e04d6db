#include "projectdb/table_snapshot.h"

#include <algorithm>

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "platform/text/cformat.h"

namespace projectdb {
namespace {

std::string Folded(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

// Numbers compare as numbers, so that the span 3 finds a record whose long field holds 3 and whose
// double field holds 3.0 alike.
std::string KeyText(const dao::Value& value) {
    if (value.isNull()) return {};
    if (value.isNumber()) return "n" + text::FormatFixed(value.toDouble(), 9);
    return "t" + value.toString();
}

}  // namespace

TableSnapshot::TableSnapshot(dao::Database& db, const std::string& source) {
    sql_ = source.find(' ') == std::string::npos ? dao::SelectAllFrom(source) : source;
    dao::Recordset set(db);
    set.Open(sql_, dao::dbOpenForwardOnly);
    fieldCount_ = static_cast<std::size_t>(set.GetFieldCount());
    for (int i = 0; i < set.GetFieldCount(); ++i) {
        fieldIndex_.emplace(set.GetFieldInfo(i).m_strName, i);
        fieldIndex_.emplace(Folded(set.GetFieldInfo(i).m_strName), i);
    }
    while (!set.IsEOF()) {
        Record record;
        record.reserve(set.GetFieldCount());
        for (int i = 0; i < set.GetFieldCount(); ++i) record.push_back(set.GetFieldValue(i));
        records_.push_back(std::move(record));
        set.MoveNext();
    }
}

const TableSnapshot::Record& TableSnapshot::record(std::size_t index) const {
    if (index >= records_.size()) throw dao::DaoException(dao::kErrNoCurrentRecord, "No current record.");
    return records_[index];
}

int TableSnapshot::position(std::string_view name) const {
    auto found = fieldIndex_.find(name);
    if (found == fieldIndex_.end()) found = fieldIndex_.find(Folded(name));
    return found == fieldIndex_.end() ? -1 : found->second;
}

int TableSnapshot::indexOf(std::string_view name) const {
    const int found = position(name);
    if (found < 0)
        throw dao::DaoException(dao::kErrItemNotFound, "Item not found in this collection: " + std::string(name));
    return found;
}

const dao::Value& TableSnapshot::field(const Record& record, std::string_view name) const {
    return record[indexOf(name)];
}

const dao::Value& TableSnapshot::at(const Record& record, std::size_t position) const {
    if (position >= record.size()) throw dao::DaoException(dao::kErrItemNotFound, "Item not found in this collection.");
    return record[position];
}

const TableSnapshot::Record& TableSnapshot::firstWhere(std::string_view fieldName, const dao::Value& key) {
    int column = indexOf(fieldName);
    auto [index, built] = keyIndex_.try_emplace(column);
    if (built)
        for (std::size_t i = 0; i < records_.size(); ++i)
            if (!records_[i][column].isNull()) index->second.try_emplace(KeyText(records_[i][column]), i);
    auto found = index->second.find(KeyText(key));
    if (key.isNull() || found == index->second.end())
        throw dao::DaoException(dao::kErrNoCurrentRecord, "No current record.");
    return records_[found->second];
}

std::vector<const TableSnapshot::Record*> TableSnapshot::sortedBy(const std::string& fieldName) const {
    int column = indexOf(fieldName);
    std::vector<const Record*> sorted;
    for (const Record& record : records_) sorted.push_back(&record);
    // Null sorts first, as in SQL.
    std::stable_sort(sorted.begin(), sorted.end(), [column](const Record* a, const Record* b) {
        const dao::Value &x = (*a)[column], &y = (*b)[column];
        if (x.isNull() || y.isNull()) return x.isNull() && !y.isNull();
        return x.toDouble() < y.toDouble();
    });
    return sorted;
}

TableSnapshot& SnapshotCache::get(std::string_view source) {
    auto found = snapshots_.find(source);
    if (found != snapshots_.end()) return *found->second;
    auto snapshot = std::make_unique<TableSnapshot>(db_, std::string(source));
    return *snapshots_.emplace(std::string(source), std::move(snapshot)).first->second;
}

}  // namespace projectdb
