#include "library/ui/library_clean_run.h"

#include <filesystem>

#include "library/library_clean.h"
#include "library/library_file.h"
#include "platform/interaction/qt_interaction.h"
#include "projectdb/record_access.h"

namespace library {
namespace {

void Clean(QWidget* parent, const std::string& path, ui::Prompter& prompter) {
    ui::QtProgress progress(parent);
    try {
        CleanLibrary(path, progress);
    } catch (const dao::DaoException& e) {
        progress.close();
        projectdb::ReportDaoError(e, prompter);
    }
}

}  // namespace

void RunCleanLibraryCommand(QWidget* parent, ui::Prompter& prompter, ui::FileChooser& files) {
    const std::string path = files.choose(LibraryFileRequest());
    if (!path.empty()) Clean(parent, path, prompter);
}

void RunCleanAfter(QWidget* parent, const std::string& typedTarget, ui::Prompter& prompter) {
    if (typedTarget.empty()) return;
    std::error_code ec;
    if (!std::filesystem::exists(LibraryFilePath(typedTarget), ec)) return;
    Clean(parent, typedTarget, prompter);
}

}  // namespace library
