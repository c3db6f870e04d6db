#pragma once
// Precast hollow slabs and T-beams: per span a layout record naming its inner and outer member types, and
// per member type (named after the span length, and the skew when it is not square: "16m中板",
// "20m斜15°边梁") one size record.
#include <vector>

#include "kit/bridge_facts.h"
#include "kit/member_design.h"

namespace girder {

std::vector<modulekit::TableProposal> SlabProposals(const std::vector<modulekit::SpanFacts>& spans, double deckWidth);
std::vector<modulekit::TableProposal> TBeamProposals(const std::vector<modulekit::SpanFacts>& spans, double deckWidth);

// "16m中板": the member type a span of that length and start skew gets.
std::string MemberTypeName(const modulekit::SpanFacts& span, const char* member);

}  // namespace girder
