#pragma once
// The records of one table as the rows of a lazy grid: the grid's order (by the first field) is read once,
// as the rowid of each record with its first value; the records themselves are read a page at a time by
// rowid, only when the grid shows or needs them.
//
// Sorting a million records by a field without an index takes seconds, and the grid must not write an
// index into the user's file. So a source opened "beside" shows its first page at once and reads the whole
// order on a read-only connection of its own (a worker thread). The first page comes by the index when the
// first field has one (it is then final); otherwise, for a large table, it is the first records as stored,
// and the whole order, once in, puts the records sorted (settle()). Nothing may tie a row to a position of
// that provisional page before then: the sheet settles the order before its first edit and before it reads
// past the page.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/dao/database.h"
#include "platform/dao/field.h"
#include "platform/spreadsheet/sheet_data.h"

namespace browse {

// The grid's order of a table: rowid and first value (as text) by position.
struct RecordOrder {
    std::vector<std::int64_t> rowids;
    std::vector<std::string> firstValues;
};

// Joins the first page already shown with the whole order read later: the page's positions keep their
// records, the rest follow in the whole order's sequence without the page's records, and the result has
// exactly `count` positions (the count the grid shows; a record removed meanwhile pads as -1, one added
// meanwhile beyond the count is left out). When nobody wrote the table in between, this is `whole`.
RecordOrder JoinOrder(RecordOrder page, RecordOrder whole, int count);

class TableRowSource : public sheet::RowSource {
public:
    // Reads the whole order now; a database error raises dao::DaoException.
    TableRowSource(dao::Database& db, std::string table, const std::vector<dao::FieldInfo>& fields);
    // Reads the first page of the order and the record count now, and the whole order beside on a
    // read-only connection to the file at `path` (or on `db` later, should that fail).
    // Up to `sortNowUpTo` records the first page is sorted now (a quick read), so it is never provisional.
    static constexpr int kSortNowRows = 50000;
    TableRowSource(dao::Database& db, std::string table, const std::vector<dao::FieldInfo>& fields,
                   const std::string& path, int sortNowUpTo = kSortNowRows);
    ~TableRowSource() override;

    int rowCount() const override { return count_; }
    // Each record as the texts of its fields (VariantToText); a record deleted since reads as empty cells.
    sheet::Table read(int first, int count) override;

    const std::string& table() const { return table_; }
    // These take in the whole order first when a position past the first page asks for it.
    std::int64_t rowid(int position) const { return known(position).rowids[position]; }
    // The first value of a position as read (or as a save last wrote it).
    const std::string& firstValue(int position) const { return known(position).firstValues[position]; }
    bool isDeleted(int position) const { return rowid(position) < 0; }

    // Whether the whole order is still being read / has been read and waits to be taken in.
    bool orderPending() const { return pending_.valid(); }
    bool orderReady() const;
    // The worker counts the records, then waits with the sort until the first screen is shown (so that the
    // two do not share the processor) or until anything asks for the order.
    void startOrder() const;
    // Takes in the whole order, waiting for the worker when it has not finished.
    void completeOrder() const;
    // Whether the positions of the first page shown are the records as stored, not yet in the grid's order.
    bool orderProvisional() const { return provisional_; }
    int provisionalRows() const override { return provisional_ ? static_cast<int>(order_.rowids.size()) : 0; }
    // Takes in the whole order when the first page is provisional; true when positions already shown now
    // mean other records (also when a look-up past the page took the order in since the last call).
    bool settle() override;

    // What a save did, so that the next save starts from the table as it is now.
    void setFirstValue(int position, std::string value);
    void markDeleted(int position);
    int adopt(std::int64_t rowid, std::string firstValue);  // a record the save added: its new position

private:
    const RecordOrder& known(int position) const;
    RecordOrder readOrder(const std::string& limit) const;

    dao::Database& db_;
    std::string table_;
    std::string firstField_;
    int fieldCount_ = 0;
    int count_ = 0;
    // Positions in `order_` past the first page are valid once the whole order is in. Mutable: taking it in
    // changes no position's meaning, so a const look-up may do it.
    mutable RecordOrder order_;
    mutable std::future<RecordOrder> pending_;
    mutable bool provisional_ = false;
    mutable bool movedUnseen_ = false;
    std::shared_ptr<std::atomic<bool>> stop_ = std::make_shared<std::atomic<bool>>(false);
    struct Gate {
        std::mutex mutex;
        std::condition_variable opened;
        bool open = false;
    };
    std::shared_ptr<Gate> start_ = std::make_shared<Gate>();
};

}  // namespace browse
