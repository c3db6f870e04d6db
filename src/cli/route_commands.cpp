// import-route PROJECT FILE [--from S] [--to E] [--only LIST] [--yes|--no]; S and E are numbers or stakes.
#include <iostream>
#include <sstream>

#include "cli/command.h"
#include "exchange/operation_summary.h"
#include "exchange/route_import.h"
#include "platform/interaction/console.h"
#include "platform/text/cformat.h"
#include "platform/text/numbers.h"
#include "projectdb/schema.h"

namespace cli {
namespace {

constexpr const char* kImportRouteUsage =
    "import-route PROJECT FILE [--from S] [--to E] [--only profile,plan,vert] [--yes|--no]";
constexpr const char* kNoBridgeExtent = "项目中没有伸缩缝信息，无法确定导入数据范围：请用 --from 和 --to 给出。";

// "profile,plan,vert" in any order and subset; false for any other word.
bool ParseSections(const std::string& list, exchange::RouteSections& sections) {
    sections = {false, false, false};
    std::stringstream words(list);
    std::string word;
    bool any = false;
    while (std::getline(words, word, ',')) {
        if (word == "profile")
            sections.groundLine = true;
        else if (word == "plan")
            sections.horizontal = true;
        else if (word == "vert")
            sections.vertical = true;
        else
            return false;
        any = true;
    }
    return any;
}

void PrintResult(const char* table, const exchange::SectionResult& r) {
    if (r.outcome == exchange::SectionOutcome::NotRun) return;
    std::cout << table << "\t" << r.written << "\n";
}

int ImportRoute(const std::vector<std::string>& words) {
    Args args = ParseArgs(words, {"--from", "--to", "--only"});
    if (args.positional.size() != 2) return UsageError(kImportRouteUsage);
    exchange::RouteSections sections;
    if (auto only = args.option("--only"); only && !ParseSections(*only, sections))
        return UsageError(kImportRouteUsage);
    // A bound is a number or a stake ("K1+190.5"); one given without its value is a usage error, not the
    // bridge extent.
    std::optional<double> from, to;
    for (auto [name, slot] : {std::pair{"--from", &from}, std::pair{"--to", &to}}) {
        if (args.has(name)) return UsageError(kImportRouteUsage);
        if (auto typed = args.option(name)) {
            *slot = text::ParseStake(*typed);
            if (!*slot) {
                std::cerr << text::InvalidStakeMessage(*typed) << std::endl;
                return 2;
            }
        }
    }

    std::unique_ptr<dao::Database> db = dao::Database::Open(args.positional[0]);
    // Without a range the bridge extent is used, read as the import command reads it; a bound given alone
    // replaces its end of the extent.
    exchange::RouteRange range;
    if (!from || !to) {
        auto extent = exchange::ReadBridgeExtent(*db);
        if (!extent) {
            std::cerr << kNoBridgeExtent << std::endl;
            return 1;
        }
        range = *extent;
    }
    if (from) range.start = *from;
    if (to) range.end = *to;
    // The range dialog takes the two stakes as typed; here a reversed pair is a typing error to be told.
    if (range.start > range.end) {
        std::cerr << text::Format("导入数据范围的起点桩号 %.3f 大于终点桩号 %.3f：--from 应不大于 --to。",
                                  range.start, range.end)
                  << std::endl;
        return 1;
    }

    ui::ConsoleInteraction console(args.answer().value_or(false));
    ui::Interaction interaction = console.interaction();
    auto result = exchange::ImportRoute(*db, args.positional[1], range, sections, interaction);
    // After a failed import nothing of it is in the project: there are no counts to print.
    if (result.failed) return 1;
    PrintResult(projectdb::kGroundLineTable, result.groundLine);
    PrintResult(projectdb::kHorizontalCurveTable, result.horizontal);
    PrintResult(projectdb::kVerticalCurveTable, result.vertical);
    PrintResult(projectdb::kRoadDesignTable, result.deck);
    // A route that is not one road is imported all the same; the engineer reads why it is not.
    for (const auto& finding : result.findings) std::cerr << calc::WarningLine(finding) << "\n";
    // The reader has said on standard error why a section could not be read as asked; only an import that
    // went as asked ends with its summary.
    if (!result.complete()) return 1;
    std::cerr << exchange::RouteImportSummary(result, args.positional[1]) << std::endl;
    return 0;
}

}  // namespace

std::vector<Command> RouteCommands() { return {{"import-route", kImportRouteUsage, ImportRoute}}; }

}  // namespace cli
