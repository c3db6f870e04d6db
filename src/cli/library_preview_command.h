#pragma once
// library preview LIB TABLE ROW [--section TABLE:ROW]: the value list the viewer would receive for one
// library entry, one text per line.
#include <string>
#include <vector>

namespace cli {

// `args` are the words after "preview".
int RunLibraryPreview(const std::vector<std::string>& args);

}  // namespace cli
