#pragma once
// Copying whole tables from another project database: into the open project (a reference project, the
// site and structure groups replaced) or into a new project file that then becomes the open project.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "exchange/import_options.h"
#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

namespace exchange {

// The tables one check box of the import options dialog stands for, in copy order.
const std::vector<std::string>& TablesOfBox(ImportBox box);

// Parses a comma-separated list of check box texts ("上部构造,下部构造") into checked boxes; `allowed` are
// the boxes a caller accepts. False for an unknown or disallowed word, or an empty list.
bool ParseImportBoxes(const std::string& list, const std::vector<ImportBox>& allowed, ImportChoices& choices);

// The six site and structure boxes, the only ones a reference project imports.
const std::vector<ImportBox>& ReferenceProjectBoxes();
// The nine table group boxes, in the order they are copied.
const std::vector<ImportBox>& TableGroupBoxes();

inline constexpr const char* kImportProgressTitle = "导入数据";
inline constexpr const char* kImportProgressText = "正在导入数据。请稍候...";
inline constexpr const char* kAskImportGeneral =
    "总体信息对于项目数据库是必需的。\n\n如果不导入总体信息，系统将不能维护您的\n项目数据库的完整性和正确性。\n\n"
    "您可以在导入完成后修改项目的总体信息。\n\n是否导入总体信息?";

inline constexpr const char* kSourceAsTarget = "新项目文件不能是被导入的项目文件本身。请选择另一个文件名。";

// Copies the checked site and structure groups of the project at `choices.sourcePath` into `target`, each
// table replacing the target's table of that name. A table the source lacks is skipped and the target
// keeps its own; a copy that fails leaves that table and the import goes on. All tables are one
// transaction. Returns the tables that were in the source, in copy order (none when the source is the open
// project itself); nullopt when the source could not be opened or the project cannot be written (the error
// was shown; the project is as it was).
std::optional<std::vector<std::string>> ImportReferenceProject(dao::Database& target, const ImportChoices& choices,
                                                               ui::Interaction& ui);

// What the application does around a new project built from another.
struct NewProjectSteps {
    // Closes the open project as the close command does; false when the close did not complete. Empty
    // when no project is open.
    std::function<bool()> closeProject;
    // Makes the finished file the open project (settings, recent list, windows); false when it did not.
    std::function<bool(const std::string& path)> openProject;
};

ui::FileRequest NewProjectSaveRequest();

enum class NewProjectOutcome { Cancelled, SourceFailed, CloseRefused, CreateFailed, Opened, OpenFailed };
struct NewProjectResult {
    NewProjectOutcome outcome = NewProjectOutcome::Cancelled;
    std::string path;
    std::vector<std::string> tables;  // the tables copied, in copy order
};

// The new project from another project: the question about the general information when one of its boxes
// is unchecked, the save dialog, the close of the open project, the new file (an existing one replaced,
// only by the complete new project; a folder is refused), the copy (every non-system table of the source
// with 导入全部内容, else the checked groups) and the open.
NewProjectResult ImportNewProject(ImportChoices choices, ui::FileChooser& files, ui::Interaction& ui,
                                  const NewProjectSteps& steps);

}  // namespace exchange
