#pragma once
// Superelevation of a LandXML alignment and the deck cross slopes of 桥面横坡资料表 (percent, positive
// rising away from the centre line; constant over each record, passing to the next record by the project's
// transition law between records).
//
// Units: LandXML 1.2 gives fullSuperelev as a cross slope in percent (6.0 = 6 %), the unit the table keeps,
// so the value passes unchanged. Stations are the route's stakes, as the profile's PVIs are.
//
// A file from a road design program gives per curve the critical stations: normal crown (beginRunoutSta),
// level outside lane (beginRunoffSta), full superelevation (fullSuperSta .. runoffSta), level again
// (startofRunoutSta), normal crown (endofRunoutSta). Between them the outside edge turns at one constant
// rate, so the normal crown c follows from the runout and runoff lengths (c = e · runout / runoff), and the
// inside lane keeps −c until the outside reaches +c (reverse crown). Records at normal crown, at reverse
// crown and over full superelevation with linear transitions between them hold this exactly; the table
// holds it only when the project passes between records by length (按长度分配).
//
// Our own export adds the exact left and right slope of each record as a Feature, so that export → import
// gives back the same table whatever slopes it holds.
#include <pugixml.hpp>

#include <string>
#include <vector>

#include "calc/cross_slope.h"
#include "calc/plan_element.h"

namespace exchange {

struct LandXmlSlopes {
    bool present = false;                    // the alignment has superelevation
    bool needsLinearTransition = false;      // the records hold the file only if passed between by length
    std::vector<calc::SlopeSegment> segments;
};

// `metres`: the file's length unit. Refusals are appended one sentence each.
LandXmlSlopes ReadSuperelevation(const pugi::xml_node& alignment, double metres,
                                 const std::vector<calc::PlanElement>& elements, std::vector<std::string>& refusals);

// Appends one Superelevation element per record of the table.
void WriteSuperelevation(pugi::xml_node alignment, const std::vector<calc::SlopeSegment>& segments);

}  // namespace exchange
