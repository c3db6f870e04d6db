#pragma once
// Finding a text among the cells of a sheet, without any window: the grids' 查找 (Ctrl+F, F3, Shift+F3).
#include <optional>
#include <string_view>

#include "platform/spreadsheet/sheet_data.h"
#include "platform/spreadsheet/sheet_progress.h"

namespace sheet {

struct CellPos {
    int row = 0;
    int col = 0;
    friend bool operator==(const CellPos&, const CellPos&) = default;
};

struct FindOptions {
    bool forward = true;
    // Without it Latin letters A–Z match either case; other scripts have no case.
    bool caseSensitive = false;
};

// Whether `text` holds `what` somewhere.
bool CellTextMatches(std::string_view text, std::string_view what, bool caseSensitive);

// The first cell after `from` (before it when going back), row by row and left to right within a row, whose
// text holds `what`. The search wraps around the sheet and looks at `from` itself last, so that the only
// match is found again. A `from` outside the sheet starts at the first cell (the last one going back).
// Nothing is found for an empty `what` or a sheet without cells, nor once `progress` (told every few
// thousand cells) cancels.
std::optional<CellPos> FindCell(const SheetData& cells, std::string_view what, CellPos from,
                                FindOptions options, const Progress& progress = {});

}  // namespace sheet
