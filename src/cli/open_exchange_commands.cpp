// import-landxml / export-landxml: the route as LandXML; export-ifc: the bridge as IFC 4.3.
#include <filesystem>
#include <iostream>

#include "cli/command.h"
#include "exchange/ifc_export.h"
#include "exchange/landxml_import.h"
#include "exchange/operation_summary.h"
#include "platform/interaction/console.h"
#include "projectdb/schema.h"

namespace cli {
namespace {

constexpr const char* kImportLandXmlUsage = "import-landxml PROJECT FILE [--alignment NAME] [--yes|--no]";
constexpr const char* kExportLandXmlUsage = "export-landxml PROJECT OUT.xml";
constexpr const char* kExportIfcUsage = "export-ifc PROJECT OUT.ifc [--crs EPSG:NNNN]";

// Prints the tables written and their record counts; 1 when nothing was imported (refused, declined, failed).
int ImportLandXml(const std::vector<std::string>& words) {
    Args args = ParseArgs(words, {"--alignment"});
    if (args.positional.size() != 2 || args.has("--alignment")) return UsageError(kImportLandXmlUsage);
    auto db = dao::Database::Open(args.positional[0]);
    ui::ConsoleInteraction console(args.answer().value_or(false));
    ui::Interaction interaction = console.interaction();
    // Without a window to ask in, a file of several alignments needs --alignment.
    auto choose = [](const std::vector<std::string>& names) -> std::optional<std::string> {
        std::string list;
        for (const auto& n : names) list += (list.empty() ? "" : "、") + n;
        std::cerr << "文件中有多条路线，请用 --alignment 选择其一：" << list << std::endl;
        return std::nullopt;
    };
    auto result = exchange::ImportLandXml(*db, args.positional[1], args.option("--alignment"), choose, interaction);
    if (result.outcome != exchange::LandXmlOutcome::Imported) return 1;
    std::cout << projectdb::kHorizontalCurveTable << "\t" << result.planRecords << "\n";
    if (result.profileRecords >= 0) std::cout << projectdb::kVerticalCurveTable << "\t" << result.profileRecords << "\n";
    if (result.slopeRecords >= 0) std::cout << projectdb::kDeckSlopeTable << "\t" << result.slopeRecords << "\n";
    std::cerr << exchange::LandXmlImportSummary(result, args.positional[1]) << std::endl;
    return 0;
}

int ExportLandXml(const std::vector<std::string>& words) {
    Args args = ParseArgs(words, {});
    if (args.positional.size() != 2) return UsageError(kExportLandXmlUsage);
    auto db = dao::Database::Open(args.positional[0]);
    const std::string path = std::filesystem::absolute(args.positional[1]).string();
    ui::ConsolePrompter prompter(false);
    if (!exchange::ExportLandXml(*db, path, prompter)) return 1;
    std::cerr << exchange::LandXmlWrittenSummary(path) << std::endl;
    return 0;
}

int ExportIfc(const std::vector<std::string>& words) {
    Args args = ParseArgs(words, {"--crs"});
    if (args.positional.size() != 2 || args.has("--crs")) return UsageError(kExportIfcUsage);
    auto db = dao::Database::Open(args.positional[0]);
    const std::string path = std::filesystem::absolute(args.positional[1]).string();
    ui::ConsoleInteraction console(false);
    ui::Interaction interaction = console.interaction();
    exchange::IfcExportOptions options;
    options.crs = args.option("--crs").value_or("");
    if (!exchange::ExportIfc(*db, path, interaction, options)) return 1;
    std::cerr << exchange::IfcWrittenSummary(path) << std::endl;
    return 0;
}

}  // namespace

std::vector<Command> OpenExchangeCommands() {
    return {{"import-landxml", kImportLandXmlUsage, ImportLandXml},
            {"export-landxml", kExportLandXmlUsage, ExportLandXml},
            {"export-ifc", kExportIfcUsage, ExportIfc}};
}

}  // namespace cli
