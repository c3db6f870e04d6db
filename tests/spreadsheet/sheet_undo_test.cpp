// Undo steps over a sheet without a window: every kind of change comes back exactly, and goes again.
#include <gtest/gtest.h>

#include <functional>

#include "platform/spreadsheet/sheet_undo.h"

namespace {

using sheet::CellRange;
using sheet::SheetData;
using sheet::SheetDataTarget;
using sheet::Shift;
using sheet::Table;
using sheet::UndoStack;
using sheet::UndoStep;

// A 4 x 3 sheet whose cell (r, c) holds "r.c".
SheetData Filled(int rows = 4, int cols = 3) {
    SheetData d;
    d.setRowCount(rows);
    d.setColumnCount(cols);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c) d.setText(r, c, std::to_string(r) + "." + std::to_string(c));
    return d;
}

// Everything undo must restore: the size and every text.
struct Snapshot {
    int rows, cols;
    Table cells;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot Snap(const SheetData& d) {
    return {d.rowCount(), d.columnCount(), d.block({1, 1, d.rowCount(), d.columnCount()})};
}

void PrintTo(const Snapshot& s, std::ostream* os) {
    *os << s.rows << "x" << s.cols << ":";
    for (const auto& row : s.cells) {
        *os << " [";
        for (const auto& cell : row) *os << cell << ",";
        *os << "]";
    }
}

struct StepCase {
    const char* name;
    std::function<void(UndoStep&, SheetDataTarget&)> edit;
};

TEST(UndoStep, EveryKindOfChangeUndoesAndRedoesExactly) {
    const StepCase cases[] = {
        {"one typed cell", [](auto& s, auto&) { s.recordText(2, 2, "2.2", "改"); }},
        {"paste inside", [](auto& s, auto& t) { s.writeBlock(t, 2, 2, {{"a", "b"}, {"c", "d"}}); }},
        {"paste growing rows, clipped at the last column",
         [](auto& s, auto& t) {
             s.writeBlock(t, 3, 2, {{"a", "b", "x"}, {"c", "d"}, {"e"}});
         }},
        {"clear of a block", [](auto& s, auto& t) { s.writeBlock(t, 1, 1, Table(2, {"", "", ""})); }},
        {"insert a row", [](auto& s, auto& t) { s.insert(t, {2, 1, 2, 3}, Shift::Rows); }},
        {"insert rows past the end", [](auto& s, auto& t) { s.insert(t, {9, 1, 10, 1}, Shift::Rows); }},
        {"delete rows", [](auto& s, auto& t) { s.remove(t, {2, 1, 3, 1}, Shift::Rows); }},
        {"delete every row, then keep one",
         [](auto& s, auto& t) {
             s.remove(t, {1, 1, 4, 3}, Shift::Rows);
             s.resize(t, 1, 3);
         }},
        {"insert then delete, one step",
         [](auto& s, auto& t) {
             s.insert(t, {1, 1, 1, 3}, Shift::Rows);
             s.writeBlock(t, 1, 1, {{"新"}});
             s.remove(t, {3, 1, 4, 3}, Shift::Rows);
         }},
        {"insert a column", [](auto& s, auto& t) { s.insert(t, {1, 2, 1, 2}, Shift::Columns); }},
        {"delete a column", [](auto& s, auto& t) { s.remove(t, {1, 2, 4, 2}, Shift::Columns); }},
        {"insert cells, shifting down", [](auto& s, auto& t) { s.insert(t, {2, 2, 3, 3}, Shift::Down); }},
        {"delete cells, shifting up", [](auto& s, auto& t) { s.remove(t, {2, 2, 3, 2}, Shift::Down); }},
        {"insert cells, shifting right", [](auto& s, auto& t) { s.insert(t, {2, 1, 2, 1}, Shift::Right); }},
        {"delete cells, shifting left", [](auto& s, auto& t) { s.remove(t, {1, 1, 2, 2}, Shift::Right); }},
        {"shrink the sheet", [](auto& s, auto& t) { s.resize(t, 2, 1); }},
        {"grow the sheet", [](auto& s, auto& t) { s.resize(t, 6, 5); }},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        SheetData data = Filled();
        SheetDataTarget target(data);
        const Snapshot before = Snap(data);
        UndoStep step;
        c.edit(step, target);
        if (step.isEmpty()) {
            ADD_FAILURE() << "nothing recorded";
            continue;
        }
        if (c.name == std::string("one typed cell")) data.setText(2, 2, "改");  // the editor wrote it
        const Snapshot after = Snap(data);
        ASSERT_NE(after, before);
        step.undo(target);
        EXPECT_EQ(Snap(data), before);
        step.redo(target);
        EXPECT_EQ(Snap(data), after);
        step.undo(target);
        EXPECT_EQ(Snap(data), before);
    }
}

TEST(UndoStep, UndoingShiftedCellsTakesBackOnlyTheRoomTheyMade) {
    SheetData data = Filled();
    SheetDataTarget target(data);
    UndoStep step;
    step.insert(target, {1, 1, 2, 1}, Shift::Down);
    ASSERT_EQ(data.rowCount(), 6);
    data.setRowCount(8);
    data.setText(8, 1, "program");  // rows the program added after the edit
    step.undo(target);
    EXPECT_EQ(data.rowCount(), 6);
    EXPECT_EQ(data.text(1, 1), "1.1");
    EXPECT_EQ(data.text(4, 1), "4.1");
    EXPECT_EQ(data.text(6, 1), "program");  // moved up with the column
}

TEST(UndoStep, ChangesThatChangeNothingAreNotRecorded) {
    SheetData data = Filled();
    SheetDataTarget target(data);
    UndoStep step;
    step.recordText(1, 1, "same", "same");
    step.writeBlock(target, 1, 1, {{"1.1", "1.2"}});
    step.writeBlock(target, 1, 9, {{"past the last column"}});
    step.remove(target, {7, 1, 8, 3}, Shift::Rows);
    step.resize(target, 4, 3);
    EXPECT_TRUE(step.isEmpty());
}

TEST(UndoStep, AreaCoversWhatTheStepWroteOrMoved) {
    SheetData data = Filled();
    SheetDataTarget target(data);
    UndoStep step;
    step.writeBlock(target, 2, 2, {{"a"}, {"b"}});
    EXPECT_EQ(step.area(), (CellRange{2, 2, 3, 2}));
    step.remove(target, {4, 2, 4, 2}, Shift::Rows);
    EXPECT_EQ(step.area(), (CellRange{2, 1, 4, 3}));
    UndoStep resizeOnly;
    resizeOnly.resize(target, 9, 3);
    EXPECT_TRUE(resizeOnly.area().isEmpty());
}

// A stack over one sheet; each push types `text` into cell (1, 1).
struct StackFixture : ::testing::Test {
    SheetData data = Filled();
    SheetDataTarget target{data};
    UndoStack stack;
    void type(const std::string& text) {
        UndoStep step;
        step.writeBlock(target, 1, 1, {{text}});
        stack.push(std::move(step));
    }
    std::string cell() const { return std::string(data.text(1, 1)); }
};

TEST_F(StackFixture, UndoRedoAndANewEditDropsTheRedoSteps) {
    EXPECT_FALSE(stack.canUndo());
    type("a");
    type("b");
    stack.undo(target);
    EXPECT_EQ(cell(), "a");
    stack.undo(target);
    EXPECT_EQ(cell(), "1.1");
    EXPECT_FALSE(stack.canUndo());
    stack.redo(target);
    EXPECT_EQ(cell(), "a");
    ASSERT_TRUE(stack.canRedo());
    type("c");
    EXPECT_FALSE(stack.canRedo());
    EXPECT_EQ(stack.count(), 2u);
    stack.undo(target);
    EXPECT_EQ(cell(), "a");
    stack.push(UndoStep());  // an edit that changed nothing keeps the redo step
    EXPECT_TRUE(stack.canRedo());
}

TEST_F(StackFixture, CleanStateFollowsUndoAndRedo) {
    EXPECT_TRUE(stack.isClean());
    type("a");
    EXPECT_FALSE(stack.isClean());
    stack.undo(target);
    EXPECT_TRUE(stack.isClean());
    stack.redo(target);
    stack.setClean();  // saved with "a"
    stack.undo(target);
    EXPECT_FALSE(stack.isClean());
    type("b");  // the saved state was undone and is gone for good
    EXPECT_FALSE(stack.isClean());
    stack.undo(target);
    EXPECT_FALSE(stack.isClean());
    stack.clear();
    EXPECT_TRUE(stack.isClean());
    EXPECT_FALSE(stack.canUndo());
    EXPECT_FALSE(stack.canRedo());
}

TEST(UndoStack, KeepsOnlyTheNewestStepsWithinItsLimit) {
    SheetData data = Filled();
    SheetDataTarget target(data);
    UndoStack stack(2);
    for (const char* text : {"a", "b", "c"}) {
        UndoStep step;
        step.writeBlock(target, 1, 1, {{text}});
        stack.push(std::move(step));
    }
    EXPECT_EQ(stack.count(), 2u);
    stack.undo(target);
    stack.undo(target);
    EXPECT_EQ(data.text(1, 1), "a");
    EXPECT_FALSE(stack.canUndo());
    EXPECT_FALSE(stack.isClean());  // the loaded state fell off the stack
}

}  // namespace
