#include "library/library_merge.h"

#include <filesystem>
#include <memory>

#include "library/library_file.h"
#include "platform/dao/database.h"
#include "platform/text/cformat.h"
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

// Opens the target, creating it without asking when there is no such file. A file that is there but is
// no library is the user's file: it is reported, never replaced.
std::unique_ptr<dao::Database> OpenTarget(const std::string& path, ui::Prompter& prompt) {
    try {
        return dao::Database::Open(path);
    } catch (const dao::DaoException& refused) {
        std::error_code ec;
        if (std::filesystem::exists(path, ec)) {
            projectdb::ReportDaoError(refused, prompt);
            return nullptr;
        }
    }
    try {
        return dao::Database::Create(path);
    } catch (const dao::DaoException& e) {
        projectdb::ReportDaoError(e, prompt);
        return nullptr;
    }
}

}  // namespace

std::string UnreadableSourceMessage(const std::string& source) {
    return text::Format("不能打开源构件库 %s。\n该文件可能已被损坏。", source);
}

bool MergeLibraries(const std::vector<std::string>& sources, const std::string& typedTarget, ui::Interaction& ui) {
    const std::string targetPath = LibraryFilePath(typedTarget);
    std::unique_ptr<dao::Database> target = OpenTarget(targetPath, ui.prompt);
    if (!target) return false;

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

    dao::Transaction merge(*target);
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
            projectdb::CopyTable(*from, *target, table.m_strName, false);
        }
    }
    bool committed = true;
    try {
        merge.Commit();
    } catch (const dao::DaoException& e) {
        ui.progress.close();
        projectdb::ReportDaoError(e, ui.prompt);
        committed = false;
    }
    target->Close();
    ui.progress.close();
    return committed;
}

}  // namespace library
