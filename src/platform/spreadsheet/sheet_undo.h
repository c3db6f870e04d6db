#pragma once
// Undo and redo of the user's edits of a sheet, without any window.
//
// A step is what the user sees as one edit (typing into a cell, one paste, one cut, one row command) and is
// made of the changes it did to the sheet, each remembered with what it overwrote or removed: the texts of a
// block before and after, rows or columns inserted or removed (with the removed texts), the sheet resized
// (with the texts that fell off). Undo applies the reverse of each change, last first; redo applies them
// again in order. Texts are restored, and removed rows come back tied to the records they showed (so a save
// writes nothing for them); drop-down lists, headings and widths of removed rows and columns are not.
//
// The changes go through a SheetEditTarget so that the window's table model can tell its views; SheetData
// itself is the target when no window is involved.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/spreadsheet/sheet_data.h"

namespace sheet {

// What a step changes a sheet through.
class SheetEditTarget {
public:
    virtual ~SheetEditTarget() = default;
    virtual const SheetData& cells() const = 0;
    virtual void resize(int rows, int cols) = 0;
    // Writes a block from its top-left cell; the block lies inside the sheet.
    virtual void writeBlock(int row, int col, const Table& cells) = 0;
    virtual void insert(const CellRange& range, Shift shift) = 0;
    virtual void remove(const CellRange& range, Shift shift) = 0;
    // Ties rows put back by an undo to the records they showed; their texts do not change.
    virtual void restoreRowOrigins(int row, const std::vector<SheetData::RowOrigin>& origins) = 0;
};

// A sheet without a window.
class SheetDataTarget : public SheetEditTarget {
public:
    explicit SheetDataTarget(SheetData& data) : data_(data) {}
    const SheetData& cells() const override { return data_; }
    void resize(int rows, int cols) override;
    void writeBlock(int row, int col, const Table& cells) override { data_.setBlock(row, col, cells); }
    void insert(const CellRange& range, Shift shift) override { data_.insert(range, shift); }
    void remove(const CellRange& range, Shift shift) override { data_.remove(range, shift); }
    void restoreRowOrigins(int row, const std::vector<SheetData::RowOrigin>& origins) override {
        data_.restoreRowOrigins(row, origins);
    }

private:
    SheetData& data_;
};

class UndoStep {
public:
    // Each of these changes the sheet through the target and remembers how to go back.
    // writeBlock grows the rows to hold the block and drops what lies past the last column, as a paste does.
    void writeBlock(SheetEditTarget& target, int row, int col, const Table& cells);
    void resize(SheetEditTarget& target, int rows, int cols);
    void insert(SheetEditTarget& target, const CellRange& range, Shift shift);
    void remove(SheetEditTarget& target, const CellRange& range, Shift shift);
    // A cell the user's editor has already changed.
    void recordText(int row, int col, std::string before, std::string after);

    void undo(SheetEditTarget& target) const;
    void redo(SheetEditTarget& target) const;
    bool isEmpty() const { return changes_.empty(); }
    // The cells the step wrote, or the rows and columns it inserted or removed: what is selected after an
    // undo or redo so that the user sees what changed. Empty when the step only resized the sheet.
    CellRange area() const;

    // The sheet (from 1) the step belongs to, and the cell the edit started at: undo and redo are edits too
    // and are asked of the same edit-start rules with that cell.
    int sheet = 1;
    int anchorRow = 1;
    int anchorCol = 1;

private:
    enum class Kind { Cells, Resize, Insert, Remove };
    struct Change {
        Kind kind = Kind::Cells;
        CellRange range;  // Cells: the block written; Insert, Remove: the range moved
        Shift shift = Shift::Rows;
        Table before;  // Cells: texts overwritten; Remove: texts removed; Resize: rows dropped
        Table after;   // Cells: texts written; Resize: columns dropped (of the rows kept)
        std::vector<SheetData::RowOrigin> origins;  // Remove (whole rows), Resize: the records of the rows gone
        int rowsBefore = 0, colsBefore = 0, rowsAfter = 0, colsAfter = 0;
    };
    void undoChange(SheetEditTarget& target, const Change& change) const;
    void redoChange(SheetEditTarget& target, const Change& change) const;

    std::vector<Change> changes_;
};

// The steps done and undone. Every new step drops the steps that could have been redone. The clean state
// is the one after the last load or save; the stack knows when undo or redo brings the sheet back to it.
class UndoStack {
public:
    explicit UndoStack(std::size_t limit = 200) : limit_(limit) {}

    // An empty step (an edit that changed nothing) is not kept.
    void push(UndoStep step);
    bool canUndo() const { return index_ > 0; }
    bool canRedo() const { return index_ < steps_.size(); }
    const UndoStep* nextUndo() const { return canUndo() ? &steps_[index_ - 1] : nullptr; }
    const UndoStep* nextRedo() const { return canRedo() ? &steps_[index_] : nullptr; }
    // Apply the next step backwards (forwards) to the target, which must be the step's sheet.
    void undo(SheetEditTarget& target);
    void redo(SheetEditTarget& target);

    // Forgets every step; the present state becomes the clean one.
    void clear();
    void setClean();
    bool isClean() const { return hasClean_ && cleanIndex_ == index_; }
    std::size_t count() const { return steps_.size(); }
    std::size_t index() const { return index_; }

private:
    std::vector<UndoStep> steps_;
    std::size_t index_ = 0;       // steps before it are done, from it on undone
    std::size_t cleanIndex_ = 0;  // meaningful while hasClean_
    bool hasClean_ = true;        // false once the clean state can no longer be reached
    std::size_t limit_;
};

}  // namespace sheet
