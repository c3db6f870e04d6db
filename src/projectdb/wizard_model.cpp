#include "projectdb/wizard_model.h"

#include <optional>

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
        // The new project is built beside the file and takes its place in one move, so that a Finish that
        // is killed leaves an existing project at that path as it was. A table that cannot be written is
        // undone alone and ends Finish with its message; the tables written before it stay written, in the
        // new file, as they do when a project is written table by table.
        auto file = BeginProjectFile(path);
        std::optional<dao::DaoException> failure;
        try {
            WriteProject(file->db());
        } catch (const dao::DaoException& e) {
            failure = e;
        }
        file->Commit();
        if (failure) throw *failure;
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
