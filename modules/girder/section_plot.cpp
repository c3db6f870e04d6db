#include "girder/section_plot.h"

#include <algorithm>

#include "kit/record_sheet.h"

namespace girder {
namespace {

using Points = std::vector<std::pair<double, double>>;

// A row's value by field name; 0 for a field the row does not have or a cell that is not a number (the
// picture skips what the check will refuse).
double Value(const ui::ProposedTable& table, size_t row, const char* field) {
    return modulekit::CellNumber(table, row, field).value_or(0);
}

Points Rectangle(double left, double right, double top, double bottom) {
    return {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
}

// Deck at y = 0; webs upright; the cantilevers taper from their root to their tip.
ui::Plot MidSpanSection(const std::vector<ui::ProposedTable>& tables) {
    const ui::ProposedTable& elevation = tables[0];
    const ui::ProposedTable& section = tables[1];
    double depth = Value(elevation, 0, "BoxHeight");
    if (depth <= 0) depth = Value(elevation, 0, "BoxCenterHeight");
    const double top = Value(section, 0, "TopWidth");
    const double c1 = Value(section, 0, "SuspendWidth1"), c2 = Value(section, 0, "SuspendWidth2");
    const double tip = Value(section, 0, "SuspendHeight1"), root = Value(section, 0, "SuspendHeight3");
    const double topPly = Value(section, 0, "TopDeckPly"), bottomPly = Value(section, 0, "BottomDeckPly");
    const double left = -top / 2, right = top / 2;
    ui::Plot plot;
    // "4_跨中" is span 4 at mid-span.
    std::string position = section.rows.empty() ? std::string() : section.rows[0][0];
    if (auto cut = position.find('_'); cut != std::string::npos) position.replace(cut, 1, "跨");
    plot.title = "第" + position + "横断面";
    plot.xLabel = "横桥向 (m)";
    plot.yLabel = "高 (m)";
    plot.equalScale = true;
    const long count = std::max(1L, static_cast<long>(Value(section, 0, "BoxNumber")));
    const double webLeft = left + c1, webRight = right - c2;
    const double cellTop = -topPly, cellBottom = -depth + bottomPly;
    if (section.table == "多箱单室箱梁横断面信息表") {
        // Separate boxes under one deck: each box its webs and its one cell.
        const double bottom = Value(section, 0, "BottomWidth"), gap = Value(section, 0, "BottomSpace");
        const double web = Value(section, 0, "WebPly");
        plot.series.push_back({"桥面板", {{left, -tip}, {left, 0}, {right, 0}, {right, -tip}}});
        for (long i = 0; i < count; ++i) {
            const double x = webLeft + i * (bottom + gap);
            const std::string n = std::to_string(i + 1);
            plot.series.push_back({"箱" + n, {{x, -root}, {x, -depth}, {x + bottom, -depth}, {x + bottom, -root}}});
            if (bottom > 2 * web && depth > topPly + bottomPly)
                plot.series.push_back({"箱室" + n, Rectangle(x + web, x + bottom - web, cellTop, cellBottom)});
        }
        return plot;
    }
    plot.series.push_back({"外轮廓",
                           {{left, 0},
                            {right, 0},
                            {right, -tip},
                            {webRight, -root},
                            {webRight, -depth},
                            {webLeft, -depth},
                            {webLeft, -root},
                            {left, -tip},
                            {left, 0}}});
    // Cells between the webs: one, or BoxNumber of them split by the inner webs.
    const double outer = std::max(Value(section, 0, "WebPly"), Value(section, 0, "OutWebPly"));
    const double inner = count > 1 ? Value(section, 0, "CenterWebPly") : 0;
    const double clear = (webRight - webLeft - 2 * outer - (count - 1) * inner) / count;
    if (clear > 0 && depth > topPly + bottomPly)
        for (long i = 0; i < count; ++i) {
            const double x = webLeft + outer + i * (clear + inner);
            plot.series.push_back({"箱室" + std::to_string(i + 1), Rectangle(x, x + clear, cellTop, cellBottom)});
        }
    return plot;
}

}  // namespace

ui::PlotMaker BoxSectionPlot() {
    return [](const std::vector<ui::ProposedTable>& tables) -> std::vector<ui::Plot> {
        if (tables.size() < 2 || tables[1].rows.empty()) return {};
        return {MidSpanSection(tables)};
    };
}

}  // namespace girder
