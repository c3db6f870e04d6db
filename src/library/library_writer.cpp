#include "library/library_writer.h"

#include <filesystem>
#include <memory>
#include <optional>

#include "library/library_file.h"
#include "library/library_schema.h"
#include "projectdb/record_access.h"

namespace library {

void EnsureLibraryTable(dao::Database& library, const std::string& table) {
    if (!library.HasTableDef(table)) library.CreateTableDef(LibraryTableDef(table));
}

WriteOutcome WriteToLibrary(dao::Database& project, const std::string& typedPath, const std::vector<UpperRow>& upper,
                            const std::vector<LowerRow>& lower, ui::Interaction& ui) {
    const std::string path = LibraryFilePath(typedPath);
    std::unique_ptr<dao::Database> library;
    try {
        library = dao::Database::Open(path);
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
            library = dao::Database::Create(path);
        } catch (const dao::DaoException& e) {
            projectdb::ReportDaoError(e, ui.prompt);
            return WriteOutcome::Unopened;
        }
    }

    ui.progress.setTitle("写入构件库");
    ui.progress.setText("正在写入构件库。请稍候...");
    ui.progress.setStep(1);
    ui.progress.setPos(0);
    ui.progress.setRange(0, static_cast<int>(upper.size() + lower.size()));
    ui.progress.show();
    std::optional<dao::DaoException> failure;
    // One transaction for the whole write; an error ends it early and what was written before stays.
    try {
        library->BeginTrans();
        for (const UpperRow& row : upper) {
            WriteSuperstructureEntry(*library, project, row);
            ui.progress.step();
        }
        for (const LowerRow& row : lower) {
            WriteSubstructureEntry(*library, project, row);
            ui.progress.step();
        }
    } catch (const dao::DaoException& e) {
        failure = e;
    }
    try {
        library->CommitTrans();
    } catch (const dao::DaoException& e) {
        if (!failure) failure = e;
    }
    library->Close();
    ui.progress.close();
    if (failure) {
        projectdb::ReportDaoError(*failure, ui.prompt);
        return WriteOutcome::Failed;
    }
    return WriteOutcome::Written;
}

}  // namespace library
