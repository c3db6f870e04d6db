#pragma once
// The one line a library write, merge or clean ends with: which library, what was written or removed. The
// application shows it in its status bar, the command line prints it; both take it from here.
#include <cstddef>
#include <string>

namespace library {

// "/x/LIB.BCL：写入 4 项，删除重复记录 1 条。" (`typedTarget` as the user typed it).
std::string WriteSummary(const std::string& typedTarget, std::size_t items, long duplicatesDeleted);
// "/x/LIB.BCL：合并 2 个构件库，删除重复记录 1 条。"
std::string MergeSummary(const std::string& typedTarget, std::size_t sources, long duplicatesDeleted);
// "/x/LIB.BCL：删除重复记录 1 条。"
std::string CleanSummary(const std::string& typedPath, long duplicatesDeleted);

}  // namespace library
