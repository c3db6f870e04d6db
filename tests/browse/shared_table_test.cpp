// Two grid windows on one project file through two connections, as two programs have it: each save writes
// only its own changed rows, and a table written by the other since it was read is not overwritten unasked.
#include <gtest/gtest.h>

#include <QMimeData>
#include <algorithm>
#include <memory>

#include "browse/grid_table.h"
#include "browse/ui/bri_form_view.h"
#include "browse_fixture.h"
#include "platform/spreadsheet/sheet_model.h"
#include "platform/spreadsheet/spreadsheet.h"
#include "support/test_support.h"

namespace {

using namespace browse;
using namespace browse_test;

const char* const kTable = "某模块新加的表";

class SharedTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.file("bridge.vlt");
        mine = MakeProject(path, {kTable});
        AddRows(*mine, kTable, {{"P1", "1", "x"}, {"P2", "2", "y"}, {"P3", "3", "z"}});
        theirs = dao::Database::Open(path);
        myHost = std::make_unique<FakeHost>(mine.get());
        theirHost = std::make_unique<FakeHost>(theirs.get());
        myGrid = myHost->OpenGridWindow(kTable);
        theirGrid = theirHost->OpenGridWindow(kTable);
    }
    static void Type(CBriFormView& view, int row, int col, const std::string& text) {
        view.Grid().setCurrentCell(row, col);
        QMimeData data;
        data.setText(QString::fromStdString(text));
        ASSERT_TRUE(view.Grid().pasteMimeData(data));
    }
    // Saves with 是 to "save changes?" and `overwrite` to the question about the other's writing, if asked.
    static bool Save(FakeHost& host, CBriFormView& view, ui::Answer overwrite) {
        host.prompter.clear();
        host.prompter.queue(ui::Answer::Yes);
        host.prompter.queue(overwrite);
        return view.CommitEdits();
    }
    bool AskedAboutTheOther(const FakeHost& host) const {
        for (const auto& m : host.prompter.shown())
            if (m.text == ChangedOnDiskQuestion(kTable)) return true;
        return false;
    }

    testing_support::TempDir dir;
    std::string path;
    std::unique_ptr<dao::Database> mine, theirs;
    std::unique_ptr<FakeHost> myHost, theirHost;
    CBriFormView* myGrid = nullptr;
    CBriFormView* theirGrid = nullptr;
};

TEST_F(SharedTableTest, EditsOfDifferentRowsBothReachTheFile) {
    Type(*theirGrid, 1, 3, "theirs");
    ASSERT_TRUE(Save(*theirHost, *theirGrid, ui::Answer::Yes));
    EXPECT_FALSE(AskedAboutTheOther(*theirHost));  // nobody wrote before them
    Type(*myGrid, 3, 2, "30");
    ASSERT_TRUE(Save(*myHost, *myGrid, ui::Answer::Yes));
    EXPECT_TRUE(AskedAboutTheOther(*myHost));
    const Rows both{{"P1", "1", "theirs"}, {"P2", "2", "y"}, {"P3", "30", "z"}};
    EXPECT_EQ(ReadRows(*mine, kTable), both);
    EXPECT_EQ(GridRows(*myGrid), both);  // the grid shows the other's row now
    EXPECT_FALSE(myGrid->IsModified());
}

TEST_F(SharedTableTest, AnsweringNoLeavesTheOthersTableAsTheyWroteIt) {
    Type(*theirGrid, 2, 3, "theirs");
    ASSERT_TRUE(Save(*theirHost, *theirGrid, ui::Answer::Yes));
    Type(*myGrid, 2, 3, "mine");
    Save(*myHost, *myGrid, ui::Answer::No);
    EXPECT_TRUE(AskedAboutTheOther(*myHost));
    EXPECT_EQ(ReadRows(*mine, kTable), (Rows{{"P1", "1", "x"}, {"P2", "2", "theirs"}, {"P3", "3", "z"}}));
}

TEST_F(SharedTableTest, RowsAddedOrDeletedOnOneSideLeaveTheOthersRows) {
    // They add P4; I delete P1 and add P0. Neither save removes or rewrites the other's rows.
    theirGrid->Grid().model()->setRowCount(4);  // the grid's spare row at the end
    Type(*theirGrid, 4, 1, "P4");
    Type(*theirGrid, 4, 2, "4");
    ASSERT_TRUE(Save(*theirHost, *theirGrid, ui::Answer::Yes));
    Type(*myGrid, 1, 1, "P0");  // P1 renamed: P1 goes, P0 comes
    ASSERT_TRUE(Save(*myHost, *myGrid, ui::Answer::Yes));
    Rows rows = ReadRows(*mine, kTable);
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (Rows{{"P0", "1", "x"}, {"P2", "2", "y"}, {"P3", "3", "z"}, {"P4", "4", "0"}}));
}

// Alone on the table, a row renamed at the top takes the top place again: the records keep the grid's order
// (a later read shows them as the user left them), as a save that wrote only the changed row could not.
TEST_F(SharedTableTest, AloneOnTheTableTheRecordsKeepTheGridsOrder) {
    Type(*myGrid, 1, 1, "P0");
    ASSERT_TRUE(Save(*myHost, *myGrid, ui::Answer::Yes));
    EXPECT_FALSE(AskedAboutTheOther(*myHost));
    EXPECT_EQ(ReadRows(*mine, kTable), (Rows{{"P0", "1", "x"}, {"P2", "2", "y"}, {"P3", "3", "z"}}));
}

TEST(ChangedRowsKeepGridOrder, WhereTheOrderTurns) {
    const Rows loaded{{"A"}, {"B"}, {"C"}};
    struct Case {
        std::vector<std::string> grid;
        bool keeps;
    } cases[] = {
        {{"A", "B", "C"}, true},       {{"A", "C"}, true},       {{"A", "B", "C", "D"}, true},
        {{"A", "D", "B", "C"}, false}, {{"B", "A", "C"}, false}, {{"D", "B", "C"}, false},
    };
    for (const auto& c : cases) {
        auto cell = [&c](int r, int) { return std::string_view(c.grid[r - 1]); };
        EXPECT_EQ(ChangedRowsKeepGridOrder(loaded, static_cast<int>(c.grid.size()), cell), c.keeps)
            << testing::PrintToString(c.grid);
    }
}

}  // namespace
