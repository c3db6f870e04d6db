#include <algorithm>

#include "bridge/model_readers.h"
#include "bridge/table_rows.h"
#include "calc/route_check.h"
#include "calc/route_tables.h"
#include "platform/text/cformat.h"
#include "projectdb/schema.h"

namespace bridge {

namespace {

// The stations the elevation data describe: the profile's or the road design table's, by the method.
void ElevationRange(const calc::RouteData& r, double& from, double& to, bool& any) {
    any = false;
    if (r.method == calc::ElevationMethod::RoadDesignTable) {
        // The table keeps its sections private; one stake at each end is all the range needs.
        return;
    }
    const auto& points = r.profile.points();
    if (points.empty()) return;
    from = points.front().stake;
    to = points.back().stake;
    any = true;
}

}  // namespace

void ReadSite(dao::Database& db, Bridge& b) {
    Site& site = b.site;
    calc::RouteData data = calc::ReadRouteTables(db);
    for (const std::string& problem : data.problems) b.findings.push_back({"ROUTE_UNREADABLE", 'E', problem, "", -1});
    for (const calc::RouteFinding& f : calc::CheckRoute(data))
        b.findings.push_back({f.code, f.severity, f.text, f.table, f.record});

    site.hasPlan = !data.plan.empty();
    site.hasProfile = data.method == calc::ElevationMethod::RoadDesignTable ? !data.design.empty()
                                                                            : !data.profile.empty();
    if (site.hasPlan) {
        const auto& e = data.plan.elements();
        site.planStart = e.front().startStake;
        site.planEnd = e.back().startStake + e.back().length;
    }
    bool profileRange = false;
    ElevationRange(data, site.profileStart, site.profileEnd, profileRange);
    site.profileBounded = profileRange;
    site.route = std::make_shared<const calc::CGeoAssist>(std::move(data));

    TableRows ground(db, projectdb::kGroundLineTable, b.findings);
    for (std::size_t r = 0; r < ground.size(); ++r)
        site.ground.push_back({ground.Number(r, "Stake"), ground.Number(r, "Elevation")});
    std::stable_sort(site.ground.begin(), site.ground.end(),
                     [](const GroundPoint& a, const GroundPoint& c) { return a.station < c.station; });
}

}  // namespace bridge
