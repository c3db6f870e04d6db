#include "bridge_data.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

#include "calc/route_geometry.h"
#include "member_sizes.h"
#include "platform/text/cformat.h"
#include "projectdb/schema.h"
#include "table_rows.h"

namespace drawhost {

namespace {

constexpr double kDefaultDeckWidth = 12;
constexpr double kDefaultSpan = 20;

// "无" and an empty value both mean the general information leaves the item open.
std::string Given(const std::string& value) { return value == "无" ? std::string() : value; }

void ReadGeneral(dao::Database& db, BridgeData& data) {
    GeneralInfo& g = data.general;
    auto rows = ReadTableRows(db, projectdb::kGeneralInfoTable);
    if (!rows || rows->empty()) {
        data.notes.push_back("项目中没有一般信息，桥名等从缺，桥宽按 12m 绘制。");
        g.deckWidth = kDefaultDeckWidth;
        return;
    }
    const TableRow& r = rows->front();
    g.dept = Given(r.Text("DeptName"));
    g.project = Given(r.Text("ProjectName"));
    g.bridge = Given(r.Text("BridgeName"));
    g.lineMark = r.Text("LineMark").empty() ? "K" : r.Text("LineMark");
    g.forwardSite = Given(r.Text("ForwardSite"));
    g.backwardSite = Given(r.Text("BackwardSite"));
    g.transect = r.Text("TransectType");
    g.designedPart = r.Text("LeftOrRight");
    g.leftWidth = r.Number("LeftBridgeWidth", 0);
    g.rightWidth = r.Number("RightBridgeWidth", 0);
    g.dividerWidth = r.Number("DividerWidth", 0);
    const double whole = r.Number("BridgeWidth", 0);
    const bool divided = g.transect.find("分离式") != std::string::npos;
    if (divided && g.designedPart == "左半桥") {
        g.deckWidth = g.leftWidth;
    } else if (divided && g.designedPart == "右半桥") {
        g.deckWidth = g.rightWidth;
    } else if (divided) {
        g.divided = g.leftWidth > 0 && g.rightWidth > 0;
        g.deckWidth = g.divided ? g.leftWidth + g.dividerWidth + g.rightWidth : whole;
    } else {
        g.deckWidth = whole > 0 ? whole : g.leftWidth + g.rightWidth;
    }
    if (g.deckWidth <= 0) {
        g.deckWidth = kDefaultDeckWidth;
        g.divided = false;
        data.notes.push_back("一般信息中没有桥宽，按 12m 绘制。");
    }
}

void ReadSpans(dao::Database& db, BridgeData& data) {
    if (auto rows = ReadTableRows(db, projectdb::kSpanDivisionTable); rows && !rows->empty()) {
        const TableRow& r = rows->front();
        data.startStake = r.Number("StartStake", 0);
        data.centreStake = r.Number("CenterStake", 0);
        data.crossAngle = r.Number("CrossAngle", 90);
        if (data.crossAngle <= 0 || data.crossAngle > 180) data.crossAngle = 90;
    }
    if (auto rows = ReadTableRows(db, projectdb::kSuperSpanTable, "SpanNumber"); rows && !rows->empty()) {
        for (const TableRow& r : *rows)
            data.spans.push_back({static_cast<int>(r.Number("SpanNumber", data.spans.size() + 1)),
                                  r.Text("StructureType"), r.Number("SpanLength", 0), 0});
        return;
    }
    // Without the span list the sections tell the same, span by span.
    if (auto rows = ReadTableRows(db, projectdb::kSuperLayoutTable, "SectNumber")) {
        for (const TableRow& r : *rows) {
            const int n = static_cast<int>(r.Number("SpansInSect", 0));
            for (int k = 0; k < n; ++k)
                data.spans.push_back(
                    {static_cast<int>(data.spans.size() + 1), r.Text("StructureType"), r.Number("SpanLength", 0), 0});
        }
    }
}

void ReadSupports(dao::Database& db, BridgeData& data) {
    auto rows = ReadTableRows(db, projectdb::kSubLayoutTable, "PierAbutNum");
    if (rows && !rows->empty()) {
        for (const TableRow& r : *rows) {
            Support s;
            s.number = static_cast<int>(r.Number("PierAbutNum", data.supports.size()));
            s.stake = r.Number("PierAbutStake", 0);
            s.capType = r.Text("BentCapType");
            s.bodyType = r.Text("BodyType");
            s.connectType = r.Text("ConnectType");
            s.foundationType = r.Text("FoundationType");
            s.depthBelowGround = r.Number("DistToGround", 0) / 100;
            s.deckToCap = r.Number("DistToDeck", 0) / 100;
            s.skew = r.Number("PierAbutAngle", 0);
            data.supports.push_back(std::move(s));
        }
    } else {
        // The supports follow from the spans: an abutment at each end, piers between.
        if (data.spans.empty()) return;
        data.notes.push_back("项目中没有下构布置信息，墩台按跨径布置，构件按常用类型绘制。");
        double stake = data.startStake;
        for (std::size_t i = 0; i <= data.spans.size(); ++i) {
            Support s;
            s.number = static_cast<int>(i);
            s.stake = stake;
            const bool end = i == 0 || i == data.spans.size();
            s.capType = end ? "1类台帽" : "1类墩帽";
            s.bodyType = end ? "肋板式台身" : "圆形截面柱式墩身";
            s.connectType = end ? "1类承台" : "系梁";
            s.foundationType = end ? "多排桩基础" : "单排桩基础";
            s.depthBelowGround = 1;
            data.supports.push_back(std::move(s));
            if (i < data.spans.size()) stake += data.spans[i].length > 0 ? data.spans[i].length : kDefaultSpan;
        }
    }
    for (std::size_t i = 0; i < data.supports.size(); ++i) {
        Support& s = data.supports[i];
        s.abutment = i == 0 || i + 1 == data.supports.size() || s.capType.find("台帽") != std::string::npos;
        if (s.skew <= 0 || s.skew >= 180) s.skew = data.crossAngle;
    }
    // Spans missing from the span list are the gaps between the supports.
    if (data.spans.empty())
        for (std::size_t i = 1; i < data.supports.size(); ++i)
            data.spans.push_back({static_cast<int>(i), "", data.supports[i].stake - data.supports[i - 1].stake, 0});
}

void ReadJoints(dao::Database& db, BridgeData& data) {
    if (auto rows = ReadTableRows(db, projectdb::kJointTable, "JointNum"))
        for (const TableRow& r : *rows)
            if (auto stake = r.Number("JointStake")) data.joints.push_back(*stake);
}

void ReadGround(dao::Database& db, BridgeData& data) {
    if (auto rows = ReadTableRows(db, projectdb::kGroundLineTable)) {
        for (const TableRow& r : *rows) {
            auto stake = r.Number("Stake");
            auto elevation = r.Number("Elevation");
            if (stake && elevation) data.ground.push_back({*stake, *elevation});
        }
    }
    std::sort(data.ground.begin(), data.ground.end(),
              [](const GroundPoint& a, const GroundPoint& b) { return a.stake < b.stake; });
}

// The inner turning points whose curves reach the bridge, between its first and last support.
void ReadVerticalCurves(const calc::VerticalProfile& profile, BridgeData& data) {
    const auto& points = profile.points();
    if (data.supports.empty()) return;
    const double first = data.supports.front().stake, last = data.supports.back().stake;
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        VerticalCurve c;
        c.stake = points[i].stake;
        c.elevation = points[i].elevation;
        c.radius = points[i].radius;
        c.tangent = profile.TangentLength(i);
        if (c.stake + c.tangent < first || c.stake - c.tangent > last) continue;
        if (points[i].stake <= points[i - 1].stake || points[i + 1].stake <= points[i].stake) continue;
        c.external = c.radius > 0 ? c.tangent * c.tangent / (2 * c.radius) : 0;
        c.gradeIn = (points[i].elevation - points[i - 1].elevation) / (points[i].stake - points[i - 1].stake);
        c.gradeOut = (points[i + 1].elevation - points[i].elevation) / (points[i + 1].stake - points[i].stake);
        data.verticalCurves.push_back(c);
    }
}

// The deck line: from the route tables when they give elevations, else level and noted.
void ReadDeck(dao::Database& db, BridgeData& data) {
    auto route = std::make_shared<calc::CGeoAssist>(calc::ReadRouteTables(db));
    // The drawing runs along the stakes and does not use the plan alignment or the cross slopes: a problem
    // with those tables is told on the sheet. A problem with the elevations leaves no deck line to draw.
    for (const std::string& problem : route->problems()) {
        const bool unused = problem.find("平曲线资料表") != std::string::npos ||
                            problem.find("桥面横坡资料表") != std::string::npos;
        if (!unused) throw std::runtime_error(problem);
        data.notes.push_back(problem + "本图未用到该表。");
    }
    if (!(route->Status() & calc::kGeoNoElevation)) {
        data.deckElevation = [route](double stake) { return route->Evaluate(stake, 0).centreElevation; };
        ReadVerticalCurves(route->data().profile, data);
        return;
    }
    double level = 100;
    if (!data.ground.empty()) {
        double highest = data.ground.front().elevation;
        for (const GroundPoint& p : data.ground) highest = std::max(highest, p.elevation);
        level = std::ceil(highest + 8);
    }
    data.deckElevation = [level](double) { return level; };
    data.notes.push_back(text::Format("项目中没有竖曲线资料，桥面按高程 %.3f m 的平坡绘制。", level));
}

}  // namespace

double BridgeData::GroundElevation(double stake) const {
    if (ground.empty()) return 0;
    if (stake <= ground.front().stake) return ground.front().elevation;
    if (stake >= ground.back().stake) return ground.back().elevation;
    auto hi = std::lower_bound(ground.begin(), ground.end(), stake,
                               [](const GroundPoint& p, double s) { return p.stake < s; });
    auto lo = hi - 1;
    if (hi->stake == lo->stake) return hi->elevation;
    return lo->elevation + (hi->elevation - lo->elevation) * (stake - lo->stake) / (hi->stake - lo->stake);
}

std::string StakeText(const std::string& lineMark, double stake) {
    const double rounded = std::round(stake * 1000) / 1000;
    const double km = std::floor(rounded / 1000);
    return text::Format("%s%.0f+%07.3f", lineMark.c_str(), km, rounded - km * 1000);
}

BridgeData ReadBridgeData(dao::Database& db) {
    BridgeData data;
    ReadGeneral(db, data);
    ReadSpans(db, data);
    ReadSupports(db, data);
    ReadJoints(db, data);
    ReadGround(db, data);
    ReadDeck(db, data);
    if (data.supports.empty()) {
        data.notes.push_back("项目中没有桥跨布置，无法绘制墩台。");
        return data;
    }
    MemberSizes sizes(db, data.notes);
    for (Span& span : data.spans) span.depth = sizes.SpanDepth(span);
    bool deckToCapMissing = false;
    for (std::size_t i = 0; i < data.supports.size(); ++i) {
        Support& s = data.supports[i];
        sizes.Size(s, data.general.deckWidth);
        if (s.deckToCap <= 0) {
            // The girders of the span(s) beside the support rest on it: their depth, bearing and pavement.
            double depth = 0;
            if (i > 0 && i - 1 < data.spans.size()) depth = std::max(depth, data.spans[i - 1].depth);
            if (i < data.spans.size()) depth = std::max(depth, data.spans[i].depth);
            s.deckToCap = depth + 0.2;
            deckToCapMissing = true;
        }
    }
    sizes.WriteNotes();
    if (deckToCapMissing) data.notes.push_back("部分墩台未填帽梁顶面至桥面高差，按梁高加 0.2m 绘制。");
    if (data.ground.empty()) {
        // A level ground well below the deck, so that the supports still show their members.
        double lowest = data.deckElevation(data.startStake);
        for (const Support& s : data.supports) lowest = std::min(lowest, data.deckElevation(s.stake));
        const double level = std::floor(lowest - 8);
        data.ground = {{data.startStake - 20, level}, {data.EndStake() + 20, level}};
        data.notes.push_back(text::Format("项目中没有地面线资料，地面线按高程 %.3f m 的水平线绘制。", level));
    }
    return data;
}

}  // namespace drawhost
