#include "calc/route_check.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/text/cformat.h"

namespace calc {

namespace {

constexpr const char* kPlanTable = "平曲线资料表";
constexpr const char* kVerticalTable = "竖曲线资料表";
constexpr const char* kDesignTable = "路基设计表";
constexpr const char* kSlopeTable = "桥面横坡资料表";

// Setting out works to the millimetre: two elements that meet closer than that are one line.
constexpr double kPositionTolerance = 0.001;
// A bend at a joint that moves the line by a millimetre ten metres further on.
constexpr double kDirectionTolerance = 1e-4;
// Curvatures that differ less than this (800 m against 800.6 m) are the same radius rounded.
constexpr double kCurvatureTolerance = 1e-6;
// Elevations are staked out to the half centimetre.
constexpr double kElevationTolerance = 0.005;

std::string StakeText(double stake) {
    const double rounded = std::round(stake * 1000) / 1000;
    const double km = std::floor(rounded / 1000);
    return text::Format("K%.0f+%07.3f", km, rounded - km * 1000);
}

double Degrees(double radians) { return radians * 180 / std::numbers::pi; }

// The difference of two azimuths, in (−π, π].
double Turn(double from, double to) { return std::remainder(to - from, 2 * std::numbers::pi); }

std::string RadiusText(double curvature) {
    return curvature == 0 ? std::string("∞（直线）") : text::Format("%.3f m", 1 / std::abs(curvature));
}

class Findings {
public:
    void Add(const char* code, std::string text, const char* table, int record) {
        findings_.push_back({code, 'W', std::move(text), table, record});
    }
    std::vector<RouteFinding> Take() { return std::move(findings_); }

private:
    std::vector<RouteFinding> findings_;
};

// Records of a table as it lists them: a stake that does not rise is a record out of place (or twice there).
// The geometry sorts the records, so without this the engineer would never learn that the table is muddled.
struct StakeRecord {
    int record;
    double stake;
};
void CheckOrder(std::vector<StakeRecord> records, const char* table, const char* code, Findings& out) {
    std::erase_if(records, [](const StakeRecord& r) { return r.record < 0; });
    std::sort(records.begin(), records.end(), [](const auto& a, const auto& b) { return a.record < b.record; });
    for (std::size_t i = 1; i < records.size(); ++i) {
        const StakeRecord &before = records[i - 1], &r = records[i];
        if (r.stake > before.stake) continue;
        const char* fault = r.stake == before.stake ? "桩号重复" : "记录未按桩号排列";
        out.Add(code,
                text::Format("%s第%d条记录的桩号%s不大于前一条记录的桩号%s：%s", table, r.record + 1,
                             StakeText(r.stake).c_str(), StakeText(before.stake).c_str(), fault),
                table, r.record);
    }
}

double EndCurvature(const PlanElement& e) { return e.type == PlanElementType::Clothoid ? e.k1 : e.k0; }

// Where element `b` starts against where the element before it, `a`, ends.
void CheckJoint(const PlanElement& a, const PlanElement& b, int record, Findings& out) {
    const PlanPoint end = PointOnElement(a, a.length);
    const std::string at = StakeText(b.startStake);
    const double stakeGap = b.startStake - (a.startStake + a.length);
    if (stakeGap < -kPositionTolerance)
        out.Add("ROUTE_PLAN_OVERLAP",
                text::Format("平曲线第%d单元起点桩号%s在前一单元终点桩号%s之前，两单元重叠%.3f m", b.number, at.c_str(),
                             StakeText(a.startStake + a.length).c_str(), -stakeGap),
                kPlanTable, record);
    else if (stakeGap > kPositionTolerance)
        out.Add("ROUTE_PLAN_STAKE_GAP",
                text::Format("平曲线第%d单元起点桩号%s在前一单元终点桩号%s之后，其间%.3f m没有平曲线单元", b.number,
                             at.c_str(), StakeText(a.startStake + a.length).c_str(), stakeGap),
                kPlanTable, record);

    const double gap = std::hypot(b.x0 - end.x, b.y0 - end.y);
    if (gap > kPositionTolerance)
        out.Add("ROUTE_PLAN_GAP",
                text::Format("平曲线第%d单元起点（%s）与前一单元终点相距%.3f m", b.number, at.c_str(), gap), kPlanTable,
                record);
    const double bend = Turn(end.azimuth, b.azimuth0);
    if (std::abs(bend) > kDirectionTolerance)
        out.Add("ROUTE_PLAN_KINK",
                text::Format("平曲线第%d单元起点（%s）的方位角与前一单元终点的方位角相差%.4f°", b.number, at.c_str(),
                             Degrees(bend)),
                kPlanTable, record);

    // A transition curve exists to join two curvatures: it must start at the one before it and end at the
    // one after it. Lines and circles may meet each other directly.
    if (a.type != PlanElementType::Clothoid && b.type != PlanElementType::Clothoid) return;
    const double before = EndCurvature(a), after = b.k0;
    if (std::abs(after - before) > kCurvatureTolerance)
        out.Add("ROUTE_PLAN_CURVATURE",
                text::Format("平曲线第%d单元起点（%s）的半径%s与前一单元终点的半径%s不相接", b.number, at.c_str(),
                             RadiusText(after).c_str(), RadiusText(before).c_str()),
                kPlanTable, record);
}

// The end a record stores against the end its element reaches from its start.
void CheckStoredEnd(const PlanElement& e, const PlanRecord& r, Findings& out) {
    const PlanPoint end = PointOnElement(e, e.length);
    const std::string at = StakeText(e.startStake);
    // An end of (0, 0) is an end the table leaves out.
    if (r.endX && r.endY && (*r.endX != 0 || *r.endY != 0)) {
        const double miss = std::hypot(*r.endX - end.x, *r.endY - end.y);
        if (miss > kPositionTolerance)
            out.Add("ROUTE_PLAN_END_POINT",
                    text::Format("平曲线第%d单元（%s起）表中的终点与由起点、方位角、半径和长度推算的终点相距%.3f m",
                                 e.number, at.c_str(), miss),
                    kPlanTable, e.record);
    }
    if (r.endAzimuth) {
        const double miss = Turn(end.azimuth, *r.endAzimuth);
        if (std::abs(miss) > kDirectionTolerance)
            out.Add("ROUTE_PLAN_END_DIRECTION",
                    text::Format("平曲线第%d单元（%s起）表中的终点方位角与推算的终点方位角相差%.4f°", e.number,
                                 at.c_str(), Degrees(miss)),
                    kPlanTable, e.record);
    }
}

void CheckPlan(const RouteData& route, Findings& out) {
    const auto& elements = route.plan.elements();
    std::vector<StakeRecord> order;
    for (const auto& e : elements) order.push_back({e.record, e.startStake});
    CheckOrder(order, kPlanTable, "ROUTE_PLAN_ORDER", out);
    for (std::size_t i = 1; i < elements.size(); ++i) {
        const int record = elements[i].record >= 0 ? elements[i].record : static_cast<int>(i);
        CheckJoint(elements[i - 1], elements[i], record, out);
    }
    for (const auto& e : elements)
        if (e.record >= 0 && e.record < static_cast<int>(route.planRecords.size()))
            CheckStoredEnd(e, route.planRecords[e.record], out);
}

// Two neighbouring vertical curves must not reach into each other: where they do, the profile has a kink.
void CheckVerticalCurves(const VerticalProfile& profile, Findings& out) {
    const auto& points = profile.points();
    std::vector<StakeRecord> order;
    for (const auto& p : points) order.push_back({p.record, p.stake});
    CheckOrder(order, kVerticalTable, "ROUTE_VERT_ORDER", out);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const double run = points[i + 1].stake - points[i].stake;
        const double t1 = profile.TangentLength(i), t2 = profile.TangentLength(i + 1);
        if (run <= 0 || t1 + t2 <= run + kPositionTolerance) continue;
        const int record = points[i + 1].record >= 0 ? points[i + 1].record : static_cast<int>(i + 1);
        out.Add("ROUTE_VERT_OVERLAP",
                text::Format("竖曲线资料表变坡点%s与%s的竖曲线重叠%.3f m（切线长%.3f m与%.3f m，变坡点相距%.3f m）",
                             StakeText(points[i].stake).c_str(), StakeText(points[i + 1].stake).c_str(), t1 + t2 - run,
                             t1, t2, run),
                kVerticalTable, record);
    }
}

// The centre elevations of the road design table against the profile of the vertical curves: the two
// describe one road. Neighbouring sections that are off form one finding, so that a table shifted as a
// whole is one line to read, not one per section.
void CheckDesignAgainstProfile(const RouteData& route, Findings& out) {
    const auto& sections = route.design.sections();
    std::vector<StakeRecord> order;
    for (const auto& s : sections) order.push_back({s.record, s.stake});
    CheckOrder(order, kDesignTable, "ROUTE_DESIGN_ORDER", out);
    if (route.profile.empty()) return;
    const char* reference = route.method == ElevationMethod::RoadDesignTable ? "；本项目按路基设计表计算高程"
                                                                             : "；本项目按竖曲线计算高程";
    auto off = [&](std::size_t k) { return sections[k].centreElevation - route.profile.Elevation(sections[k].stake); };
    for (std::size_t i = 0; i < sections.size();) {
        if (std::abs(off(i)) <= kElevationTolerance) {
            ++i;
            continue;
        }
        std::size_t last = i, worst = i;
        while (last + 1 < sections.size() && std::abs(off(last + 1)) > kElevationTolerance) {
            ++last;
            if (std::abs(off(last)) > std::abs(off(worst))) worst = last;
        }
        const DesignSection& w = sections[worst];
        const std::string what =
            i == last
                ? text::Format("路基设计表%s的中桩高程%.3f m与竖曲线资料表给出的设计高程%.3f m相差%+.3f m",
                               StakeText(w.stake).c_str(), w.centreElevation, route.profile.Elevation(w.stake),
                               off(worst))
                : text::Format(
                      "路基设计表%s至%s共%zu个断面的中桩高程与竖曲线资料表给出的设计高程不符，"
                      "最大相差%+.3f m（%s：%.3f m对%.3f m）",
                      StakeText(sections[i].stake).c_str(), StakeText(sections[last].stake).c_str(), last - i + 1,
                      off(worst), StakeText(w.stake).c_str(), w.centreElevation, route.profile.Elevation(w.stake));
        const int record = sections[i].record >= 0 ? sections[i].record : static_cast<int>(i);
        out.Add("ROUTE_DESIGN_OFF_PROFILE", what + reference, kDesignTable, record);
        i = last + 1;
    }
}

// Cross-slope segments run forwards and one after the other; where two overlap the deck would change its
// cross slope at once instead of over a transition.
void CheckCrossSlopes(const CrossSlopes& slopes, Findings& out) {
    const auto& segments = slopes.segments();
    std::vector<StakeRecord> order;
    for (const auto& s : segments) order.push_back({s.record, s.start});
    CheckOrder(order, kSlopeTable, "ROUTE_SLOPE_ORDER", out);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const SlopeSegment& s = segments[i];
        const int record = s.record >= 0 ? s.record : static_cast<int>(i);
        if (s.end < s.start)
            out.Add("ROUTE_SLOPE_REVERSED",
                    text::Format("桥面横坡资料表%s起的一段终点桩号%s在起点之前", StakeText(s.start).c_str(),
                                 StakeText(s.end).c_str()),
                    kSlopeTable, record);
        if (i == 0) continue;
        const SlopeSegment& before = segments[i - 1];
        if (s.start < before.end - kPositionTolerance)
            out.Add("ROUTE_SLOPE_OVERLAP",
                    text::Format("桥面横坡资料表%s至%s一段与前一段（%s至%s）重叠%.3f m", StakeText(s.start).c_str(),
                                 StakeText(s.end).c_str(), StakeText(before.start).c_str(),
                                 StakeText(before.end).c_str(), before.end - s.start),
                    kSlopeTable, record);
    }
}

}  // namespace

std::vector<RouteFinding> CheckRoute(const RouteData& route) {
    Findings out;
    CheckPlan(route, out);
    CheckVerticalCurves(route.profile, out);
    CheckDesignAgainstProfile(route, out);
    CheckCrossSlopes(route.slopes, out);
    for (const auto& problem : route.uncheckedTables)
        out.Add("ROUTE_TABLE_UNREADABLE", problem + "该表未作检查。", kDesignTable, -1);
    return out.Take();
}

std::string WarningLine(const RouteFinding& finding) { return "警告: " + finding.text; }

}  // namespace calc
