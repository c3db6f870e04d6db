#include "pierabut/pierabut_design.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "kit/standard_sizes.h"
#include "pierabut/member_sizes.h"
#include "pierabut/pier_plot.h"
#include "platform/text/cformat.h"

namespace pierabut {
namespace {

using modulekit::BridgeFacts;
using modulekit::SpanFacts;
using modulekit::SupportFacts;

// The distance between the outermost bearing lines on a support: none on an abutment or over an inner
// support of a continuous girder (one line), the two girder ends' bearings apart over a joint.
double BearingSpread(const BridgeFacts& bridge, const SupportFacts& support) {
    const SpanFacts* before = nullptr;
    const SpanFacts* after = nullptr;
    for (const SpanFacts& span : bridge.spans) {
        if (span.number == support.number) before = &span;
        if (span.number == support.number + 1) after = &span;
    }
    if (!before || !after || before->unit == after->unit) return 0;
    return modulekit::BearingLineOffset(before->structureType, before->length) +
           modulekit::BearingLineOffset(after->structureType, after->length);
}

std::vector<modulekit::TableProposal> ProposalsFor(const BridgeFacts& bridge) {
    std::vector<modulekit::TableProposal> proposals;
    // Cap beams first, then bodies, connection members and foundations; within each, tables in the order
    // the supports first name them.
    for (int column = 0; column < 4; ++column) {
        std::map<std::string, size_t> index;
        for (const auto& support : bridge.supports) {
            const std::string& type = support.types[column];
            std::optional<std::string> table = projectdb::MemberTableOf(type);
            if (!table) continue;
            const SupportSizes sizes = SizesFor(support, bridge.deck.width, BearingSpread(bridge, support));
            modulekit::Record record = MemberRecord(type, support, sizes);
            if (record.empty()) continue;
            auto [it, added] = index.emplace(*table, proposals.size());
            if (added) proposals.push_back({MemberSchema(*table), {}});
            proposals[it->second].defaults.push_back(std::move(record));
        }
    }
    return proposals;
}

// A cell of the row of support `number` in the table a member type is written to; null when there is none.
std::string* CellOf(std::vector<ui::ProposedTable>& tables, const std::string& type, long number,
                    const std::string& field) {
    std::optional<std::string> table = projectdb::MemberTableOf(type);
    if (!table || field.empty()) return nullptr;
    for (auto& sheet : tables) {
        if (sheet.table != *table) continue;
        auto column = std::find(sheet.fields.begin(), sheet.fields.end(), field);
        if (column == sheet.fields.end()) return nullptr;
        for (auto& row : sheet.rows)
            if (!row.empty() && row.front() == std::to_string(number))
                return &row[static_cast<size_t>(column - sheet.fields.begin())];
    }
    return nullptr;
}

// The body heights follow from the caps as the rows stand: whatever cap height the user gives, the body
// fills the rest of the chain, so that the cap top stays where the bearings need it.
void FillBodyHeights(std::vector<ui::ProposedTable>& tables, const BridgeFacts& bridge) {
    for (const SupportFacts& support : bridge.supports) {
        if (!support.chain.known) continue;
        std::string* body = CellOf(tables, support.types[1], support.number, BodyHeightField(support.types[1]));
        if (!body) continue;
        double capHeight = 0;
        bool capRead = support.types[0] == "无";
        for (const std::string& field : CapHeightFields(support.types[0])) {
            std::string* cap = CellOf(tables, support.types[0], support.number, field);
            const std::optional<double> number = cap ? modulekit::CellNumber(*cap) : std::nullopt;
            if (!number) continue;  // the cell check tells the user
            capHeight = std::max(capHeight, *number);
            capRead = true;
        }
        if (!capRead) continue;
        *body = modulekit::NumberText(BodyHeightUnder(support.chain, capHeight));
    }
}

// A body the chain leaves no room for, or one taller than a column is built, cannot be written.
std::string CheckBodyHeights(std::vector<ui::ProposedTable> tables, const BridgeFacts& bridge) {
    FillBodyHeights(tables, bridge);
    for (const SupportFacts& support : bridge.supports) {
        if (!support.chain.known) continue;
        std::string* body = CellOf(tables, support.types[1], support.number, BodyHeightField(support.types[1]));
        const std::optional<double> number = body ? modulekit::CellNumber(*body) : std::nullopt;
        if (!number) continue;
        const double height = *number;
        if (height > 0 && height <= kTallestBody) continue;
        return text::Format(
            "%ld号%s：桥面高程 %.3f m 减去铺装、梁高、支座和帽梁后，到地面下接头顶 %.3f m 的墩身高为 %.3f m，"
            "不在 0–%.0f m 之内。请核对桥面高程、地面线和帽梁高。",
            support.number, support.abutment ? "桥台" : "桥墩", support.chain.deckZ, support.chain.connectionTopZ,
            height, kTallestBody);
    }
    return {};
}

// The layout's deck-to-cap depth (centimetres, as the layout keeps it) becomes what the designed supports
// need: pavement, girder and bearing, so that the interface files pass on the same depth as the members.
void WriteDeckToCap(dao::Database& db, const BridgeFacts& bridge) {
    for (const SupportFacts& support : bridge.supports) {
        const modulekit::ChainFacts& c = support.chain;
        if (c.girderDepth <= 0) continue;
        const double cm = modulekit::RoundTo((c.pavement + c.girderDepth + c.bearing) * 100, 0.1);
        db.Execute(text::Format("Update [下构布置信息表] Set DistToDeck = %s Where PierAbutNum = %ld",
                                modulekit::NumberText(cm).c_str(), support.number));
    }
}

std::string ChainNote(const BridgeFacts& bridge) {
    for (const SupportFacts& support : bridge.supports) {
        if (!support.chain.known) continue;
        const modulekit::ChainFacts& c = support.chain;
        return text::Format(
            "墩身高由桥面高程自上而下推算：桥面 − 铺装 %.2f m（%s）− 梁高 − 支座 %.2f m（%s）− 帽梁高，"
            "到接头顶（地面下 %.2f m）为止；改帽梁高时墩身高随之改变。",
            c.pavement, c.pavementSource.c_str(), c.bearing, c.bearingSource.c_str(), c.cover);
    }
    return "桥址缺少纵断面或地面线，墩身高无法推算，留空待定。";
}

}  // namespace

std::vector<modulekit::TableProposal> Proposals(dao::Database& db) { return ProposalsFor(modulekit::ReadBridgeFacts(db)); }

modulekit::DesignOutcome DesignPierAbut(dao::Database& db) {
    const BridgeFacts bridge = modulekit::ReadBridgeFacts(db);
    auto proposals = ProposalsFor(bridge);
    if (proposals.empty()) {
        modulekit::ModulePrompter().message("下构布置信息表中没有需要设计的墩台构件。", ui::Buttons::Ok,
                                            ui::Icon::Information);
        return {};
    }
    std::string note = "按桥面宽 " + modulekit::NumberText(bridge.deck.width) + " m";
    if (bridge.deck.assumed) note += "（一般信息未给桥宽，按双车道 12 m 计）";
    if (bridge.deck.side != "全") note += "（本项目设计" + bridge.deck.side + "幅）";
    note +=
        "、斜交角和相邻跨径取常用尺寸：约每 7 m 桥宽一根柱，柱径按跨径 1.0–1.8 m，桩径大 0.2 m；帽梁宽容下"
        "墩柱和其上的支座线。" +
        ChainNote(bridge) + "布置表的“帽梁顶面至桥面”随之改为铺装、梁高与支座之和。已有记录按原值列出。";
    auto derive = [&bridge](std::vector<ui::ProposedTable>& tables) { FillBodyHeights(tables, bridge); };
    auto check = [&bridge](const std::vector<ui::ProposedTable>& tables) { return CheckBodyHeights(tables, bridge); };
    auto layout = [&bridge](dao::Database& target) { WriteDeckToCap(target, bridge); };
    return modulekit::ProposeAndWrite(db, "墩台设计", note, proposals, PierElevationPlot(), check, derive, layout);
}

}  // namespace pierabut
