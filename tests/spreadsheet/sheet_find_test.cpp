#include <gtest/gtest.h>

#include <optional>

#include "platform/spreadsheet/sheet_find.h"

namespace {

using sheet::CellPos;
using sheet::FindCell;
using sheet::SheetData;

// 3 x 3:   K1+200 | 桥台   | abc
//          ""     | K1+300 | 墩柱
//          ABC    | k1     | 桥墩
SheetData Sheet() {
    SheetData d;
    d.setRowCount(3);
    d.setColumnCount(3);
    d.setRow(1, {"K1+200", "桥台", "abc"});
    d.setRow(2, {"", "K1+300", "墩柱"});
    d.setRow(3, {"ABC", "k1", "桥墩"});
    return d;
}

TEST(FindCell, NextMatchFromTheStartCellWrappingAround) {
    struct Case {
        const char* what;
        CellPos from;  // the current cell
        bool forward;
        bool caseSensitive;
        std::optional<CellPos> expected;
    };
    const Case cases[] = {
        {"K1", {1, 1}, true, true, CellPos{2, 2}},   // the start cell itself comes last
        {"K1", {2, 2}, true, true, CellPos{1, 1}},   // wraps past the end
        {"K1", {2, 2}, true, false, CellPos{3, 2}},  // k1 too without case
        {"K1", {3, 2}, true, false, CellPos{1, 1}},
        {"K1", {1, 1}, false, false, CellPos{3, 2}},  // going back wraps to the last cells
        {"K1", {3, 2}, false, false, CellPos{2, 2}},
        {"abc", {1, 1}, true, true, CellPos{1, 3}},
        {"abc", {1, 3}, true, true, CellPos{1, 3}},  // the only match is found again
        {"abc", {1, 3}, true, false, CellPos{3, 1}},
        {"桥", {1, 2}, true, false, CellPos{3, 3}},  // part of a cell, within a row left to right
        {"桥", {3, 3}, false, false, CellPos{1, 2}},
        {"墩", {0, 0}, true, false, CellPos{2, 3}},   // no current cell: from the first cell
        {"墩", {0, 0}, false, false, CellPos{3, 3}},  // ... or from the last going back
        {"+", {9, 9}, true, false, CellPos{1, 1}},    // a start outside the sheet
        {"K2", {1, 1}, true, false, std::nullopt},
        {"", {1, 1}, true, false, std::nullopt},
        {"Ｋ1", {1, 1}, true, false, std::nullopt},  // a full-width letter is another character
    };
    const SheetData sheet = Sheet();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.what) + " from " + std::to_string(c.from.row) + "," +
                     std::to_string(c.from.col) + (c.forward ? " forward" : " back") +
                     (c.caseSensitive ? " case" : ""));
        std::optional<CellPos> hit = FindCell(sheet, c.what, c.from, {c.forward, c.caseSensitive});
        ASSERT_EQ(hit.has_value(), c.expected.has_value());
        if (hit) EXPECT_EQ(*hit, *c.expected);
    }
}

TEST(FindCell, EmptySheetHasNothingToFind) {
    SheetData d;
    d.setRowCount(0);
    EXPECT_FALSE(FindCell(d, "a", {1, 1}, {}).has_value());
}

}  // namespace
