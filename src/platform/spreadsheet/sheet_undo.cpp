#include "platform/spreadsheet/sheet_undo.h"

#include <algorithm>
#include <utility>

namespace sheet {

void SheetDataTarget::resize(int rows, int cols) {
    data_.setRowCount(rows);
    data_.setColumnCount(cols);
}

// ---- recording -------------------------------------------------------------------------------------------

void UndoStep::writeBlock(SheetEditTarget& target, int row, int col, const Table& cells) {
    if (cells.empty() || row < 1 || col < 1) return;
    std::size_t width = 0;
    for (const auto& line : cells) width = std::max(width, line.size());
    if (width == 0) return;
    const SheetData& data = target.cells();
    const int lastRow = row + static_cast<int>(cells.size()) - 1;
    if (lastRow > data.rowCount()) resize(target, lastRow, data.columnCount());
    const int lastCol = std::min(data.columnCount(), col + static_cast<int>(width) - 1);
    if (lastCol < col) return;
    const CellRange range{row, col, lastRow, lastCol};
    Table before = data.block(range);
    // A ragged block leaves the cells it does not reach as they are.
    Table after = before;
    for (std::size_t i = 0; i < after.size(); ++i)
        for (std::size_t j = 0; j < after[i].size() && j < cells[i].size(); ++j) after[i][j] = cells[i][j];
    if (after == before) return;
    target.writeBlock(row, col, after);
    Change change;
    change.kind = Kind::Cells;
    change.range = range;
    change.before = std::move(before);
    change.after = std::move(after);
    changes_.push_back(std::move(change));
}

void UndoStep::resize(SheetEditTarget& target, int rows, int cols) {
    rows = std::max(0, rows);
    cols = std::max(0, cols);
    const SheetData& data = target.cells();
    Change change;
    change.kind = Kind::Resize;
    change.rowsBefore = data.rowCount();
    change.colsBefore = data.columnCount();
    change.rowsAfter = rows;
    change.colsAfter = cols;
    if (rows == change.rowsBefore && cols == change.colsBefore) return;
    if (rows < change.rowsBefore) {
        change.before = data.block({rows + 1, 1, change.rowsBefore, change.colsBefore});
        change.origins = data.rowOrigins(rows + 1, change.rowsBefore);
    }
    if (cols < change.colsBefore)
        change.after = data.block({1, cols + 1, std::min(rows, change.rowsBefore), change.colsBefore});
    target.resize(rows, cols);
    changes_.push_back(std::move(change));
}

void UndoStep::insert(SheetEditTarget& target, const CellRange& range, Shift shift) {
    const SheetData& data = target.cells();
    Change change;
    change.kind = Kind::Insert;
    change.shift = shift;
    change.rowsBefore = data.rowCount();
    change.colsBefore = data.columnCount();
    // Whole rows (columns) are recorded where they really go: a range past the end is appended.
    change.range = range;
    if (shift == Shift::Rows) {
        const int at = std::clamp(range.row1, 1, change.rowsBefore + 1);
        change.range = {at, 1, at + range.rows() - 1, std::max(1, change.colsBefore)};
    } else if (shift == Shift::Columns) {
        const int at = std::clamp(range.col1, 1, change.colsBefore + 1);
        change.range = {1, at, std::max(1, change.rowsBefore), at + range.cols() - 1};
    }
    target.insert(change.range, shift);
    change.rowsAfter = data.rowCount();
    change.colsAfter = data.columnCount();
    if (change.rowsAfter == change.rowsBefore && change.colsAfter == change.colsBefore) return;
    changes_.push_back(std::move(change));
}

void UndoStep::remove(SheetEditTarget& target, const CellRange& range, Shift shift) {
    const SheetData& data = target.cells();
    const int rows = data.rowCount(), cols = data.columnCount();
    CellRange clipped{std::max(1, range.row1), std::max(1, range.col1), std::min(rows, range.row2),
                      std::min(cols, range.col2)};
    if (shift == Shift::Rows) {
        clipped.col1 = 1;
        clipped.col2 = cols;
        if (clipped.row2 < clipped.row1) return;
    } else if (shift == Shift::Columns) {
        clipped.row1 = 1;
        clipped.row2 = rows;
        if (clipped.col2 < clipped.col1) return;
    } else if (clipped.isEmpty()) {
        return;
    }
    Change change;
    change.kind = Kind::Remove;
    change.shift = shift;
    change.range = clipped;
    change.rowsBefore = rows;
    change.colsBefore = cols;
    change.before = data.block(clipped);
    if (shift == Shift::Rows) change.origins = data.rowOrigins(clipped.row1, clipped.row2);
    target.remove(clipped, shift);
    change.rowsAfter = data.rowCount();
    change.colsAfter = data.columnCount();
    changes_.push_back(std::move(change));
}

void UndoStep::recordText(int row, int col, std::string before, std::string after) {
    if (before == after) return;
    Change change;
    change.kind = Kind::Cells;
    change.range = {row, col, row, col};
    change.before = {{std::move(before)}};
    change.after = {{std::move(after)}};
    changes_.push_back(std::move(change));
}

// ---- replaying -------------------------------------------------------------------------------------------

namespace {

void ResizeTo(SheetEditTarget& target, int rows, int cols) {
    if (target.cells().rowCount() != rows || target.cells().columnCount() != cols) target.resize(rows, cols);
}

// Whole rows and columns go and come back exactly. Cells shifted down (right) differ: inserting grows the
// sheet by the block's height (width) and deleting does not shrink it, so the reverse of either leaves that
// many empty rows (columns) at the end, which go. Counted from the present size rather than restored to the
// recorded one, so that rows (columns) the program added since do not all go with them.
void DropShiftRoom(SheetEditTarget& target, const CellRange& range, Shift shift) {
    const int rows = target.cells().rowCount(), cols = target.cells().columnCount();
    if (shift == Shift::Down)
        target.resize(rows - range.rows(), cols);
    else if (shift == Shift::Right)
        target.resize(rows, cols - range.cols());
}

}  // namespace

void UndoStep::undoChange(SheetEditTarget& target, const Change& change) const {
    switch (change.kind) {
        case Kind::Cells:
            target.writeBlock(change.range.row1, change.range.col1, change.before);
            return;
        case Kind::Resize:
            ResizeTo(target, change.rowsBefore, change.colsBefore);
            if (!change.before.empty()) target.writeBlock(change.rowsAfter + 1, 1, change.before);
            if (!change.origins.empty()) target.restoreRowOrigins(change.rowsAfter + 1, change.origins);
            if (!change.after.empty()) target.writeBlock(1, change.colsAfter + 1, change.after);
            return;
        case Kind::Insert:
            target.remove(change.range, change.shift);
            DropShiftRoom(target, change.range, change.shift);
            return;
        case Kind::Remove:
            target.insert(change.range, change.shift);
            if (!change.before.empty())
                target.writeBlock(change.range.row1, change.range.col1, change.before);
            if (!change.origins.empty()) target.restoreRowOrigins(change.range.row1, change.origins);
            DropShiftRoom(target, change.range, change.shift);
            return;
    }
}

void UndoStep::redoChange(SheetEditTarget& target, const Change& change) const {
    switch (change.kind) {
        case Kind::Cells:
            target.writeBlock(change.range.row1, change.range.col1, change.after);
            return;
        case Kind::Resize:
            target.resize(change.rowsAfter, change.colsAfter);
            return;
        case Kind::Insert:
            target.insert(change.range, change.shift);
            return;
        case Kind::Remove:
            target.remove(change.range, change.shift);
            return;
    }
}

void UndoStep::undo(SheetEditTarget& target) const {
    for (auto it = changes_.rbegin(); it != changes_.rend(); ++it) undoChange(target, *it);
}

void UndoStep::redo(SheetEditTarget& target) const {
    for (const Change& change : changes_) redoChange(target, change);
}

CellRange UndoStep::area() const {
    CellRange out{1, 1, 0, 0};
    for (const Change& change : changes_) {
        if (change.kind == Kind::Resize) continue;
        const CellRange& r = change.range;
        if (out.isEmpty()) {
            out = r;
            continue;
        }
        out = {std::min(out.row1, r.row1), std::min(out.col1, r.col1), std::max(out.row2, r.row2),
               std::max(out.col2, r.col2)};
    }
    return out;
}

// ---- the stack -------------------------------------------------------------------------------------------

void UndoStack::push(UndoStep step) {
    if (step.isEmpty()) return;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(index_), steps_.end());
    if (hasClean_ && cleanIndex_ > index_) hasClean_ = false;  // the clean state was among the undone steps
    steps_.push_back(std::move(step));
    ++index_;
    if (steps_.size() > limit_) {
        steps_.erase(steps_.begin());
        --index_;
        if (hasClean_) {
            if (cleanIndex_ == 0)
                hasClean_ = false;
            else
                --cleanIndex_;
        }
    }
}

void UndoStack::undo(SheetEditTarget& target) {
    if (!canUndo()) return;
    steps_[index_ - 1].undo(target);
    --index_;
}

void UndoStack::redo(SheetEditTarget& target) {
    if (!canRedo()) return;
    steps_[index_].redo(target);
    ++index_;
}

void UndoStack::clear() {
    steps_.clear();
    index_ = 0;
    cleanIndex_ = 0;
    hasClean_ = true;
}

void UndoStack::setClean() {
    cleanIndex_ = index_;
    hasClean_ = true;
}

}  // namespace sheet
