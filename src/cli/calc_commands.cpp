// pier-force FILE.phm [--report OUT] / pier-force --json IN.json --save FILE.phm [--report OUT] / culvert [--B1 V] ...
#include <iostream>

#include "calc/culvert.h"
#include "calc/phm_file.h"
#include "calc/pier_json.h"
#include "cli/command.h"
#include "platform/interaction/console.h"
#include "platform/text/gbk_file.h"
#include "platform/text/numbers.h"

namespace cli {
namespace {

constexpr const char* kPierUsage = "pier-force FILE.phm [--report OUT] | pier-force --json IN.json --save FILE.phm [--report OUT]";
constexpr const char* kCulvertUsage =
    "culvert [--B1 V] [--B2 V] [--H1 V] [--H2 V] [--m1 V] [--n1 V] [--i V] [--S V] [--L V] [--two-stage] "
    "[--H3 V] [--H4 V] [--B3 V] [--B4 V] [--m2 V] [--n2 V]";

// The pier list as the calculation window shows it, one tab-separated row per pier.
void PrintPierRows(const calc::CProject& project) {
    for (std::size_t i = 0; i < project.m_Piers.size(); ++i) {
        auto cells = calc::PierListRow(project, i);
        for (std::size_t c = 0; c < cells.size(); ++c) std::cout << (c ? "\t" : "") << cells[c];
        std::cout << "\n";
    }
}

int PierFromJson(const Args& args, ui::ConsolePrompter& prompt) {
    auto save = args.option("--save");
    if (!save || !args.positional.empty()) return UsageError(kPierUsage);
    std::string json;
    if (!text::ReadFileBytes(*args.option("--json"), json)) {
        std::cerr << "打不开文件 '" << *args.option("--json") << "'。" << std::endl;
        return 1;
    }
    calc::CProject project;
    std::string error;
    if (!calc::ProjectFromJson(json, project, error)) {
        std::cerr << error << std::endl;
        return 1;
    }
    project.Recalculate();
    std::string report = args.option("--report").value_or(calc::ReportPathFor(*save));
    bool reportWritten = false;
    if (!calc::SavePhm(*save, report, project, prompt, &reportWritten)) return 1;
    PrintPierRows(project);
    return reportWritten ? 0 : 1;
}

int PierForce(const std::vector<std::string>& words) {
    Args args = ParseArgs(words, {"--report", "--json", "--save"});
    ui::ConsolePrompter prompt(args.answer());
    if (args.option("--json")) return PierFromJson(args, prompt);
    if (args.positional.size() != 1 || args.option("--save")) return UsageError(kPierUsage);
    const std::string& path = args.positional[0];
    calc::CProject project;
    project.ResetParameters();
    if (!calc::OpenPhm(path, project, prompt)) return 1;
    if (!project.WriteReport(args.option("--report").value_or(calc::ReportPathFor(path)), prompt)) return 1;
    PrintPierRows(project);
    return 0;
}

int Culvert(const std::vector<std::string>& words) {
    std::vector<std::string> valueOptions;
    for (const auto& f : calc::kCulvertFields)
        if (f.group != calc::CulvertField::Result) valueOptions.push_back(std::string("--") + f.name);
    Args args = ParseArgs(words, valueOptions);
    for (const auto& flag : args.flags)
        if (flag != "--two-stage") return UsageError(kCulvertUsage);
    if (!args.positional.empty()) return UsageError(kCulvertUsage);
    bool twoStage = args.has("--two-stage");

    calc::CulvertValues values;
    for (const auto& f : calc::kCulvertFields) {
        auto given = args.option(std::string("--") + f.name);
        if (!given) continue;
        if (!text::ParseWholeNumber(*given, values.*f.value)) {
            std::cerr << "veltra-cli culvert: --" << f.name << " 需要一个数值，'" << *given << "' 不是数值。" << std::endl;
            return 2;
        }
        if (f.group == calc::CulvertField::SecondStage && !twoStage)
            std::cerr << "veltra-cli culvert: 没有 --two-stage 时 --" << f.name << " 的值按单级涵洞另行确定，给出的值不用。" << std::endl;
    }
    std::string error = calc::CalculateCulvert(values, twoStage);
    if (!error.empty()) {
        std::cerr << error << std::endl;
        return 1;
    }
    for (const auto& f : calc::kCulvertFields) std::cout << f.name << "=" << calc::CulvertNumberText(values.*f.value) << "\n";
    return 0;
}

}  // namespace

std::vector<Command> CalcCommands() {
    return {{"pier-force", kPierUsage, PierForce}, {"culvert", kCulvertUsage, Culvert}};
}

}  // namespace cli
