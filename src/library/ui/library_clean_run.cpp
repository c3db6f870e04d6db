#include "library/ui/library_clean_run.h"

#include <filesystem>

#include "library/library_clean.h"
#include "library/library_file.h"
#include "library/library_summary.h"
#include "platform/interaction/qt_interaction.h"
#include "projectdb/record_access.h"

namespace library {
namespace {

std::optional<long> Clean(QWidget* parent, const std::string& path, ui::Prompter& prompter) {
    ui::QtProgress progress(parent);
    try {
        return CleanLibrary(path, progress);
    } catch (const dao::DaoException& e) {
        progress.close();
        projectdb::ReportDaoError(e, prompter);
        return std::nullopt;
    }
}

}  // namespace

void RunCleanLibraryCommand(QWidget* parent, ui::Prompter& prompter, ui::FileChooser& files, std::string* summary) {
    const std::string path = files.choose(LibraryFileRequest());
    if (path.empty()) return;
    const std::optional<long> deleted = Clean(parent, path, prompter);
    if (summary && deleted) *summary = CleanSummary(path, *deleted);
}

std::optional<long> RunCleanAfter(QWidget* parent, const std::string& typedTarget, ui::Prompter& prompter) {
    if (typedTarget.empty()) return std::nullopt;
    std::error_code ec;
    if (!std::filesystem::exists(LibraryFilePath(typedTarget), ec)) return std::nullopt;
    return Clean(parent, typedTarget, prompter);
}

}  // namespace library
