// The deck's own members beside the span girders: the precast slabs and T-beams one by one, the bearings
// under them, and the pavement on top. The span's girder solid stays one section (drawings cut it as one);
// its precast units share that section out beam by beam, so that a quantity or an IFC element is one beam.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "bridge/model_readers.h"
#include "bridge/standard_sizes.h"
#include "platform/text/cformat.h"
#include "projectdb/schema.h"

namespace bridge {

namespace {

// The flange and web of a T-beam and the sides of a slab's round void, as the span girder draws them.
constexpr double kFlange = 0.18, kWeb = 0.20;
constexpr int kVoidSides = 16;
// No project table holds bearing sizes: laminated rubber bearings GJZ 300×350 under precast beams, pot
// bearings about 0.6 m square under box webs.
constexpr double kPrecastBearingAlong = 0.30, kPrecastBearingAcross = 0.35;
constexpr double kBoxBearingSide = 0.60;
// The box girder's bottom is this share of the deck width, its webs this thick (as the span girder draws it).
constexpr double kBoxBottomShare = 0.6, kBoxWeb = 0.4;

void Finish(Solid& s) {
    s.area = Area(s.profile);
    for (const auto& hole : s.holes) s.area -= std::fabs(Area(hole));
    s.volume = s.area * PathLength(s.path);
}

std::vector<Point2> Rectangle(double width, double top, double bottom) {
    return {{-width / 2, bottom}, {width / 2, bottom}, {width / 2, top}, {-width / 2, top}};
}

std::vector<Point2> Circle(double diameter, double cv) {
    std::vector<Point2> p;
    for (int i = 0; i < kVoidSides; ++i) {
        const double a = 2 * std::numbers::pi * i / kVoidSides;
        p.push_back({diameter / 2 * std::cos(a), cv + diameter / 2 * std::sin(a)});
    }
    return p;
}

const Support* SupportOf(const Bridge& b, int index) {
    for (const Support& s : b.supports)
        if (s.index == index) return &s;
    return nullptr;
}

// How far along the route a point `offset` metres right of the centre line of a support line (or of a bearing
// line parallel to it) lies from where that line crosses the centre line.
double SkewShift(const Support* s, double offset) {
    if (!s) return 0;
    const double theta = s->crossingAngle * std::numbers::pi / 180;
    return offset * std::cos(theta) / std::sin(theta);
}

// The section of one precast beam, centred on its own axis: the slab with its void, or the T of flange and web.
void UnitSection(const Superstructure& g, double spacing, Solid& s) {
    const double h = g.depth;
    if (g.type.find("T梁") != std::string::npos) {
        s.member = "T梁";
        s.profile = {{-spacing / 2, 0},      {-spacing / 2, -kFlange}, {-kWeb / 2, -kFlange}, {-kWeb / 2, -h},
                     {kWeb / 2, -h},         {kWeb / 2, -kFlange},     {spacing / 2, -kFlange}, {spacing / 2, 0}};
        return;
    }
    s.member = "空心板";
    s.profile = Rectangle(spacing, 0, -h);
    s.holes.push_back(Circle(std::min(0.6 * h, 0.7 * spacing), -h / 2));
}

void BuildUnits(Bridge& b, double deckOffset, double pavement) {
    const Deck* deck = b.DesignedDeck();
    for (const Superstructure& g : b.superstructures) {
        if (!IsPrecast(g.type) || g.beamCount <= 0 || !deck) continue;
        const Span& span = b.spans[g.span];
        const double spacing = g.beamSpacing > 0 ? g.beamSpacing : deck->width / g.beamCount;
        const Support* start = SupportOf(b, span.index);
        const Support* end = SupportOf(b, span.index + 1);
        for (int k = 0; k < g.beamCount; ++k) {
            PrecastUnit u;
            u.span = g.span;
            u.index = k;
            u.offset = spacing * (k + 0.5 - g.beamCount / 2.0);
            u.width = spacing;
            u.solid.span = g.span;
            u.solid.table = g.table;
            UnitSection(g, spacing, u.solid);
            // A beam ends at the support lines where they cross its own axis: on a skewed support the
            // beams are staggered.
            const double from = span.startStation + SkewShift(start, u.offset) + kJointHalfGap;
            const double to = span.endStation + SkewShift(end, u.offset) - kJointHalfGap;
            u.solid.path = PathAlong(b, from, to, deckOffset + u.offset, pavement);
            Finish(u.solid);
            b.deckMembers.units.push_back(std::move(u));
        }
    }
}

// Where the girders of a span bear on a bearing line: under each precast beam (`units` holds the span's), or
// under each web of a box.
std::vector<double> BearingOffsets(const Superstructure& g, const std::vector<double>& units, double width) {
    if (IsPrecast(g.type)) return units;
    std::vector<double> offsets;
    const int cells = std::max(1, g.boxCells);
    const double bottom = width * kBoxBottomShare;
    const double cell = (bottom - kBoxWeb * (cells + 1)) / cells;
    for (int j = 0; j <= cells; ++j) offsets.push_back(-bottom / 2 + kBoxWeb / 2 + j * (cell + kBoxWeb));
    return offsets;
}

void BuildBearings(Bridge& b, double deckOffset, double pavement, double width) {
    const int spans = static_cast<int>(b.superstructures.size());
    std::vector<std::vector<double>> unitOffsets(spans);
    for (const PrecastUnit& u : b.deckMembers.units) unitOffsets[u.span].push_back(u.offset);
    for (const Support& sp : b.supports) {
        for (const BearingLine& line : sp.bearings) {
            // The line before the support carries the span ending here, the one after it the span starting
            // here; a continuous girder bears on the support's own line.
            int span = line.station < sp.station ? sp.index - 1 : sp.index;
            if (span >= spans) span = sp.index - 1;
            if (span < 0 || span >= spans) continue;
            const Superstructure& g = b.superstructures[span];
            const bool precast = IsPrecast(g.type);
            const double depth = span == sp.index ? g.startDepth : g.endDepth;
            const std::vector<double> offsets = BearingOffsets(g, unitOffsets[span], width);
            for (std::size_t k = 0; k < offsets.size(); ++k) {
                Bearing br;
                br.support = sp.index;
                br.span = span;
                br.unit = static_cast<int>(k);
                br.station = line.station;
                br.offset = offsets[k];
                br.along = precast ? kPrecastBearingAlong : kBoxBearingSide;
                br.across = precast ? kPrecastBearingAcross : kBoxBearingSide;
                br.height = sp.chain.bearing;
                br.size = precast ? text::Format("标准值（板式橡胶支座 %.0f×%.0fmm，含垫石）", br.along * 1000, br.across * 1000)
                                  : text::Format("标准值（盆式支座 %.0f×%.0fmm，含垫石）", br.along * 1000, br.across * 1000);
                // From the seat up to the girder's bottom, under the deck at the bearing's own place.
                const double station = line.station + SkewShift(&sp, br.offset);
                calc::RoutePoint p;
                if (b.site.route) p = b.site.route->Evaluate(station, deckOffset + br.offset);
                else p.x = station;
                const double top = p.elevation - pavement - depth;
                br.solid.member = precast ? "板式橡胶支座" : "盆式支座";
                br.solid.support = sp.index;
                br.solid.span = -1;
                br.solid.profile = Rectangle(br.across, br.along / 2, -br.along / 2);
                br.solid.path = {{p.x, p.y, top - br.height.value}, {p.x, p.y, top}};
                Finish(br.solid);
                b.deckMembers.bearings.push_back(std::move(br));
            }
        }
    }
}

void BuildPavement(Bridge& b, double deckOffset, const Allowance& thickness, double width) {
    for (const Span& span : b.spans) {
        Pavement p;
        p.span = span.index;
        p.thickness = thickness;
        p.solid.member = "桥面铺装";
        p.solid.span = span.index;
        p.solid.table = thickness.standard ? "" : projectdb::kDeckPavementTable;
        p.solid.profile = Rectangle(width, 0, -thickness.value);
        p.solid.path = PathAlong(b, span.startStation + kJointHalfGap, span.endStation - kJointHalfGap, deckOffset, 0);
        Finish(p.solid);
        b.deckMembers.pavements.push_back(std::move(p));
    }
}

}  // namespace

void BuildDeckMembers(Bridge& b) {
    const Deck* deck = b.DesignedDeck();
    if (!deck || deck->width <= 0) return;
    // The pavement the vertical chain of every support takes, else the standard one.
    const Allowance pavement = b.supports.empty()
                                   ? Allowance{kStandardPavement, "标准值（10cm沥青混凝土）", true}
                                   : b.supports.front().chain.pavement;
    BuildUnits(b, deck->offset, pavement.value);
    BuildBearings(b, deck->offset, pavement.value, deck->width);
    BuildPavement(b, deck->offset, pavement, deck->width);
}

}  // namespace bridge
