#pragma once
// Numbers typed by users travel as text and are read the way the C library's atof and atol read them:
// leading blanks skipped, the longest leading number taken, the rest ignored, no number at all is 0.
#include <string_view>

namespace text {

double Atof(std::string_view text);
long Atol(std::string_view text);

// True when the whole text (blanks around it allowed) is one decimal number, as a database field accepts it.
bool ParseWholeNumber(std::string_view text, double& value);

}  // namespace text
