#include "quantity_table.h"

#include <algorithm>

#include "platform/text/cformat.h"

namespace drawhost {

std::vector<std::pair<std::string, double>> ConcreteByMember(const bridge::Bridge& b) {
    std::vector<std::pair<std::string, double>> rows;
    auto add = [&](const bridge::Solid& s) {
        auto at = std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return r.first == s.member; });
        if (at == rows.end())
            rows.push_back({s.member, s.volume});
        else
            at->second += s.volume;
    };
    for (const bridge::Solid& s : b.solids)
        if (s.span >= 0) add(s);
    // A cone slope is earth fill, not concrete.
    for (const bridge::Solid& s : b.solids)
        if (s.span < 0 && s.member != "锥坡") add(s);
    double total = 0;
    for (const auto& r : rows) total += r.second;
    if (!rows.empty()) rows.push_back({"合计", total});
    return rows;
}

double DrawQuantityTable(SheetPainter& p, const bridge::Bridge& b, double left, double right, double top,
                         double textHeight) {
    const auto rows = ConcreteByMember(b);
    if (rows.empty()) return top;
    const double rowHeight = textHeight * 1.9, split = left + (right - left) * 0.55;
    p.UseLayer("CAPTION");
    p.Text({(left + right) / 2, top - 5}, 5, "主要工程数量表", HAlign::Centre);
    double y = top - 5 - 3;
    p.UseLayer("STRIP");
    p.Line({left, y}, {right, y});
    const double tableTop = y;
    auto row = [&](const std::string& name, const std::string& value) {
        p.UseLayer("TEXT");
        p.Text({left + 1.5, y - rowHeight / 2 - textHeight / 2}, textHeight, name);
        p.Text({right - 1.5, y - rowHeight / 2 - textHeight / 2}, textHeight, value, HAlign::Right);
        y -= rowHeight;
        p.UseLayer("STRIP");
        p.Line({left, y}, {right, y});
    };
    row("构件", "混凝土(m³)");
    for (const auto& [name, volume] : rows) row(name, text::Format("%.1f", volume));
    p.Line({left, tableTop}, {left, y});
    p.Line({split, tableTop}, {split, y});
    p.Line({right, tableTop}, {right, y});
    return y;
}

}  // namespace drawhost
