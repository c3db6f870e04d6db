#pragma once
// Texts and file requests of the application shell, in one place.
#include "platform/interaction/interaction.h"

namespace app {

inline constexpr const char* kAppTitle = "LumarisOmbrix";
inline constexpr const char* kGridCaptionPrefix = "表：";

// 打开 ("open").
ui::FileRequest OpenProjectRequest();
// 另存为 ("save-as").
ui::FileRequest SaveProjectAsRequest();
// The start dialog's "表中未列出的文件..." for opening, or for importing, a project.
ui::FileRequest StartDialogRequest(bool import);

// The main window's caption: the application title, then " - [", the open project's path and "]".
std::string MainCaption(const std::string& projectPath);

}  // namespace app
