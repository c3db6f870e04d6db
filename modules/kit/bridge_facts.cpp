#include "kit/bridge_facts.h"

#include <algorithm>

#include "bridge/bridge_model.h"
#include "bridge/standard_sizes.h"

namespace modulekit {
namespace {

bool HasFinding(const bridge::Bridge& model, const std::string& code) {
    return std::any_of(model.findings.begin(), model.findings.end(),
                       [&](const bridge::Finding& f) { return f.code == code; });
}

DeckFacts DeckOf(const bridge::Bridge& model) {
    DeckFacts deck;
    const bridge::Deck* designed = model.DesignedDeck();
    if (!designed) return deck;
    deck.side = designed->SideText();
    if (designed->width > 0) deck.width = designed->width;
    // The model takes a deck without a width as a 12 m road and says so among its findings.
    deck.assumed = designed->width <= 0 || HasFinding(model, "NO_DECK_WIDTH");
    return deck;
}

// The girders of the model's units: a continuous type's spans of one unit form one girder, as far as they
// are of the same type (a unit the tables leave mixed is a finding of the model, not one girder); every
// span of a simply supported type is a girder of its own.
void MarkGirders(const bridge::Bridge& model, std::vector<SpanFacts>& spans) {
    for (size_t u = 0; u < model.units.size(); ++u)
        for (int i : model.units[u].spans)
            if (i >= 0 && i < static_cast<int>(spans.size())) spans[i].unit = static_cast<int>(u);
    int girder = 0;
    for (size_t i = 0; i < spans.size(); ++i) {
        const bool joins = i > 0 && spans[i - 1].unit == spans[i].unit &&
                           spans[i - 1].structureType == spans[i].structureType &&
                           bridge::IsContinuousType(spans[i].structureType);
        if (i > 0 && !joins) ++girder;
        spans[i].firstOfUnit = !joins;
        if (joins) spans[i - 1].lastOfUnit = false;
        spans[i].unit = girder;
    }
}

ChainFacts ChainOf(const bridge::Bridge& model, const bridge::Support& support) {
    const bridge::VerticalChain& c = support.chain;
    ChainFacts chain;
    chain.known = model.site.hasProfile && support.groundKnown;
    chain.deckZ = c.deckZ;
    chain.pavement = c.pavement.value;
    chain.pavementSource = c.pavement.source;
    chain.girderDepth = c.girderDepth;
    chain.bearing = c.bearing.value;
    chain.bearingSource = c.bearing.source;
    chain.seatZ = c.seatZ;
    chain.groundZ = c.groundZ;
    chain.groundKnown = c.groundKnown;
    chain.cover = c.cover;
    chain.connectionTopZ = c.connectionTopZ;
    return chain;
}

}  // namespace

double SkewOf(double crossingAngle) { return 90.0 - crossingAngle; }

BridgeFacts ReadBridgeFacts(dao::Database& db) {
    const bridge::Bridge model = bridge::ReadBridge(db);
    BridgeFacts facts;
    facts.deck = DeckOf(model);
    for (const bridge::Span& s : model.spans) {
        SpanFacts span;
        span.number = s.index + 1;
        span.structureType = s.structureType;
        span.length = s.length;
        facts.spans.push_back(span);
    }
    MarkGirders(model, facts.spans);
    for (const bridge::Support& s : model.supports) {
        SupportFacts support;
        support.number = s.index;
        support.types = {s.capType, s.bodyType, s.connectType, s.foundationType};
        support.station = s.station;
        if (s.crossingAngle > 0 && s.crossingAngle < 180) support.angle = s.crossingAngle;
        support.abutment = s.kind == bridge::SupportKind::Abutment;
        support.deckToCap = s.deckToCapCm / 100.0;
        support.chain = ChainOf(model, s);
        facts.supports.push_back(std::move(support));
    }
    // Span n lies between the support lines n−1 and n: its skews, and the longest span a support carries.
    for (SpanFacts& span : facts.spans)
        for (const SupportFacts& support : facts.supports) {
            if (support.number == span.number - 1) span.startAngle = support.angle;
            if (support.number == span.number) span.endAngle = support.angle;
        }
    for (SupportFacts& support : facts.supports) {
        double longest = 0;
        for (const SpanFacts& span : facts.spans)
            if (span.number == support.number || span.number == support.number + 1)
                longest = std::max(longest, span.length);
        if (longest > 0) support.longestSpan = longest;
    }
    if (!facts.supports.empty()) {
        facts.startStation = facts.supports.front().station;
        facts.centreStation = (facts.supports.front().station + facts.supports.back().station) / 2;
    }
    return facts;
}

std::vector<SpanFacts> SpansOfType(const BridgeFacts& bridge, const std::string& structureType) {
    std::vector<SpanFacts> spans;
    for (const SpanFacts& span : bridge.spans)
        if (span.structureType == structureType) spans.push_back(span);
    return spans;
}

}  // namespace modulekit
