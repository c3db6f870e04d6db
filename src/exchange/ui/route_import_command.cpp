#include "exchange/ui/route_import_command.h"

#include <memory>

#include "exchange/operation_summary.h"
#include "exchange/route_import.h"
#include "exchange/ui/import_options_dialog.h"
#include "exchange/ui/import_range_dialog.h"
#include "platform/interaction/qt_interaction.h"

namespace exchange {

bool RunRouteImport(QWidget* parent, dao::Database& db, const std::string& brfPath, ui::Prompter& prompter,
                    ui::Progress* progress, std::vector<std::string>* warnings, std::string* summary) {
    CImportOptionsDlg options(ImportMode::RouteFile, brfPath, parent);
    if (options.exec() != QDialog::Accepted) return false;
    ImportChoices choices = options.choices();

    auto extent = ReadBridgeExtent(db);
    if (!extent) return false;
    CImportRangeDlg rangeDlg(*extent, prompter, parent);
    if (rangeDlg.exec() != QDialog::Accepted) return false;
    RouteRange range = *rangeDlg.range();

    RouteSections sections;
    sections.groundLine = choices.has(ImportBox::GroundLine);
    sections.horizontal = choices.has(ImportBox::HorizontalCurve);
    sections.vertical = choices.has(ImportBox::VerticalCurve);
    std::unique_ptr<ui::QtProgress> window;
    if (!progress) {
        window = std::make_unique<ui::QtProgress>(parent);
        progress = window.get();
    }
    ui::Interaction interaction{prompter, *progress};
    const RouteImportResult result = ImportRoute(db, choices.sourcePath, range, sections, interaction);
    if (warnings)
        for (const auto& finding : result.findings) warnings->push_back(calc::WarningLine(finding));
    if (summary && result.complete()) *summary = RouteImportSummary(result, choices.sourcePath);
    return true;
}

ImportCommandResult RunImportCommand(QWidget* parent, dao::Database& db, ui::FileChooser& files,
                                     ui::Prompter& prompter) {
    ImportCommandResult result;
    result.path = files.choose(ImportFileRequest());
    if (result.path.empty()) return result;
    switch (ClassifyImportPath(result.path)) {
        case ImportSource::RouteFile:
            if (RunRouteImport(parent, db, result.path, prompter, nullptr, &result.warnings, &result.summary))
                result.outcome = ImportCommandOutcome::RouteImported;
            break;
        case ImportSource::Project:
            result.outcome = ImportCommandOutcome::ProjectChosen;
            break;
        case ImportSource::Unknown:
            prompter.message(kMsgNoReferenceInfo);
            result.outcome = ImportCommandOutcome::NoReference;
            break;
    }
    return result;
}

}  // namespace exchange
