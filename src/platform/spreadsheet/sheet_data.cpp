#include "platform/spreadsheet/sheet_data.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace sheet {

// ---- CellRow ----------------------------------------------------------------------------------------
// buf_ = [uint32 count][uint32 end offset of each cell, relative to the texts][texts]; null when the count is 0.

namespace {

std::uint32_t ReadU32(const char* buf, std::size_t pos) {
    std::uint32_t v;
    std::memcpy(&v, buf + pos, sizeof v);
    return v;
}

void WriteU32(char* buf, std::size_t pos, std::uint32_t v) { std::memcpy(buf + pos, &v, sizeof v); }

}  // namespace

CellRow::CellRow(const std::vector<std::string>& cells, int maxCells) {
    std::vector<std::string_view> views;
    int n = std::min<int>(static_cast<int>(cells.size()), maxCells);
    views.reserve(n);
    for (int i = 0; i < n; ++i) views.emplace_back(cells[i]);
    rebuild(views);
}

CellRow::CellRow(const CellRow& other) { *this = other; }

CellRow& CellRow::operator=(const CellRow& other) {
    if (this == &other) return *this;
    const std::size_t size = other.byteSize();
    std::unique_ptr<char[]> copy;
    if (size > 0) {
        copy = std::make_unique_for_overwrite<char[]>(size);
        std::memcpy(copy.get(), other.buf_.get(), size);
    }
    buf_ = std::move(copy);
    return *this;
}

std::size_t CellRow::byteSize() const {
    const int n = count();
    return n == 0 ? 0 : 4 * (static_cast<std::size_t>(n) + 1) + ReadU32(buf_.get(), 4 * static_cast<std::size_t>(n));
}

int CellRow::count() const { return buf_ ? static_cast<int>(ReadU32(buf_.get(), 0)) : 0; }

std::string_view CellRow::cell(int index) const {
    int n = count();
    if (index < 0 || index >= n) return {};
    std::size_t texts = 4 * (static_cast<std::size_t>(n) + 1);
    std::uint32_t begin = index == 0 ? 0 : ReadU32(buf_.get(), 4 * static_cast<std::size_t>(index));
    std::uint32_t end = ReadU32(buf_.get(), 4 * (static_cast<std::size_t>(index) + 1));
    return std::string_view(buf_.get() + texts + begin, end - begin);
}

std::vector<std::string_view> CellRow::cells() const {
    std::vector<std::string_view> out;
    int n = count();
    out.reserve(n);
    for (int i = 0; i < n; ++i) out.push_back(cell(i));
    return out;
}

void CellRow::rebuild(const std::vector<std::string_view>& cells) {
    std::size_t n = cells.size();
    while (n > 0 && cells[n - 1].empty()) --n;  // trailing empty cells take no room
    if (n == 0) {
        buf_.reset();
        return;
    }
    std::size_t total = 0;
    for (std::size_t i = 0; i < n; ++i) total += cells[i].size();
    auto out = std::make_unique_for_overwrite<char[]>(4 * (n + 1) + total);
    char* const bytes = out.get();
    WriteU32(bytes, 0, static_cast<std::uint32_t>(n));
    std::size_t at = 4 * (n + 1);
    std::uint32_t end = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (!cells[i].empty()) std::memcpy(bytes + at + end, cells[i].data(), cells[i].size());
        end += static_cast<std::uint32_t>(cells[i].size());
        WriteU32(bytes, 4 * (i + 1), end);
    }
    buf_.swap(out);
}

void CellRow::setCell(int index, std::string_view text) {
    if (index < 0) return;
    if (index >= count() && text.empty()) return;
    auto all = cells();
    if (static_cast<int>(all.size()) <= index) all.resize(index + 1);
    all[index] = text;
    rebuild(all);
}

// rebuild() writes a new buffer before it lets go of the old one, so views into buf_ stay valid meanwhile.
void CellRow::insertCells(int index, int n) {
    if (n <= 0 || index >= count()) return;
    auto all = cells();
    all.insert(all.begin() + std::max(0, index), n, std::string_view());
    rebuild(all);
}

void CellRow::removeCells(int index, int n) {
    int c = count();
    if (n <= 0 || index >= c) return;
    auto all = cells();
    index = std::max(0, index);
    all.erase(all.begin() + index, all.begin() + std::min(c, index + n));
    rebuild(all);
}

void CellRow::truncate(int n) {
    if (n >= count()) return;
    auto all = cells();
    all.resize(std::max(0, n));
    rebuild(all);
}

bool CellRow::isBlank() const { return !buf_; }

int CellRow::lastUsedCell() const { return count() - 1; }  // trailing empties are never stored

static std::vector<std::string> RowTexts(const CellRow& row, int cols) {
    std::vector<std::string> out(std::max(0, cols));
    int n = std::min(row.count(), cols);
    for (int i = 0; i < n; ++i) out[i] = row.cell(i);
    return out;
}

// ---- SheetData ----------------------------------------------------------------------------------------

SheetData::SheetData() : rows_(1) {}

void SheetData::setRowCount(int rows) {
    rows = std::max(0, rows);
    rows_.resize(rows);  // added rows are own and empty
    rowCount_ = rows;
    rowHeaders_.erase(rowHeaders_.upper_bound(rows), rowHeaders_.end());
}

void SheetData::setColumnCount(int cols) {
    cols = std::max(0, cols);
    forgetCachedPages();  // pages are cut to the column count they were read with
    if (cols < columnCount_) {
        for (auto& r : rows_) {
            r.cells.truncate(cols);
            if (r.dropDowns) r.dropDowns->erase(r.dropDowns->upper_bound(cols), r.dropDowns->end());
        }
        columnHeaders_.erase(columnHeaders_.upper_bound(cols), columnHeaders_.end());
        columnHeadings_.erase(columnHeadings_.upper_bound(cols), columnHeadings_.end());
        columnWidths_.erase(columnWidths_.upper_bound(cols), columnWidths_.end());
        columnDropDowns_.erase(columnDropDowns_.upper_bound(cols), columnDropDowns_.end());
    }
    columnCount_ = cols;
}

std::string_view SheetData::text(int row, int col) const {
    if (!inside(row, col)) return {};
    return cellsOf(row).cell(col - 1);
}

void SheetData::setText(int row, int col, std::string_view utf8) {
    settleSource();
    if (!inside(row, col)) return;
    ownCells(row).setCell(col - 1, utf8);
}

void SheetData::setRow(int row, const std::vector<std::string>& cells) {
    settleSource();
    if (row < 1 || row > rowCount_) return;
    takeOwnership(rows_[row - 1]);
    rows_[row - 1].cells = CellRow(cells, columnCount_);
}

std::vector<std::string> SheetData::row(int row) const {
    std::vector<std::string> out;
    out.reserve(columnCount_);
    for (int c = 1; c <= columnCount_; ++c) out.emplace_back(text(row, c));
    return out;
}

void SheetData::clear() {
    settleSource();
    for (auto& r : rows_) {
        takeOwnership(r);
        r.cells = CellRow();
    }
}

Table SheetData::block(const CellRange& range) const {
    Table out;
    int r1 = std::max(1, range.row1), r2 = std::min(rowCount_, range.row2);
    int c1 = std::max(1, range.col1), c2 = std::min(columnCount_, range.col2);
    if (r2 < r1 || c2 < c1) return out;
    out.reserve(r2 - r1 + 1);
    for (int r = r1; r <= r2; ++r) {
        std::vector<std::string> line;
        line.reserve(c2 - c1 + 1);
        for (int c = c1; c <= c2; ++c) line.emplace_back(text(r, c));
        out.push_back(std::move(line));
    }
    return out;
}

void SheetData::setBlock(int row, int col, const Table& cells) {
    settleSource();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        int r = row + static_cast<int>(i);
        if (r < 1 || r > rowCount_) continue;
        std::vector<std::string> line = RowTexts(cellsOf(r), columnCount_);  // one rebuild per row
        for (std::size_t j = 0; j < cells[i].size(); ++j) {
            int c = col + static_cast<int>(j);
            if (c >= 1 && c <= columnCount_) line[c - 1] = cells[i][j];
        }
        takeOwnership(rows_[r - 1]);
        rows_[r - 1].cells = CellRow(line, columnCount_);
    }
}

void SheetData::clearBlock(const CellRange& range) {
    settleSource();
    int r1 = std::max(1, range.row1), r2 = std::min(rowCount_, range.row2);
    int c1 = std::max(1, range.col1), c2 = std::min(columnCount_, range.col2);
    for (int r = r1; r <= r2; ++r) {
        std::vector<std::string> line = RowTexts(cellsOf(r), columnCount_);
        for (int c = c1; c <= c2; ++c) line[c - 1].clear();
        takeOwnership(rows_[r - 1]);
        rows_[r - 1].cells = CellRow(line, columnCount_);
    }
}

int SheetData::lastUsedRow() const {
    // A row still showing its source counts as used: it is a record, and reading it to be sure would
    // read the whole source.
    for (int r = rowCount_; r >= 1; --r)
        if (!rows_[r - 1].own || !rows_[r - 1].cells.isBlank()) return r;
    return 0;
}

int SheetData::lastUsedColumn() const {
    int last = 0;
    for (const auto& r : rows_) {
        if (!r.own) return columnCount_;  // a record of the source: every column counts (see lastUsedRow)
        last = std::max(last, r.cells.lastUsedCell() + 1);
    }
    return last;
}

namespace {

// Moves keys >= from by delta; keys pushed below `from` by a negative delta (the deleted ones) vanish.
template <class V>
void ShiftKeys(std::map<int, V>& m, int from, int delta, int removedUpTo = 0) {
    std::map<int, V> out;
    for (auto& [k, v] : m) {
        if (k < from) {
            out.emplace(k, std::move(v));
        } else if (delta < 0 && k <= removedUpTo) {
            continue;
        } else {
            out.emplace(k + delta, std::move(v));
        }
    }
    m.swap(out);
}

}  // namespace

void SheetData::insert(const CellRange& range, Shift shift) {
    settleSource();
    switch (shift) {
    case Shift::Rows: {
        int n = range.rows();
        if (n <= 0) return;
        int at = std::clamp(range.row1, 1, rowCount_ + 1);
        std::vector<Row> fresh(static_cast<std::size_t>(n));
        rows_.insert(rows_.begin() + (at - 1), std::make_move_iterator(fresh.begin()),
                     std::make_move_iterator(fresh.end()));
        rowCount_ += n;
        return;
    }
    case Shift::Columns: {
        int n = range.cols();
        if (n <= 0) return;
        int at = std::clamp(range.col1, 1, columnCount_ + 1);
        for (int row = 1; row <= rowCount_; ++row) ownCells(row);  // every row moves its cells
        for (auto& r : rows_) {
            r.cells.insertCells(at - 1, n);
            if (r.dropDowns) ShiftKeys(*r.dropDowns, at, n);
        }
        columnCount_ += n;
        ShiftKeys(columnWidths_, at, n);
        ShiftKeys(columnDropDowns_, at, n);
        return;
    }
    case Shift::Down: {
        // The cells of the block's columns move down by its height; the sheet grows by as much so that
        // nothing falls off the end.
        int n = range.rows();
        if (n <= 0 || range.cols() <= 0) return;
        int oldRows = rowCount_;
        setRowCount(rowCount_ + n);
        int c1 = std::max(1, range.col1), c2 = std::min(columnCount_, range.col2);
        for (int r = oldRows; r >= range.row1; --r)
            for (int c = c1; c <= c2; ++c) setText(r + n, c, std::string(text(r, c)));
        clearBlock({range.row1, c1, range.row1 + n - 1, c2});
        return;
    }
    case Shift::Right: {
        int n = range.cols();
        if (n <= 0 || range.rows() <= 0) return;
        int oldCols = columnCount_;
        setColumnCount(columnCount_ + n);
        int r1 = std::max(1, range.row1), r2 = std::min(rowCount_, range.row2);
        for (int r = r1; r <= r2; ++r) {
            std::vector<std::string> line = row(r);
            for (int c = oldCols; c >= range.col1; --c) line[c + n - 1] = line[c - 1];
            for (int c = range.col1; c < range.col1 + n && c <= columnCount_; ++c) line[c - 1].clear();
            takeOwnership(rows_[r - 1]);
            rows_[r - 1].cells = CellRow(line, columnCount_);
        }
        return;
    }
    }
}

void SheetData::remove(const CellRange& range, Shift shift) {
    settleSource();
    switch (shift) {
    case Shift::Rows: {
        int r1 = std::max(1, range.row1), r2 = std::min(rowCount_, range.row2);
        if (r2 < r1) return;
        rows_.erase(rows_.begin() + (r1 - 1), rows_.begin() + r2);
        rowCount_ -= r2 - r1 + 1;
        rowHeaders_.erase(rowHeaders_.upper_bound(rowCount_), rowHeaders_.end());
        return;
    }
    case Shift::Columns: {
        int c1 = std::max(1, range.col1), c2 = std::min(columnCount_, range.col2);
        if (c2 < c1) return;
        int n = c2 - c1 + 1;
        for (int row = 1; row <= rowCount_; ++row) ownCells(row);  // every row moves its cells
        for (auto& r : rows_) {
            r.cells.removeCells(c1 - 1, n);
            if (r.dropDowns) ShiftKeys(*r.dropDowns, c1, -n, c2);
        }
        columnCount_ -= n;
        ShiftKeys(columnWidths_, c1, -n, c2);
        ShiftKeys(columnDropDowns_, c1, -n, c2);
        columnHeaders_.erase(columnHeaders_.upper_bound(columnCount_), columnHeaders_.end());
        columnHeadings_.erase(columnHeadings_.upper_bound(columnCount_), columnHeadings_.end());
        return;
    }
    case Shift::Down: {  // deleting with the cells below moving up
        int r1 = std::max(1, range.row1), r2 = std::min(rowCount_, range.row2);
        int c1 = std::max(1, range.col1), c2 = std::min(columnCount_, range.col2);
        if (r2 < r1 || c2 < c1) return;
        int n = r2 - r1 + 1;
        for (int r = r1; r + n <= rowCount_; ++r)
            for (int c = c1; c <= c2; ++c) setText(r, c, std::string(text(r + n, c)));
        clearBlock({std::max(r1, rowCount_ - n + 1), c1, rowCount_, c2});
        return;
    }
    case Shift::Right: {  // deleting with the cells to the right moving left
        int r1 = std::max(1, range.row1), r2 = std::min(rowCount_, range.row2);
        int c1 = std::max(1, range.col1), c2 = std::min(columnCount_, range.col2);
        if (r2 < r1 || c2 < c1) return;
        int n = c2 - c1 + 1;
        for (int r = r1; r <= r2; ++r) {
            std::vector<std::string> line = row(r);
            line.erase(line.begin() + (c1 - 1), line.begin() + c2);
            line.resize(columnCount_);
            takeOwnership(rows_[r - 1]);
            rows_[r - 1].cells = CellRow(line, columnCount_);
        }
        (void)n;
        return;
    }
    }
}

std::string SheetData::rowHeader(int row) const {
    auto it = rowHeaders_.find(row);
    return it != rowHeaders_.end() ? it->second : std::to_string(row);
}

std::string SheetData::columnHeader(int col) const {
    auto it = columnHeaders_.find(col);
    return it != columnHeaders_.end() ? it->second : ColumnLetters(col);
}

void SheetData::setRowHeader(int row, std::string text) {
    if (row >= 1) rowHeaders_[row] = std::move(text);
}

void SheetData::setColumnHeader(int col, std::string text) {
    if (col < 1) return;
    columnHeaders_[col] = std::move(text);
    columnHeadings_.erase(col);
}

std::string SheetData::columnHeading(int col) const {
    auto it = columnHeadings_.find(col);
    return it != columnHeadings_.end() ? it->second : columnHeader(col);
}

void SheetData::setColumnHeading(int col, std::string text) {
    if (col >= 1) columnHeadings_[col] = std::move(text);
}

void SheetData::resetHeaders() {
    rowHeaders_.clear();
    columnHeaders_.clear();
    columnHeadings_.clear();
    cornerText.clear();
}

int SheetData::columnWidth(int col) const {
    auto it = columnWidths_.find(col);
    return it != columnWidths_.end() ? it->second : 0;
}

void SheetData::setColumnWidth(int col, int pixels) {
    if (col < 1) return;
    if (pixels <= 0)
        columnWidths_.erase(col);
    else
        columnWidths_[col] = pixels;
}

void SheetData::setDropDown(int row, int col, std::string items) {
    if (!inside(row, col)) return;
    auto& r = rows_[row - 1];
    if (items.empty()) {
        if (r.dropDowns) r.dropDowns->erase(col);
        return;
    }
    if (!r.dropDowns) r.dropDowns = std::make_unique<std::map<int, std::string>>();
    (*r.dropDowns)[col] = std::move(items);
}

void SheetData::setColumnDropDown(int col, std::string items) {
    if (col < 1) return;
    if (items.empty())
        columnDropDowns_.erase(col);
    else
        columnDropDowns_[col] = std::move(items);
}

std::string_view SheetData::dropDown(int row, int col) const {
    if (!inside(row, col)) return {};
    const auto& r = rows_[row - 1];
    if (r.dropDowns) {
        auto it = r.dropDowns->find(col);
        if (it != r.dropDowns->end()) return it->second;
    }
    auto it = columnDropDowns_.find(col);
    return it != columnDropDowns_.end() ? std::string_view(it->second) : std::string_view();
}

// ---- rows read from a source ----

void SheetData::attachSource(std::shared_ptr<RowSource> source) {
    source_ = std::move(source);
    forgetCachedPages();
    const int n = source_ ? source_->rowCount() : 0;
    rows_.clear();
    rows_.reserve(n);
    for (int i = 0; i < n; ++i) rows_.push_back(Row::ShowingSource(i));
    rowCount_ = n;
    rowHeaders_.clear();
}

int SheetData::sourceRow(int row) const { return row >= 1 && row <= rowCount_ ? rows_[row - 1].source : -1; }

void SheetData::setSourceRow(int row, int position) {
    if (row >= 1 && row <= rowCount_) rows_[row - 1].source = position;
}

bool SheetData::ownsRow(int row) const { return row >= 1 && row <= rowCount_ && rows_[row - 1].own; }

std::vector<std::string> SheetData::sourceTexts(int position) const {
    return RowTexts(sourceCells(position), columnCount_);
}

void SheetData::forgetCachedPages() const { pages_.clear(); }

bool SheetData::settleSource() const {
    if (!source_ || !source_->settle()) return false;
    forgetCachedPages();
    return true;
}

const CellRow& SheetData::cellsOf(int row) const {
    const Row& r = rows_[row - 1];
    return r.own ? r.cells : sourceCells(r.source);
}

CellRow& SheetData::ownCells(int row) {
    Row& r = rows_[row - 1];
    if (!r.own) {
        takeOwnership(r);
        r.cells = *r.original;
    }
    return r.cells;
}

void SheetData::takeOwnership(Row& r) const {
    if (r.own) return;
    r.original = std::make_unique<CellRow>(sourceCells(r.source));
    r.own = true;
}

std::vector<std::string> SheetData::originalTexts(int row) const {
    const Row& r = rows_[row - 1];
    return RowTexts(r.original ? *r.original : sourceCells(r.source), columnCount_);
}

void SheetData::setRowSaved(int row) {
    if (row < 1 || row > rowCount_) return;
    Row& r = rows_[row - 1];
    if (r.own) r.original = std::make_unique<CellRow>(r.cells);
}

std::vector<SheetData::RowOrigin> SheetData::rowOrigins(int row1, int row2) const {
    std::vector<RowOrigin> out;
    for (int r = std::max(1, row1); r <= std::min(rowCount_, row2); ++r) {
        const Row& row = rows_[r - 1];
        RowOrigin& origin = out.emplace_back();
        origin.source = row.source;
        origin.showsRecord = !row.own;
        if (row.own && row.original) origin.saved = std::make_shared<const CellRow>(*row.original);
    }
    return out;
}

void SheetData::restoreRowOrigins(int row, const std::vector<RowOrigin>& origins) {
    for (std::size_t i = 0; i < origins.size(); ++i) {
        const int r = row + static_cast<int>(i);
        if (r < 1 || r > rowCount_) continue;
        Row& target = rows_[r - 1];
        const RowOrigin& origin = origins[i];
        target.source = origin.source;
        if (origin.showsRecord) {
            // The texts just written are the record's: the row shows its page again and holds nothing.
            target.own = false;
            target.cells = CellRow();
            target.original.reset();
        } else if (origin.saved) {
            target.original = std::make_unique<CellRow>(*origin.saved);
        }
    }
}

const CellRow& SheetData::sourceCells(int position) const {
    static const CellRow empty;
    if (!source_ || position < 0) return empty;
    const int number = position / kPageRows;
    auto it = pages_.find(number);
    if (it == pages_.end()) {
        // Past the provisional rows the order must be final; settling may drop the pages (and `it`).
        if (position >= source_->provisionalRows() && settleSource()) it = pages_.end();
        if (static_cast<int>(pages_.size()) >= kCachedPages) {
            auto oldest = pages_.begin();
            for (auto p = pages_.begin(); p != pages_.end(); ++p)
                if (p->second.lastUse < oldest->second.lastUse) oldest = p;
            pages_.erase(oldest);
        }
        const int first = number * kPageRows;
        const int count = std::max(0, std::min(kPageRows, source_->rowCount() - first));
        Page page;
        page.rows.reserve(count);
        for (const auto& cells : source_->read(first, count)) page.rows.emplace_back(cells, columnCount_);
        it = pages_.emplace(number, std::move(page)).first;
    }
    it->second.lastUse = ++pageClock_;
    const auto& rows = it->second.rows;
    const std::size_t index = static_cast<std::size_t>(position - number * kPageRows);
    return index < rows.size() ? rows[index] : empty;
}

// ---- free functions -------------------------------------------------------------------------------------

std::string ColumnLetters(int col) {
    std::string out;
    while (col > 0) {
        int rest = (col - 1) % 26;
        out.insert(out.begin(), static_cast<char>('A' + rest));
        col = (col - 1) / 26;
    }
    return out;
}

std::vector<std::string> SplitList(std::string_view items) {
    std::vector<std::string> out;
    if (items.empty()) return out;
    std::size_t start = 0;
    while (true) {
        std::size_t semi = items.find(';', start);
        if (semi == std::string_view::npos) {
            if (start < items.size()) out.emplace_back(items.substr(start));
            break;
        }
        out.emplace_back(items.substr(start, semi - start));
        start = semi + 1;
    }
    return out;
}

Table PasteBlock(const Table& copied, const CellRange& selection) {
    if (copied.empty()) return {};
    std::size_t width = 0;
    for (const auto& r : copied) width = std::max(width, r.size());
    if (width == 0) return {};
    Table block = copied;
    for (auto& r : block) r.resize(width);
    int h = static_cast<int>(block.size()), w = static_cast<int>(width);
    int selRows = std::max(1, selection.rows()), selCols = std::max(1, selection.cols());
    bool single = h == 1 && w == 1;
    bool tiles = selRows % h == 0 && selCols % w == 0 && (selRows > h || selCols > w);
    if (!single && !tiles) return block;
    if (single && selRows == 1 && selCols == 1) return block;
    Table out(selRows, std::vector<std::string>(selCols));
    for (int r = 0; r < selRows; ++r)
        for (int c = 0; c < selCols; ++c) out[r][c] = block[r % h][c % w];
    return out;
}

}  // namespace sheet
