#pragma once
// The import from another project, in windows: the options dialog for the chosen project file, then the
// copy under the progress window (into the open project, or into a new project that becomes the open one).
#include <string>

#include "exchange/project_import.h"
#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

class QWidget;

namespace exchange {

// The reference project mode over the open project `db`. True when tables were copied: the caller then
// refreshes the views. `summary`, when given, receives the line the operation ends with.
bool RunReferenceProjectImport(QWidget* parent, dao::Database& db, const std::string& sourcePath,
                               ui::Prompter& prompter, std::string* summary = nullptr);

// The new project mode: `steps` close the open project and open the new one as the application does.
void RunNewProjectImport(QWidget* parent, const std::string& sourcePath, ui::FileChooser& files, ui::Prompter& prompter,
                         const NewProjectSteps& steps);

}  // namespace exchange
