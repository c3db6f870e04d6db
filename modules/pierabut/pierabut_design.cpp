#include "pierabut/pierabut_design.h"

#include <map>

#include "girder/bridge_facts.h"
#include "pierabut/member_sizes.h"
#include "pierabut/pier_plot.h"

namespace pierabut {
namespace {

std::vector<members::TableProposal> ProposalsFor(const std::vector<SupportFacts>& supports, double deckWidth) {
    std::vector<members::TableProposal> proposals;
    // Cap beams first, then bodies, connection members and foundations; within each, tables in the order
    // the supports first name them.
    for (int column = 0; column < 4; ++column) {
        std::map<std::string, size_t> index;
        for (const auto& support : supports) {
            const std::string& type = support.types[column];
            std::optional<std::string> table = projectdb::MemberTableOf(type);
            if (!table) continue;
            modulekit::Record record = MemberRecord(type, support, SizesFor(support, deckWidth));
            if (record.empty()) continue;
            auto [it, added] = index.emplace(*table, proposals.size());
            if (added) proposals.push_back({MemberSchema(*table), {}});
            proposals[it->second].defaults.push_back(std::move(record));
        }
    }
    return proposals;
}

}  // namespace

std::vector<members::TableProposal> Proposals(dao::Database& db) {
    return ProposalsFor(ReadSupports(db), members::ReadDeckWidth(db).metres);
}

members::DesignOutcome DesignPierAbut(dao::Database& db) {
    const std::vector<SupportFacts> supports = ReadSupports(db);
    const members::DeckWidth width = members::ReadDeckWidth(db);
    auto proposals = ProposalsFor(supports, width.metres);
    if (proposals.empty()) {
        modulekit::ModulePrompter().message("下构布置信息表中没有需要设计的墩台构件。", ui::Buttons::Ok,
                                            ui::Icon::Information);
        return {};
    }
    std::string note = "按桥面宽 " + members::NumberText(width.metres) + " m";
    if (width.assumed) note += "（一般信息未给桥宽，按双车道 12 m 计）";
    note +=
        "、斜交角和相邻跨径取常用尺寸：约每 7 m 桥宽一根柱，柱径按跨径 1.0–1.8 m，桩径大 0.2 m；"
        "墩柱高按 6 m、台身高按 5 m 计，背墙高取桥面至帽梁顶高差。已有记录按原值列出。";
    return members::ProposeAndWrite(db, "墩台设计", note, proposals, PierElevationPlot());
}

}  // namespace pierabut
