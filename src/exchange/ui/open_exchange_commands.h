#pragma once
// The menu commands of the open exchange formats: LandXML import and export, IFC export.
#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

class QWidget;

namespace exchange {

// Asks for a LandXML file, for the alignment when it holds several, and imports it under the progress
// window. True when the tables were replaced: the caller refreshes the views.
// Each command's `summary`, when given, receives the line it ends with (what was written, where).
bool RunLandXmlImportCommand(QWidget* parent, dao::Database& db, ui::FileChooser& files, ui::Prompter& prompter,
                             std::string* summary = nullptr);

// Asks where to write and writes the project's route as LandXML; says where it went.
bool RunLandXmlExportCommand(dao::Database& db, ui::FileChooser& files, ui::Prompter& prompter,
                             std::string* summary = nullptr);

// Asks where to write and writes the bridge as an IFC file under the progress window; says where it went.
bool RunIfcExportCommand(QWidget* parent, dao::Database& db, ui::FileChooser& files, ui::Prompter& prompter,
                         std::string* summary = nullptr);

}  // namespace exchange
