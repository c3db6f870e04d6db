#pragma once
// The two interface files handed to the sibling programs: the 3D-model file (Arvo3D.bri: road, alignment,
// spans, superstructure, substructure and their assembly) and the substructure file (Kelsa.bri: piers and
// abutments with their assembly). Both are GBK text with CR LF line ends, read from the open project.
#include <string>

#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

namespace exchange {

enum class InterfaceOutcome {
    Complete,    // written to its end
    Stopped,     // the user answered No at a question: the file ends after the last complete line
    FileFailed,  // the file could not be created or written (the message was shown)
};

InterfaceOutcome WriteArvo3dFile(dao::Database& db, const std::string& path, ui::Prompter& prompt);
InterfaceOutcome WriteKelsaFile(dao::Database& db, const std::string& path, ui::Prompter& prompt);

// The save dialogs of the two export commands and their success messages ("%s" is the full path).
ui::FileRequest Arvo3dSaveRequest();
ui::FileRequest KelsaSaveRequest();
inline constexpr const char* kArvo3dWritten = "已成功输出Arvo3D接口文件。文件名为 %s。";
inline constexpr const char* kKelsaWritten = "已成功输出Kelsa接口文件。文件名为 %s。";
// The question asked when a block's table, field or record cannot be read.
std::string CannotOpenQuestion(const std::string& table);
// Shown when the file cannot be created or written.
std::string FileFailedMessage(const std::string& path);

// The export commands: the save dialog, the writer, and the success message for a complete file. True when
// the file was written to its end; `summary`, when given, then receives the success message for the status bar.
enum class InterfaceFile { Arvo3d, Kelsa };
bool RunInterfaceExport(InterfaceFile file, dao::Database& db, ui::FileChooser& files, ui::Prompter& prompt,
                        std::string* summary = nullptr);

}  // namespace exchange
