#include "layout_drawing.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "layout_views.h"
#include "platform/text/cformat.h"
#include "sheet_frame.h"
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
}

TitleBlock TitleOf(const GeneralInfo& g, const DrawingRecord& record, const std::string& scale) {
    return {g.dept, g.project, g.bridge, record.title, record.fileName, scale};
}

// "3×20m", "2×20+25m": runs of equal spans.
std::string SpanCombination(const std::vector<Span>& spans) {
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
std::string MemberTypes(const BridgeData& data, bool abutments) {
    std::set<std::string> seen;
    std::string out;
    for (const Support& s : data.supports) {
        if (s.abutment != abutments) continue;
        std::string types;
        for (const std::string* t : {&s.capType, &s.bodyType, &s.connectType, &s.foundationType})
            if (!t->empty() && *t != "无") types += (types.empty() ? "" : "、") + *t;
        if (!types.empty() && seen.insert(types).second) out += (out.empty() ? "" : "；") + types;
    }
    return out;
}

std::vector<std::string> Notes(const BridgeData& data) {
    std::vector<std::string> notes = {"本图尺寸除高程、桩号以米计外，其余均以厘米计。"};
    const GeneralInfo& g = data.general;
    if (!data.supports.empty()) {
        std::string types;
        std::set<std::string> seen;
        for (const Span& s : data.spans)
            if (!s.structureType.empty() && seen.insert(s.structureType).second)
                types += (types.empty() ? "" : "、") + s.structureType;
        notes.push_back(text::Format("本桥跨径组合为 %s，桥梁全长 %.2fm，桥面全宽 %gm。",
                                     SpanCombination(data.spans).c_str(),
                                     data.supports.back().stake - data.supports.front().stake + 0.9, g.deckWidth) +
                        (types.empty() ? "" : "上部结构为" + types + "。"));
        notes.push_back("桥梁中心桩号 " + StakeText(g.lineMark, data.centreStake) +
                        text::Format("，桥中心交角 %g°。", data.crossAngle));
        for (const VerticalCurve& c : data.verticalCurves)
            notes.push_back("竖曲线：变坡点 " + StakeText(g.lineMark, c.stake) +
                            text::Format("，高程 %.3fm，R=%gm，T=%.3fm，E=%.3fm，纵坡 %+.3f%% / %+.3f%%。", c.elevation,
                                         c.radius, c.tangent, c.external, c.gradeIn * 100, c.gradeOut * 100));
        if (std::string piers = MemberTypes(data, false); !piers.empty()) notes.push_back("桥墩：" + piers + "。");
        if (std::string abuts = MemberTypes(data, true); !abuts.empty()) notes.push_back("桥台：" + abuts + "。");
    }
    for (const std::string& n : data.notes) notes.push_back(n);
    return notes;
}

// Numbered notes under "附注：", wrapped to the column; returns the y below the last line.
double DrawNotes(SheetPainter& p, const std::vector<std::string>& notes, double left, double right, double top,
                 double textHeight) {
    p.UseLayer("NOTE");
    p.Text({left, top - textHeight * 1.2}, textHeight * 1.2, "附注：");
    double y = top - textHeight * 1.2 - textHeight * 1.8;
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

int CommonScale(double needed) {
    static const int kScales[] = {50,   75,   100,  125,  150,  200,  250,  300,  400,  500,  600,   750,
                                  1000, 1250, 1500, 2000, 2500, 3000, 4000, 5000, 6000, 7500, 10000, 20000};
    for (int s : kScales)
        if (s >= needed - 1e-9) return s;
    return static_cast<int>(std::ceil(needed / 10000) * 10000);
}

SheetGeometry BridgeLayoutDrawing(const BridgeData& data, const DrawingRecord& record) {
    const GeneralInfo& g = data.general;
    // The drawing area does not depend on the scale written in the title block: measure it on a scratch sheet.
    SheetGeometry scratch;
    SheetPainter measure(scratch);
    const DrawingArea area = DrawSheetFrame(measure, record.sheetSize, TitleOf(g, record, ""));
    const double th = area.textHeight;

    const double rightWidth = area.width() * 0.27;
    const double leftRight = area.right - rightWidth - 4;
    const double captionWidth = th * 0.85 * 6.5;
    const ElevationExtent extent = MeasureElevation(data);
    const double length = data.EndStake() - data.startStake;
    const double approach = std::max(6.0, 0.12 * length);
    StakeAxis axis;
    axis.firstStake = (data.supports.empty() ? data.startStake : data.supports.front().stake) - approach;
    axis.lastStake = data.EndStake() + approach;

    // One scale for elevation and plan: the record's when everything fits at it, else the next common one.
    const double stripHeight = th * 0.85 * 18.6;
    const double fixedMm = 3.5 * th + (3 * th + 10) + 2 + stripHeight + 3 * th + 4 * th + 2 * th + 8;
    const double worldHeight = (extent.top - extent.bottom) + 2 * PlanHalfWidth(data);
    const double needed = std::max(
        worldHeight * 1000 / std::max(area.height() - fixedMm, 20.0),
        (axis.lastStake - axis.firstStake) * 1000 / (leftRight - area.left - captionWidth - 2));
    int scale = record.scale > 0 && record.scale >= needed ? static_cast<int>(std::lround(record.scale))
                                                           : CommonScale(needed);
    axis.mmPerMetre = 1000.0 / scale;
    std::vector<std::string> notes = Notes(data);
    if (record.scale > 0 && record.scale < needed)
        notes.push_back(
            text::Format("按图形布置信息中的比例 1:%g 图幅容纳不下，立面、平面改按 1:%d 绘制。", record.scale, scale));

    SheetGeometry sheet;
    SheetPainter p(sheet);
    DrawSheetFrame(p, record.sheetSize, TitleOf(g, record, text::Format("1:%d", scale)));
    AddLayers(p);

    const double drawnWidth = (axis.lastStake - axis.firstStake) * axis.mmPerMetre;
    axis.x0 = area.left + captionWidth + std::max(0.0, (leftRight - area.left - captionWidth - drawnWidth) / 2);
    const double centreX = axis.x0 + drawnWidth / 2;

    // What the common scale leaves over goes above the elevation and between the strip and the plan.
    const double spare = std::max(0.0, area.height() - fixedMm - worldHeight * axis.mmPerMetre);
    double y = area.top - spare * 0.2;
    ViewCaption(p, centreX, y - 2 * th, text::Format("立    面  1:%d", scale), th * 1.3);
    const double baseY = y - 3.5 * th - (3 * th + 10) - (extent.top - extent.bottom) * axis.mmPerMetre;
    DrawElevation(p, data, axis, extent, baseY, th);
    const double stripBottom = DrawDataStrip(p, data, axis, baseY - 2, axis.x0 - captionWidth, th);

    const double planCaptionY = stripBottom - 3 * th - spare * 0.4;
    ViewCaption(p, centreX, planCaptionY, text::Format("平    面  1:%d", scale), th * 1.3);
    const double planCentreY = planCaptionY - 2.5 * th - 3.6 * th - PlanHalfWidth(data) * axis.mmPerMetre;
    DrawPlan(p, data, axis, planCentreY, th);

    // Right column: the cross-section above, the notes below.
    const double columnLeft = area.right - rightWidth;
    const double belowSection = DrawCrossSection(p, data, columnLeft, area.bottom + area.height() * 0.5, area.right,
                                                 area.top, th);
    DrawNotes(p, notes, columnLeft + 2, area.right - 1, belowSection - 2, th * 0.9);
    return sheet;
}

SheetGeometry NamedSheet(const GeneralInfo& general, const DrawingRecord& record) {
    SheetGeometry sheet;
    SheetPainter p(sheet);
    const DrawingArea area = DrawSheetFrame(p, record.sheetSize, TitleOf(general, record, ""));
    p.AddLayer("CAPTION", 7, LineStyle::Continuous, 0.35);
    p.AddLayer("NOTE", 7, LineStyle::Continuous, 0.18);
    const double th = area.textHeight;
    const double cx = (area.left + area.right) / 2;
    double y = area.top - area.height() * 0.3;
    p.UseLayer("CAPTION");
    p.Text({cx, y}, th * 3, record.title, HAlign::Centre);
    y -= th * 4;
    p.Text({cx, y}, th * 1.6, "（" + record.kind + "）", HAlign::Centre);
    std::string shows;
    if (record.kind == "上构一般构造图")
        shows = "图名所列各跨上部构造的立面、平面与横断面，构件尺寸、预制块件布置及材料数量表。";
    else if (record.kind == "下构一般构造图")
        shows = "图名所列墩台的立面、侧面与平面，帽梁、墩台身、联接构造与基础的尺寸，高程及材料数量表。";
    else if (record.kind == "参数化钢筋图" || record.kind == "交互式钢筋图")
        shows = "构件的钢筋构造：钢筋布置立面与断面、钢筋编号、大样及钢筋数量表。";
    else
        shows = "“" + record.kind + "”不是已知的绘图类别。";
    std::vector<std::string> lines = {"此图应绘制：" + shows,
                                      "本绘图程序绘制桥型布置图；此类图纸在此仅列出应绘内容，图框与图标已按图幅布置。"};
    y -= th * 4;
    p.UseLayer("NOTE");
    const double width = area.width() * 0.6;
    for (const std::string& line : lines)
        for (const std::string& part : WrapText(line, th * 1.2, width)) {
            p.Text({cx - width / 2, y}, th * 1.2, part);
            y -= th * 2;
        }
    return sheet;
}

}  // namespace drawhost
