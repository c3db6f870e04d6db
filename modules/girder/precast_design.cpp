#include "girder/precast_design.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>

#include "kit/standard_sizes.h"
#include "projectdb/precast_tables.h"

namespace girder {
namespace {

using namespace modulekit;

using dao::Value;
using modulekit::NumberText;
using modulekit::SpanFacts;
using modulekit::TableProposal;

// Hollow slabs of the 1.25 m module: 1.24 m wide with a 1 cm joint; what the deck holds beyond whole slabs
// becomes the cantilever of the two edge slabs.
constexpr double kSlabModule = 1.25;
constexpr double kSlabWidth = 1.24;
// T-beams at 2.25 m, their flanges closed by the wet joints; the edge beams carry what is left as cantilever.
constexpr double kTBeamSpacing = 2.25;
// The deck falls 2 % to each side.
constexpr double kCrossFall = 2.0;

struct Spread {
    long count;
    double cantilever;  // added to each edge member
};

Spread SlabSpread(double deckWidth) {
    long n = std::max(2L, static_cast<long>(std::floor((deckWidth + 0.01) / kSlabModule + 1e-9)));
    return {n, std::max(0.0, (deckWidth - (n * kSlabModule - 0.01)) / 2)};
}

Spread TBeamSpread(double deckWidth) {
    long n = std::max(2L, static_cast<long>(std::floor(deckWidth / kTBeamSpacing + 1e-9)));
    return {n, std::max(0.0, (deckWidth - n * kTBeamSpacing) / 2)};
}

// The slab outline shared by inner and edge slabs: length, bearing, skew, anchor hole, depth, widths and the
// hinge joint J1–J5 (a deep hinge: 5 cm wide at the top, the 1 cm gap below, half the depth).
modulekit::Record SlabCommon(const std::string& type, const SpanFacts& span, double topWidth) {
    const double h = SlabDepth(span.length);
    return {{"SlabType", S(type)},
            {"SlabLength", M(PrecastLength(span.length))},
            {"DistToBearing", M(PrecastBearingDistance(span.length))},
            {"SlabPitch", M(modulekit::SkewOf(span.startAngle))},
            {"KeyHoleDiameter", M(0.05)},
            {"Height", M(h)},
            {"BottomWidth", M(kSlabWidth)},
            {"TopWidth", M(topWidth)},
            {"JointTopWidth", M(0.05)},
            {"JointTopHeight", M(0.06)},
            {"JointBotWidth", M(0.01)},
            {"JointBotHeight", M(RoundTo(h / 2, 0.05))},
            {"JointToeHeight", M(0.05)}};
}

// Up to 10 m two round voids, 8 cm of concrete above and below; longer slabs one shaped void between 12 cm
// plates and 17 cm webs, with 10 × 5 cm fillets.
modulekit::Record SlabCavity(const SpanFacts& span) {
    const double h = SlabDepth(span.length);
    if (span.length <= 10) {
        const double d = h - 0.16;
        return {{"CavityType", S("圆形")}, {"CavityNum", N(2)},      {"CavityDist", M(d + 0.1)},
                {"CavityWidth", M(d)},     {"CavityHeight", M(d)},   {"CavityTopWidth", M(0)},
                {"CavityTopHeight", M(0)}, {"CavityBotWidth", M(0)}, {"CavityBotHeight", M(0)}};
    }
    return {{"CavityType", S("异形")},     {"CavityNum", N(1)},
            {"CavityDist", M(0)},          {"CavityWidth", M(kSlabWidth - 0.34)},
            {"CavityHeight", M(h - 0.24)}, {"CavityTopWidth", M(0.10)},
            {"CavityTopHeight", M(0.05)},  {"CavityBotWidth", M(0.10)},
            {"CavityBotHeight", M(0.05)}};
}

// The diaphragms: 5 up to 25 m spans, 7 beyond, evenly between the bearings; 16 cm at the top, 14 cm at the
// bottom, four fifths of the beam deep; P–W are the chamfers of their outline.
modulekit::Record TBeamCommon(const std::string& type, const SpanFacts& span) {
    const double L = span.length;
    const long diaphragms = L <= 25 ? 5 : 7;
    const double length = PrecastLength(L);
    const double bearing = PrecastBearingDistance(L);
    return {{"TBeamType", S(type)},
            {"TBeamLength", M(length)},
            {"DistToBearing", M(bearing)},
            {"TBeamPitch", M(modulekit::SkewOf(span.startAngle))},
            {"DistToChangeSect", M(RoundTo(L / 20, 0.1))},
            {"ChangeSectLength", M(RoundTo(L / 15, 0.1))},
            {"DiaphragmNum", N(diaphragms)},
            {"DistToDiaphragm", M(RoundTo((length - 2 * bearing) / (diaphragms - 1), 0.01))},
            {"DiaphragmTopPly", M(0.16)},
            {"DiaphragmBotPly", M(0.14)}};
}

// Flanges 16 cm at the tip, 18 cm half way, 25 cm at the web; a 20 cm web on a 50 × 20 cm bulb at mid-span,
// widened to the bulb at the supports.
modulekit::Record TBeamSection(const SpanFacts& span) {
    const double h = TBeamDepth(span.length);
    return {{"TBeamHeight", M(h)},
            {"EndFlangePly", M(0.16)},
            {"CenterFlangePly", M(0.18)},
            {"RootFlangePly", M(0.25)},
            {"DiaphragmHeight", M(RoundTo(h * 0.8, 0.05))},
            {"DiaphragmDim_P", M(0.10)},
            {"DiaphragmDim_Q", M(0.10)},
            {"DiaphragmDim_R", M(0.15)},
            {"DiaphragmDim_S", M(0.15)},
            {"DiaphragmDim_T", M(0.10)},
            {"DiaphragmDim_U", M(0.10)},
            {"DiaphragmDim_V", M(0.05)},
            {"DiaphragmDim_W", M(0.05)},
            {"BotFlangeHeight1", M(0.20)},
            {"ToeHeight1", M(0.10)},
            {"BottomWidth1", M(0.50)},
            {"WebWidth1", M(0.20)},
            {"BotFlangeHeight2", M(0.20)},
            {"ToeHeight2", M(0)},
            {"BottomWidth2", M(0.50)},
            {"WebWidth2", M(0.50)}};
}

// One size record per member type, in the order the spans first name them.
template <class Make>
void AddOncePerType(TableProposal& table, std::set<std::string>& seen, const std::string& type, Make make) {
    if (seen.insert(type).second) table.defaults.push_back(make());
}

}  // namespace

std::string MemberTypeName(const SpanFacts& span, const char* member) {
    std::string name = NumberText(span.length) + "m";
    double skew = modulekit::SkewOf(span.startAngle);
    if (std::fabs(skew) > 1e-9) name += "斜" + NumberText(skew) + "°";
    return name + member;
}

namespace {

using UnitRecord = std::function<modulekit::Record(const std::string& type, const SpanFacts& span)>;

// The layout of every span and the sizes of each inner and edge unit type once, for slabs and T-beams alike:
// `spacing` apart, the types named after the span with `innerName` and `outerName`.
std::vector<TableProposal> PrecastProposals(const projectdb::PrecastTables& t, const std::vector<SpanFacts>& spans,
                                            const Spread& spread, double spacing, const char* innerName,
                                            const char* outerName, const UnitRecord& innerRecord,
                                            const UnitRecord& outerRecord) {
    TableProposal layout{modulekit::SchemaOf(t.layoutTable), {}};
    TableProposal inner{modulekit::SchemaOf(t.innerTable), {}};
    TableProposal outer{modulekit::SchemaOf(t.outerTable), {}};
    std::set<std::string> innerSeen, outerSeen;
    for (const auto& span : spans) {
        const std::string innerType = MemberTypeName(span, innerName);
        const std::string outerType = MemberTypeName(span, outerName);
        layout.defaults.push_back({{t.spanField, N(span.number)},
                                   {t.countField, N(spread.count)},
                                   {"TransverseDist", M(spacing)},
                                   {"TransverseSlope", M(kCrossFall)},
                                   {t.innerTypeField, S(innerType)},
                                   {t.outerTypeField, S(outerType)}});
        AddOncePerType(inner, innerSeen, innerType, [&] { return innerRecord(innerType, span); });
        AddOncePerType(outer, outerSeen, outerType, [&] { return outerRecord(outerType, span); });
    }
    return {layout, inner, outer};
}

}  // namespace

std::vector<TableProposal> SlabProposals(const std::vector<SpanFacts>& spans, double deckWidth) {
    const Spread spread = SlabSpread(deckWidth);
    return PrecastProposals(
        projectdb::kHollowSlabTables, spans, spread, kSlabModule, "中板", "边板",
        [](const std::string& type, const SpanFacts& span) {
            return Joined(SlabCommon(type, span, kSlabWidth), SlabCavity(span));
        },
        [&](const std::string& type, const SpanFacts& span) {
            // The edge slab's cantilever: 15 cm at its tip, 25 cm where it meets the slab.
            modulekit::Record edge = SlabCommon(type, span, kSlabWidth + spread.cantilever);
            edge.insert(
                edge.end(),
                {{"SuspendEndHeight", M(0.15)}, {"SuspendHeight", M(0.25)}, {"SuspendWidth", M(spread.cantilever)}});
            return Joined(edge, SlabCavity(span));
        });
}

std::vector<TableProposal> TBeamProposals(const std::vector<SpanFacts>& spans, double deckWidth) {
    const Spread spread = TBeamSpread(deckWidth);
    return PrecastProposals(
        projectdb::kTBeamTables, spans, spread, kTBeamSpacing, "中梁", "边梁",
        [](const std::string& type, const SpanFacts& span) {
            modulekit::Record beam = TBeamCommon(type, span);
            beam.insert(beam.end(), {{"TopWidth", M(kTBeamSpacing)},
                                     {"FlangeWidth", M((kTBeamSpacing - 0.20) / 2)},
                                     {"DiaphragmWidth", M(kTBeamSpacing - 0.20)}});
            return Joined(beam, TBeamSection(span));
        },
        [&](const std::string& type, const SpanFacts& span) {
            const double outside = kTBeamSpacing / 2 + spread.cantilever;
            const double inside = kTBeamSpacing / 2;
            modulekit::Record beam = TBeamCommon(type, span);
            beam.insert(beam.end(), {{"TopWidth1", M(outside)},
                                     {"TopWidth2", M(inside)},
                                     {"FlangeWidth1", M(outside - 0.10)},
                                     {"FlangeWidth2", M(inside - 0.10)},
                                     {"DiaphragmWidth", M(inside - 0.10)}});
            return Joined(beam, TBeamSection(span));
        });
}

}  // namespace girder
