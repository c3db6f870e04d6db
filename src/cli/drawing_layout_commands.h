#pragma once
// The drawing list of a project and the choice of the drawing the drawing side makes next, without windows.
#include <string>
#include <vector>

namespace cli {

inline constexpr const char* kDrawingListUsage = "drawing list PROJECT";
inline constexpr const char* kDrawingTargetUsage = "drawing target PROJECT KIND [TITLE]";

// Prints each record of 图形布置信息表: title, file name and kind, tab-separated.
int RunDrawingList(const std::vector<std::string>& words);
// Writes "Current Drawing" as the target dialog does: KIND is a drawing kind (its name or its place 1-5 in
// the list); a general drawing needs the TITLE of one drawing of that kind, a rebar drawing may name one.
int RunDrawingTarget(const std::vector<std::string>& words);

}  // namespace cli
