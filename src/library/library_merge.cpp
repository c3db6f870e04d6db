#include "library/library_merge.h"

#include <filesystem>
#include <memory>
#include <optional>

#include "library/library_clean.h"
#include "library/library_file.h"
#include "platform/dao/database.h"
#include "platform/dao/new_database_file.h"
#include "platform/text/cformat.h"
#include "projectdb/project_file.h"
#include "projectdb/record_access.h"

namespace library {
namespace {

std::unique_ptr<dao::Database> OpenSource(const std::string& path) {
    try {
        return dao::Database::Open(path, true);
    } catch (const dao::DaoException&) {
        return nullptr;
    }
}

// The merge target: an existing library opened, or a new one built beside its name, which appears there only
// once the merge is complete.
struct Target {
    std::unique_ptr<dao::Database> opened;
    std::unique_ptr<dao::NewDatabaseFile> created;
    dao::Database& db() { return created ? created->db() : *opened; }
};

// Opens the target, creating it without asking when there is no such file. A file that is there but is
// no library is the user's file: it is reported, never replaced.
bool OpenTarget(const std::string& path, Target& target, ui::Prompter& prompt) {
    try {
        target.opened = dao::Database::Open(path);
        return true;
    } catch (const dao::DaoException& refused) {
        std::error_code ec;
        if (std::filesystem::exists(path, ec)) {
            projectdb::ReportDaoError(refused, prompt);
            return false;
        }
    }
    try {
        target.created = std::make_unique<dao::NewDatabaseFile>(path, "构件库文件");
        return true;
    } catch (const dao::DaoException& e) {
        projectdb::ReportDaoError(e, prompt);
        return false;
    }
}

}  // namespace

std::string UnreadableSourceMessage(const std::string& source) {
    return text::Format("不能打开源构件库 %s。\n该文件可能已被损坏。", source);
}

bool MergeLibraries(const std::vector<std::string>& sources, const std::string& typedTarget, ui::Interaction& ui,
                    long* repeatsRemoved) {
    const std::string targetPath = LibraryFilePath(typedTarget);
    Target target;
    if (!OpenTarget(targetPath, target, ui.prompt)) return false;

    ui.progress.setTitle("合并构件库");
    ui.progress.setText("正在合并构件库。请稍候...");
    int tableCount = 0;
    for (const std::string& source : sources) {
        if (source == targetPath) continue;
        if (auto db = OpenSource(source)) {
            try {
                tableCount += static_cast<int>(db->GetTableDefs().size());
            } catch (const dao::DaoException&) {
                // Counted as it can be; the merge itself reports the source.
            }
        }
    }
    ui.progress.setRange(0, tableCount);
    ui.progress.setStep(1);
    ui.progress.setPos(0);
    ui.progress.show();

    // The appended entries and the clean that removes their repeats are one transaction: the target holds
    // its old entries or the merged ones without repeats, never the merge half cleaned.
    long removed = 0;
    bool committed = true;
    try {
        std::optional<dao::Transaction> merge;
        if (!target.created) merge.emplace(target.db());
        std::size_t copied = 0;
        for (const std::string& source : sources) {
            if (source == targetPath) continue;
            std::unique_ptr<dao::Database> from = OpenSource(source);
            std::vector<dao::TableDefInfo> tables;
            try {
                if (from) tables = from->GetTableDefs();
            } catch (const dao::DaoException&) {
                from.reset();
            }
            if (!from) {
                ui.prompt.message(UnreadableSourceMessage(source));
                continue;
            }
            for (const dao::TableDefInfo& table : tables) {
                ui.progress.step();
                if (table.isSystem()) continue;
                projectdb::CopyTable(*from, target.db(), table.m_strName, false);
                projectdb::KillHereIfTestAsks(++copied);
            }
        }
        removed = CleanAllTables(target.db());
        if (merge)
            merge->Commit();
        else
            target.created->Commit();
    } catch (const dao::DaoException& e) {
        ui.progress.close();
        projectdb::ReportDaoError(e, ui.prompt);
        committed = false;
        removed = 0;
    }
    target.created.reset();
    if (target.opened) target.opened->Close();
    ui.progress.close();
    if (repeatsRemoved) *repeatsRemoved = removed;
    return committed;
}

}  // namespace library
