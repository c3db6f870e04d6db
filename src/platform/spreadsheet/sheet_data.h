#pragma once
// The cells of one sheet of the spreadsheet control, without any window: texts in UTF-8, addressed the way
// the control is addressed (rows and columns count from 1), with row and column headings, column widths and
// drop-down lists. The window (Spreadsheet) shows it through a table model; files and the clipboard are
// written from it.
//
// A sheet of 100,000 rows is common (a route table), so each row keeps all its cells in one string buffer:
// one allocation per row instead of one per cell. A sheet of a million rows (a dense ground line) is not
// held at all: it shows a RowSource and reads the rows a page at a time as they are needed.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace sheet {

using Table = std::vector<std::vector<std::string>>;

// A block of cells, inclusive bounds, 1-based.
struct CellRange {
    int row1 = 1;
    int col1 = 1;
    int row2 = 1;
    int col2 = 1;

    int rows() const { return row2 - row1 + 1; }
    int cols() const { return col2 - col1 + 1; }
    bool contains(int row, int col) const { return row >= row1 && row <= row2 && col >= col1 && col <= col2; }
    bool isEmpty() const { return row2 < row1 || col2 < col1; }
    friend bool operator==(const CellRange&, const CellRange&) = default;
};

// How an inserted or deleted block moves its neighbours. Rows (code 2 of the control) inserts or deletes
// whole rows from row1 to row2 whatever the columns; Columns likewise whole columns; Down/Right shift only
// the cells of the block's columns (rows).
enum class Shift { Right = 1, Rows = 2, Down = 3, Columns = 4 };

// Rows kept elsewhere (a database table), read a page at a time as a sheet needs them. Positions count
// from 0 in the order the sheet first shows the rows.
class RowSource {
public:
    virtual ~RowSource() = default;
    virtual int rowCount() const = 0;
    // The texts of the rows at positions first .. first + count - 1 (fewer cells than columns are empty).
    virtual Table read(int first, int count) = 0;
    // A source may show its first rows before it knows their final order: positions below
    // provisionalRows() may still come to mean other rows. settle() makes the order final and tells whether
    // positions already read now mean other rows.
    virtual int provisionalRows() const { return 0; }
    virtual bool settle() { return false; }
};

// The cells of one row in one buffer: [count][end offset of each cell][texts]. Cells past the count are empty.
// One pointer wide, so that the rows of a million-row sheet cost little before any of them holds a cell.
class CellRow {
public:
    CellRow() = default;
    explicit CellRow(const std::vector<std::string>& cells, int maxCells);
    CellRow(const CellRow& other);
    CellRow& operator=(const CellRow& other);
    CellRow(CellRow&&) noexcept = default;
    CellRow& operator=(CellRow&&) noexcept = default;

    int count() const;
    std::string_view cell(int index) const;  // 0-based; "" past the count
    void setCell(int index, std::string_view text);
    void insertCells(int index, int n);  // empty cells
    void removeCells(int index, int n);
    void truncate(int n);
    bool isBlank() const;
    int lastUsedCell() const;  // 0-based index of the last non-empty cell, -1 when none

private:
    void rebuild(const std::vector<std::string_view>& cells);
    std::vector<std::string_view> cells() const;
    std::size_t byteSize() const;
    std::unique_ptr<char[]> buf_;  // null when the row has no cell
};

class SheetData {
public:
    SheetData();

    int rowCount() const { return rowCount_; }
    int columnCount() const { return columnCount_; }
    // Growing adds empty rows (columns); shrinking drops their cells.
    void setRowCount(int rows);
    void setColumnCount(int cols);

    // Out-of-range cells read as "" and ignore writes.
    std::string_view text(int row, int col) const;
    void setText(int row, int col, std::string_view utf8);
    // The cells of one row at once (the fast way to load a sheet); cells beyond the column count are dropped.
    void setRow(int row, const std::vector<std::string>& cells);
    std::vector<std::string> row(int row) const;
    void clear();  // empties every cell; size and headings stay

    // The texts of a block (clipped to the sheet) and writing a block from its top-left cell.
    Table block(const CellRange& range) const;
    void setBlock(int row, int col, const Table& cells);
    // Empties the cells of a block.
    void clearBlock(const CellRange& range);

    // Last row / column holding a non-empty cell, 0 when the sheet is blank.
    int lastUsedRow() const;
    int lastUsedColumn() const;

    void insert(const CellRange& range, Shift shift);
    void remove(const CellRange& range, Shift shift);

    // ---- Rows read from a source ----
    // Shows every row of `source` without reading any: a row is read with its page (kPageRows rows) when
    // first needed, and at most kCachedPages pages stay in memory. A row that is written to keeps its own
    // cells from then on, so no edit is lost when its page is dropped. Each row remembers its source
    // position wherever inserting and deleting move it; rows added later have none.
    static constexpr int kPageRows = 256;
    static constexpr int kCachedPages = 64;
    void attachSource(std::shared_ptr<RowSource> source);
    bool hasSource() const { return source_ != nullptr; }
    // The source position a row came from, -1 for a row added since (or a sheet without a source).
    int sourceRow(int row) const;
    void setSourceRow(int row, int position);
    // Whether a row holds its own cells (written to since it was read, or added): the only rows that can
    // differ from their source.
    bool ownsRow(int row) const;
    // The source's texts of one position, as first read (the row may have been edited since).
    std::vector<std::string> sourceTexts(int position) const;
    // What a row held when it was read or last saved: kept when the row took its own cells, so that telling
    // an edited row from its record reads no page.
    std::vector<std::string> originalTexts(int row) const;
    // The row's cells are what its record holds now (a save wrote them).
    void setRowSaved(int row);
    // Drops the cached pages: the source's rows have changed (a save wrote them).
    void forgetCachedPages() const;
    // Makes the source's order final (see RowSource::settle); true when the rows shown changed. Every edit
    // and every read past the provisional rows does this first, so no row is ever tied to a provisional
    // position; doing it drops the cached pages, and with them views from them.
    bool settleSource() const;
    int cachedPageCount() const { return static_cast<int>(pages_.size()); }

    // What ties rows to their records beyond their texts. Deleting rows keeps it (with the texts) so that
    // undoing the deletion brings back the same records, and a save then writes nothing for them.
    struct RowOrigin {
        int source = -1;            // the record's position, -1 for a row added since
        bool showsRecord = false;   // the row showed its record unchanged (its texts come from the page)
        std::shared_ptr<const CellRow> saved;  // an edited row's record texts as read or last saved
    };
    std::vector<RowOrigin> rowOrigins(int row1, int row2) const;
    // Ties rows row .. row + n - 1, which hold the texts they held when their origins were taken, to those
    // origins again. Valid while the source is as it was then (a save forgets the undo steps).
    void restoreRowOrigins(int row, const std::vector<RowOrigin>& origins);

    // Headings: custom texts, or the control's defaults (rows 1, 2, 3 ...; columns A, B, ... Z, AA, AB ...).
    std::string rowHeader(int row) const;
    std::string columnHeader(int col) const;
    void setRowHeader(int row, std::string text);
    void setColumnHeader(int col, std::string text);
    // What the window shows over a column: the header, or a longer heading set for the eye only (a caption
    // with its unit) that files keep out. Setting the header again drops the heading.
    std::string columnHeading(int col) const;
    void setColumnHeading(int col, std::string text);
    bool hasCustomRowHeaders() const { return !rowHeaders_.empty(); }
    bool hasCustomColumnHeaders() const { return !columnHeaders_.empty(); }
    void resetHeaders();
    std::string cornerText;  // the cell above the row headings, e.g. "墩台编号"

    // Column width in pixels; 0 = the view's default.
    int columnWidth(int col) const;
    void setColumnWidth(int col, int pixels);

    // Drop-down lists, ";"-joined ("A0;A1;A2"). A cell's own list wins over its column's; "" removes.
    void setDropDown(int row, int col, std::string items);
    void setColumnDropDown(int col, std::string items);
    std::string_view dropDown(int row, int col) const;

private:
    struct Row {
        CellRow cells;                                          // meaningful while `own`
        std::unique_ptr<std::map<int, std::string>> dropDowns;  // per cell, rare
        int source = -1;                                        // position in source_, -1 when none
        bool own = true;                                        // false: the cells are the source's
        std::unique_ptr<CellRow> original;                      // the source's cells when they were taken
        static Row ShowingSource(int position) {
            Row row;
            row.source = position;
            row.own = false;
            return row;
        }
    };
    void takeOwnership(Row& row) const;  // a row about to get its own cells keeps its source's
    struct Page {
        std::vector<CellRow> rows;
        std::uint64_t lastUse = 0;
    };
    // The cells of a row, read through the page cache when the row still shows its source. A view from a
    // cached page stays valid until kCachedPages further pages have been read.
    const CellRow& cellsOf(int row) const;
    CellRow& ownCells(int row);  // the row's own cells, copied from its page first when needed
    const CellRow& sourceCells(int position) const;
    bool inside(int row, int col) const {
        return row >= 1 && row <= rowCount_ && col >= 1 && col <= columnCount_;
    }

    int rowCount_ = 1;
    int columnCount_ = 1;
    std::vector<Row> rows_;
    std::map<int, std::string> rowHeaders_;
    std::map<int, std::string> columnHeaders_;
    std::map<int, std::string> columnHeadings_;
    std::map<int, int> columnWidths_;
    std::map<int, std::string> columnDropDowns_;
    std::shared_ptr<RowSource> source_;
    mutable std::map<int, Page> pages_;  // by page number
    mutable std::uint64_t pageClock_ = 0;
};

// The default heading of a column: A ... Z, AA ... AZ, BA ...
std::string ColumnLetters(int col);

// Splits a ";"-joined list. Empty entries are kept except a single trailing one ("A;B;" is A, B).
std::vector<std::string> SplitList(std::string_view items);

// Where a copied block goes when pasted over a selection: a single value fills the whole selection; a block
// fills the selection when the selection is a whole multiple of it, and otherwise is pasted once from the
// selection's top-left cell. Returns the cells to write, starting at the selection's top-left cell.
Table PasteBlock(const Table& copied, const CellRange& selection);

}  // namespace sheet
