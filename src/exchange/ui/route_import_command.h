#pragma once
// The import command with a route reference file: the options dialog (route file mode), the range dialog
// over the bridge extent, then the import under the progress window.
#include <string>
#include <vector>

#include "exchange/import_options.h"
#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

class QWidget;

namespace exchange {

// Runs the route reference file mode for `brfPath`. Ends without a word when the user cancels a dialog or
// the project has no bridge extent (伸缩缝信息表 missing or empty). Returns true when the readers ran: the
// caller then refreshes every category of the table tree and requeries every open grid.
// Without `progress` the progress window is shown over `parent`. `warnings`, when given, receives the lines
// of the route check that follows the import (none when the route is one road): the caller shows them where
// they do not stop the engineer, in the status line; `summary`, when given, the line the import ends with.
bool RunRouteImport(QWidget* parent, dao::Database& db, const std::string& brfPath, ui::Prompter& prompter,
                    ui::Progress* progress = nullptr, std::vector<std::string>* warnings = nullptr,
                    std::string* summary = nullptr);

enum class ImportCommandOutcome {
    Cancelled,      // no file chosen, or a dialog cancelled
    NoReference,    // neither a route reference file nor a project: "该文件中无可参考信息!" was shown
    RouteImported,  // refresh the views
    ProjectChosen,  // a project file: the caller runs the import from another project with `path`
};
struct ImportCommandResult {
    ImportCommandOutcome outcome = ImportCommandOutcome::Cancelled;
    std::string path;
    std::vector<std::string> warnings;  // of the route check after a route import
    std::string summary;                // what a route import wrote, in one line
};

// The whole import command of an open project: the file dialog "导入", the test of the extension, and the
// route reference file mode.
ImportCommandResult RunImportCommand(QWidget* parent, dao::Database& db, ui::FileChooser& files,
                                     ui::Prompter& prompter);

}  // namespace exchange
