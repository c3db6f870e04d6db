#include "exchange/ui/open_exchange_commands.h"

#include <QInputDialog>
#include <QStringList>

#include "exchange/ifc_export.h"
#include "exchange/landxml_import.h"
#include "platform/interaction/qt_interaction.h"
#include "platform/text/cformat.h"

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

bool RunLandXmlImportCommand(QWidget* parent, dao::Database& db, ui::FileChooser& files, ui::Prompter& prompter) {
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
    return ImportLandXml(db, path, std::nullopt, choose, interaction).outcome == LandXmlOutcome::Imported;
}

bool RunLandXmlExportCommand(dao::Database& db, ui::FileChooser& files, ui::Prompter& prompter) {
    const std::string path = files.choose(LandXmlRequest(true));
    if (path.empty() || !ExportLandXml(db, path, prompter)) return false;
    prompter.message(text::Format(kLandXmlWritten, path), ui::Buttons::Ok, ui::Icon::Information);
    return true;
}

bool RunIfcExportCommand(QWidget* parent, dao::Database& db, ui::FileChooser& files, ui::Prompter& prompter) {
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
    prompter.message(text::Format(kIfcWritten, path), ui::Buttons::Ok, ui::Icon::Information);
    return true;
}

}  // namespace exchange
