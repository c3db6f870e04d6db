#include "browse/grid_source.h"

#include <sqlite3.h>

#include <algorithm>
#include <unordered_map>
#include <string_view>
#include <unordered_set>
#include <utility>

#include "platform/dao/recordset.h"
#include "platform/dao/sql.h"
#include "projectdb/variant_text.h"

namespace browse {

namespace {

// Ties in the first field keep the stored order, as a plain read ordered by it shows them.
std::string OrderSql(const std::string& table, const std::string& firstField) {
    const std::string first = dao::QuoteIdentifier(firstField);
    return "Select rowid, " + first + " From " + dao::QuoteIdentifier(table) + " Order By " + first + ", rowid";
}

RecordOrder ReadOrder(dao::Database& db, const std::string& sql) {
    RecordOrder order;
    dao::Recordset set(db);
    set.Open(sql, dao::dbOpenForwardOnly);
    for (; !set.IsEOF(); set.MoveNext()) {
        order.rowids.push_back(static_cast<std::int64_t>(set.GetFieldValue(0).toDouble()));
        order.firstValues.push_back(projectdb::VariantToText(set.GetFieldValue(1)));
    }
    return order;
}

// The first records as stored: read without touching the rest of the table.
std::string StoredPageSql(const std::string& table, const std::string& firstField) {
    return "Select rowid, " + dao::QuoteIdentifier(firstField) + " From " + dao::QuoteIdentifier(table) +
           " Order By rowid Limit " + std::to_string(sheet::SheetData::kPageRows);
}

// Whether SQLite reads `sql` in its order by an index (or the rowid) rather than sorting every record
// first: the plan then has no temporary b-tree for the ORDER BY.
bool ReadsInOrder(dao::Database& db, const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    bool sorts = true;
    if (sqlite3_prepare_v2(db.handle(), ("Explain Query Plan " + sql).c_str(), -1, &stmt, nullptr) == SQLITE_OK) {
        sorts = false;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            const auto* detail = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3));
            if (detail && std::string_view(detail).find("TEMP B-TREE FOR ORDER BY") != std::string_view::npos)
                sorts = true;
        }
    }
    sqlite3_finalize(stmt);
    return !sorts;
}

int CountRecords(dao::Database& db, const std::string& table) {
    dao::Recordset set(db);
    set.Open("Select Count(*) From " + dao::QuoteIdentifier(table), dao::dbOpenForwardOnly);
    return set.IsEOF() ? 0 : static_cast<int>(set.GetFieldValue(0).toDouble());
}

}  // namespace

RecordOrder JoinOrder(RecordOrder page, RecordOrder whole, int count) {
    if (whole.rowids.size() >= page.rowids.size() &&
        std::equal(page.rowids.begin(), page.rowids.end(), whole.rowids.begin())) {
        // Nobody wrote in between (the usual case): the whole order as it is, without copying a million texts.
        whole.rowids.resize(count, -1);
        whole.firstValues.resize(count);
        return whole;
    }
    std::unordered_set<std::int64_t> shown(page.rowids.begin(), page.rowids.end());
    RecordOrder joined = std::move(page);
    for (std::size_t i = 0; i < whole.rowids.size() && static_cast<int>(joined.rowids.size()) < count; ++i) {
        if (shown.count(whole.rowids[i])) continue;
        joined.rowids.push_back(whole.rowids[i]);
        joined.firstValues.push_back(std::move(whole.firstValues[i]));
    }
    joined.rowids.resize(count, -1);
    joined.firstValues.resize(count);
    return joined;
}

TableRowSource::TableRowSource(dao::Database& db, std::string table, const std::vector<dao::FieldInfo>& fields)
    : db_(db), table_(std::move(table)), fieldCount_(static_cast<int>(fields.size())) {
    if (fields.empty()) return;
    firstField_ = fields.front().m_strName;
    order_ = ReadOrder(db_, OrderSql(table_, firstField_));
    count_ = static_cast<int>(order_.rowids.size());
}

TableRowSource::TableRowSource(dao::Database& db, std::string table, const std::vector<dao::FieldInfo>& fields,
                               const std::string& path, int sortNowUpTo)
    : db_(db), table_(std::move(table)), fieldCount_(static_cast<int>(fields.size())) {
    if (fields.empty()) return;
    firstField_ = fields.front().m_strName;
    if (path.empty() || sqlite3_get_autocommit(db_.handle()) == 0) {
        // Another connection would not see what this one has written but not committed: read it all here.
        order_ = ReadOrder(db_, OrderSql(table_, firstField_));
        count_ = static_cast<int>(order_.rowids.size());
        return;
    }
    // The worker counts the records while this thread reads the first page, then reads the whole order.
    std::promise<int> counted;
    std::future<int> count = counted.get_future();
    pending_ = std::async(std::launch::async, [path, sql = OrderSql(table_, firstField_), table = table_,
                                               stop = stop_, start = start_, counted = std::move(counted)]() mutable {
        std::unique_ptr<dao::Database> beside;
        try {
            beside = dao::Database::Open(path, /*readOnly=*/true);
            // Counting and sorting visit every page of the table: mapped, they are read without a copy each.
            // The mapping goes with the connection when the order is in.
            sqlite3_exec(beside->handle(), "PRAGMA mmap_size = 1073741824", nullptr, nullptr, nullptr);
            // The sort runs before the first row comes back: SQLite asks now and then whether to go on.
            sqlite3_progress_handler(
                beside->handle(), 10000,
                [](void* flag) { return static_cast<std::atomic<bool>*>(flag)->load() ? 1 : 0; }, stop.get());
            counted.set_value(CountRecords(*beside, table));
        } catch (...) {
            counted.set_exception(std::current_exception());
            throw;
        }
        {
            std::unique_lock lock(start->mutex);
            start->opened.wait(lock, [&] { return start->open; });
        }
        return ReadOrder(*beside, sql);
    });
    const std::string sortedPage =
        OrderSql(table_, firstField_) + " Limit " + std::to_string(sheet::SheetData::kPageRows);
    const bool indexed = ReadsInOrder(db_, sortedPage);
    order_ = ReadOrder(db_, indexed ? sortedPage : StoredPageSql(table_, firstField_));
    try {
        count_ = count.get();
    } catch (const std::exception&) {
        count_ = CountRecords(db_, table_);  // the file could not be opened beside: the order comes from `db`
    }
    if (!indexed) {
        // A small table is sorted at once; a large one shows its stored records until the order is in.
        if (count_ <= sortNowUpTo)
            order_ = ReadOrder(db_, sortedPage);
        else
            provisional_ = true;
    }
    // Records added between the two reads stay out of the count; removed ones leave the page short.
    count_ = std::max(count_, static_cast<int>(order_.rowids.size()));
}

TableRowSource::~TableRowSource() {
    // A worker still reading gives up at once (its read fails) instead of holding up the next table.
    stop_->store(true);
    startOrder();
}

void TableRowSource::startOrder() const {
    {
        std::lock_guard lock(start_->mutex);
        start_->open = true;
    }
    start_->opened.notify_all();
}

bool TableRowSource::orderReady() const {
    startOrder();  // whoever waits for it, it is no longer held back
    return pending_.valid() && pending_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

void TableRowSource::completeOrder() const {
    if (!pending_.valid()) return;
    startOrder();
    RecordOrder whole;
    try {
        whole = pending_.get();
    } catch (const std::exception&) {
        whole = ReadOrder(db_, OrderSql(table_, firstField_));  // the worker could not read: read it here
    }
    if (!provisional_) {
        order_ = JoinOrder(std::move(order_), std::move(whole), count_);
        return;
    }
    // The stored records shown first give way to the grid's order; when the table was stored in that order
    // (the usual case) no position changes.
    provisional_ = false;
    movedUnseen_ = whole.rowids.size() < order_.rowids.size() ||
                   !std::equal(order_.rowids.begin(), order_.rowids.end(), whole.rowids.begin());
    whole.rowids.resize(count_, -1);
    whole.firstValues.resize(count_);
    order_ = std::move(whole);
}

bool TableRowSource::settle() {
    if (provisional_) completeOrder();
    return std::exchange(movedUnseen_, false);
}

const RecordOrder& TableRowSource::known(int position) const {
    if (position >= static_cast<int>(order_.rowids.size())) completeOrder();
    return order_;
}

void TableRowSource::setFirstValue(int position, std::string value) {
    known(position);
    order_.firstValues[position] = std::move(value);
}

void TableRowSource::markDeleted(int position) {
    known(position);
    order_.rowids[position] = -1;
}

int TableRowSource::adopt(std::int64_t rowid, std::string firstValue) {
    completeOrder();
    order_.rowids.push_back(rowid);
    order_.firstValues.push_back(std::move(firstValue));
    return count_++;
}

sheet::Table TableRowSource::read(int first, int count) {
    if (count > 0) known(first + count - 1);
    sheet::Table rows(std::max(0, count));
    std::unordered_map<std::int64_t, int> at;  // rowid -> index in `rows`
    std::string ids;
    for (int i = 0; i < count; ++i) {
        const std::int64_t id = order_.rowids[first + i];
        if (id < 0) continue;
        at.emplace(id, i);
        if (!ids.empty()) ids += ',';
        ids += std::to_string(id);
    }
    if (ids.empty()) return rows;
    try {
        dao::Recordset set(db_);
        set.Open("Select rowid, * From " + dao::QuoteIdentifier(table_) + " Where rowid In (" + ids + ")",
                 dao::dbOpenForwardOnly);
        const int n = std::min(fieldCount_, set.GetFieldCount() - 1);
        for (; !set.IsEOF(); set.MoveNext()) {
            auto it = at.find(static_cast<std::int64_t>(set.GetFieldValue(0).toDouble()));
            if (it == at.end()) continue;
            auto& cells = rows[it->second];
            cells.resize(n);
            for (int c = 0; c < n; ++c) cells[c] = projectdb::VariantToText(set.GetFieldValue(c + 1));
        }
    } catch (const dao::DaoException&) {
        // The rows that could not be read show empty; the grid keeps the rest.
    }
    return rows;
}

}  // namespace browse
