#pragma once
// Merging component libraries: every table of every source is appended to the table of the same name in the
// target, which is created (file and tables) when missing; the repeats this leaves are removed before the
// merge is committed.
#include <string>
#include <vector>

#include "platform/interaction/interaction.h"

namespace library {

inline constexpr const char* kNoSourceMessage = "未定义源构件库!";
inline constexpr const char* kNoTargetMessage = "未定义目标构件库!";

// The message for a source that cannot be opened: "不能打开源构件库 <path>。\n该文件可能已被损坏。".
std::string UnreadableSourceMessage(const std::string& source);

// Merges `sources`, in order, into the library named by `typedTarget` (upper-cased, ".BCL" appended; see
// LibraryFilePath) under the progress window. A source whose path is the target's path, compared as text,
// is skipped; a source that cannot be opened is reported and the others are still merged. The repeats are
// deleted in the same transaction (`repeatsRemoved`, when given, receives how many); a new target appears at
// its name only complete. Returns false when the target could not be opened, created or written (the error
// was shown; the target is as it was).
bool MergeLibraries(const std::vector<std::string>& sources, const std::string& typedTarget, ui::Interaction& ui,
                    long* repeatsRemoved = nullptr);

}  // namespace library
