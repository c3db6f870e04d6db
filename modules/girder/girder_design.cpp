#include "girder/girder_design.h"

#include "kit/bridge_facts.h"
#include "girder/box_design.h"
#include "girder/precast_design.h"
#include "girder/section_plot.h"

namespace girder {
namespace {

struct KindTexts {
    const char* structureType;
    const char* title;
    const char* rule;
};

KindTexts TextsOf(Superstructure kind) {
    switch (kind) {
        case Superstructure::Slab:
            return {"装配式简支空心板桥", "简支空心板",
                    "板高按通用图系列（10 m 0.60、13 m 0.70、16 m 0.80、20 m 0.95 m，更长 L/21），板宽 1.24 m、"
                    "板缝 1 cm，10 m 及以下双圆孔，更长为单个异形孔"};
        case Superstructure::TBeam:
            return {"装配式简支T梁桥", "简支T梁",
                    "梁高 0.5 m + L/20（通用图系列：20 m 1.5、30 m 2.0、40 m 2.5 m），梁距 2.25 m，"
                    "横隔板 25 m 及以下 5 道、更长 7 道"};
        case Superstructure::SimpleConstantBox: return {"简支等截面箱梁桥", "简支等截面箱梁", "梁高约 L/18"};
        case Superstructure::SimpleVariableBox:
            return {"简支变截面箱梁桥", "简支变截面箱梁", "跨中梁高约 L/18，支点为跨中的 3/4"};
        case Superstructure::ContinuousConstantBox:
            return {"连续等截面箱梁桥", "连续等截面箱梁", "一联为一根梁，梁高约为联内最大跨径的 1/20"};
        case Superstructure::ContinuousVariableBox:
            return {"连续变截面箱梁桥", "连续变截面箱梁", "中支点梁高约 L/17，跨中约 L/35，梁端同跨中"};
    }
    return {"", "", ""};
}

std::vector<modulekit::TableProposal> ProposalsFor(Superstructure kind, const std::vector<modulekit::SpanFacts>& spans,
                                                 double width) {
    switch (kind) {
        case Superstructure::Slab: return SlabProposals(spans, width);
        case Superstructure::TBeam: return TBeamProposals(spans, width);
        case Superstructure::SimpleConstantBox: return BoxProposals(BoxKind::SimpleConstant, spans, width);
        case Superstructure::SimpleVariableBox: return BoxProposals(BoxKind::SimpleVariable, spans, width);
        case Superstructure::ContinuousConstantBox: return BoxProposals(BoxKind::ContinuousConstant, spans, width);
        case Superstructure::ContinuousVariableBox: return BoxProposals(BoxKind::ContinuousVariable, spans, width);
    }
    return {};
}

}  // namespace

const char* StructureTypeOf(Superstructure kind) { return TextsOf(kind).structureType; }

std::vector<modulekit::TableProposal> Proposals(dao::Database& db, Superstructure kind) {
    const modulekit::BridgeFacts bridge = modulekit::ReadBridgeFacts(db);
    const auto spans = modulekit::SpansOfType(bridge, StructureTypeOf(kind));
    if (spans.empty()) return {};
    return ProposalsFor(kind, spans, bridge.deck.width);
}

modulekit::DesignOutcome Design(dao::Database& db, Superstructure kind) {
    const KindTexts texts = TextsOf(kind);
    const modulekit::BridgeFacts bridge = modulekit::ReadBridgeFacts(db);
    const auto spans = modulekit::SpansOfType(bridge, texts.structureType);
    if (spans.empty()) {
        modulekit::ModulePrompter().message(std::string("本项目没有结构类型为“") + texts.structureType + "”的桥跨。",
                                            ui::Buttons::Ok, ui::Icon::Information);
        return {};
    }
    const modulekit::DeckFacts& deck = bridge.deck;
    std::string note = std::string("按跨径 L 取常用标准设计的尺寸：") + texts.rule + "；桥面宽 " +
                       modulekit::NumberText(deck.width) + " m";
    if (deck.assumed) note += "（一般信息未给桥宽，按双车道 12 m 计）";
    if (deck.side != "全") note += "（本项目设计" + deck.side + "幅）";
    note += "。已有记录按原值列出。";
    const bool box = kind != Superstructure::Slab && kind != Superstructure::TBeam;
    if (box) note += "横断面类型按桥宽选定：" + CrossSectionTypeFor(deck.width) + "。";
    return modulekit::ProposeAndWrite(db, std::string(texts.title) + "设计", note,
                                      ProposalsFor(kind, spans, deck.width), box ? BoxSectionPlot() : ui::PlotMaker{});
}

}  // namespace girder
