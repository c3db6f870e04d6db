#include <algorithm>
#include <cmath>
#include <numbers>

#include "bridge/model_readers.h"
#include "bridge/standard_sizes.h"
#include "projectdb/schema.h"

namespace bridge {

namespace {

constexpr int kCircleSides = 24;
// A girder's path follows the route in steps no longer than this.
constexpr double kPathStep = 10;

std::vector<Point2> Rectangle(double width, double top, double bottom) {
    return {{-width / 2, bottom}, {width / 2, bottom}, {width / 2, top}, {-width / 2, top}};
}

std::vector<Point2> Circle(double diameter, double cu = 0, double cv = 0, int sides = kCircleSides) {
    std::vector<Point2> p;
    for (int i = 0; i < sides; ++i) {
        const double a = 2 * std::numbers::pi * i / sides;
        p.push_back({cu + diameter / 2 * std::cos(a), cv + diameter / 2 * std::sin(a)});
    }
    return p;
}

// The member table of a type; the solids of proposed members (no record of their own) name none.
std::string MemberTable(const std::string& type, bool proposed = false) {
    return proposed ? std::string() : projectdb::MemberTableOf(type).value_or("");
}

void Finish(Solid& s) {
    s.area = Area(s.profile);
    for (const auto& hole : s.holes) s.area -= std::fabs(Area(hole));
    s.volume = s.area * PathLength(s.path);
}

// The unit vector of a support line in plan (towards its right end); north-east when the plan is unknown.
Point2 LineDirection(const Support& s) {
    const double dx = s.lineRight.x - s.lineLeft.x, dy = s.lineRight.y - s.lineLeft.y;
    const double n = std::hypot(dx, dy);
    if (n <= 0) return {0, 1};
    return {dx / n, dy / n};
}

Point3 Along(const Support& s, double along, double z) {
    const Point2 d = LineDirection(s);
    return {s.centre.x + d.x * along, s.centre.y + d.y * along, z};
}

// A point moved square to the support line in plan, `by` metres ahead along the route (the support line
// runs from the left of the route to its right).
Point3 Ahead(const Support& s, Point3 p, double by) {
    const Point2 d = LineDirection(s);
    return {p.x + d.y * by, p.y - d.x * by, p.z};
}

// The deck's girder section as one outline: slabs side by side with a void each, T-beams as a comb of webs
// under a top flange, a box as its outer outline with its cells as holes. Every outline runs
// counter-clockwise (u right, v up), so that its signed area is the section's area.
void GirderSection(const Superstructure& g, double width, Solid& s) {
    const double h = g.depth;
    if (g.type.find("T梁") != std::string::npos && g.beamCount > 0) {
        const double flange = 0.18, web = 0.20;
        const double spacing = g.beamSpacing > 0 ? g.beamSpacing : width / g.beamCount;
        const double left = -spacing * g.beamCount / 2;
        // Down the left flange edge, along the web bottoms to the right, up the right edge, back along the top.
        s.profile = {{left, 0}, {left, -flange}};
        for (int k = 0; k < g.beamCount; ++k) {
            const double c = left + spacing * (k + 0.5);
            s.profile.push_back({c - web / 2, -flange});
            s.profile.push_back({c - web / 2, -h});
            s.profile.push_back({c + web / 2, -h});
            s.profile.push_back({c + web / 2, -flange});
        }
        s.profile.push_back({-left, -flange});
        s.profile.push_back({-left, 0});
        return;
    }
    s.profile = Rectangle(width, 0, -h);
    if (g.type.find("空心板") != std::string::npos && g.beamCount > 0) {
        const double spacing = g.beamSpacing > 0 ? g.beamSpacing : width / g.beamCount;
        for (int k = 0; k < g.beamCount; ++k)
            s.holes.push_back(Circle(std::min(0.6 * h, 0.7 * spacing), -spacing * g.beamCount / 2 + spacing * (k + 0.5),
                                     -h / 2, 16));
    } else if (IsBox(g.type) && g.boxCells > 0) {
        // Cells between webs of 0.4 m under a 0.25 m top slab and over a 0.22 m bottom slab, the box's
        // bottom 60 % of the deck width.
        const double bottom = width * 0.6, webs = 0.4, top = 0.25, floor = 0.22;
        s.profile = {{-bottom / 2, -h}, {bottom / 2, -h}, {width / 2, -top}, {width / 2, 0}, {-width / 2, 0},
                     {-width / 2, -top}};
        const double cell = (bottom - webs * (g.boxCells + 1)) / g.boxCells;
        for (int k = 0; k < g.boxCells && cell > 0; ++k) {
            const double u = -bottom / 2 + webs + k * (cell + webs);
            s.holes.push_back({{u, -h + floor}, {u + cell, -h + floor}, {u + cell, -top}, {u, -top}});
        }
    }
}

}  // namespace

// The route's points from one station to another at an offset from its centre line, `drop` under the deck.
std::vector<Point3> PathAlong(const Bridge& b, double from, double to, double offset, double drop) {
    std::vector<Point3> path;
    const int steps = std::max(1, static_cast<int>(std::ceil((to - from) / kPathStep)));
    for (int k = 0; k <= steps; ++k) {
        const double station = from + (to - from) * k / steps;
        calc::RoutePoint p;
        if (b.site.route) p = b.site.route->Evaluate(station, offset);
        else p.x = station;
        path.push_back({p.x, p.y, p.elevation - drop});
    }
    return path;
}

double Area(const std::vector<Point2>& p) {
    double twice = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const Point2 &a = p[i], &b = p[(i + 1) % p.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2;
}

double PathLength(const std::vector<Point3>& path) {
    double length = 0;
    for (std::size_t i = 1; i < path.size(); ++i)
        length += std::sqrt(std::pow(path[i].x - path[i - 1].x, 2) + std::pow(path[i].y - path[i - 1].y, 2) +
                            std::pow(path[i].z - path[i - 1].z, 2));
    return length;
}

namespace {

// The girder of every span along the route, its top under the pavement.
void AddGirders(Bridge& b, double width, double offset, double pavement) {
    for (const Superstructure& g : b.superstructures) {
        const Span& span = b.spans[g.span];
        Solid s;
        s.member = "主梁";
        s.span = g.span;
        s.table = g.table;
        s.record = g.table.empty() ? -1 : g.record;
        GirderSection(g, width, s);
        s.path = PathAlong(b, span.startStation + kJointHalfGap, span.endStation - kJointHalfGap, offset, pavement);
        Finish(s);
        b.solids.push_back(std::move(s));
    }
}

// The cap along the support line and a body under every column.
void AddCapAndBodies(const Support& sp, double width, std::vector<Solid>& solids) {
    const VerticalChain& c = sp.chain;
    const double sine = std::sin(sp.crossingAngle * std::numbers::pi / 180);
    if (c.capHeight > 0) {
        Solid s;
        s.member = sp.kind == SupportKind::Abutment ? "台帽" : "帽梁";
        s.support = sp.index;
        s.table = MemberTable(sp.capType, sp.capRecord < 0);
        s.record = sp.capRecord;
        const double length = sp.capLength > 0 ? sp.capLength : width / sine;
        const double along = sp.capWidth > 0 ? sp.capWidth : 1.6;
        s.profile = Rectangle(along, 0, -c.capHeight);
        s.path = {Along(sp, -length / 2, c.capTopZ), Along(sp, length / 2, c.capTopZ)};
        Finish(s);
        solids.push_back(std::move(s));
    }
    if (c.bodyLength <= 0) return;
    const char* name = sp.bodyType.find("柱式") != std::string::npos  ? "墩柱"
                       : sp.bodyType.find("肋板") != std::string::npos ? "肋板"
                                                                        : "墩台身";
    for (const Column& col : sp.columns) {
        Solid s;
        s.member = name;
        s.support = sp.index;
        s.table = MemberTable(sp.bodyType, sp.bodyRecord < 0);
        s.record = sp.bodyRecord;
        const double along = sp.bodyAlong > 0 ? sp.bodyAlong : 1.2;
        const double across = sp.bodyAcross > 0 ? sp.bodyAcross : along;
        s.profile = sp.roundBody || (sp.bodyAlong <= 0 && sp.bodyAcross <= 0) ? Circle(along)
                                                                              : Rectangle(across, along / 2, -along / 2);
        s.path = {{col.plan.x, col.plan.y, c.connectionTopZ}, {col.plan.x, col.plan.y, c.connectionTopZ + c.bodyLength}};
        Finish(s);
        solids.push_back(std::move(s));
    }
}

// The pile cap or tie beam, and the piles in their rows or the footing under it.
void AddConnectionAndFoundation(const Support& sp, std::vector<Solid>& solids) {
    const VerticalChain& c = sp.chain;
    const Foundation& f = sp.foundation;
    const double pile = f.pileDiameter > 0 ? f.pileDiameter : 1.2;
    const double columnsSpan = sp.columns.size() > 1
                                   ? std::fabs(sp.columns.back().offset - sp.columns.front().offset)
                                   : 0;
    if (c.connectionHeight > 0) {
        Solid s;
        s.member = sp.connectType == "系梁" ? "系梁" : "承台";
        s.support = sp.index;
        s.table = MemberTable(sp.connectType, sp.connectRecord < 0);
        s.record = sp.connectRecord;
        const double length = columnsSpan + 2 * pile;
        // Across the support line it holds every row of piles with 0.5 m to spare.
        const double rows = f.kind == "桩基础" ? std::max(0, f.pileRows - 1) * f.rowSpacing : 0;
        s.profile = Rectangle(rows + pile + 1.0, 0, -c.connectionHeight);
        s.path = {Along(sp, -length / 2, c.connectionTopZ), Along(sp, length / 2, c.connectionTopZ)};
        Finish(s);
        solids.push_back(std::move(s));
    }
    if (f.kind == "桩基础" && f.pileLength > 0) {
        const int count = f.pileCount > 0 ? f.pileCount : std::max<int>(1, static_cast<int>(sp.columns.size()));
        const int rows = std::clamp(f.pileRows, 1, count);
        const int perRow = std::max(1, count / rows);
        const double spacing = f.pileSpacing > 0 ? f.pileSpacing : (perRow > 1 ? columnsSpan / (perRow - 1) : 0);
        for (int r = 0; r < rows; ++r)
            for (int k = 0; k < perRow; ++k) {
                Solid s;
                s.member = "桩";
                s.support = sp.index;
                s.table = MemberTable(sp.foundationType, f.proposed);
                s.record = s.table.empty() ? -1 : f.record;
                const Point3 top = Ahead(sp, Along(sp, (k - (perRow - 1) / 2.0) * spacing, f.topZ),
                                         (r - (rows - 1) / 2.0) * f.rowSpacing);
                s.profile = Circle(pile);
                s.path = {top, {top.x, top.y, f.tipZ}};
                Finish(s);
                solids.push_back(std::move(s));
            }
    } else if (f.depth > 0) {
        Solid s;
        s.member = f.kind;
        s.support = sp.index;
        s.table = MemberTable(sp.foundationType, f.proposed);
        s.record = s.table.empty() ? -1 : f.record;
        const double length = columnsSpan + 3;
        s.profile = Rectangle(std::max(sp.bodyAlong, 1.0) + 2, 0, -f.depth);
        s.path = {Along(sp, -length / 2, f.topZ), Along(sp, length / 2, f.topZ)};
        Finish(s);
        solids.push_back(std::move(s));
    }
}

}  // namespace

void BuildSolids(Bridge& b) {
    const Deck* deck = b.DesignedDeck();
    const double width = deck ? deck->width : 0;
    const double offset = deck ? deck->offset : 0;
    const double pavement = b.supports.empty() ? kStandardPavement : b.supports.front().chain.pavement.value;
    AddGirders(b, width, offset, pavement);
    for (const Support& sp : b.supports) {
        AddCapAndBodies(sp, width, b.solids);
        AddConnectionAndFoundation(sp, b.solids);
    }
}

}  // namespace bridge
