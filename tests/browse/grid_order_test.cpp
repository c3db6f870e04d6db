// The grid shows the first page of a table before the whole order is read beside; the order taken in
// later must keep every row on its record, so that an edit made early reaches the right record.
#include <gtest/gtest.h>

#include <QMimeData>
#include <functional>
#include <map>

#include "browse/grid_source.h"
#include "browse_fixture.h"
#include "platform/spreadsheet/sheet_data.h"
#include "platform/spreadsheet/spreadsheet.h"
#include "support/test_support.h"

namespace {

using namespace browse;
using namespace browse_test;

const char* const kTable = "地面线表";
constexpr int kRows = 1000;  // more than the first page

std::string Name(int i) {
    char text[16];
    std::snprintf(text, sizeof text, "P%05d", i);
    return text;
}

RecordOrder Order(std::vector<std::int64_t> rowids) {
    RecordOrder order;
    for (auto id : rowids) order.firstValues.push_back(id < 0 ? "" : "v" + std::to_string(id));
    order.rowids = std::move(rowids);
    return order;
}

TEST(GridOrder, JoiningKeepsThePageShownAndFillsTheCount) {
    struct Case {
        const char* what;
        std::vector<std::int64_t> page, whole;
        int count;
        std::vector<std::int64_t> joined;
    };
    const Case cases[] = {
        {"nobody wrote in between", {5, 3}, {5, 3, 9, 1}, 4, {5, 3, 9, 1}},
        {"a record sorting first was added", {5, 3}, {7, 5, 3, 9, 1}, 4, {5, 3, 7, 9}},
        {"a record of the page was removed", {5, 3}, {5, 9, 1}, 4, {5, 3, 9, 1}},
        {"a record past the page was removed", {5, 3}, {5, 3, 1}, 4, {5, 3, 1, -1}},
        {"the page is the whole table", {5, 3}, {5, 3}, 2, {5, 3}},
    };
    for (const Case& c : cases) {
        const RecordOrder joined = JoinOrder(Order(c.page), Order(c.whole), c.count);
        EXPECT_EQ(joined.rowids, c.joined) << c.what;
        EXPECT_EQ(joined.firstValues, Order(c.joined).firstValues) << c.what;
    }
}

class GridOrderFile : public ::testing::Test {
protected:
    void SetUp() override {
        db = MakeProject(dir.file("bridge.vlt"), {kTable});
        // Stored backwards, so that the grid's order differs from the stored one everywhere.
        Rows rows;
        for (int i = kRows - 1; i >= 0; --i) rows.push_back({Name(i), std::to_string(i), "n" + std::to_string(i)});
        dao::Transaction transaction(*db);
        AddRows(*db, kTable, rows);
        transaction.Commit();
    }
    std::map<std::string, std::vector<std::string>> ByName() {
        std::map<std::string, std::vector<std::string>> out;
        for (auto& row : ReadRows(*db, kTable)) out[row[0]] = row;
        return out;
    }
    testing_support::TempDir dir;
    std::unique_ptr<dao::Database> db;
};

TEST_F(GridOrderFile, TheOrderReadBesideIsTheOrderReadAtOnce) {
    const auto fields = db->GetTableDef(kTable).fields;
    TableRowSource atOnce(*db, kTable, fields);
    TableRowSource beside(*db, kTable, fields, db->GetName());
    ASSERT_TRUE(beside.orderPending());
    EXPECT_EQ(beside.rowCount(), kRows);
    EXPECT_EQ(beside.firstValue(0), "P00000");
    EXPECT_TRUE(beside.orderPending());  // the first page needs no more
    EXPECT_EQ(beside.read(kRows - 1, 1).front().front(), Name(kRows - 1));  // past it, the order is taken in
    EXPECT_FALSE(beside.orderPending());
    for (int p = 0; p < kRows; ++p) ASSERT_EQ(beside.rowid(p), atOnce.rowid(p)) << p;
}

// A large table without an index shows its records as stored at once; the first edit, or the first read past
// that page, puts them in the grid's order before anything is tied to a row.
TEST_F(GridOrderFile, TheStoredFirstPageGivesWayToTheGridsOrder) {
    const auto fields = db->GetTableDef(kTable).fields;
    struct Case {
        const char* what;
        std::function<void(sheet::SheetData&)> trigger;
    };
    const Case cases[] = {
        {"an edit", [](sheet::SheetData& cells) { cells.setText(3, 3, "改"); }},
        {"a read past the page", [](sheet::SheetData& cells) { EXPECT_EQ(cells.text(kRows, 1), "P00999"); }},
    };
    for (const Case& c : cases) {
        auto source = std::make_shared<TableRowSource>(*db, kTable, fields, db->GetName(), /*sortNowUpTo=*/0);
        ASSERT_TRUE(source->orderProvisional()) << c.what;
        sheet::SheetData cells;
        cells.setColumnCount(3);
        cells.attachSource(source);
        EXPECT_EQ(cells.rowCount(), kRows) << c.what;
        EXPECT_EQ(cells.text(1, 1), "P00999") << c.what;  // the first record stored
        c.trigger(cells);
        EXPECT_FALSE(source->orderProvisional()) << c.what;
        EXPECT_EQ(cells.text(1, 1), "P00000") << c.what;
        EXPECT_EQ(cells.text(3, 1), "P00002") << c.what;
        EXPECT_EQ(cells.text(kRows, 2), "999") << c.what;
    }
}

TEST_F(GridOrderFile, AnIndexedFirstFieldGivesTheFinalFirstPageAtOnce) {
    db->Execute(std::string("Create Index byName On [") + kTable + "](Name)");
    const auto fields = db->GetTableDef(kTable).fields;
    TableRowSource source(*db, kTable, fields, db->GetName(), /*sortNowUpTo=*/0);
    EXPECT_FALSE(source.orderProvisional());
    EXPECT_EQ(source.firstValue(0), "P00000");
    EXPECT_EQ(source.read(1, 1).front().front(), "P00001");
}

TEST_F(GridOrderFile, EditsBeforeAndAfterTheOrderArrivesReachTheirRecords) {
    FakeHost host(db.get());
    CBriFormView* view = host.OpenGridWindow(kTable);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(view->Source() && view->Source()->orderPending());
    sheet::Spreadsheet& grid = view->Grid();
    ASSERT_EQ(grid.rowCount(), kRows);

    auto type = [&](int row, int col, const std::string& text) {
        grid.setCurrentCell(row, col);
        QMimeData data;
        data.setText(QString::fromStdString(text));
        ASSERT_TRUE(grid.pasteMimeData(data));
    };
    type(3, 3, "先改");  // before: the grid holds only the first page's order
    ASSERT_TRUE(view->Source()->orderPending());
    view->Source()->completeOrder();
    type(900, 3, "后改");  // after
    EXPECT_EQ(grid.textUtf8(3, 3), "先改");  // the early edit is still on its row

    host.prompter.clear();
    host.prompter.queue(ui::Answer::Yes);  // "save changes?"
    ASSERT_TRUE(view->CommitEdits());
    auto records = ByName();
    ASSERT_EQ(records.size(), static_cast<std::size_t>(kRows));
    EXPECT_EQ(records["P00002"], (std::vector<std::string>{"P00002", "2", "先改"}));
    EXPECT_EQ(records["P00899"], (std::vector<std::string>{"P00899", "899", "后改"}));
    EXPECT_EQ(records["P00997"][2], "n997");  // where row 3 sits in the stored order
    EXPECT_EQ(records["P00100"][2], "n100");  // where row 900 sits in the stored order
}

}  // namespace
