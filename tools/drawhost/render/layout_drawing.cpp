#include "layout_drawing.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "layout_views.h"
#include "platform/text/cformat.h"
#include "quantity_table.h"
#include "sheet_frame.h"
#include "sheet_scales.h"
#include "text_wrap.h"

namespace drawhost {

namespace {

void AddLayers(SheetPainter& p) {
    p.AddLayer("DECK", 7, LineStyle::Continuous, 0.5);
    p.AddLayer("RAILING", 8, LineStyle::Continuous, 0.18);
    p.AddLayer("SUPPORT", 7, LineStyle::Continuous, 0.45);
    p.AddLayer("PILE", 7, LineStyle::Continuous, 0.35);
    p.AddLayer("GROUND", 3, LineStyle::Continuous, 0.3);
    p.AddLayer("GROUND-HATCH", 3, LineStyle::Continuous, 0.13);
    p.AddLayer("ROAD", 8, LineStyle::Continuous, 0.25);
    p.AddLayer("CENTER", 1, LineStyle::Center, 0.18);
    p.AddLayer("HIDDEN", 4, LineStyle::Dashed, 0.18);
    p.AddLayer("DIM", 3, LineStyle::Continuous, 0.13);
    p.AddLayer("STRIP", 7, LineStyle::Continuous, 0.18);
    p.AddLayer("TEXT", 7, LineStyle::Continuous, 0.18);
    p.AddLayer("CAPTION", 7, LineStyle::Continuous, 0.35);
    p.AddLayer("NOTE", 7, LineStyle::Continuous, 0.18);
    p.AddLayer("MATCH", 7, LineStyle::Center, 0.5);
}

TitleBlock TitleOf(const SheetTexts& t, const DrawingRecord& record, const std::string& scale) {
    return {t.dept, t.project, t.bridge, record.title, record.fileName, scale};
}

// "3×20m", "2×20+25m": runs of equal spans.
std::string SpanCombination(const std::vector<bridge::Span>& spans) {
    std::string out;
    for (std::size_t i = 0; i < spans.size();) {
        std::size_t j = i;
        while (j < spans.size() && std::abs(spans[j].length - spans[i].length) < 1e-6) ++j;
        std::string length = text::Format("%g", spans[i].length);
        out += (out.empty() ? "" : "+") + (j - i > 1 ? std::to_string(j - i) + "×" + length : length);
        i = j;
    }
    return out + "m";
}

// The supports' member types, one sentence for the piers and one for the abutments.
std::string MemberTypes(const bridge::Bridge& b, bridge::SupportKind kind) {
    std::set<std::string> seen;
    std::string out;
    for (const bridge::Support& s : b.supports) {
        if (s.kind != kind) continue;
        std::string types;
        for (const std::string* t : {&s.capType, &s.bodyType, &s.connectType, &s.foundationType})
            if (!t->empty() && *t != "无") types += (types.empty() ? "" : "、") + *t;
        if (!types.empty() && seen.insert(types).second) out += (out.empty() ? "" : "；") + types;
    }
    return out;
}

std::string DeckWidths(const bridge::Bridge& b) {
    if (b.decks.size() == 2) {
        const double gap = (b.decks[1].offset - b.decks[1].width / 2) - (b.decks[0].offset + b.decks[0].width / 2);
        return text::Format("分离式，左幅宽 %gm，右幅宽 %gm，两幅间距 %gm", b.decks[0].width, b.decks[1].width, gap);
    }
    return b.decks.empty() ? std::string() : text::Format("桥面全宽 %gm", b.decks.front().width);
}

std::vector<std::string> Notes(const bridge::Bridge& b, const SheetTexts& t) {
    std::vector<std::string> notes = {"本图尺寸除标高、桩号以米计外，余均以厘米计。"};
    if (b.supports.empty()) return notes;
    std::string types;
    std::set<std::string> seen;
    for (const bridge::Span& s : b.spans)
        if (!s.structureType.empty() && seen.insert(s.structureType).second)
            types += (types.empty() ? "" : "、") + s.structureType;
    notes.push_back(text::Format("本桥跨径组合为 %s，桥梁全长 %.2fm，%s。", SpanCombination(b.spans).c_str(), b.length,
                                 DeckWidths(b).c_str()) +
                    (types.empty() ? "" : "上部结构为" + types + "。"));
    const bridge::Support& first = b.supports.front();
    notes.push_back("桥梁起点桩号 " + StakeText(t.lineMark, first.station) + "，终点桩号 " +
                    StakeText(t.lineMark, b.supports.back().station) +
                    text::Format("，墩台轴线与路线交角 %g°。", first.crossingAngle));
    int continuous = 0;
    for (const bridge::Unit& u : b.units) continuous += u.continuous ? 1 : 0;
    if (continuous > 0)
        notes.push_back(text::Format("全桥共 %d 联，伸缩缝设于各联端部。", static_cast<int>(b.units.size())));
    if (std::string piers = MemberTypes(b, bridge::SupportKind::Pier); !piers.empty())
        notes.push_back("桥墩：" + piers + "。");
    if (std::string abuts = MemberTypes(b, bridge::SupportKind::Abutment); !abuts.empty())
        notes.push_back("桥台：" + abuts + "。");
    return notes;
}

// Numbered notes under "附注：", wrapped to the column; returns the y below the last line.
double DrawNotes(SheetPainter& p, const std::vector<std::string>& notes, double left, double right, double top,
                 double textHeight) {
    p.UseLayer("NOTE");
    p.Text({left, top - kViewTitleHeight}, kViewTitleHeight, "附注：");
    double y = top - kViewTitleHeight - textHeight * 1.8;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const std::string number = std::to_string(i + 1) + ".";
        const double indent = textHeight * 1.6;
        p.Text({left, y}, textHeight, number);
        for (const std::string& line : WrapText(notes[i], textHeight, right - left - indent)) {
            p.Text({left + indent, y}, textHeight, line);
            y -= textHeight * 1.6;
        }
    }
    return y;
}

}  // namespace

int LayoutScale(double recordScale, double needed) {
    if (recordScale > 0 && InScaleSeries(recordScale) && recordScale >= needed - 1e-9)
        return static_cast<int>(std::lround(recordScale));
    return SmallestSeriesScale(needed);
}

namespace {

// The fixed parts of a layout sheet's height and width, on paper.
struct LayoutFrame {
    DrawingArea area;
    double th = kTextHeight;
    double rightWidth = 0, leftRight = 0, captionWidth = 0;
    double stripHeight = 0, captionRoom = 0, elevationDims = 0, fixedMm = 0;

    explicit LayoutFrame(const DrawingArea& a) : area(a) {
        rightWidth = area.width() * 0.3;
        leftRight = area.right - rightWidth - 4;
        captionWidth = th * kTextWidthFactor * 4 + 3;
        stripHeight = th * (5.6 + 5.6 + 8.6);
        captionRoom = kViewTitleHeight + 4;
        elevationDims = 3 * th + 12;
        fixedMm = 2 * captionRoom + elevationDims + 2 + stripHeight + 3 * th + 6;
    }
    double ViewWidth() const { return leftRight - area.left - captionWidth - 2; }
    double ViewHeight() const { return std::max(area.height() - fixedMm, 20.0); }
};

// How far the views reach beyond an end support: some road beyond an abutment, and all of its approach
// slab; a little beyond a pier where a sheet is cut.
double Margin(const bridge::Bridge& b, const bridge::Support& end, double length) {
    if (end.kind != bridge::SupportKind::Abutment) return 3.0;
    double reach = std::clamp(0.12 * length, 6.0, 20.0);
    for (const bridge::ApproachSlab& a : b.approachSlabs)
        if (a.support == end.index)
            reach = std::max(
                {reach, std::abs(a.endStation - end.station) + 2, std::abs(a.startStation - end.station) + 2});
    return reach;
}

StakeAxis AxisOf(const bridge::Bridge& b) {
    StakeAxis axis;
    if (b.supports.empty()) return axis;
    const double length = b.supports.back().station - b.supports.front().station;
    axis.firstStake = b.supports.front().station - Margin(b, b.supports.front(), length);
    axis.lastStake = b.supports.back().station + Margin(b, b.supports.back(), length);
    return axis;
}

// The metres of elevation and plan one above the other.
double WorldHeight(const bridge::Bridge& b, const StakeAxis& axis) {
    const ElevationExtent extent = MeasureElevation(b, axis);
    const PlanExtent plan = MeasurePlan(b, axis);
    return (extent.top - extent.bottom) + plan.left + plan.right;
}

// The supports from `first` to `last` with what stands on them and the spans between them. Spans keep their
// places (units and superstructures refer to them by index); units keep only the spans shown.
bridge::Bridge Part(const bridge::Bridge& b, std::size_t first, std::size_t last) {
    bridge::Bridge part = b;
    part.supports.assign(b.supports.begin() + first, b.supports.begin() + last + 1);
    const int fromSpan = b.supports[first].index, toSpan = b.supports[last].index - 1;
    part.units.clear();
    for (bridge::Unit u : b.units) {
        std::erase_if(u.spans, [&](int s) { return s < fromSpan || s > toSpan; });
        if (!u.spans.empty()) part.units.push_back(u);
    }
    std::erase_if(part.solids, [&](const bridge::Solid& s) {
        const bool support = s.support >= 0 &&
                             (s.support < b.supports[first].index || s.support > b.supports[last].index);
        const bool span = s.span >= 0 && (s.span < fromSpan || s.span > toSpan);
        return support || span;
    });
    const int firstIndex = b.supports[first].index, lastIndex = b.supports[last].index;
    auto away = [&](const auto& item) { return item.support < firstIndex || item.support > lastIndex; };
    std::erase_if(part.cones, away);
    std::erase_if(part.approachSlabs, away);
    return part;
}

// A match line: where the view goes on on another sheet, marked with that sheet's number.
void MatchLine(SheetPainter& p, double x, double top, double bottom, const std::string& label) {
    p.UseLayer("MATCH");
    p.Line({x, top}, {x, bottom});
    p.UseLayer("TEXT");
    p.Text({x, bottom - kTextHeight - 1.5}, kTextHeight, label, HAlign::Centre);
}

struct SheetPlace {
    int number = 1, count = 1;
    bool cutBefore = false, cutAfter = false;
};

SheetGeometry LayoutSheet(const bridge::Bridge& whole, const bridge::Bridge& b, const SheetTexts& texts,
                          const DrawingRecord& record, const LayoutFrame& f, int scale, const SheetPlace& place) {
    StakeAxis axis = AxisOf(b);
    const ElevationExtent extent = MeasureElevation(b, axis);
    const PlanExtent plan = MeasurePlan(b, axis);
    axis.mmPerMetre = 1000.0 / scale;
    const double th = f.th;

    SheetGeometry sheet;
    SheetPainter p(sheet);
    TitleBlock title = TitleOf(texts, record, text::Format("1:%d", scale));
    title.sheet = place.number;
    title.sheets = place.count;
    DrawSheetFrame(p, record.sheetSize, title);
    AddLayers(p);

    const DrawingArea& area = f.area;
    const double drawnWidth = (axis.lastStake - axis.firstStake) * axis.mmPerMetre;
    axis.x0 = area.left + f.captionWidth + std::max(0.0, (f.leftRight - area.left - f.captionWidth - drawnWidth) / 2);
    const double centreX = axis.x0 + drawnWidth / 2;

    // What the scale leaves over goes above the elevation and between the strip and the plan.
    const double worldHeight = (extent.top - extent.bottom) + plan.left + plan.right;
    const double spare = std::max(0.0, area.height() - f.fixedMm - worldHeight * axis.mmPerMetre);
    const double y = area.top - spare * 0.2;
    ViewCaption(p, centreX, y - kViewTitleHeight, text::Format("立    面  1:%d", scale), kViewTitleHeight);
    const double baseY = y - f.captionRoom - f.elevationDims - (extent.top - extent.bottom) * axis.mmPerMetre;
    DrawElevation(p, b, texts, axis, extent, baseY, th);
    const double stripBottom = DrawDataStrip(p, b, texts, axis, baseY - 2, axis.x0 - f.captionWidth, th);

    const double planCaptionY = stripBottom - f.captionRoom - spare * 0.4;
    ViewCaption(p, centreX, planCaptionY, text::Format("平    面  1:%d", scale), kViewTitleHeight);
    const double chordY = planCaptionY - 4 - th - plan.left * axis.mmPerMetre;
    DrawPlan(p, b, texts, axis, chordY, th);

    const double matchTop = baseY + (extent.top - extent.bottom) * axis.mmPerMetre;
    const double matchBottom = chordY - plan.right * axis.mmPerMetre;
    if (place.cutBefore)
        MatchLine(p, axis.X(b.supports.front().station), matchTop, matchBottom,
                  "接第" + std::to_string(place.number - 1) + "张");
    if (place.cutAfter)
        MatchLine(p, axis.X(b.supports.back().station), matchTop, matchBottom,
                  "接第" + std::to_string(place.number + 1) + "张");

    // Right column of the first sheet: the cross-section above, the notes below.
    if (place.number == 1) {
        const double columnLeft = area.right - f.rightWidth;
        const double belowSection = DrawCrossSection(p, whole, columnLeft, area.bottom + area.height() * 0.45,
                                                     area.right, area.top, th);
        const double belowNotes = DrawNotes(p, Notes(whole, texts), columnLeft + 2, area.right - 1, belowSection - 2,
                                            th);
        DrawQuantityTable(p, whole, columnLeft + 2, area.right - 1, belowNotes - 2, th);
    }
    return sheet;
}

}  // namespace

std::vector<SheetGeometry> BridgeLayoutDrawing(const bridge::Bridge& b, const SheetTexts& texts,
                                               const DrawingRecord& record, std::vector<std::string>& messages) {
    // The drawing area does not depend on the scale written in the title block: measure it on a scratch sheet.
    SheetGeometry scratch;
    SheetPainter measure(scratch);
    const LayoutFrame f(DrawSheetFrame(measure, record.sheetSize, TitleOf(texts, record, "")));

    // One scale for elevation and plan: the record's when it is in the series and everything fits at it.
    const StakeAxis whole = AxisOf(b);
    const double heightNeeded = WorldHeight(b, whole) * 1000 / f.ViewHeight();
    const double needed = std::max(heightNeeded, (whole.lastStake - whole.firstStake) * 1000 / f.ViewWidth());
    int scale = LayoutScale(record.scale, needed);
    if (scale != 0 && scale <= kLongestLayoutScale) {
        if (record.scale > 0 && scale != std::lround(record.scale))
            messages.push_back(text::Format("图形布置信息表中的比例 1:%g %s，立面、平面按 1:%d 绘制。", record.scale,
                                            InScaleSeries(record.scale) ? "图幅容纳不下" : "不在常用比例系列中",
                                            scale));
        return {LayoutSheet(b, b, texts, record, f, scale, {})};
    }

    // Too long for one sheet: at 1:1000 (or what the height needs) the supports go onto as many sheets as
    // they need, each sheet beginning at the support where the one before it ends.
    scale = std::max(kLongestLayoutScale, SmallestSeriesScale(heightNeeded));
    if (scale == 0) scale = kScaleSeries[std::size(kScaleSeries) - 1];
    const double room = f.ViewWidth() * scale / 1000.0;
    const double length = b.supports.back().station - b.supports.front().station;
    auto fits = [&](std::size_t first, std::size_t end) {
        const double before = first == 0 ? Margin(b, b.supports.front(), length) : 3.0;
        const double after = end + 1 == b.supports.size() ? Margin(b, b.supports.back(), length) : 3.0;
        return b.supports[end].station - b.supports[first].station + before + after <= room;
    };
    // As many spans on a sheet as fit; then the same number of spans on every sheet where that fits too, so
    // that the last sheet does not carry a lone span.
    std::vector<std::pair<std::size_t, std::size_t>> parts;
    for (std::size_t first = 0; first + 1 < b.supports.size();) {
        std::size_t last = first + 1;
        while (last + 1 < b.supports.size() && fits(first, last + 1)) ++last;
        parts.push_back({first, last});
        first = last;
    }
    // The spans shared out as evenly as the sheets allow, the first sheet (with its approach) among the
    // shorter ones.
    const std::size_t spans = b.supports.size() - 1, count = parts.size();
    const std::size_t base = spans / count, extra = spans % count;
    std::vector<std::pair<std::size_t, std::size_t>> balanced;
    for (std::size_t k = 0, first = 0; k < count; ++k) {
        const std::size_t size = base + (k >= 1 && k <= extra ? 1 : 0);
        balanced.push_back({first, first + size});
        first += size;
    }
    if (base > 0 &&
        std::all_of(balanced.begin(), balanced.end(), [&](auto part) { return fits(part.first, part.second); }))
        parts = balanced;
    messages.push_back(
        text::Format("桥梁较长，立面、平面按 1:%d 分 %d 张图绘制。", scale, static_cast<int>(parts.size())));
    std::vector<SheetGeometry> sheets;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        SheetPlace place{static_cast<int>(k + 1), static_cast<int>(parts.size()), k > 0, k + 1 < parts.size()};
        sheets.push_back(LayoutSheet(b, Part(b, parts[k].first, parts[k].second), texts, record, f, scale, place));
    }
    return sheets;
}

SheetGeometry NamedSheet(const SheetTexts& texts, const DrawingRecord& record) {
    SheetGeometry sheet;
    SheetPainter p(sheet);
    const DrawingArea area = DrawSheetFrame(p, record.sheetSize, TitleOf(texts, record, ""));
    p.AddLayer("CAPTION", 7, LineStyle::Continuous, 0.35);
    p.AddLayer("NOTE", 7, LineStyle::Continuous, 0.18);
    const double th = kTextHeight;
    const double cx = (area.left + area.right) / 2;
    double y = area.top - area.height() * 0.3;
    p.UseLayer("CAPTION");
    p.Text({cx, y}, 10, record.title, HAlign::Centre);
    y -= th * 4;
    p.Text({cx, y}, kViewTitleHeight, "（" + record.kind + "）", HAlign::Centre);
    std::string shows;
    if (record.kind == "参数化钢筋图" || record.kind == "交互式钢筋图")
        shows = "构件的钢筋构造：钢筋布置立面与断面、钢筋编号、大样及钢筋数量表。";
    else
        shows = "“" + record.kind + "”不是已知的绘图类别。";
    std::vector<std::string> lines = {"此图应绘制：" + shows,
                                      "本绘图程序绘制桥型布置图与上、下部构造一般构造图；此类图纸在此仅列出应绘内容，"
                                      "图框与图标已按图幅布置。"};
    y -= th * 4;
    p.UseLayer("NOTE");
    const double width = area.width() * 0.6;
    for (const std::string& line : lines)
        for (const std::string& part : WrapText(line, th, width)) {
            p.Text({cx - width / 2, y}, th, part);
            y -= th * 2;
        }
    return sheet;
}

}  // namespace drawhost
