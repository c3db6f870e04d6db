#include "library/library_summary.h"

#include "library/library_file.h"

namespace library {
namespace {

std::string Deleted(long duplicates) { return "删除重复记录 " + std::to_string(duplicates) + " 条。"; }

}  // namespace

std::string WriteSummary(const std::string& typedTarget, std::size_t items, long duplicatesDeleted) {
    return LibraryFilePath(typedTarget) + "：写入 " + std::to_string(items) + " 项，" + Deleted(duplicatesDeleted);
}

std::string MergeSummary(const std::string& typedTarget, std::size_t sources, long duplicatesDeleted) {
    return LibraryFilePath(typedTarget) + "：合并 " + std::to_string(sources) + " 个构件库，" +
           Deleted(duplicatesDeleted);
}

std::string CleanSummary(const std::string& typedPath, long duplicatesDeleted) {
    return LibraryFilePath(typedPath) + "：" + Deleted(duplicatesDeleted);
}

}  // namespace library
