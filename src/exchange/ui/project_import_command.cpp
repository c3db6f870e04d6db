#include "exchange/ui/project_import_command.h"

#include "exchange/operation_summary.h"

#include "exchange/ui/import_options_dialog.h"
#include "platform/interaction/qt_interaction.h"

namespace exchange {

bool RunReferenceProjectImport(QWidget* parent, dao::Database& db, const std::string& sourcePath,
                               ui::Prompter& prompter, std::string* summary) {
    CImportOptionsDlg options(ImportMode::ReferenceProject, sourcePath, parent);
    if (options.exec() != QDialog::Accepted) return false;
    ui::QtProgress progress(parent);
    ui::Interaction interaction{prompter, progress};
    auto copied = ImportReferenceProject(db, options.choices(), interaction);
    if (copied && summary) *summary = ProjectImportSummary(db, *copied, sourcePath);
    return copied.has_value();
}

void RunNewProjectImport(QWidget* parent, const std::string& sourcePath, ui::FileChooser& files, ui::Prompter& prompter,
                         const NewProjectSteps& steps) {
    CImportOptionsDlg options(ImportMode::NewProject, sourcePath, parent);
    if (options.exec() != QDialog::Accepted) return;
    ui::QtProgress progress(parent);
    ui::Interaction interaction{prompter, progress};
    ImportNewProject(options.choices(), files, interaction, steps);
}

}  // namespace exchange
