#include "platform/spreadsheet/sheet_find.h"

#include <algorithm>
#include <cstdint>

namespace sheet {

namespace {

char FoldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool CellTextMatches(std::string_view text, std::string_view what, bool caseSensitive) {
    if (what.empty()) return false;
    if (caseSensitive) return text.find(what) != std::string_view::npos;
    // Folding only ASCII bytes leaves every UTF-8 sequence of another script untouched.
    auto hit = std::search(text.begin(), text.end(), what.begin(), what.end(),
                           [](char a, char b) { return FoldAscii(a) == FoldAscii(b); });
    return hit != text.end();
}

std::optional<CellPos> FindCell(const SheetData& cells, std::string_view what, CellPos from,
                                FindOptions options, const Progress& progress) {
    const std::int64_t rows = cells.rowCount(), cols = cells.columnCount();
    const std::int64_t total = rows * cols;
    if (what.empty() || total == 0) return std::nullopt;
    const bool inside = from.row >= 1 && from.row <= rows && from.col >= 1 && from.col <= cols;
    // Cells numbered 0 .. total-1 in reading order; a start outside the sheet sits just before the first
    // cell (just after the last one going back).
    std::int64_t start = inside ? (from.row - 1) * cols + (from.col - 1) : (options.forward ? -1 : total);
    const std::int64_t step = options.forward ? 1 : -1;
    constexpr std::int64_t kReportEvery = 4096;
    for (std::int64_t k = 1; k <= total; ++k) {
        if (progress && k % kReportEvery == 0 && !progress(k, total)) return std::nullopt;
        std::int64_t i = ((start + step * k) % total + total) % total;
        const int row = static_cast<int>(i / cols) + 1;
        const int col = static_cast<int>(i % cols) + 1;
        if (CellTextMatches(cells.text(row, col), what, options.caseSensitive)) return CellPos{row, col};
    }
    return std::nullopt;
}

}  // namespace sheet
