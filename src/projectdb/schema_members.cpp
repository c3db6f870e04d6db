// Member, site and auxiliary tables: the design modules create and fill them; this system reads them by
// table and field name. Each list holds the fields the system names, in table order, with the grid captions.
#include "projectdb/schema.h"
#include "projectdb/schema_fields.h"

namespace projectdb {

using namespace schema_detail;

namespace {

// The first field is the key by which a record is selected (a span number, a pier/abutment number, a type
// name or a position).
TableSchema Member(std::string name, std::vector<FieldDef> fields) {
    std::string key = fields.front().name;
    return {std::move(name), std::move(fields), "", std::move(key)};
}

// The lists one after the other: a side member is the middle one with fields of its own in between.
std::vector<FieldDef> Fields(std::initializer_list<std::vector<FieldDef>> parts) {
    std::vector<FieldDef> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// clang-format off
// A hollow slab: its length, bearing line and skew, its outline with the hinge joints.
std::vector<FieldDef> SlabOutline() {
    return {
        T("SlabType", "类型名"),
        D("SlabLength", "板长"),
        D("DistToBearing", "支承中心线位置"),
        D("SlabPitch", "斜度"),
        D("KeyHoleDiameter", "锚栓孔直径"),
        D("Height", "板高"),
        D("BottomWidth", "底宽"),
        D("TopWidth", "顶宽"),
        D("JointTopWidth", "铰缝J1"),
        D("JointTopHeight", "铰缝J2"),
        D("JointBotWidth", "铰缝J3"),
        D("JointBotHeight", "铰缝J4"),
        D("JointToeHeight", "铰缝J5"),
    };
}

// The cavities of a hollow slab.
std::vector<FieldDef> SlabCavities() {
    return {
        T("CavityType", "内腔类型"),
        L("CavityNum", "内腔个数"),
        D("CavityDist", "内腔间距"),
        D("CavityWidth", "内腔宽度"),
        D("CavityHeight", "内腔高度"),
        D("CavityTopWidth", "内腔TB"),
        D("CavityTopHeight", "内腔TH"),
        D("CavityBotWidth", "内腔BB"),
        D("CavityBotHeight", "内腔BH"),
    };
}

// A T-beam along its length: bearing line, skew, where the web thickens, the diaphragms.
std::vector<FieldDef> TBeamElevation() {
    return {
        T("TBeamType", "类型名"),
        D("TBeamLength", "梁长"),
        D("DistToBearing", "支承中心线位置"),
        D("TBeamPitch", "斜度"),
        D("DistToChangeSect", "腹板厚度变化点位置"),
        D("ChangeSectLength", "腹板厚度变化段长度"),
        L("DiaphragmNum", "横隔板块数"),
        D("DistToDiaphragm", "横隔板位置"),
        D("DiaphragmTopPly", "横隔板顶厚"),
        D("DiaphragmBotPly", "横隔板底厚"),
    };
}

// The diaphragm outline, and the bottom flange and web at midspan and at the support.
std::vector<FieldDef> TBeamDiaphragmsAndHeel() {
    return {
        D("DiaphragmWidth", "横隔板宽度"),
        D("DiaphragmHeight", "横隔板高度"),
        D("DiaphragmDim_P", "横隔板P"),
        D("DiaphragmDim_Q", "横隔板Q"),
        D("DiaphragmDim_R", "横隔板R"),
        D("DiaphragmDim_S", "横隔板S"),
        D("DiaphragmDim_T", "横隔板T"),
        D("DiaphragmDim_U", "横隔板U"),
        D("DiaphragmDim_V", "横隔板V"),
        D("DiaphragmDim_W", "横隔板W"),
        D("BotFlangeHeight1", "跨中马蹄高1"),
        D("ToeHeight1", "跨中马蹄高2"),
        D("BottomWidth1", "跨中底宽"),
        D("WebWidth1", "跨中腹板宽"),
        D("BotFlangeHeight2", "支点马蹄高1"),
        D("ToeHeight2", "支点马蹄高2"),
        D("BottomWidth2", "支点底宽"),
        D("WebWidth2", "支点腹板宽"),
    };
}

// clang-format on

std::vector<TableSchema> BuildMemberTables() {
    std::vector<TableSchema> t;
    // clang-format off
    t.push_back(Member("空心板布置信息表", {
        L("SlabInWhichSpan", "所在跨号"),
        L("SlabsEverySpan", "块数"),
        D("TransverseDist", "横向间距"),
        D("TransverseSlope", "横坡"),
        T("InsideSlabType", "中板类型"),
        T("OutsideSlabType", "边板类型"),
    }));
    t.push_back(Member("中板尺寸信息表", Fields({
        SlabOutline(),
        SlabCavities(),
    })));
    t.push_back(Member("边板尺寸信息表", Fields({
        SlabOutline(),
        {
            D("SuspendEndHeight", "悬臂S1"),
            D("SuspendHeight", "悬臂S2"),
            D("SuspendWidth", "悬臂S3"),
        },
        SlabCavities(),
    })));
    t.push_back(Member("T梁布置信息表", {
        L("TBeamInWhichSpan", "所在跨号"),
        L("TBeamsEverySpan", "块数"),
        D("TransverseDist", "横向间距"),
        D("TransverseSlope", "横坡"),
        T("InsideTBeamType", "中梁类型"),
        T("OutsideTBeamType", "边梁类型"),
    }));
    t.push_back(Member("中梁尺寸信息表", Fields({
        TBeamElevation(),
        {
            D("TopWidth", "顶宽"),
            D("TBeamHeight", "梁高"),
            D("EndFlangePly", "端部翼缘厚"),
            D("CenterFlangePly", "中部翼缘厚"),
            D("RootFlangePly", "根部翼缘厚"),
            D("FlangeWidth", "翼缘宽"),
        },
        TBeamDiaphragmsAndHeel(),
    })));
    t.push_back(Member("边梁尺寸信息表", Fields({
        TBeamElevation(),
        {
            D("TopWidth1", "外侧顶宽"),
            D("TopWidth2", "内侧顶宽"),
            D("TBeamHeight", "梁高"),
            D("EndFlangePly", "端部翼缘厚"),
            D("CenterFlangePly", "中部翼缘厚"),
            D("RootFlangePly", "根部翼缘厚"),
            D("FlangeWidth1", "外侧翼缘宽"),
            D("FlangeWidth2", "内侧翼缘宽"),
        },
        TBeamDiaphragmsAndHeel(),
    })));
    t.push_back(Member("简支等截面箱梁立面、平面信息表", {
        L("InWhichSpan", "所在跨号"),
        D("BoxLength", "梁长"),
        D("BoxHeight", "梁高"),
        D("DistToBearing", "支承线位置"),
        D("DiaphragmWidth", "横隔梁厚"),
        D("WebChangeSect", "腹板变化段长"),
        D("CavityTopWidth", "上梗肋宽"),
        D("CavityTopHeight", "上梗肋高"),
        D("CavityBotWidth", "下梗肋宽"),
        D("CavityBotHeight", "下梗肋高"),
        D("StartPitch", "起点斜度"),
        D("EndPitch", "终点斜度"),
        T("TransectType", "横断面类型"),
    }));
    t.push_back(Member("简支变截面箱梁立面、平面信息表", {
        L("InWhichSpan", "所在跨号"),
        D("BoxLength", "梁长"),
        D("BoxEndHeight", "支点梁高"),
        D("BoxCenterHeight", "跨中梁高"),
        D("EndLineLength", "支点直线长"),
        D("CenterLineLength", "跨中直线长"),
        D("DistToBearing", "支承线位置"),
        D("DiaphragmWidth", "横隔梁厚"),
        D("WebChangeSect", "腹板变化段长"),
        D("CavityTopWidth", "上梗肋宽"),
        D("CavityTopHeight", "上梗肋高"),
        D("CavityBotWidth", "下梗肋宽"),
        D("CavityBotHeight", "下梗肋高"),
        D("StartPitch", "起点斜度"),
        D("EndPitch", "终点斜度"),
        T("TransectType", "横断面类型"),
    }));
    t.push_back(Member("连续等截面箱梁立面、平面信息表", {
        L("InWhichSpan", "所在跨号"),
        T("Position", "位置"),
        D("BoxLength", "梁长"),
        D("BoxHeight", "梁高"),
        D("DistToBearing", "支承线位置"),
        D("DiaphragmWidthL", "左横隔梁厚"),
        D("WebChangeSect1", "左腹板变化段长"),
        D("WebChangeSect2", "右腹板变化段长"),
        D("DiaphragmWidthR", "右横隔梁厚"),
        D("CavityTopWidth", "上梗肋宽"),
        D("CavityTopHeight", "上梗肋高"),
        D("CavityBotWidth", "下梗肋宽"),
        D("CavityBotHeight", "下梗肋高"),
        D("StartPitch", "起点斜度"),
        D("EndPitch", "终点斜度"),
        T("TransectType", "横断面类型"),
    }));
    t.push_back(Member("连续变截面箱梁立面、平面信息表", {
        L("InWhichSpan", "所在跨号"),
        T("Position", "位置"),
        D("BoxLength", "梁长"),
        D("BoxEndHeightL", "左支点梁高"),
        D("BoxEndHeightR", "右支点梁高"),
        D("BoxCenterHeight", "跨中梁高"),
        D("DistToBearing", "支承线位置"),
        D("DiaphragmPlyL", "左横隔梁厚"),
        D("DiaphragmPlyR", "右横隔梁厚"),
        D("WebChangeSect1", "左腹板变化段长"),
        D("WebChangeSect2", "右腹板变化段长"),
        D("EndLineLengthL", "左支点直线长"),
        D("EndLineLengthR", "右支点直线长"),
        D("CenterLineLength", "跨中直线长"),
        D("CavityTopWidth1", "左上梗肋宽"),
        D("CavityTopHeight1", "左上梗肋高"),
        D("CavityBotWidth1", "左下梗肋宽"),
        D("CavityBotHeight1", "左下梗肋高"),
        D("CavityTopWidth2", "右上梗肋宽"),
        D("CavityTopHeight2", "右上梗肋高"),
        D("CavityBotWidth2", "右下梗肋宽"),
        D("CavityBotHeight2", "右下梗肋高"),
        D("StartPitch", "起点斜度"),
        D("EndPitch", "终点斜度"),
        T("TransectType", "横断面类型"),
    }));
    t.push_back(Member("单箱单室箱梁横断面信息表", {
        T("Position", "位置"),
        D("TopWidth", "顶宽"),
        D("BottomWidth", "底宽"),
        D("SuspendWidth1", "悬臂宽1"),
        D("SuspendWidth2", "悬臂宽2"),
        D("TopDeckPly", "顶板厚"),
        D("BottomDeckPly", "底板厚"),
        D("WebPly", "腹板厚"),
        D("SuspendHeight1", "端部悬臂高"),
        D("SuspendHeight2", "中部悬臂高"),
        D("SuspendHeight3", "根部悬臂高"),
        D("TopLeftSlope", "顶板左侧横坡"),
        D("TopRightSlope", "顶板右侧横坡"),
        D("BottomSlope", "底板横坡"),
        D("CavityTopWidth", "上梗肋宽"),
        D("CavityTopHeight", "上梗肋高"),
        D("CavityBotWidth", "下梗肋宽"),
        D("CavityBotHeight", "下梗肋高"),
    }));
    t.push_back(Member("单箱多室箱梁横断面信息表", {
        T("Position", "位置"),
        D("BoxNumber", "室数"),
        D("TopWidth", "顶宽"),
        D("BottomWidth", "底宽"),
        D("SuspendWidth1", "悬臂宽1"),
        D("SuspendWidth2", "悬臂宽2"),
        D("TopDeckPly", "顶板厚"),
        D("BottomDeckPly", "底板厚"),
        D("OutWebPly", "外腹板厚"),
        D("CenterWebPly", "内腹板厚"),
        D("SuspendHeight1", "端部悬臂高"),
        D("SuspendHeight2", "中部悬臂高"),
        D("SuspendHeight3", "根部悬臂高"),
        D("TopLeftSlope", "顶板左侧横坡"),
        D("TopRightSlope", "顶板右侧横坡"),
        D("BottomSlope", "底板横坡"),
        D("CavityTopWidth", "上梗肋宽"),
        D("CavityTopHeight", "上梗肋高"),
        D("CavityBotWidth", "下梗肋宽"),
        D("CavityBotHeight", "下梗肋高"),
    }));
    t.push_back(Member("多箱单室箱梁横断面信息表", {
        T("Position", "位置"),
        D("BoxNumber", "箱数"),
        D("TopWidth", "顶宽"),
        D("BottomWidth", "底宽"),
        D("BottomSpace", "箱间净距"),
        D("SuspendWidth1", "外悬臂宽1"),
        D("SuspendWidth2", "外悬臂宽2"),
        D("ConnectWidth1", "内悬臂宽1"),
        D("ConnectWidth2", "内悬臂宽2"),
        D("TopDeckPly", "顶板厚"),
        D("BottomDeckPly", "底板厚"),
        D("WebPly", "腹板厚"),
        D("SuspendHeight1", "端部悬臂高"),
        D("SuspendHeight2", "中部悬臂高"),
        D("SuspendHeight3", "根部悬臂高"),
        D("SuspendHeight4", "箱间悬臂高"),
        D("TopLeftSlope", "顶板左侧横坡"),
        D("TopRightSlope", "顶板右侧横坡"),
        D("BottomLeftSlope", "底板左侧横坡"),
        D("BottomRightSlope", "底板右侧横坡"),
        D("CavityTopWidth", "上梗肋宽"),
        D("CavityTopHeight", "上梗肋高"),
        D("CavityBotWidth", "下梗肋宽"),
        D("CavityBotHeight", "下梗肋高"),
    }));
    t.push_back(Member("①类帽梁信息表", {
        L("PierAbutmentNum", "墩台号"),
        D("CopingLength", "帽梁长"),
        D("CopingWidth", "帽梁宽"),
        D("CopingHeight", "帽梁高"),
        D("ChamferLength", "抹角长"),
        D("ChamferHeight", "抹角高"),
        D("ChamferWidth", "抹角宽"),
        D("FenderLength", "挡块厚"),
        D("FenderHeight", "挡块高"),
        D("LeftFenderPosition", "左挡块位置"),
        D("RightFenderPosition", "右挡块位置"),
    }));
    t.push_back(Member("②类帽梁信息表", {
        L("PierAbutmentNum", "墩台号"),
        T("CopingShape", "帽梁形状"),
        D("CopingLength1", "帽梁长B1"),
        D("CopingLength2", "帽梁长B2"),
        D("CopingWidth", "帽梁宽"),
        D("CopingHeight", "帽梁高"),
        D("FenderLength", "挡块厚"),
        D("FenderHeight", "挡块高"),
        D("LeftFenderPosition", "左挡块位置"),
        D("RightFenderPosition", "右挡块位置"),
    }));
    t.push_back(Member("③类帽梁信息表", {
        L("PierAbutmentNum", "墩台号"),
        D("CopingLength", "帽梁斜长B1"),
        D("CopingWidth1", "帽梁前宽W1"),
        D("CopingWidth2", "帽梁后宽W2"),
        D("CopingHeight1", "帽梁前高H1"),
        D("CopingHeight2", "帽梁后高H2"),
        D("ChamferLength", "抹角长度B2"),
        D("ChamferHeight", "抹角高度H3"),
        D("ChamferWidth", "抹角宽度W3"),
        D("FenderLength1", "前挡块厚"),
        D("FenderHeight1", "前挡块高"),
        D("LeftFenderPos1", "前左挡块位置"),
        D("RightFenderPos1", "前右挡块位置"),
        D("FenderLength2", "后挡块厚"),
        D("FenderHeight2", "后挡块高"),
        D("LeftFenderPos2", "后左挡块位置"),
        D("RightFenderPos2", "后右挡块位置"),
    }));
    t.push_back(Member("桩柱式、肋板式桥台帽梁信息表", {
        L("PierAbutmentNum", "墩台号"),
        D("CopingLength", "帽梁长"),
        D("CopingWidth", "帽梁宽"),
        D("CopingHeight", "帽梁高"),
        D("WingWallLength1", "耳墙顶长"),
        D("WingWallLength2", "耳墙底长"),
        D("WingWallWidth", "耳墙宽"),
        D("WingWallHeight1", "耳墙高H3"),
        D("WingWallHeight2", "耳墙高H4"),
        T("WingWallType", "耳墙类型"),
        D("FenderLength", "挡块厚"),
        D("FenderHeight", "挡块高"),
        D("LeftFenderPosition", "左挡块位置"),
        D("RightFenderPosition", "右挡块位置"),
        D("BackWallWidth", "背墙宽"),
        D("BackWallHeight", "背墙高"),
        D("BracketLength", "牛腿长"),
        D("BracketWidth", "牛腿宽"),
        D("BracketHeight", "牛腿高"),
        D("BracketPos1", "牛腿位置B2"),
        D("BracketPos2", "牛腿位置H6"),
    }));
    t.push_back(Member("重力式U型桥台帽梁信息表", {
        L("PierAbutmentNum", "墩台号"),
        D("CopingLength", "帽梁长"),
        D("CopingWidth", "帽梁宽"),
        D("CopingFrontHeight", "帽梁前高"),
        D("CopingBackHeight", "帽梁后高"),
        D("CopingOstiumHeight", "台口高"),
        D("FenderLength", "挡块厚"),
        D("FenderHeight", "挡块高"),
        D("LeftFenderPosition", "左挡块位置"),
        D("RightFenderPosition", "右挡块位置"),
        D("BackWallWidth", "背墙宽"),
        D("BracketWidth", "牛腿宽"),
    }));
    t.push_back(Member("圆形截面柱式墩身信息表", {
        L("PierAbutmentNum", "墩台号"),
        L("PierColumnNum", "墩柱个数"),
        D("SectionDiameter", "墩柱直径"),
        D("PierColumnLength", "墩柱高度"),
        D("SpaceBetween", "墩柱间距"),
    }));
    t.push_back(Member("矩形截面柱式墩身信息表", {
        L("PierAbutmentNum", "墩台号"),
        L("PierColumnNum", "墩柱个数"),
        D("SectionLength", "顺桥向长"),
        D("SectionWidth", "横桥向宽"),
        D("PierColumnLength", "墩柱高度"),
        D("SpaceBetween", "墩柱间距"),
    }));
    t.push_back(Member("尖端形截面实体式墩身信息表", {
        L("PierAbutmentNum", "墩台号"),
        D("BodyTopLength1", "顶长B1"),
        D("BodyTopLength2", "顶长B2"),
        D("BodyTopWidth", "顶宽"),
        D("BodyHeight", "墩身高度"),
        D("BodyGradient", "墩身坡度"),
    }));
    t.push_back(Member("圆端形截面实体式墩身信息表", {
        L("PierAbutmentNum", "墩台号"),
        D("BodyTopLength", "顶长"),
        D("BodyTopWidth", "顶宽"),
        D("BodyHeight", "墩高"),
        D("BodyGradient", "墩身坡度"),
    }));
    t.push_back(Member("矩形截面实体式墩身信息表", {
        L("PierAbutmentNum", "墩台号"),
        D("BodyTopLength", "顶长"),
        D("BodyTopWidth", "顶宽"),
        D("BodyHeight", "墩高"),
        D("BodyGradient", "墩身坡度"),
    }));
    t.push_back(Member("多边形截面薄壁墩身信息表", {
        L("PierAbutmentNum", "墩台号"),
        D("BodyLength1", "尺寸A1"),
        D("BodyLength2", "尺寸A2"),
        D("BodyWidth1", "尺寸B1"),
        D("BodyWidth2", "尺寸B2"),
        D("BodyWidth3", "尺寸B3"),
        D("BodyWidth4", "尺寸B4"),
        D("BodyWidth5", "尺寸B5"),
        D("BodyWidth6", "尺寸B6"),
        D("BodyHeight1", "尺寸H1"),
        D("BodyHeight2", "尺寸H2"),
    }));
    t.push_back(Member("肋板式台身信息表", {
        L("PierAbutmentNum", "墩台号"),
        L("RibSlabNum", "肋板片数"),
        D("RibSlabTopWidth", "肋板顶宽"),
        D("RibSlabHeight", "肋板高度"),
        D("RibSlabThick", "肋板厚度"),
        D("SpaceBetween", "肋板间距"),
        D("CrossAngle", "帽梁与肋板夹角"),
        D("RibSlabGradient", "肋板坡度"),
    }));
    t.push_back(Member("U台台身信息表", {
        L("PierAbutmentNum", "墩台号"),
        D("FrontWallLength", "前墙斜长"),
        D("FrontWallWidth", "前墙顶宽"),
        D("FrontWallHeight", "前墙高度"),
        D("BodyFrontGrade", "台身前坡"),
        D("BodyBackGrade", "台身背坡"),
        D("WingWallLength", "侧墙长度"),
        D("WingWallWidth1", "侧墙顶宽"),
        D("WingWallWidth2", "侧墙帽宽"),
        D("WingWallHeight1", "侧墙高"),
        D("WingWallHeight2", "侧墙帽高"),
        D("WingWallInGrade", "侧墙内坡"),
        D("WingWallTopGrade", "侧墙顶纵坡"),
        T("WingWallType", "侧墙类型"),
    }));
    t.push_back(Member("①类承台信息表", {
        L("PierAbutmentNum", "墩台号"),
        D("BearingPlatLength", "承台长"),
        D("BearingPlatWidth", "承台宽"),
        D("BearingPlatHeight", "承台高"),
        D("CrossAngle", "承台交角"),
    }));
    t.push_back(Member("②类承台信息表", {
        L("PierAbutmentNum", "墩台号"),
        L("BearingPlatNum", "承台片数"),
        D("BearingPlatLength1", "尺寸D1"),
        D("BearingPlatLength2", "尺寸D2"),
        D("BearingPlatWidth1", "尺寸t"),
        D("BearingPlatWidth2", "尺寸d"),
        D("BearingPlatWidth3", "尺寸w"),
        D("BearingPlatHeight", "承台高"),
        D("CrossAngle", "承台交角"),
    }));
    t.push_back(Member("桩帽信息表", {
        L("PierAbutmentNum", "墩台号"),
        T("SectionType", "桩帽类型"),
        D("PileCapLength", "桩帽长度"),
        D("PileCapWidth", "桩帽宽度"),
        D("PileCapHeight", "桩帽高度"),
    }));
    t.push_back(Member("系梁信息表", {
        L("PierAbutmentNum", "墩台号"),
        D("ConBeamWidth", "系梁宽度"),
        D("ConBeamHeight", "系梁高度"),
    }));
    t.push_back(Member("单排桩基础信息表", {
        L("PierAbutmentNum", "墩台号"),
        L("PileNum", "桩基个数"),
        D("PileDiameter", "桩径"),
        D("PileLength", "桩长"),
        D("SpaceBetween", "间距"),
    }));
    t.push_back(Member("多排桩基础信息表", {
        L("PierAbutmentNum", "墩台号"),
        L("PileNumX", "横桥向桩基排数"),
        L("PileNumY", "顺桥向桩基排数"),
        D("PileDiameter", "桩径"),
        D("PileLength", "桩长"),
        D("PilePosX", "横桥向间距"),
        D("PilePosY", "顺桥向间距"),
    }));
    t.push_back(Member("梅花形桩基础信息表", {
        L("PierAbutmentNum", "墩台号"),
        L("PileNum", "桩基个数"),
        D("PileDiameter", "桩径"),
        D("PileLength", "桩长"),
        D("PileDist", "间距"),
    }));
    t.push_back(Member("台阶状扩大基础信息表", {
        L("PierAbutmentNum", "墩台号"),
        L("FoundationNum", "基础个数"),
        L("StepNum", "基础级数"),
        D("FirstStepLength", "底长"),
        D("FirstStepWidth", "底宽"),
        D("StepHeight", "级高"),
        D("StepRisingLength", "襟边长"),
        D("StepRisingWidth", "襟边宽"),
        D("SpaceBetween", "间距"),
        D("CrossAngle", "交角"),
    }));
    t.push_back(Member("梯形扩大基础信息表", {
        L("PierAbutmentNum", "墩台号"),
        L("FoundationNum", "基础个数"),
        D("FoundationLength1", "上底长"),
        D("FoundationLength2", "下底长"),
        D("FoundationWidth1", "上底宽"),
        D("FoundationWidth2", "下底宽"),
        D("FoundationHeight", "全高"),
        D("FoundationT", "马蹄高"),
        D("SpaceBetween", "间距"),
        D("CrossAngle", "交角"),
    }));
    t.push_back(Member("重力式U台台阶状基础信息表", {
        L("PierAbutmentNum", "墩台号"),
        D("StepNum", "基础级数"),
        D("StepHeight", "级高"),
        D("StepRising", "襟边D"),
        D("ChamferLength1", "襟边D1"),
        D("ChamferLength2", "襟边D2"),
    }));
    t.push_back(Member("重力式U台趾板式基础信息表", {
        L("PierAbutmentNum", "墩台号"),
        D("FoundationHeight", "基础全高"),
        D("ChamferLength1", "襟边D1"),
        D("ChamferLength2", "襟边D2"),
        D("ChamferWidth1", "趾宽W1"),
        D("ChamferWidth2", "趾宽W2"),
        D("ChamferHeight", "趾高"),
    }));

    // Site and auxiliary tables. The system names only some of their fields; the other names are ours and
    // follow the caption order, so that a table made here looks like one a design module makes.
    t.push_back(Member(kDeckSlopeTable, {
        D("起点桩号", "起点桩号"),
        D("终点桩号", "终点桩号"),
        D("左半桥横坡", "左半桥横坡"),
        D("右半桥横坡", "右半桥横坡"),
    }));
    t.push_back(Member(kConeTable, {
        T("Position", "位置"),
        D("DistToAbutEnd", "锥顶至伸缩缝距离"),
        D("RatioAlong", "顺桥向坡度"),
        D("RatioAcross", "横桥向坡度"),
        D("BackSlopeLength", "台后坡长"),
    }));
    t.push_back(Member(kBoreholeTable, {
        T("DrillNum", "钻孔编号"),
        D("CenterStake", "中心桩号"),
        D("HoleElev", "孔口高程"),
        L("LayerSum", "地层数"),
    }));
    t.push_back(Member(kBoreholeLayerTable, {
        L("LayerNum", "地层序号"),
        T("DrillNum", "钻孔编号"),
        T("LayerName", "地层名称"),
        D("BottomElev", "层底高程"),
    }));
    t.push_back(Member(kHydrologyTable, {
        D("DesignWaterLevel", "设计水位"),
        D("LowestWaterLevel", "最低水位"),
        D("NavigableWaterLevel", "通航水位"),
        D("NavigableHeight", "通航净高"),
        D("NavigableWidth", "通航净宽"),
        D("TopWidth", "上顶宽"),
        D("SideHeight", "上侧高"),
        D("ChannelCenterStake", "主航道中心桩号"),
    }));
    t.push_back(Member(kDeckPavementTable, {
        T("PaveMaterial", "铺装材料"),
        T("WaterproofMaterial", "防水材料"),
        D("CenterThick", "中央厚"),
        D("LeftThick", "左缘厚"),
        D("RightThick", "右缘厚"),
    }));
    t.push_back(Member(kWalkwayTable, {
        D("WalkwayWidth", "人行道宽"),
        D("RailBaseWidth", "栏杆座宽"),
        D("PostSpacing", "立柱间距"),
        D("EndPostPosition", "端立柱位置"),
    }));
    t.push_back(Member(kApproachSlabTable, {
        T("Position", "位置"),
        L("SlabNum", "块数"),
        D("StartStake", "起点桩号"),
        D("CenterLength", "中心长"),
        D("StartWidth", "起点宽"),
        D("EndWidth", "终点宽"),
        D("StartAngle", "起点夹角"),
        D("EndAngle", "终点夹角"),
        D("EndThick", "端部厚度"),
        D("CenterThick", "中部厚度"),
        D("BL", "BL"),
        D("CL", "CL"),
        D("BR", "BR"),
        D("CR", "CR"),
    }));
    t.push_back(Member(kDrainageTable, {
        T("PipeType", "泄水管类型"),
        D("SpaceBetween", "间距"),
        D("DistDD", "距离DD"),
        D("DimL1", "尺寸L1"),
        D("DimL2", "尺寸L2"),
        D("DimL", "尺寸L"),
    }));
    t.push_back(Member(kCrossedRoadTable, {
        D("CenterStake", "中心桩号"),
        D("ClearWidth", "净宽"),
        D("ClearHeight", "净高"),
        D("CrossAngle", "夹角"),
    }));
    // clang-format on
    return t;
}

}  // namespace

const std::vector<TableSchema>& MemberTables() {
    static const std::vector<TableSchema> tables = BuildMemberTables();
    return tables;
}

const std::vector<std::string>& NamedOnlyTables() {
    static const std::vector<std::string> names = {
        kMultiBoxMultiCellTable, kCaissonTable,          kStopperTable, kCrashBarrierTable, kLightingTable,
        kRetainingWallTable,     kLibraryStructureTable, kTendonTable,  kRebarLayoutTable,
    };
    return names;
}

}  // namespace projectdb
