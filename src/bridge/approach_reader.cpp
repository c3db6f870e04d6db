// Cone slopes and approach slabs at the two bridge ends, read from their tables and placed on the route,
// with their solids.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "bridge/model_readers.h"
#include "bridge/table_rows.h"
#include "platform/text/cformat.h"
#include "projectdb/schema.h"

namespace bridge {

namespace {

// A cone is built as this many level layers, each holding the volume of its slice of the cone exactly.
constexpr int kConeLayers = 6;
constexpr int kQuarterArcSides = 8;
// The toe is searched this far along the bridge at most.
constexpr double kFarthestToe = 500;

// The end a record's 位置 names: the start abutment for "起点", the end one for "终点", both otherwise.
std::vector<int> EndsOf(const Bridge& b, const std::string& position) {
    const int last = static_cast<int>(b.supports.size()) - 1;
    if (position.find("起") != std::string::npos) return {0};
    if (position.find("终") != std::string::npos) return {last};
    return {0, last};
}

// +1 into the bridge from the start abutment, -1 from the end one.
double Inward(int support) { return support == 0 ? 1 : -1; }

double Pavement(const Bridge& b) { return b.supports.front().chain.pavement.value; }

Point2 PlanAt(const Bridge& b, double station, double offset) {
    if (!b.site.route) return {station, offset};
    const calc::RoutePoint p = b.site.route->Evaluate(station, offset);
    return {p.x, p.y};
}

// The distance along the bridge from `station` where a slope falling 1:ratio from `topZ` meets the ground.
double ToeDistance(const Bridge& b, double station, double dir, double topZ, double ratio) {
    auto above = [&](double d) { return topZ - d / ratio - b.site.GroundAt(station + dir * d); };
    double low = 0, high = 0.5;
    while (above(high) > 0 && high < kFarthestToe) {
        low = high;
        high *= 2;
    }
    for (int i = 0; i < 60; ++i) {
        const double mid = (low + high) / 2;
        (above(mid) > 0 ? low : high) = mid;
    }
    return (low + high) / 2;
}

// A quarter ellipse from the origin: semi-axes `across` along u (its sign the side) and `along` along v.
std::vector<Point2> QuarterEllipse(double across, double along) {
    std::vector<Point2> p = {{0, 0}};
    for (int k = 0; k <= kQuarterArcSides; ++k) {
        const double a = std::numbers::pi / 2 * k / kQuarterArcSides;
        p.push_back({across * std::cos(a), along * std::sin(a)});
    }
    if (Area(p) < 0) std::reverse(p.begin() + 1, p.end());
    return p;
}

void FinishSolid(Solid& s) {
    s.area = Area(s.profile);
    s.volume = s.area * PathLength(s.path);
}

// The two quarter cones of a bridge end as level layers on a vertical path; the profile's u runs across the
// route (positive right), its v along it (positive ahead), as for the other members on a vertical path.
// Each layer is the quarter ellipse at its height, scaled so that the layer holds the cone's volume
// between its two levels: the layers together hold the cone exactly.
void ConeSolids(const ConeSlope& c, double dir, std::vector<Solid>& out) {
    const double a = c.radiusAcross(), l = c.radiusAlong(), h = c.height;
    for (double side : {-1.0, 1.0}) {
        const Point2 top = side < 0 ? c.topLeft : c.topRight;
        for (int k = 0; k < kConeLayers; ++k) {
            // t: the fraction of the height above a level, from the toe (1) to the top (0).
            const double t0 = 1.0 - static_cast<double>(k) / kConeLayers,
                         t1 = 1.0 - static_cast<double>(k + 1) / kConeLayers;
            const double slice = std::numbers::pi / 4 * a * l * h / 3 * (t0 * t0 * t0 - t1 * t1 * t1);
            const double thickness = h / kConeLayers;
            const std::vector<Point2> unit = QuarterEllipse(side * a, dir * l);
            const double scale = std::sqrt(slice / thickness / Area(unit));
            Solid s;
            s.member = "锥坡";
            s.support = c.support;
            s.table = projectdb::kConeTable;
            for (const Point2& p : unit) s.profile.push_back({p.x * scale, p.y * scale});
            const double z = c.toeZ + thickness * k;
            s.path = {{top.x, top.y, z}, {top.x, top.y, z + thickness}};
            FinishSolid(s);
            out.push_back(std::move(s));
        }
    }
}

void ReadCones(dao::Database& db, Bridge& b, const Deck& deck) {
    TableRows t(db, projectdb::kConeTable, b.findings);
    std::vector<bool> done(b.supports.size(), false);
    for (std::size_t row = 0; row < t.size(); ++row) {
        const double along = t.Number(row, "RatioAlong"), across = t.Number(row, "RatioAcross");
        if (along <= 0 || across <= 0) {
            b.findings.push_back(
                {"CONE_RATIO", 'W',
                 text::Format("锥坡信息表第%d条记录的坡度须大于0（顺桥向 %.3f，横桥向 %.3f），此处不设锥坡。",
                              t.Record(row) + 1, along, across),
                 projectdb::kConeTable, t.Record(row)});
            continue;
        }
        for (int end : EndsOf(b, t.Text(row, "Position"))) {
            if (done[end]) continue;  // the first record of an end holds
            done[end] = true;
            const Support& s = b.supports[end];
            const double dir = Inward(end);
            ConeSlope c;
            c.support = end;
            c.record = t.Record(row);
            c.ratioAlong = along;
            c.ratioAcross = across;
            c.backSlopeLength = t.Number(row, "BackSlopeLength");
            c.jointStation = s.station;
            c.topStation = s.station + dir * t.Number(row, "DistToAbutEnd");
            c.topZ = b.site.DeckAt(c.topStation, deck.offset) - Pavement(b);
            const double reach = ToeDistance(b, c.topStation, dir, c.topZ, along);
            c.toeStation = c.topStation + dir * reach;
            c.height = reach / along;
            c.toeZ = c.topZ - c.height;
            if (c.height <= 1e-3) {
                b.findings.push_back(
                    {"CONE_NO_HEIGHT", 'W',
                     text::Format("%d号台处锥坡顶（高程 %.3f）不高于地面，此处不设锥坡。", end, c.topZ),
                     projectdb::kConeTable, c.record});
                continue;
            }
            // A toe beyond the next support buries it: the slope or the ground line wants a look.
            const Support& next = b.supports[end == 0 ? 1 : end - 1];
            if (dir * (c.toeStation - next.station) > 0)
                b.findings.push_back({"CONE_PAST_SUPPORT", 'W',
                                      text::Format("%d号台锥坡的坡脚（桩号 %.3f）越过了%d号%s，请核对锥坡坡度与地面线。",
                                                   end, c.toeStation, next.index, next.KindText()),
                                      projectdb::kConeTable, c.record});
            const double left = deck.offset - deck.width / 2, right = deck.offset + deck.width / 2;
            c.topLeft = PlanAt(b, c.topStation, left);
            c.topRight = PlanAt(b, c.topStation, right);
            c.toeLeft = PlanAt(b, c.toeStation, left);
            c.toeRight = PlanAt(b, c.toeStation, right);
            ConeSolids(c, dir, b.solids);
            b.cones.push_back(c);
        }
    }
}

// The slab's section along the route, symmetric about its middle: a flat top, `end` thick at both ends and
// `centre` thick in the middle. Its area is length × the mean of the two thicknesses.
std::vector<Point2> SlabSection(double length, double end, double centre) {
    return {{-length / 2, -end}, {0, -centre}, {length / 2, -end}, {length / 2, 0}, {-length / 2, 0}};
}

void ReadApproachSlabs(dao::Database& db, Bridge& b, const Deck& deck) {
    TableRows t(db, projectdb::kApproachSlabTable, b.findings);
    for (std::size_t row = 0; row < t.size(); ++row) {
        ApproachSlab a;
        a.record = t.Record(row);
        a.length = t.Number(row, "CenterLength");
        a.endThickness = t.Number(row, "EndThick");
        a.centreThickness = t.Number(row, "CenterThick", a.endThickness);
        if (a.length <= 0 || a.endThickness <= 0 || a.centreThickness <= 0) {
            b.findings.push_back(
                {"SLAB_SIZE", 'W',
                 text::Format("桥头搭板信息表第%d条记录的中心长、厚度须大于0，此处不设搭板。", a.record + 1),
                 projectdb::kApproachSlabTable, a.record});
            continue;
        }
        for (int end : EndsOf(b, t.Text(row, "Position"))) {
            const Support& s = b.supports[end];
            const double dir = -Inward(end);  // away from the bridge
            a.support = end;
            a.count = std::max(1, static_cast<int>(t.Number(row, "SlabNum", 1)));
            const double stake = t.Number(row, "StartStake");
            a.startStation = stake > 0 ? stake : s.station;
            a.endStation = a.startStation + dir * a.length;
            a.startWidth = t.Number(row, "StartWidth", deck.width);
            a.endWidth = t.Number(row, "EndWidth", a.startWidth);
            a.startAngle = t.Number(row, "StartAngle", 90);
            a.endAngle = t.Number(row, "EndAngle", 90);
            if (a.startAngle <= 0 || a.startAngle >= 180) a.startAngle = 90;
            if (a.endAngle <= 0 || a.endAngle >= 180) a.endAngle = 90;
            a.startTopZ = b.site.DeckAt(a.startStation, deck.offset) - Pavement(b);
            a.endTopZ = b.site.DeckAt(a.endStation, deck.offset) - Pavement(b);
            // A corner `side` half widths off the centre line, moved along the route by its end's skew.
            auto corner = [&](double station, double width, double angle, double side) {
                const double across = side * width / 2;
                const double shift = across / std::tan(angle * std::numbers::pi / 180);
                return PlanAt(b, station + shift, deck.offset + across);
            };
            a.corners[0] = corner(a.startStation, a.startWidth, a.startAngle, -1);
            a.corners[1] = corner(a.startStation, a.startWidth, a.startAngle, 1);
            a.corners[2] = corner(a.endStation, a.endWidth, a.endAngle, 1);
            a.corners[3] = corner(a.endStation, a.endWidth, a.endAngle, -1);

            // Its section along the route swept across it at its middle over its mean width: the volume is
            // mean width × length × mean thickness, as the linear width and the symmetric thickness give.
            Solid sol;
            sol.member = "搭板";
            sol.support = end;
            sol.table = projectdb::kApproachSlabTable;
            sol.profile = SlabSection(a.length, a.endThickness, a.centreThickness);
            const double middle = (a.startStation + a.endStation) / 2, half = (a.startWidth + a.endWidth) / 4;
            const double z = (a.startTopZ + a.endTopZ) / 2;
            const Point2 l = PlanAt(b, middle, deck.offset - half), r = PlanAt(b, middle, deck.offset + half);
            sol.path = {{l.x, l.y, z}, {r.x, r.y, z}};
            FinishSolid(sol);
            b.solids.push_back(std::move(sol));
            b.approachSlabs.push_back(a);
        }
    }
}

}  // namespace

void ReadApproachWorks(dao::Database& db, Bridge& b) {
    const Deck* deck = b.DesignedDeck();
    if (b.supports.size() < 2 || !deck) return;
    ReadCones(db, b, *deck);
    ReadApproachSlabs(db, b, *deck);
}

}  // namespace bridge
