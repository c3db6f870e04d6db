#include "library/library_writer.h"

#include <filesystem>
#include <memory>
#include <optional>

#include "library/library_clean.h"
#include "library/library_file.h"
#include "library/library_schema.h"
#include "platform/dao/new_database_file.h"
#include "projectdb/project_file.h"
#include "projectdb/record_access.h"

namespace library {

void EnsureLibraryTable(dao::Database& library, const std::string& table) {
    if (!library.HasTableDef(table)) library.CreateTableDef(LibraryTableDef(table));
}

WriteOutcome WriteToLibrary(dao::Database& project, const std::string& typedPath, const std::vector<UpperRow>& upper,
                            const std::vector<LowerRow>& lower, ui::Interaction& ui, long* repeatsRemoved) {
    const std::string path = LibraryFilePath(typedPath);
    std::unique_ptr<dao::Database> opened;
    // A new library is built beside its name and appears there only complete, with every entry in it.
    std::unique_ptr<dao::NewDatabaseFile> created;
    try {
        opened = dao::Database::Open(path);
    } catch (const dao::DaoException& refused) {
        // A file that is there but is no library is the user's file: it is reported, never replaced.
        std::error_code ec;
        if (std::filesystem::exists(path, ec)) {
            projectdb::ReportDaoError(refused, ui.prompt);
            return WriteOutcome::Unopened;
        }
        if (ui.prompt.message(kCreateLibraryQuestion, ui::Buttons::YesNo) != ui::Answer::Yes)
            return WriteOutcome::Declined;
        try {
            created = std::make_unique<dao::NewDatabaseFile>(path, "构件库文件");
        } catch (const dao::DaoException& e) {
            projectdb::ReportDaoError(e, ui.prompt);
            return WriteOutcome::Unopened;
        }
    }
    dao::Database& library = created ? created->db() : *opened;

    ui.progress.setTitle("写入构件库");
    ui.progress.setText("正在写入构件库。请稍候...");
    ui.progress.setStep(1);
    ui.progress.setPos(0);
    ui.progress.setRange(0, static_cast<int>(upper.size() + lower.size()));
    ui.progress.show();
    std::optional<dao::DaoException> failure;
    // One transaction for the entries and the clean that follows them: the library shows the old entries
    // or the new ones without their repeats. An error ends the writing early and what was written before
    // stays.
    long removed = 0;
    try {
        std::optional<dao::Transaction> writing;  // a new library is written in a transaction of its own
        if (!created) writing.emplace(library);
        std::size_t written = 0;
        try {
            for (const UpperRow& row : upper) {
                WriteSuperstructureEntry(library, project, row);
                projectdb::KillHereIfTestAsks(++written);
                ui.progress.step();
            }
            for (const LowerRow& row : lower) {
                WriteSubstructureEntry(library, project, row);
                projectdb::KillHereIfTestAsks(++written);
                ui.progress.step();
            }
        } catch (const dao::DaoException& e) {
            failure = e;
        }
        removed = CleanAllTables(library);
        if (writing) writing->Commit();
        if (created) created->Commit();
    } catch (const dao::DaoException& e) {
        if (!failure) failure = e;
        removed = 0;
    }
    created.reset();
    if (opened) opened->Close();
    ui.progress.close();
    if (repeatsRemoved) *repeatsRemoved = removed;
    if (failure) {
        projectdb::ReportDaoError(*failure, ui.prompt);
        return WriteOutcome::Failed;
    }
    return WriteOutcome::Written;
}

}  // namespace library
