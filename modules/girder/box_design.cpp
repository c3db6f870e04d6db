#include "girder/box_design.h"

#include <algorithm>
#include <cmath>

#include "kit/standard_sizes.h"
#include "platform/text/cformat.h"

namespace girder {
namespace {

using namespace modulekit;

using dao::Value;
using modulekit::SpanFacts;
using modulekit::TableProposal;

constexpr double kCrossFall = 2.0;       // % to each side
constexpr double kEndDiaphragm = 1.2;    // over an abutment or an expansion pier
constexpr double kInnerDiaphragm = 2.0;  // over an inner support of a continuous girder
// Fillets inside the cells: 60 × 20 cm under the top slab, 30 × 15 cm over the bottom slab.
const modulekit::Record kFillets = {{"CavityTopWidth", M(0.60)},
                                    {"CavityTopHeight", M(0.20)},
                                    {"CavityBotWidth", M(0.30)},
                                    {"CavityBotHeight", M(0.15)}};

const char* TableOf(BoxKind kind) {
    switch (kind) {
        case BoxKind::SimpleConstant: return projectdb::kSimpleConstBoxTable;
        case BoxKind::SimpleVariable: return projectdb::kSimpleVarBoxTable;
        case BoxKind::ContinuousConstant: return projectdb::kContConstBoxTable;
        case BoxKind::ContinuousVariable: return projectdb::kContVarBoxTable;
    }
    return projectdb::kSimpleConstBoxTable;
}

// A continuous girder's spans: its two end spans and the spans between.
std::string PositionOf(const SpanFacts& span) { return span.firstOfUnit || span.lastOfUnit ? "边跨" : "中跨"; }

// Box girders sit on a 4 cm gap at each end of a girder (both ends of a simple span, the ends of a
// continuous girder only).
double BoxLength(const SpanFacts& span) {
    return span.length - (span.firstOfUnit ? 0.02 : 0) - (span.lastOfUnit ? 0.02 : 0);
}

// Depth of a variable continuous girder over the support at the start (or end) of `i`: shallow at the
// girder's ends, the deeper of the two spans' support depths over an inner support.
double VariableSupportDepth(const std::vector<SpanFacts>& spans, size_t i, bool start) {
    const SpanFacts& span = spans[i];
    if (start ? span.firstOfUnit : span.lastOfUnit) return ContinuousBoxMidDepth(span.length);
    double depth = ContinuousBoxSupportDepth(span.length);
    size_t j = start ? i - 1 : i + 1;
    if (j < spans.size() && spans[j].number == span.number + (start ? -1 : 1))
        depth = std::max(depth, ContinuousBoxSupportDepth(spans[j].length));
    return depth;
}

// A continuous girder of constant depth is one girder: every span of its unit as deep as its longest span
// needs (a 40 + 60 + 40 m unit is 3 m deep throughout).
double LongestOfUnit(const std::vector<SpanFacts>& spans, size_t i) {
    double longest = 0;
    for (const SpanFacts& other : spans)
        if (other.unit == spans[i].unit) longest = std::max(longest, other.length);
    return longest;
}

modulekit::Record Elevation(BoxKind kind, const std::vector<SpanFacts>& spans, size_t i, const std::string& transect) {
    const SpanFacts& s = spans[i];
    const double L = s.length;
    const double webChange = RoundTo(L / 10, 0.1);
    const modulekit::Record pitch = {{"StartPitch", M(modulekit::SkewOf(s.startAngle))},
                                     {"EndPitch", M(modulekit::SkewOf(s.endAngle))},
                                     {"TransectType", S(transect)}};
    const double diaphragmL = s.firstOfUnit ? kEndDiaphragm : kInnerDiaphragm;
    const double diaphragmR = s.lastOfUnit ? kEndDiaphragm : kInnerDiaphragm;
    modulekit::Record r;
    switch (kind) {
        case BoxKind::SimpleConstant:
            r = {{"InWhichSpan", N(s.number)},         {"BoxLength", M(L - 0.04)},
                 {"BoxHeight", M(SimpleBoxDepth(L))},  {"DistToBearing", M(BoxBearingDistance())},
                 {"DiaphragmWidth", M(kEndDiaphragm)}, {"WebChangeSect", M(webChange)}};
            return Joined(Joined(r, kFillets), pitch);
        case BoxKind::SimpleVariable: {
            const double mid = SimpleBoxDepth(L);
            r = {{"InWhichSpan", N(s.number)},
                 {"BoxLength", M(L - 0.04)},
                 {"BoxEndHeight", M(SimpleBoxEndDepth(L))},
                 {"BoxCenterHeight", M(mid)},
                 {"EndLineLength", M(RoundTo(L / 10, 0.1))},
                 {"CenterLineLength", M(RoundTo(L * 0.3, 0.1))},
                 {"DistToBearing", M(BoxBearingDistance())},
                 {"DiaphragmWidth", M(kEndDiaphragm)},
                 {"WebChangeSect", M(webChange)}};
            return Joined(Joined(r, kFillets), pitch);
        }
        case BoxKind::ContinuousConstant:
            r = {{"InWhichSpan", N(s.number)},      {"Position", S(PositionOf(s))},
                 {"BoxLength", M(BoxLength(s))},    {"BoxHeight", M(ContinuousBoxDepth(LongestOfUnit(spans, i)))},
                 {"DistToBearing", M(BoxBearingDistance())}, {"DiaphragmWidthL", M(diaphragmL)},
                 {"WebChangeSect1", M(webChange)},  {"WebChangeSect2", M(webChange)},
                 {"DiaphragmWidthR", M(diaphragmR)}};
            return Joined(Joined(r, kFillets), pitch);
        case BoxKind::ContinuousVariable: {
            // A 1 m straight over each inner support, a fifth of the span straight at mid-span.
            r = {{"InWhichSpan", N(s.number)},
                 {"Position", S(PositionOf(s))},
                 {"BoxLength", M(BoxLength(s))},
                 {"BoxEndHeightL", M(VariableSupportDepth(spans, i, true))},
                 {"BoxEndHeightR", M(VariableSupportDepth(spans, i, false))},
                 {"BoxCenterHeight", M(ContinuousBoxMidDepth(L))},
                 {"DistToBearing", M(BoxBearingDistance())},
                 {"DiaphragmPlyL", M(diaphragmL)},
                 {"DiaphragmPlyR", M(diaphragmR)},
                 {"WebChangeSect1", M(webChange)},
                 {"WebChangeSect2", M(webChange)},
                 {"EndLineLengthL", M(s.firstOfUnit ? 0.0 : 1.0)},
                 {"EndLineLengthR", M(s.lastOfUnit ? 0.0 : 1.0)},
                 {"CenterLineLength", M(RoundTo(L / 5, 0.1))}};
            for (const char* side : {"1", "2"})
                for (const auto& [name, value] : kFillets) r.push_back({name + side, value});
            return Joined(r, pitch);
        }
    }
    return r;
}

// Cantilevers of about a quarter of the deck, at most 3 m; slabs and webs thicken towards the supports.
modulekit::Record CrossSection(const std::string& transect, double W, const std::string& position, bool support) {
    const double bottomPly = support ? 0.45 : 0.22;
    const modulekit::Record cantilever = {
        {"SuspendHeight1", M(0.20)}, {"SuspendHeight2", M(0.35)}, {"SuspendHeight3", M(0.55)}};
    const modulekit::Record slopes = {{"TopLeftSlope", M(kCrossFall)}, {"TopRightSlope", M(kCrossFall)}};
    if (transect == "单箱单室") {
        const double c = std::min(3.0, RoundTo(W * 0.22, 0.05));
        modulekit::Record r = {{"Position", S(position)},       {"TopWidth", M(W)},
                               {"BottomWidth", M(W - 2 * c)},   {"SuspendWidth1", M(c)},
                               {"SuspendWidth2", M(c)},         {"TopDeckPly", M(0.25)},
                               {"BottomDeckPly", M(bottomPly)}, {"WebPly", M(support ? 0.70 : 0.45)}};
        r = Joined(Joined(Joined(r, cantilever), slopes), {{"BottomSlope", M(0)}});
        return Joined(r, kFillets);
    }
    if (transect == "单箱多室") {
        const double c = 3.0;
        modulekit::Record r = {{"Position", S(position)},
                               {"BoxNumber", M(W <= 18 ? 2 : 3)},
                               {"TopWidth", M(W)},
                               {"BottomWidth", M(W - 2 * c)},
                               {"SuspendWidth1", M(c)},
                               {"SuspendWidth2", M(c)},
                               {"TopDeckPly", M(0.25)},
                               {"BottomDeckPly", M(bottomPly)},
                               {"OutWebPly", M(support ? 0.70 : 0.45)},
                               {"CenterWebPly", M(support ? 0.60 : 0.40)}};
        r = Joined(Joined(Joined(r, cantilever), slopes), {{"BottomSlope", M(0)}});
        return Joined(r, kFillets);
    }
    // Single-cell boxes of about 12.5 m of deck each, 2.5 m outer cantilevers; the boxes take a bit more than
    // half of the rest, the gaps between them are closed by the inner cantilevers meeting half way.
    const long boxes = std::max(2L, static_cast<long>(std::ceil(W / 12.5 - 1e-9)));
    const double rest = W - 5.0;
    const double bottom = RoundTo(rest * 0.55 / boxes, 0.05);
    const double gap = (rest - boxes * bottom) / (boxes - 1);
    modulekit::Record r = {
        {"Position", S(position)},  {"BoxNumber", M(boxes)},         {"TopWidth", M(W)},
        {"BottomWidth", M(bottom)}, {"BottomSpace", M(gap)},         {"SuspendWidth1", M(2.5)},
        {"SuspendWidth2", M(2.5)},  {"ConnectWidth1", M(gap / 2)},   {"ConnectWidth2", M(gap / 2)},
        {"TopDeckPly", M(0.25)},    {"BottomDeckPly", M(bottomPly)}, {"WebPly", M(support ? 0.60 : 0.40)}};
    r = Joined(r, cantilever);
    r.push_back({"SuspendHeight4", M(0.35)});
    r = Joined(r, slopes);
    r = Joined(r, {{"BottomLeftSlope", M(0)}, {"BottomRightSlope", M(0)}});
    return Joined(r, kFillets);
}

}  // namespace

std::string CrossSectionTypeFor(double deckWidth) {
    if (deckWidth <= 13) return "单箱单室";
    if (deckWidth <= 25) return "单箱多室";
    return "多箱单室";
}

std::vector<TableProposal> BoxProposals(BoxKind kind, const std::vector<SpanFacts>& spans, double deckWidth) {
    const std::string transect = CrossSectionTypeFor(deckWidth);
    TableProposal elevation{modulekit::SchemaOf(TableOf(kind)), {}};
    TableProposal sections{modulekit::SchemaOf(projectdb::CrossSectionTableOf(transect).c_str()), {}};
    for (size_t i = 0; i < spans.size(); ++i) {
        elevation.defaults.push_back(Elevation(kind, spans, i, transect));
        const long n = spans[i].number;
        sections.defaults.push_back(CrossSection(transect, deckWidth, text::Format("%ld_跨中", n), false));
        sections.defaults.push_back(CrossSection(transect, deckWidth, text::Format("%ld_支点", n), true));
    }
    return {elevation, sections};
}

}  // namespace girder
