#include "pierabut/pier_plot.h"

#include <algorithm>
#include <optional>

#include "kit/record_sheet.h"

namespace pierabut {
namespace {

using Points = std::vector<std::pair<double, double>>;

const ui::ProposedTable* Find(const std::vector<ui::ProposedTable>& tables, const char* name) {
    for (const auto& t : tables)
        if (t.table == name) return &t;
    return nullptr;
}

// The row of support `support` in `table`, or none.
std::optional<size_t> RowOf(const ui::ProposedTable* table, const std::string& support) {
    if (!table) return std::nullopt;
    for (size_t r = 0; r < table->rows.size(); ++r)
        if (!table->rows[r].empty() && table->rows[r][0] == support) return r;
    return std::nullopt;
}

// A row's value by field name; 0 for a field the row does not have or a cell that is not a number (the
// picture skips what the check will refuse).
double Value(const ui::ProposedTable& table, size_t row, const char* field) {
    return modulekit::CellNumber(table, row, field).value_or(0);
}

Points Rectangle(double left, double right, double top, double bottom) {
    return {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
}

// Members spread evenly about the centre line.
double Offset(long i, long count, double spacing) { return (i - (count - 1) / 2.0) * spacing; }

}  // namespace

ui::PlotMaker PierElevationPlot() {
    return [](const std::vector<ui::ProposedTable>& tables) -> std::vector<ui::Plot> {
        const ui::ProposedTable* columns = Find(tables, "圆形截面柱式墩身信息表");
        const char* widthField = "SectionDiameter";
        if (!columns || columns->rows.empty()) {
            columns = Find(tables, "矩形截面柱式墩身信息表");
            widthField = "SectionWidth";
        }
        if (!columns || columns->rows.empty()) return {};
        const std::string support = columns->rows[0][0];
        ui::Plot plot;
        plot.title = support + "号墩立面（顺桥向看）";
        plot.xLabel = "横桥向 (m)";
        plot.yLabel = "高 (m)";
        plot.equalScale = true;
        double capBottom = 0;
        const ui::ProposedTable* cap = Find(tables, "①类帽梁信息表");
        if (auto r = RowOf(cap, support)) {
            const double half = Value(*cap, *r, "CopingLength") / 2;
            capBottom = -Value(*cap, *r, "CopingHeight");
            plot.series.push_back({"帽梁", Rectangle(-half, half, 0, capBottom)});
        }
        const long count = std::max(1L, static_cast<long>(Value(*columns, 0, "PierColumnNum")));
        const double spacing = Value(*columns, 0, "SpaceBetween"), width = Value(*columns, 0, widthField);
        const double foot = capBottom - Value(*columns, 0, "PierColumnLength");
        for (long i = 0; i < count; ++i) {
            const double x = Offset(i, count, spacing);
            plot.series.push_back(
                {"墩柱" + std::to_string(i + 1), Rectangle(x - width / 2, x + width / 2, capBottom, foot)});
        }
        // What joins the columns to the piles: a pile cap under them (the piles start below it) or a tie beam
        // along their feet.
        double pileTop = foot;
        const ui::ProposedTable* pileCap = Find(tables, "①类承台信息表");
        const ui::ProposedTable* tieBeam = Find(tables, "系梁信息表");
        if (auto r = RowOf(pileCap, support)) {
            const double half = Value(*pileCap, *r, "BearingPlatLength") / 2;
            pileTop = foot - Value(*pileCap, *r, "BearingPlatHeight");
            plot.series.push_back({"承台", Rectangle(-half, half, foot, pileTop)});
        } else if (auto t = RowOf(tieBeam, support); t && count > 1) {
            const double outer = Offset(count - 1, count, spacing);
            plot.series.push_back(
                {"系梁", Rectangle(-outer, outer, foot + Value(*tieBeam, *t, "ConBeamHeight"), foot)});
        }
        const ui::ProposedTable* piles = Find(tables, "单排桩基础信息表");
        if (auto r = RowOf(piles, support)) {
            const long n = std::max(1L, static_cast<long>(Value(*piles, *r, "PileNum")));
            const double d = Value(*piles, *r, "PileDiameter"), s = Value(*piles, *r, "SpaceBetween");
            const double tip = pileTop - Value(*piles, *r, "PileLength");
            for (long i = 0; i < n; ++i) {
                const double x = Offset(i, n, s);
                plot.series.push_back({"桩" + std::to_string(i + 1), Rectangle(x - d / 2, x + d / 2, pileTop, tip)});
            }
        }
        return {plot};
    };
}

}  // namespace pierabut
