// A sheet that shows a row source: pages read on demand, a bounded cache, and edits that outlive their page.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMimeData>
#include <memory>
#include <set>
#include <string>

#include "platform/spreadsheet/sheet_data.h"
#include "platform/spreadsheet/sheet_model.h"
#include "platform/spreadsheet/sheet_undo.h"
#include "platform/spreadsheet/spreadsheet.h"

namespace {

using sheet::CellRange;
using sheet::SheetData;
using sheet::Shift;

constexpr int kPage = SheetData::kPageRows;

// Position p, column c reads "p.c"; every page read is counted.
class CountingSource : public sheet::RowSource {
public:
    CountingSource(int rows, int cols) : rows_(rows), cols_(cols) {}
    int rowCount() const override { return rows_; }
    sheet::Table read(int first, int count) override {
        ++reads;
        firstsRead.insert(first);
        sheet::Table out(count);
        for (int i = 0; i < count; ++i)
            for (int c = 1; c <= cols_; ++c) out[i].push_back(std::to_string(first + i) + "." + std::to_string(c));
        return out;
    }
    int reads = 0;
    std::set<int> firstsRead;

private:
    int rows_, cols_;
};

struct Lazy {
    explicit Lazy(int rows, int cols = 3) : source(std::make_shared<CountingSource>(rows, cols)) {
        data.setColumnCount(cols);
        data.attachSource(source);
    }
    // Reads one row of each of `pages` pages from `firstPage` on, as scrolling through them does.
    void scroll(int firstPage, int pages) {
        for (int p = firstPage; p < firstPage + pages; ++p) (void)data.text(p * kPage + 1, 1);
    }
    std::shared_ptr<CountingSource> source;
    SheetData data;
};

TEST(RowCache, ReadsOnlyThePagesShownAndKeepsABoundedNumber) {
    Lazy lazy(1000000);
    EXPECT_EQ(lazy.data.rowCount(), 1000000);
    EXPECT_EQ(lazy.source->reads, 0);  // showing the rows reads none
    EXPECT_EQ(lazy.data.text(1000000, 2), "999999.2");
    EXPECT_EQ(lazy.source->firstsRead, (std::set<int>{999936}));  // the last page only (1,000,000 = 3906 × 256 + 64)
    lazy.scroll(0, 3 * SheetData::kCachedPages);
    EXPECT_LE(lazy.data.cachedPageCount(), SheetData::kCachedPages);
    // Within the cached pages nothing is read again.
    const int reads = lazy.source->reads;
    (void)lazy.data.text(3 * SheetData::kCachedPages * kPage - 5, 3);
    EXPECT_EQ(lazy.source->reads, reads);
}

TEST(RowCache, AnEditOutlivesItsEvictedPage) {
    Lazy lazy(100000);
    lazy.data.setText(5, 2, "改过");
    lazy.scroll(1, 2 * SheetData::kCachedPages);  // page 0 is dropped meanwhile
    const int reads = lazy.source->reads;
    EXPECT_EQ(lazy.data.text(5, 2), "改过");
    EXPECT_EQ(lazy.data.text(5, 1), "4.1");  // the rest of the row is the record's
    EXPECT_EQ(lazy.source->reads, reads);    // the edited row needs no page
    EXPECT_EQ(lazy.data.text(6, 2), "5.2");  // its neighbour is read again from the source
    EXPECT_TRUE(lazy.data.ownsRow(5));
    EXPECT_FALSE(lazy.data.ownsRow(6));
    EXPECT_EQ(lazy.data.sourceTexts(4), (std::vector<std::string>{"4.1", "4.2", "4.3"}));
}

TEST(RowCache, RowsKeepTheirRecordWhenDeletingAndInsertingAtAPageBoundary) {
    Lazy lazy(3 * kPage);
    // Rows 256 and 257 are the last of page 0 and the first of page 1.
    lazy.data.remove({kPage, 1, kPage + 1, 3}, Shift::Rows);
    EXPECT_EQ(lazy.data.rowCount(), 3 * kPage - 2);
    EXPECT_EQ(lazy.data.text(kPage - 1, 1), "254.1");
    EXPECT_EQ(lazy.data.text(kPage, 1), "257.1");
    EXPECT_EQ(lazy.data.sourceRow(kPage), kPage + 1);
    lazy.data.insert({kPage, 1, kPage, 3}, Shift::Rows);
    EXPECT_EQ(lazy.data.sourceRow(kPage), -1);
    EXPECT_EQ(lazy.data.text(kPage, 1), "");
    EXPECT_EQ(lazy.data.text(kPage + 1, 1), "257.1");
    EXPECT_EQ(lazy.data.sourceRow(kPage + 1), kPage + 1);
    // The sheet's last rows are still the source's last records.
    EXPECT_EQ(lazy.data.text(lazy.data.rowCount(), 3), std::to_string(3 * kPage - 1) + ".3");
}

TEST(RowCache, UndoingARowDeletionTiesTheRowsToTheirRecordsAgain) {
    Lazy lazy(3 * kPage);
    sheet::SheetDataTarget target(lazy.data);
    lazy.data.setText(kPage, 2, "改过");  // one of the rows deleted was edited
    const std::vector<std::string> read = lazy.data.originalTexts(kPage);
    sheet::UndoStep step;
    step.remove(target, {kPage - 1, 1, kPage + 2, 3}, Shift::Rows);  // across the boundary of pages 0 and 1
    step.resize(target, 2 * kPage, 3);                                // and the last rows dropped
    lazy.scroll(1, 2 * SheetData::kCachedPages);
    step.undo(target);
    ASSERT_EQ(lazy.data.rowCount(), 3 * kPage);
    for (int row : {kPage - 1, kPage + 1, kPage + 2, 3 * kPage}) {
        EXPECT_EQ(lazy.data.sourceRow(row), row - 1) << row;
        EXPECT_FALSE(lazy.data.ownsRow(row)) << row;
    }
    EXPECT_EQ(lazy.data.sourceRow(kPage), kPage - 1);
    EXPECT_EQ(lazy.data.text(kPage, 2), "改过");
    EXPECT_EQ(lazy.data.originalTexts(kPage), read);  // still told apart from its record
    step.redo(target);
    EXPECT_EQ(lazy.data.sourceRow(kPage - 1), kPage + 2);
}

TEST(RowCache, BlocksSpanPagesAndAPastePastTheEndAddsRows) {
    auto source = std::make_shared<CountingSource>(2 * kPage, 2);
    sheet::SheetModel model;
    model.setColumnCount(2);
    model.attachSource(source);
    const sheet::Table copied = model.block({kPage - 1, 1, kPage + 2, 2});
    ASSERT_EQ(copied.size(), 4u);
    EXPECT_EQ(copied[0][0], "254.1");
    EXPECT_EQ(copied[3][1], "257.2");
    // Pasted over the last row, the block runs two rows past the end: they are added, without a record.
    const CellRange written = model.setBlock(2 * kPage, 1, {{"a", "b"}, {"c", "d"}, {"e", "f"}});
    EXPECT_EQ(written, (CellRange{2 * kPage, 1, 2 * kPage + 2, 2}));
    EXPECT_EQ(model.rowCount(), 2 * kPage + 2);
    EXPECT_EQ(model.textUtf8(2 * kPage, 1), "a");
    EXPECT_EQ(model.textUtf8(2 * kPage + 2, 2), "f");
    EXPECT_EQ(model.sheetData().sourceRow(2 * kPage), 2 * kPage - 1);
    EXPECT_EQ(model.sheetData().sourceRow(2 * kPage + 1), -1);
}

TEST(RowCache, UndoAndRedoAcrossPagesAfterTheyWereDropped) {
    const int rows = 4 * SheetData::kCachedPages * kPage;
    sheet::Spreadsheet grid;
    grid.setColumnCount(2);
    grid.model()->attachSource(std::make_shared<CountingSource>(rows, 2));
    // One value pasted over a block that crosses a page boundary, then rows deleted across another.
    grid.setSelection({kPage - 1, 1, kPage + 2, 2});
    QMimeData one;
    one.setText("x");
    ASSERT_TRUE(grid.pasteMimeData(one));
    ASSERT_TRUE(grid.deleteRange({2 * kPage, 1, 2 * kPage + 1, 2}, Shift::Rows));
    EXPECT_EQ(grid.textUtf8(2 * kPage, 1), std::to_string(2 * kPage + 1) + ".1");
    for (int r = 3 * kPage; r <= rows - 2; r += kPage) (void)grid.textUtf8(r, 1);  // scroll far away
    ASSERT_TRUE(grid.undo());
    EXPECT_EQ(grid.rowCount(), rows);
    EXPECT_EQ(grid.textUtf8(2 * kPage, 1), std::to_string(2 * kPage - 1) + ".1");
    EXPECT_EQ(grid.textUtf8(2 * kPage + 1, 2), std::to_string(2 * kPage) + ".2");
    // The rows put back show their records again, not copies of them.
    const SheetData& cells = grid.model()->sheetData();
    EXPECT_EQ(cells.sourceRow(2 * kPage), 2 * kPage - 1);
    EXPECT_EQ(cells.sourceRow(2 * kPage + 1), 2 * kPage);
    EXPECT_FALSE(cells.ownsRow(2 * kPage));
    ASSERT_TRUE(grid.undo());
    EXPECT_EQ(grid.textUtf8(kPage - 1, 1), std::to_string(kPage - 2) + ".1");
    EXPECT_EQ(grid.textUtf8(kPage + 2, 2), std::to_string(kPage + 1) + ".2");
    ASSERT_TRUE(grid.redo());
    EXPECT_EQ(grid.textUtf8(kPage, 2), "x");
    EXPECT_EQ(grid.textUtf8(kPage + 3, 1), std::to_string(kPage + 2) + ".1");
}

}  // namespace
