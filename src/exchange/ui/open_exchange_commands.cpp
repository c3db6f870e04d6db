#include "exchange/ui/open_exchange_commands.h"

#include <QInputDialog>
#include <QStringList>

#include "exchange/ifc_export.h"
#include "exchange/landxml_import.h"
#include "exchange/operation_summary.h"
#include "platform/interaction/qt_interaction.h"

namespace exchange {
namespace {

ui::FileRequest LandXmlRequest(bool save) {
    ui::FileRequest request;
    request.save = save;
    request.title = save ? "输出LandXML" : "导入LandXML";
    request.defaultExtension = "xml";
    request.filter = "LandXML文件 (*.xml)|*.xml||";
    request.mustExist = !save;
    request.overwritePrompt = save;
    return request;
}

}  // namespace

bool RunLandXmlImportCommand(QWidget* parent, dao::Database& db, ui::FileChooser& files, ui::Prompter& prompter,
                             std::string* summary) {
    const std::string path = files.choose(LandXmlRequest(false));
    if (path.empty()) return false;
    AlignmentChooser choose = [parent](const std::vector<std::string>& names) -> std::optional<std::string> {
        QStringList items;
        for (const auto& n : names) items << QString::fromStdString(n);
        bool ok = false;
        QString chosen = QInputDialog::getItem(parent, QStringLiteral("选择路线"),
                                               QStringLiteral("文件中有多条路线，请选择要导入的一条："), items, 0, false, &ok);
        if (!ok) return std::nullopt;
        return chosen.toStdString();
    };
    ui::QtProgress progress(parent);
    ui::Interaction interaction{prompter, progress};
    const LandXmlImportResult result = ImportLandXml(db, path, std::nullopt, choose, interaction);
    if (result.outcome != LandXmlOutcome::Imported) return false;
    if (summary) *summary = LandXmlImportSummary(result, path);
    return true;
}

bool RunLandXmlExportCommand(dao::Database& db, ui::FileChooser& files, ui::Prompter& prompter, std::string* summary) {
    const std::string path = files.choose(LandXmlRequest(true));
    if (path.empty() || !ExportLandXml(db, path, prompter)) return false;
    prompter.message(LandXmlWrittenSummary(path), ui::Buttons::Ok, ui::Icon::Information);
    if (summary) *summary = LandXmlWrittenSummary(path);
    return true;
}

bool RunIfcExportCommand(QWidget* parent, dao::Database& db, ui::FileChooser& files, ui::Prompter& prompter,
                         std::string* summary) {
    ui::FileRequest request;
    request.save = true;
    request.title = "输出IFC";
    request.defaultExtension = "ifc";
    request.filter = "IFC文件 (*.ifc)|*.ifc||";
    const std::string path = files.choose(request);
    if (path.empty()) return false;
    ui::QtProgress progress(parent);
    ui::Interaction interaction{prompter, progress};
    if (!ExportIfc(db, path, interaction)) return false;
    prompter.message(IfcWrittenSummary(path), ui::Buttons::Ok, ui::Icon::Information);
    if (summary) *summary = IfcWrittenSummary(path);
    return true;
}

}  // namespace exchange
