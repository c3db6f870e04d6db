#pragma once
// Box girders: per span the elevation-and-plan record in the table of its structure type, and the two
// cross-sections of that span ("%d_跨中", "%d_支点") in the table of its cross-section type. The
// cross-section type follows from the deck width: one cell up to 13 m, a box of two or three cells up to
// 25 m, several single-cell boxes beyond.
#include <string>
#include <vector>

#include "kit/bridge_facts.h"
#include "kit/member_design.h"

namespace girder {

enum class BoxKind { SimpleConstant, SimpleVariable, ContinuousConstant, ContinuousVariable };

std::string CrossSectionTypeFor(double deckWidth);

std::vector<modulekit::TableProposal> BoxProposals(BoxKind kind, const std::vector<modulekit::SpanFacts>& spans,
                                                 double deckWidth);

}  // namespace girder
