#pragma once
// The clean of a library in windows: by itself (清理构件库) and after a write or a merge.
#include <optional>
#include <string>

#include "platform/interaction/interaction.h"

class QWidget;

namespace library {

// The command 清理构件库: asks for a library ("选择构件库") and cleans it; cancel ends the command.
// `summary`, when given, receives the line a clean ends with.
void RunCleanLibraryCommand(QWidget* parent, ui::Prompter& prompter, ui::FileChooser& files,
                            std::string* summary = nullptr);

// The clean that ends the write and the merge commands: runs when a target name was given and the library
// it names is there (a library the user declined to create is not looked for). The duplicates it deleted;
// none when it did not run or failed (the error was shown).
std::optional<long> RunCleanAfter(QWidget* parent, const std::string& typedTarget, ui::Prompter& prompter);

}  // namespace library
