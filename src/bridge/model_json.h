#pragma once
// The model as text for the command line: JSON with stable keys (metres, degrees, UTF-8) and a short
// listing for reading.
#include <string>

#include "bridge/bridge_model.h"

namespace bridge {

// One JSON document; numbers rounded to the millimetre (angles to 1e-6°).
std::string ModelJson(const Bridge& b);
// A listing: the decks, units and supports one a line, then the findings.
std::string ModelText(const Bridge& b);
// One finding a line: "E CODE text" / "W CODE text".
std::string FindingLine(const Finding& f);

}  // namespace bridge
