#include <cmath>
#include <numbers>

#include "bridge/model_readers.h"
#include "bridge/standard_sizes.h"
#include "platform/text/cformat.h"
#include "projectdb/schema.h"

namespace bridge {

namespace {

// Whether the girders of spans `left` and `right` run on over the support between them as one girder.
bool ContinuousOver(const Bridge& b, int left, int right) {
    for (const Unit& u : b.units) {
        if (!u.continuous) continue;
        bool hasLeft = false, hasRight = false;
        for (int s : u.spans) {
            hasLeft |= s == left;
            hasRight |= s == right;
        }
        if (hasLeft && hasRight) return true;
    }
    return false;
}

std::string Where(const Support& s) { return text::Format("%d号%s（桩号 %.3f）", s.index, s.KindText(), s.station); }

}  // namespace

SupportPoint PointOnSupportLine(const Bridge& b, const Support& s, double along) {
    const Deck* deck = b.DesignedDeck();
    const double theta = s.crossingAngle * std::numbers::pi / 180;
    SupportPoint p;
    p.station = s.station + along * std::cos(theta);
    p.offset = (deck ? deck->offset : 0) + along * std::sin(theta);
    if (b.site.route) {
        const calc::RoutePoint r = b.site.route->Evaluate(p.station, p.offset);
        p.plan = {r.x, r.y};
        p.deckZ = r.elevation;
    }
    return p;
}

void PlaceSupports(Bridge& b) {
    const Site& site = b.site;
    const Deck* deck = b.DesignedDeck();
    const double width = deck ? deck->width : 0;
    if (!site.hasPlan)
        b.findings.push_back({"NO_ROUTE_PLAN", 'W', "项目中没有平曲线资料，墩台的平面位置无法确定。",
                              projectdb::kHorizontalCurveTable, -1});
    if (!site.hasProfile)
        b.findings.push_back({"NO_ROUTE_PROFILE", 'W', "项目中没有竖曲线资料（或路基设计表），桥面高程按 0 计。",
                              projectdb::kVerticalCurveTable, -1});
    if (site.ground.empty())
        b.findings.push_back({"NO_GROUND", 'W', "项目中没有地形资料，墩台处地面高程无法确定。",
                              projectdb::kGroundLineTable, -1});
    constexpr double kReach = 1e-6;
    for (Support& s : b.supports) {
        const SupportPoint centre = PointOnSupportLine(b, s, 0);
        s.centre = centre.plan;
        s.deckZ = centre.deckZ;
        const double half = width / 2 / std::sin(s.crossingAngle * std::numbers::pi / 180);
        s.lineLeft = PointOnSupportLine(b, s, -half).plan;
        s.lineRight = PointOnSupportLine(b, s, half).plan;
        s.groundZ = site.GroundAt(s.station, &s.groundKnown);
        if (site.hasPlan && (s.station < site.planStart - kReach || s.station > site.planEnd + kReach))
            b.findings.push_back({"STATION_OUTSIDE_PLAN", 'W', Where(s) + "不在平曲线资料的范围内，按切线延长计算。",
                                  projectdb::kSubLayoutTable, s.record});
        if (site.profileBounded && (s.station < site.profileStart - kReach || s.station > site.profileEnd + kReach))
            b.findings.push_back({"STATION_OUTSIDE_PROFILE", 'W', Where(s) + "不在竖曲线资料的范围内，按纵坡延长计算。",
                                  projectdb::kSubLayoutTable, s.record});
        if (!site.ground.empty() && !s.groundKnown)
            b.findings.push_back({"STATION_OUTSIDE_GROUND", 'W', Where(s) + "不在地形资料的范围内，地面高程取最近点。",
                                  projectdb::kGroundLineTable, -1});

        // A bearing line for each span end that rests here; one at the centre line where a continuous girder
        // runs over the support.
        s.bearings.clear();
        const int left = s.index - 1, right = s.index;
        const int spans = static_cast<int>(b.superstructures.size());
        auto line = [&](double station) {
            s.bearings.push_back({station, site.DeckAt(station, deck ? deck->offset : 0)});
        };
        if (left >= 0 && right < spans && ContinuousOver(b, left, right)) {
            line(s.station);
            continue;
        }
        if (left >= 0 && left < spans) line(s.station - b.superstructures[left].bearingDistance);
        if (right >= 0 && right < spans) line(s.station + b.superstructures[right].bearingDistance);
    }
}

}  // namespace bridge
