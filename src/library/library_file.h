#pragma once
// The component library file: a SQLite database with the extension ".BCL", chosen through one file dialog
// and named by one rule wherever a command takes a library.
#include <string>

#include "platform/interaction/interaction.h"

namespace library {

inline constexpr const char* kLibraryFilter = "桥梁CAD构件库文件 (*.BCL)|*.BCL||";
inline constexpr const char* kLibraryExtension = "BCL";

// The dialog that picks an existing library for viewing, managing and cleaning ("选择构件库").
ui::FileRequest LibraryFileRequest(const std::string& title = "选择构件库");

// The name a typed library path stands for: the file name in upper case, with ".BCL" appended unless the
// upper-cased name already contains ".BCL" somewhere. The folders are kept as typed, since on Linux a folder
// name in other letters is another folder.
std::string LibraryFilePath(const std::string& typed);

}  // namespace library
