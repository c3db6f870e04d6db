#include "projectdb/wizard_model.h"

#include "projectdb/project_file.h"
#include "projectdb/record_access.h"
#include "projectdb/wizard_writer.h"

namespace projectdb {

NewProjectWizard::NewProjectWizard()
    : m_general(GeneralPage::NewProject()), m_spans(SpanPage::NewProject()) {}

void NewProjectWizard::WriteProject(dao::Database& db) const {
    WriteGeneralInformation(db, m_general);
    WriteSpanLayout(db, m_spans);
    WriteDrawingLayout(db, m_drawings.drawings());
}

FinishResult NewProjectWizard::Finish(const std::string& path, const FinishSteps& steps,
                                      ui::Prompter& prompt) const {
    if (steps.closeCurrentProject && !steps.closeCurrentProject()) return FinishResult::ProjectKeptOpen;
    try {
        // The new project is built beside the file and replaces it only once every table is written: a
        // Finish that fails or is killed leaves an existing project at that path as it was.
        auto file = BeginProjectFile(path);
        WriteProject(file->db());
        file->Commit();
    } catch (const dao::DaoException& e) {
        ReportDaoError(e, prompt);
        return FinishResult::Failed;
    }
    if (steps.openProject && !steps.openProject(path)) return FinishResult::Failed;
    if (steps.notifyDrawingHost) steps.notifyDrawingHost();
    return FinishResult::Created;
}

bool SaveGeneralInformation(dao::Database& db, const GeneralPage& page, ui::Prompter& prompt) {
    try {
        WriteGeneralInformation(db, page);
        return true;
    } catch (const dao::DaoException& e) {
        ReportDaoError(e, prompt);
        return false;
    }
}

bool SaveSpanLayout(dao::Database& db, const SpanPage& page, ui::Prompter& prompt) {
    try {
        WriteSpanLayout(db, page);
        return true;
    } catch (const dao::DaoException& e) {
        ReportDaoError(e, prompt);
        return false;
    }
}

}  // namespace projectdb
