#include "exchange/substructure_blocks.h"

#include <map>

#include "platform/text/cformat.h"

namespace exchange {
namespace {

constexpr const char* kSubLayout = "下构布置信息表";
constexpr const char* kKey = "PierAbutmentNum";

struct MemberBlock {
    const char* comment;
    const char* table;
    std::vector<LineLayout> lines;
};

constexpr const char* k5 = "%10.3lf %10.3lf %10.3lf %10.3lf %10.3lf";
constexpr const char* k4 = "%10.3lf %10.3lf %10.3lf %10.3lf";
constexpr const char* k7 = "%10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf";
constexpr const char* k8 = "%10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf";

// Pier caps and abutment caps.
std::map<std::string, MemberBlock> CapBlocks() {
    return {
        {"1类墩帽",
         {"//1类帽梁",
          "①类帽梁信息表",
          {{k5, {"CopingLength", "CopingWidth", "CopingHeight", "ChamferLength", "ChamferHeight"}},
           {k5, {"ChamferWidth", "FenderLength", "FenderHeight", "LeftFenderPosition", "RightFenderPosition"}}}}},
        {"2类墩帽",
         {"//2类帽梁",
          "②类帽梁信息表",
          {{"%10s %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf",
            {"CopingShape", "CopingLength1", "CopingLength2", "CopingWidth", "CopingHeight", "FenderLength",
             "FenderHeight", "LeftFenderPosition", "RightFenderPosition"}}}}},
        {"3类墩帽",
         {"//3类帽梁",
          "③类帽梁信息表",
          {{k8,
            {"CopingLength", "CopingWidth1", "CopingWidth2", "CopingHeight1", "CopingHeight2", "ChamferLength",
             "ChamferHeight", "ChamferWidth"}},
           {k8,
            {"FenderLength1", "FenderHeight1", "LeftFenderPos1", "RightFenderPos1", "FenderLength2", "FenderHeight2",
             "LeftFenderPos2", "RightFenderPos2"}}}}},
        {"1类台帽",
         {"//桩柱式、肋板式桥台帽梁",
          "桩柱式、肋板式桥台帽梁信息表",
          {{k8,
            {"CopingLength", "CopingWidth", "CopingHeight", "WingWallLength1", "WingWallLength2", "WingWallWidth",
             "WingWallHeight1", "WingWallHeight2"}},
           {"%10s %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf",
            {"WingWallType", "FenderLength", "FenderHeight", "LeftFenderPosition", "RightFenderPosition",
             "BackWallWidth", "BackWallHeight", "BracketLength"}},
           {k4, {"BracketWidth", "BracketHeight", "BracketPos1", "BracketPos2"}}}}},
        {"2类台帽",
         {"//重力式U型桥台帽梁",
          "重力式U型桥台帽梁信息表",
          {{k7,
            {"CopingLength", "CopingWidth", "CopingFrontHeight", "CopingBackHeight", "CopingOstiumHeight",
             "FenderLength", "FenderHeight"}},
           {k4, {"LeftFenderPosition", "RightFenderPosition", "BackWallWidth", "BracketWidth"}}}}},
    };
}

// Pier and abutment bodies.
std::map<std::string, MemberBlock> BodyBlocks() {
    return {
        {"圆形截面柱式墩身",
         {"//圆形截面柱式墩身",
          "圆形截面柱式墩身信息表",
          {{"%10d %10.3lf %10.3lf %10.3lf",
            {"PierColumnNum", "SectionDiameter", "PierColumnLength", "SpaceBetween"}}}}},
        {"矩形截面柱式墩身",
         {"//矩形截面柱式墩身",
          "矩形截面柱式墩身信息表",
          {{"%10d %10.3lf %10.3lf %10.3lf %10.3lf",
            {"PierColumnNum", "SectionLength", "SectionWidth", "PierColumnLength", "SpaceBetween"}}}}},
        {"尖端形截面实体式墩身",
         {"//尖端形截面实体式墩身",
          "尖端形截面实体式墩身信息表",
          {{k5, {"BodyTopLength1", "BodyTopLength2", "BodyTopWidth", "BodyHeight", "BodyGradient"}}}}},
        {"圆端形截面实体式墩身",
         {"//圆端形截面实体式墩身",
          "圆端形截面实体式墩身信息表",
          {{k4, {"BodyTopLength", "BodyTopWidth", "BodyHeight", "BodyGradient"}}}}},
        {"矩形截面实体式墩身",
         {"//矩形截面实体式墩身",
          "矩形截面实体式墩身信息表",
          {{k4, {"BodyTopLength", "BodyTopWidth", "BodyHeight", "BodyGradient"}}}}},
        {"多边形截面薄壁墩身",
         {"//多边形截面薄壁墩身",
          "多边形截面薄壁墩身信息表",
          {{k5, {"BodyLength1", "BodyLength2", "BodyWidth1", "BodyWidth2", "BodyWidth3"}},
           {k5, {"BodyWidth4", "BodyWidth5", "BodyWidth6", "BodyHeight1", "BodyHeight2"}}}}},
        {"肋板式台身",
         {"//肋板式台身",
          "肋板式台身信息表",
          {{"%10d %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf",
            {"RibSlabNum", "RibSlabTopWidth", "RibSlabHeight", "RibSlabThick", "SpaceBetween", "CrossAngle",
             "RibSlabGradient"}}}}},
        {"U型桥台台身",
         {"//U型桥台台身",
          "U台台身信息表",
          {{k7,
            {"FrontWallLength", "FrontWallWidth", "FrontWallHeight", "BodyFrontGrade", "BodyBackGrade",
             "WingWallLength", "WingWallWidth1"}},
           {"%10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10s",
            {"WingWallWidth2", "WingWallHeight1", "WingWallHeight2", "WingWallInGrade", "WingWallTopGrade",
             "WingWallType"}}}}},
    };
}

// What joins a body to its foundation: pile caps (承台, 桩帽) and tie beams.
std::map<std::string, MemberBlock> ConnectionBlocks() {
    return {
        {"1类承台",
         {"//1类承台",
          "①类承台信息表",
          {{k4, {"BearingPlatLength", "BearingPlatWidth", "BearingPlatHeight", "CrossAngle"}}}}},
        {"2类承台",
         {"//2类承台",
          "②类承台信息表",
          {{"%10d %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf",
            {"BearingPlatNum", "BearingPlatLength1", "BearingPlatLength2", "BearingPlatWidth1", "BearingPlatWidth2",
             "BearingPlatWidth3", "BearingPlatHeight", "CrossAngle"}}}}},
        {"桩帽",
         {"//桩帽",
          "桩帽信息表",
          {{"%10s %10.3lf %10.3lf %10.3lf", {"SectionType", "PileCapLength", "PileCapWidth", "PileCapHeight"}}}}},
        {"系梁", {"//系梁", "系梁信息表", {{"%10.3lf %10.3lf", {"ConBeamWidth", "ConBeamHeight"}}}}},
    };
}

// Piles and spread foundations.
std::map<std::string, MemberBlock> FoundationBlocks() {
    return {
        {"单排桩基础",
         {"//单排桩基础",
          "单排桩基础信息表",
          {{"%10d %10.3lf %10.3lf %10.3lf", {"PileNum", "PileDiameter", "PileLength", "SpaceBetween"}}}}},
        {"多排桩基础",
         {"//多排桩基础",
          "多排桩基础信息表",
          {{"%10d %10d %10.3lf %10.3lf %10.3lf %10.3lf",
            {"PileNumX", "PileNumY", "PileDiameter", "PileLength", "PilePosX", "PilePosY"}}}}},
        {"梅花形桩基础",
         {"//梅花形桩基础",
          "梅花形桩基础信息表",
          {{"%10d %10.3lf %10.3lf %10.3lf", {"PileNum", "PileDiameter", "PileLength", "PileDist"}}}}},
        {"台阶形扩大基础",
         {"//台阶形扩大基础",
          "台阶状扩大基础信息表",
          {{"%10d %10d %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf",
            {"FoundationNum", "StepNum", "FirstStepLength", "FirstStepWidth", "StepHeight", "StepRisingLength",
             "StepRisingWidth", "SpaceBetween", "CrossAngle"}}}}},
        {"梯形扩大基础",
         {"//梯形扩大基础",
          "梯形扩大基础信息表",
          {{"%10d %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf",
            {"FoundationNum", "FoundationLength1", "FoundationLength2", "FoundationWidth1", "FoundationWidth2",
             "FoundationHeight", "FoundationT", "SpaceBetween", "CrossAngle"}}}}},
        {"U台扩大基础(台阶形)",
         {"//U台扩大基础(台阶形)",
          "重力式U台台阶状基础信息表",
          {{"%10d %10.3lf %10.3lf %10.3lf %10.3lf",
            {"StepNum", "StepHeight", "StepRising", "ChamferLength1", "ChamferLength2"}}}}},
        {"U台扩大基础(趾板式)",
         {"//U台扩大基础(趾板式)",
          "重力式U台趾板式基础信息表",
          {{"%10.3lf %10.3lf %10.3lf %10.3lf %10.3lf %10.3lf",
            {"FoundationHeight", "ChamferLength1", "ChamferLength2", "ChamferWidth1", "ChamferWidth2",
             "ChamferHeight"}}}}},
    };
}

// The member blocks by type value; a type value not listed (无, 沉井基础, ...) writes nothing.
std::map<std::string, MemberBlock> MemberBlocks(const SubstructureOptions& options) {
    std::map<std::string, MemberBlock> blocks = CapBlocks();
    blocks.merge(BodyBlocks());
    blocks.merge(ConnectionBlocks());
    blocks.merge(FoundationBlocks());
    if (options.oneLineType1Cap)
        blocks["1类墩帽"].lines = {{k7,
                                    {"CopingLength", "CopingWidth", "CopingHeight", "ChamferLength", "ChamferHeight",
                                     "ChamferWidth", "FenderLength"}}};
    if (options.backWallHeight)
        blocks["2类台帽"].lines[1].fields = {"LeftFenderPosition", "RightFenderPosition", "BackWallWidth",
                                             "BackWallHeight"};
    return blocks;
}

struct PierRow {
    dao::Value number, stake, cap, body, connect, foundation;
};

}  // namespace

void WriteSubstructure(InterfaceOutput& out, const SubstructureOptions& options) {
    out.comment("//下部构造");
    std::vector<PierRow> piers;
    out.guarded(kSubLayout, [&] {
        projectdb::TableSnapshot& layout = out.tables().get(kSubLayout);
        std::vector<const projectdb::TableSnapshot::Record*> records;
        if (options.piersSorted) {
            records = layout.sortedBy("PierAbutNum");
        } else {
            for (std::size_t i = 0; i < layout.size(); ++i) records.push_back(&layout.record(i));
        }
        for (const projectdb::TableSnapshot::Record* r : records) {
            PierRow row{layout.field(*r, "PierAbutNum"), {},
                        layout.field(*r, "BentCapType"), layout.field(*r, "BodyType"),
                        layout.field(*r, "ConnectType"), layout.field(*r, "FoundationType")};
            if (options.stakeInHeader) row.stake = layout.field(*r, "PierAbutStake");
            piers.push_back(std::move(row));
        }
    });

    const std::map<std::string, MemberBlock> blocks = MemberBlocks(options);
    for (const PierRow& pier : piers) {
        out.comment(text::Format("//%d号墩台组成", static_cast<int>(pier.number.toDouble())));
        if (options.stakeInHeader)
            out.line("%d  %.3lf %20s %20s %20s %20s",
                     {&pier.number, &pier.stake, &pier.cap, &pier.body, &pier.connect, &pier.foundation});
        else
            out.line("%d %20s %20s %20s %20s", {&pier.number, &pier.cap, &pier.body, &pier.connect, &pier.foundation});
        for (const dao::Value* type : {&pier.cap, &pier.body, &pier.connect, &pier.foundation}) {
            auto found = blocks.find(type->toString());
            if (found == blocks.end()) continue;
            const MemberBlock& block = found->second;
            out.comment(block.comment);
            out.guarded(block.table, [&] {
                projectdb::TableSnapshot& table = out.tables().get(block.table);
                out.lines(block.lines, table, table.firstWhere(kKey, pier.number));
            });
        }
    }
}

void WriteAssembly(InterfaceOutput& out, const SubstructureOptions& options) {
    out.comment("//上、下部构造之间的装配关系");
    const char* relations = "%10d %10.3lf %10.3lf %10.3lf %10.3lf";
    const std::vector<std::pair<const char*, LineLayout>> lists{
        {"//顺桥向关系",
         {relations, {"PierAbutNum", "BriCntrToCapY", "CapToBodyY", "BodyToConnectY", "ConnectToFoundY"}}},
        {"//横桥向关系",
         {relations, {"PierAbutNum", "BriCntrToCapX", "CapToBodyX", "BodyToConnectX", "ConnectToFoundX"}}},
        {"//竖向关系",
         {"%10d %10.3lf %10.3lf", options.groundBeforeDeck
                                      ? std::vector<const char*>{"PierAbutNum", "DistToGround", "DistToDeck"}
                                      : std::vector<const char*>{"PierAbutNum", "DistToDeck", "DistToGround"}}},
    };
    // One query read three times: a layout that cannot be read is asked about once, and the section ends.
    out.guarded(kSubLayout, [&] {
        projectdb::TableSnapshot& layout = out.tables().get(kSubLayout);
        const auto records = layout.sortedBy("PierAbutNum");
        for (const auto& [comment, relation] : lists) {
            out.comment(comment);
            for (const projectdb::TableSnapshot::Record* record : records) out.line(relation, layout, *record);
        }
    });
}

}  // namespace exchange
