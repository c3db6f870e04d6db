#pragma once
// Reads the alignments of a LandXML 1.2 file into the elements and turning points our route tables hold:
// lines, circular arcs and clothoids (also between two arcs), and PVIs with symmetric parabolic vertical
// curves. Whatever the tables cannot hold exactly (another spiral type, a circular or unsymmetric vertical
// curve, stakes that run back at a station equation, an element whose end the file places elsewhere than
// the element reaches) is listed by name as a refusal, never approximated.
#include <string>
#include <string_view>
#include <vector>

#include "calc/plan_element.h"
#include "calc/vertical_profile.h"
#include "exchange/landxml_superelevation.h"

namespace exchange {

struct LandXmlAlignment {
    std::string name;
    // Stakes are the route's own (station equations applied); coordinates X northing, Y easting, metres;
    // azimuths radians clockwise from north. An equation inside an element splits it in two.
    std::vector<calc::PlanElement> elements;
    bool hasProfile = false;
    std::vector<calc::TurningPoint> profile;  // radius 0 at both ends and where the grade does not change
    LandXmlSlopes slopes;                     // deck cross slopes from the superelevation
    std::vector<std::string> refusals;        // one sentence each; the alignment is imported only without any
};

struct LandXmlDocument {
    std::vector<LandXmlAlignment> alignments;
    std::string error;  // the file cannot be read as LandXML at all
};

LandXmlDocument ReadLandXml(std::string_view bytes);
LandXmlDocument ReadLandXmlFile(const std::string& path);

// "K1+190.500"; negative stakes keep their sign before the K.
std::string StakeText(double stake);

}  // namespace exchange
