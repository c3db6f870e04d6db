#pragma once
// Breaking a text into lines that fit a width on the sheet, as the narrowed lettering of the drawing takes it.
#include <string>
#include <vector>

namespace drawhost {

// The width a text takes at `height`: a Chinese character is as wide as the narrowed height, a letter or
// digit a little over half of that.
double TextWidth(const std::string& utf8, double height);

// Lines of at most `width`, broken between characters, never inside one.
std::vector<std::string> WrapText(const std::string& utf8, double height, double width);

}  // namespace drawhost
