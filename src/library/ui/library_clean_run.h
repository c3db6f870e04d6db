#pragma once
// The clean of a library in windows: by itself (清理构件库) and after a write or a merge.
#include <string>

#include "platform/interaction/interaction.h"

class QWidget;

namespace library {

// The command 清理构件库: asks for a library ("选择构件库") and cleans it; cancel ends the command.
void RunCleanLibraryCommand(QWidget* parent, ui::Prompter& prompter, ui::FileChooser& files);

// The clean that ends the write and the merge commands: runs when a target name was given and the library
// it names is there (a library the user declined to create is not looked for).
void RunCleanAfter(QWidget* parent, const std::string& typedTarget, ui::Prompter& prompter);

}  // namespace library
