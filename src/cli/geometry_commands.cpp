// geometry PROJECT --stake S [--offset D] / geometry PROJECT --from S --to E --step D [--offset D] [--xlsx OUT]
#include <iostream>
#include <memory>
#include <vector>

#include "calc/route_check.h"
#include "calc/route_geometry.h"
#include "calc/stake_table.h"
#include "calc/stake_table_file.h"
#include "cli/command.h"
#include "platform/dao/dao_exception.h"
#include "platform/dao/database.h"
#include "platform/text/cformat.h"
#include "platform/text/numbers.h"

namespace cli {
namespace {

constexpr const char* kGeometryUsage =
    "geometry PROJECT --stake S [--offset D] | geometry PROJECT --from S --to E --step D [--offset D] [--xlsx OUT]";

// A stake option ("K1+190.5" or metres); false after telling the user when the text is no stake.
bool StakeOption(const Args& args, const std::string& name, double& value) {
    const std::string typed = *args.option(name);
    auto stake = text::ParseStake(typed);
    if (!stake) {
        std::cerr << text::InvalidStakeMessage(typed) << std::endl;
        return false;
    }
    value = *stake;
    return true;
}

bool NumberOption(const Args& args, const std::string& name, double& value) {
    auto typed = args.option(name);
    if (!typed) return true;
    if (!text::ParseWholeNumber(*typed, value)) {
        std::cerr << "veltra-cli geometry: " << name << " 需要一个数值，'" << *typed << "' 不是数值。" << std::endl;
        return false;
    }
    return true;
}

void PrintPoint(const calc::RoutePoint& p) {
    std::cout << "X=" << text::Format("%.6f", p.x) << "\n"
              << "Y=" << text::Format("%.6f", p.y) << "\n"
              << "Z=" << text::Format("%.6f", p.elevation) << "\n"
              << "AZIMUTH=" << text::Format("%.10f", p.azimuth) << "\n"
              << "LOCATION=" << p.location << "\n"
              << "RADIUS=" << text::Format("%.6f", p.radius) << "\n"
              << "LEFT=" << text::Format("%.6f", p.leftSlope) << "\n"
              << "RIGHT=" << text::Format("%.6f", p.rightSlope) << "\n";
}

// What the numbers lack, on standard error; the numbers are printed all the same.
void TellMissingData(const calc::CGeoAssist& geo) {
    const int status = geo.Status();
    if (status & calc::kGeoNoPlan) std::cerr << "项目中没有平曲线资料：X、Y、方位角为0。" << std::endl;
    if (status & calc::kGeoNoElevation) std::cerr << "项目中没有高程资料（竖曲线或路基设计表）：高程为0。" << std::endl;
}

int PrintTable(const calc::CGeoAssist& geo, const std::vector<double>& stakes, double offset) {
    const auto header = calc::StakeTableHeader();
    for (std::size_t c = 0; c < header.size(); ++c) std::cout << (c ? "\t" : "") << header[c];
    std::cout << "\n";
    for (double stake : stakes) {
        const auto cells = calc::StakeTableRow(stake, geo.Evaluate(stake, offset));
        for (std::size_t c = 0; c < cells.size(); ++c) std::cout << (c ? "\t" : "") << cells[c];
        std::cout << "\n";
    }
    return 0;
}

// One point (`--stake`), or the stake table printed or written to a workbook.
int Compute(const Args& args, const calc::CGeoAssist& geo, const std::vector<double>& stakes, double offset) {
    if (args.option("--stake")) {
        PrintPoint(geo.Evaluate(stakes.front(), offset));
        return 0;
    }
    if (auto out = args.option("--xlsx")) {
        std::string error;
        if (!calc::WriteStakeTable(*out, calc::StakeTableFormat::Workbook, geo, stakes, offset, error)) {
            std::cerr << error << std::endl;
            return 1;
        }
        std::cout << "逐桩坐标表\t" << stakes.size() << "\n";
        return 0;
    }
    return PrintTable(geo, stakes, offset);
}

int Geometry(const std::vector<std::string>& words) {
    Args args = ParseArgs(words, {"--stake", "--offset", "--from", "--to", "--step", "--xlsx"});
    if (args.positional.size() != 1 || !args.flags.empty()) return UsageError(kGeometryUsage);
    const bool single = args.option("--stake").has_value();
    const bool table = args.option("--from") || args.option("--to") || args.option("--step");
    if (single == table) return UsageError(kGeometryUsage);
    if (single && args.option("--xlsx")) return UsageError(kGeometryUsage);
    if (table && !(args.option("--from") && args.option("--to") && args.option("--step")))
        return UsageError(kGeometryUsage);

    double offset = 0, stake = 0, from = 0, to = 0, step = 0;
    if (!NumberOption(args, "--offset", offset)) return 2;
    if (single && !StakeOption(args, "--stake", stake)) return 2;
    if (table &&
        (!StakeOption(args, "--from", from) || !StakeOption(args, "--to", to) || !NumberOption(args, "--step", step)))
        return 2;
    std::vector<double> stakes;
    if (table) {
        std::string error;
        stakes = calc::TableStakes(from, to, step, error);
        if (!error.empty()) {
            std::cerr << error << std::endl;
            return 2;
        }
    }

    std::unique_ptr<dao::Database> db = dao::Database::Open(args.positional[0], true);
    const calc::CGeoAssist geo(db.get());
    if (!geo.problems().empty()) {
        // A table that cannot be read would give numbers that look right and are not.
        for (const auto& problem : geo.problems()) std::cerr << problem << std::endl;
        return 1;
    }
    TellMissingData(geo);
    const int status = Compute(args, geo, single ? std::vector<double>{stake} : stakes, offset);
    // The numbers come from the tables as they are; where the tables disagree with each other, it is said.
    for (const auto& finding : calc::CheckRoute(geo.data())) std::cerr << calc::WarningLine(finding) << "\n";
    return status;
}

}  // namespace

std::vector<Command> GeometryCommands() { return {{"geometry", kGeometryUsage, Geometry}}; }

}  // namespace cli
