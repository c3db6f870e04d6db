// Member, site and auxiliary tables: the design modules create and fill them; this system reads them by
// table and field name. Each list holds the fields the system names, in table order, with the grid captions.
// Member sizes are metres, as the design modules write them and the bridge model reads them; ratios, skews
// and slopes whose form the tables do not state carry no unit.
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
        Dm("SlabLength", "板长"),
        Dm("DistToBearing", "支承中心线位置"),
        D("SlabPitch", "斜度"),
        Dm("KeyHoleDiameter", "锚栓孔直径"),
        Dm("Height", "板高"),
        Dm("BottomWidth", "底宽"),
        Dm("TopWidth", "顶宽"),
        Dm("JointTopWidth", "铰缝J1"),
        Dm("JointTopHeight", "铰缝J2"),
        Dm("JointBotWidth", "铰缝J3"),
        Dm("JointBotHeight", "铰缝J4"),
        Dm("JointToeHeight", "铰缝J5"),
    };
}

// The cavities of a hollow slab.
std::vector<FieldDef> SlabCavities() {
    return {
        T("CavityType", "内腔类型"),
        L("CavityNum", "内腔个数"),
        Dm("CavityDist", "内腔间距"),
        Dm("CavityWidth", "内腔宽度"),
        Dm("CavityHeight", "内腔高度"),
        Dm("CavityTopWidth", "内腔TB"),
        Dm("CavityTopHeight", "内腔TH"),
        Dm("CavityBotWidth", "内腔BB"),
        Dm("CavityBotHeight", "内腔BH"),
    };
}

// A T-beam along its length: bearing line, skew, where the web thickens, the diaphragms.
std::vector<FieldDef> TBeamElevation() {
    return {
        T("TBeamType", "类型名"),
        Dm("TBeamLength", "梁长"),
        Dm("DistToBearing", "支承中心线位置"),
        D("TBeamPitch", "斜度"),
        Dm("DistToChangeSect", "腹板厚度变化点位置"),
        Dm("ChangeSectLength", "腹板厚度变化段长度"),
        L("DiaphragmNum", "横隔板块数"),
        Dm("DistToDiaphragm", "横隔板位置"),
        Dm("DiaphragmTopPly", "横隔板顶厚"),
        Dm("DiaphragmBotPly", "横隔板底厚"),
    };
}

// The diaphragm outline, and the bottom flange and web at midspan and at the support.
std::vector<FieldDef> TBeamDiaphragmsAndHeel() {
    return {
        Dm("DiaphragmWidth", "横隔板宽度"),
        Dm("DiaphragmHeight", "横隔板高度"),
        Dm("DiaphragmDim_P", "横隔板P"),
        Dm("DiaphragmDim_Q", "横隔板Q"),
        Dm("DiaphragmDim_R", "横隔板R"),
        Dm("DiaphragmDim_S", "横隔板S"),
        Dm("DiaphragmDim_T", "横隔板T"),
        Dm("DiaphragmDim_U", "横隔板U"),
        Dm("DiaphragmDim_V", "横隔板V"),
        Dm("DiaphragmDim_W", "横隔板W"),
        Dm("BotFlangeHeight1", "跨中马蹄高1"),
        Dm("ToeHeight1", "跨中马蹄高2"),
        Dm("BottomWidth1", "跨中底宽"),
        Dm("WebWidth1", "跨中腹板宽"),
        Dm("BotFlangeHeight2", "支点马蹄高1"),
        Dm("ToeHeight2", "支点马蹄高2"),
        Dm("BottomWidth2", "支点底宽"),
        Dm("WebWidth2", "支点腹板宽"),
    };
}

// The fillets of a box with one cell row, its skews at both ends and its cross-section type: the end of
// every box elevation table but the continuous variable-depth one.
std::vector<FieldDef> BoxFilletsAndEnds() {
    return {
        Dm("CavityTopWidth", "上梗肋宽"),
        Dm("CavityTopHeight", "上梗肋高"),
        Dm("CavityBotWidth", "下梗肋宽"),
        Dm("CavityBotHeight", "下梗肋高"),
        D("StartPitch", "起点斜度"),
        D("EndPitch", "终点斜度"),
        T("TransectType", "横断面类型"),
    };
}

// clang-format on

std::vector<TableSchema> BuildMemberTables() {
    std::vector<TableSchema> t;
    // clang-format off
    t.push_back(Member("空心板布置信息表", {
        L("SlabInWhichSpan", "所在跨号"),
        L("SlabsEverySpan", "块数"),
        Dm("TransverseDist", "横向间距"),
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
            Dm("SuspendEndHeight", "悬臂S1"),
            Dm("SuspendHeight", "悬臂S2"),
            Dm("SuspendWidth", "悬臂S3"),
        },
        SlabCavities(),
    })));
    t.push_back(Member("T梁布置信息表", {
        L("TBeamInWhichSpan", "所在跨号"),
        L("TBeamsEverySpan", "块数"),
        Dm("TransverseDist", "横向间距"),
        D("TransverseSlope", "横坡"),
        T("InsideTBeamType", "中梁类型"),
        T("OutsideTBeamType", "边梁类型"),
    }));
    t.push_back(Member("中梁尺寸信息表", Fields({
        TBeamElevation(),
        {
            Dm("TopWidth", "顶宽"),
            Dm("TBeamHeight", "梁高"),
            Dm("EndFlangePly", "端部翼缘厚"),
            Dm("CenterFlangePly", "中部翼缘厚"),
            Dm("RootFlangePly", "根部翼缘厚"),
            Dm("FlangeWidth", "翼缘宽"),
        },
        TBeamDiaphragmsAndHeel(),
    })));
    t.push_back(Member("边梁尺寸信息表", Fields({
        TBeamElevation(),
        {
            Dm("TopWidth1", "外侧顶宽"),
            Dm("TopWidth2", "内侧顶宽"),
            Dm("TBeamHeight", "梁高"),
            Dm("EndFlangePly", "端部翼缘厚"),
            Dm("CenterFlangePly", "中部翼缘厚"),
            Dm("RootFlangePly", "根部翼缘厚"),
            Dm("FlangeWidth1", "外侧翼缘宽"),
            Dm("FlangeWidth2", "内侧翼缘宽"),
        },
        TBeamDiaphragmsAndHeel(),
    })));
    t.push_back(Member("简支等截面箱梁立面、平面信息表", Fields({{
        L("InWhichSpan", "所在跨号"),
        Dm("BoxLength", "梁长"),
        Dm("BoxHeight", "梁高"),
        Dm("DistToBearing", "支承线位置"),
        Dm("DiaphragmWidth", "横隔梁厚"),
        Dm("WebChangeSect", "腹板变化段长"),
    }, BoxFilletsAndEnds()})));
    t.push_back(Member("简支变截面箱梁立面、平面信息表", Fields({{
        L("InWhichSpan", "所在跨号"),
        Dm("BoxLength", "梁长"),
        Dm("BoxEndHeight", "支点梁高"),
        Dm("BoxCenterHeight", "跨中梁高"),
        Dm("EndLineLength", "支点直线长"),
        Dm("CenterLineLength", "跨中直线长"),
        Dm("DistToBearing", "支承线位置"),
        Dm("DiaphragmWidth", "横隔梁厚"),
        Dm("WebChangeSect", "腹板变化段长"),
    }, BoxFilletsAndEnds()})));
    t.push_back(Member("连续等截面箱梁立面、平面信息表", Fields({{
        L("InWhichSpan", "所在跨号"),
        T("Position", "位置"),
        Dm("BoxLength", "梁长"),
        Dm("BoxHeight", "梁高"),
        Dm("DistToBearing", "支承线位置"),
        Dm("DiaphragmWidthL", "左横隔梁厚"),
        Dm("WebChangeSect1", "左腹板变化段长"),
        Dm("WebChangeSect2", "右腹板变化段长"),
        Dm("DiaphragmWidthR", "右横隔梁厚"),
    }, BoxFilletsAndEnds()})));
    t.push_back(Member("连续变截面箱梁立面、平面信息表", {
        L("InWhichSpan", "所在跨号"),
        T("Position", "位置"),
        Dm("BoxLength", "梁长"),
        Dm("BoxEndHeightL", "左支点梁高"),
        Dm("BoxEndHeightR", "右支点梁高"),
        Dm("BoxCenterHeight", "跨中梁高"),
        Dm("DistToBearing", "支承线位置"),
        Dm("DiaphragmPlyL", "左横隔梁厚"),
        Dm("DiaphragmPlyR", "右横隔梁厚"),
        Dm("WebChangeSect1", "左腹板变化段长"),
        Dm("WebChangeSect2", "右腹板变化段长"),
        Dm("EndLineLengthL", "左支点直线长"),
        Dm("EndLineLengthR", "右支点直线长"),
        Dm("CenterLineLength", "跨中直线长"),
        Dm("CavityTopWidth1", "左上梗肋宽"),
        Dm("CavityTopHeight1", "左上梗肋高"),
        Dm("CavityBotWidth1", "左下梗肋宽"),
        Dm("CavityBotHeight1", "左下梗肋高"),
        Dm("CavityTopWidth2", "右上梗肋宽"),
        Dm("CavityTopHeight2", "右上梗肋高"),
        Dm("CavityBotWidth2", "右下梗肋宽"),
        Dm("CavityBotHeight2", "右下梗肋高"),
        D("StartPitch", "起点斜度"),
        D("EndPitch", "终点斜度"),
        T("TransectType", "横断面类型"),
    }));
    t.push_back(Member("单箱单室箱梁横断面信息表", {
        T("Position", "位置"),
        Dm("TopWidth", "顶宽"),
        Dm("BottomWidth", "底宽"),
        Dm("SuspendWidth1", "悬臂宽1"),
        Dm("SuspendWidth2", "悬臂宽2"),
        Dm("TopDeckPly", "顶板厚"),
        Dm("BottomDeckPly", "底板厚"),
        Dm("WebPly", "腹板厚"),
        Dm("SuspendHeight1", "端部悬臂高"),
        Dm("SuspendHeight2", "中部悬臂高"),
        Dm("SuspendHeight3", "根部悬臂高"),
        D("TopLeftSlope", "顶板左侧横坡"),
        D("TopRightSlope", "顶板右侧横坡"),
        D("BottomSlope", "底板横坡"),
        Dm("CavityTopWidth", "上梗肋宽"),
        Dm("CavityTopHeight", "上梗肋高"),
        Dm("CavityBotWidth", "下梗肋宽"),
        Dm("CavityBotHeight", "下梗肋高"),
    }));
    t.push_back(Member("单箱多室箱梁横断面信息表", {
        T("Position", "位置"),
        D("BoxNumber", "室数"),
        Dm("TopWidth", "顶宽"),
        Dm("BottomWidth", "底宽"),
        Dm("SuspendWidth1", "悬臂宽1"),
        Dm("SuspendWidth2", "悬臂宽2"),
        Dm("TopDeckPly", "顶板厚"),
        Dm("BottomDeckPly", "底板厚"),
        Dm("OutWebPly", "外腹板厚"),
        Dm("CenterWebPly", "内腹板厚"),
        Dm("SuspendHeight1", "端部悬臂高"),
        Dm("SuspendHeight2", "中部悬臂高"),
        Dm("SuspendHeight3", "根部悬臂高"),
        D("TopLeftSlope", "顶板左侧横坡"),
        D("TopRightSlope", "顶板右侧横坡"),
        D("BottomSlope", "底板横坡"),
        Dm("CavityTopWidth", "上梗肋宽"),
        Dm("CavityTopHeight", "上梗肋高"),
        Dm("CavityBotWidth", "下梗肋宽"),
        Dm("CavityBotHeight", "下梗肋高"),
    }));
    t.push_back(Member("多箱单室箱梁横断面信息表", {
        T("Position", "位置"),
        D("BoxNumber", "箱数"),
        Dm("TopWidth", "顶宽"),
        Dm("BottomWidth", "底宽"),
        Dm("BottomSpace", "箱间净距"),
        Dm("SuspendWidth1", "外悬臂宽1"),
        Dm("SuspendWidth2", "外悬臂宽2"),
        Dm("ConnectWidth1", "内悬臂宽1"),
        Dm("ConnectWidth2", "内悬臂宽2"),
        Dm("TopDeckPly", "顶板厚"),
        Dm("BottomDeckPly", "底板厚"),
        Dm("WebPly", "腹板厚"),
        Dm("SuspendHeight1", "端部悬臂高"),
        Dm("SuspendHeight2", "中部悬臂高"),
        Dm("SuspendHeight3", "根部悬臂高"),
        Dm("SuspendHeight4", "箱间悬臂高"),
        D("TopLeftSlope", "顶板左侧横坡"),
        D("TopRightSlope", "顶板右侧横坡"),
        D("BottomLeftSlope", "底板左侧横坡"),
        D("BottomRightSlope", "底板右侧横坡"),
        Dm("CavityTopWidth", "上梗肋宽"),
        Dm("CavityTopHeight", "上梗肋高"),
        Dm("CavityBotWidth", "下梗肋宽"),
        Dm("CavityBotHeight", "下梗肋高"),
    }));
    t.push_back(Member("①类帽梁信息表", {
        L("PierAbutmentNum", "墩台号"),
        Dm("CopingLength", "帽梁长"),
        Dm("CopingWidth", "帽梁宽"),
        Dm("CopingHeight", "帽梁高"),
        Dm("ChamferLength", "抹角长"),
        Dm("ChamferHeight", "抹角高"),
        Dm("ChamferWidth", "抹角宽"),
        Dm("FenderLength", "挡块厚"),
        Dm("FenderHeight", "挡块高"),
        Dm("LeftFenderPosition", "左挡块位置"),
        Dm("RightFenderPosition", "右挡块位置"),
    }));
    t.push_back(Member("②类帽梁信息表", {
        L("PierAbutmentNum", "墩台号"),
        T("CopingShape", "帽梁形状"),
        Dm("CopingLength1", "帽梁长B1"),
        Dm("CopingLength2", "帽梁长B2"),
        Dm("CopingWidth", "帽梁宽"),
        Dm("CopingHeight", "帽梁高"),
        Dm("FenderLength", "挡块厚"),
        Dm("FenderHeight", "挡块高"),
        Dm("LeftFenderPosition", "左挡块位置"),
        Dm("RightFenderPosition", "右挡块位置"),
    }));
    t.push_back(Member("③类帽梁信息表", {
        L("PierAbutmentNum", "墩台号"),
        Dm("CopingLength", "帽梁斜长B1"),
        Dm("CopingWidth1", "帽梁前宽W1"),
        Dm("CopingWidth2", "帽梁后宽W2"),
        Dm("CopingHeight1", "帽梁前高H1"),
        Dm("CopingHeight2", "帽梁后高H2"),
        Dm("ChamferLength", "抹角长度B2"),
        Dm("ChamferHeight", "抹角高度H3"),
        Dm("ChamferWidth", "抹角宽度W3"),
        Dm("FenderLength1", "前挡块厚"),
        Dm("FenderHeight1", "前挡块高"),
        Dm("LeftFenderPos1", "前左挡块位置"),
        Dm("RightFenderPos1", "前右挡块位置"),
        Dm("FenderLength2", "后挡块厚"),
        Dm("FenderHeight2", "后挡块高"),
        Dm("LeftFenderPos2", "后左挡块位置"),
        Dm("RightFenderPos2", "后右挡块位置"),
    }));
    t.push_back(Member("桩柱式、肋板式桥台帽梁信息表", {
        L("PierAbutmentNum", "墩台号"),
        Dm("CopingLength", "帽梁长"),
        Dm("CopingWidth", "帽梁宽"),
        Dm("CopingHeight", "帽梁高"),
        Dm("WingWallLength1", "耳墙顶长"),
        Dm("WingWallLength2", "耳墙底长"),
        Dm("WingWallWidth", "耳墙宽"),
        Dm("WingWallHeight1", "耳墙高H3"),
        Dm("WingWallHeight2", "耳墙高H4"),
        T("WingWallType", "耳墙类型"),
        Dm("FenderLength", "挡块厚"),
        Dm("FenderHeight", "挡块高"),
        Dm("LeftFenderPosition", "左挡块位置"),
        Dm("RightFenderPosition", "右挡块位置"),
        Dm("BackWallWidth", "背墙宽"),
        Dm("BackWallHeight", "背墙高"),
        Dm("BracketLength", "牛腿长"),
        Dm("BracketWidth", "牛腿宽"),
        Dm("BracketHeight", "牛腿高"),
        Dm("BracketPos1", "牛腿位置B2"),
        Dm("BracketPos2", "牛腿位置H6"),
    }));
    t.push_back(Member("重力式U型桥台帽梁信息表", {
        L("PierAbutmentNum", "墩台号"),
        Dm("CopingLength", "帽梁长"),
        Dm("CopingWidth", "帽梁宽"),
        Dm("CopingFrontHeight", "帽梁前高"),
        Dm("CopingBackHeight", "帽梁后高"),
        Dm("CopingOstiumHeight", "台口高"),
        Dm("FenderLength", "挡块厚"),
        Dm("FenderHeight", "挡块高"),
        Dm("LeftFenderPosition", "左挡块位置"),
        Dm("RightFenderPosition", "右挡块位置"),
        Dm("BackWallWidth", "背墙宽"),
        Dm("BracketWidth", "牛腿宽"),
    }));
    t.push_back(Member("圆形截面柱式墩身信息表", {
        L("PierAbutmentNum", "墩台号"),
        L("PierColumnNum", "墩柱个数"),
        Dm("SectionDiameter", "墩柱直径"),
        Dm("PierColumnLength", "墩柱高度"),
        Dm("SpaceBetween", "墩柱间距"),
    }));
    t.push_back(Member("矩形截面柱式墩身信息表", {
        L("PierAbutmentNum", "墩台号"),
        L("PierColumnNum", "墩柱个数"),
        Dm("SectionLength", "顺桥向长"),
        Dm("SectionWidth", "横桥向宽"),
        Dm("PierColumnLength", "墩柱高度"),
        Dm("SpaceBetween", "墩柱间距"),
    }));
    t.push_back(Member("尖端形截面实体式墩身信息表", {
        L("PierAbutmentNum", "墩台号"),
        Dm("BodyTopLength1", "顶长B1"),
        Dm("BodyTopLength2", "顶长B2"),
        Dm("BodyTopWidth", "顶宽"),
        Dm("BodyHeight", "墩身高度"),
        D("BodyGradient", "墩身坡度"),
    }));
    t.push_back(Member("圆端形截面实体式墩身信息表", {
        L("PierAbutmentNum", "墩台号"),
        Dm("BodyTopLength", "顶长"),
        Dm("BodyTopWidth", "顶宽"),
        Dm("BodyHeight", "墩高"),
        D("BodyGradient", "墩身坡度"),
    }));
    t.push_back(Member("矩形截面实体式墩身信息表", {
        L("PierAbutmentNum", "墩台号"),
        Dm("BodyTopLength", "顶长"),
        Dm("BodyTopWidth", "顶宽"),
        Dm("BodyHeight", "墩高"),
        D("BodyGradient", "墩身坡度"),
    }));
    t.push_back(Member("多边形截面薄壁墩身信息表", {
        L("PierAbutmentNum", "墩台号"),
        Dm("BodyLength1", "尺寸A1"),
        Dm("BodyLength2", "尺寸A2"),
        Dm("BodyWidth1", "尺寸B1"),
        Dm("BodyWidth2", "尺寸B2"),
        Dm("BodyWidth3", "尺寸B3"),
        Dm("BodyWidth4", "尺寸B4"),
        Dm("BodyWidth5", "尺寸B5"),
        Dm("BodyWidth6", "尺寸B6"),
        Dm("BodyHeight1", "尺寸H1"),
        Dm("BodyHeight2", "尺寸H2"),
    }));
    t.push_back(Member("肋板式台身信息表", {
        L("PierAbutmentNum", "墩台号"),
        L("RibSlabNum", "肋板片数"),
        Dm("RibSlabTopWidth", "肋板顶宽"),
        Dm("RibSlabHeight", "肋板高度"),
        Dm("RibSlabThick", "肋板厚度"),
        Dm("SpaceBetween", "肋板间距"),
        Ddeg("CrossAngle", "帽梁与肋板夹角"),
        D("RibSlabGradient", "肋板坡度"),
    }));
    t.push_back(Member("U台台身信息表", {
        L("PierAbutmentNum", "墩台号"),
        Dm("FrontWallLength", "前墙斜长"),
        Dm("FrontWallWidth", "前墙顶宽"),
        Dm("FrontWallHeight", "前墙高度"),
        D("BodyFrontGrade", "台身前坡"),
        D("BodyBackGrade", "台身背坡"),
        Dm("WingWallLength", "侧墙长度"),
        Dm("WingWallWidth1", "侧墙顶宽"),
        Dm("WingWallWidth2", "侧墙帽宽"),
        Dm("WingWallHeight1", "侧墙高"),
        Dm("WingWallHeight2", "侧墙帽高"),
        D("WingWallInGrade", "侧墙内坡"),
        D("WingWallTopGrade", "侧墙顶纵坡"),
        T("WingWallType", "侧墙类型"),
    }));
    t.push_back(Member("①类承台信息表", {
        L("PierAbutmentNum", "墩台号"),
        Dm("BearingPlatLength", "承台长"),
        Dm("BearingPlatWidth", "承台宽"),
        Dm("BearingPlatHeight", "承台高"),
        Ddeg("CrossAngle", "承台交角"),
    }));
    t.push_back(Member("②类承台信息表", {
        L("PierAbutmentNum", "墩台号"),
        L("BearingPlatNum", "承台片数"),
        Dm("BearingPlatLength1", "尺寸D1"),
        Dm("BearingPlatLength2", "尺寸D2"),
        Dm("BearingPlatWidth1", "尺寸t"),
        Dm("BearingPlatWidth2", "尺寸d"),
        Dm("BearingPlatWidth3", "尺寸w"),
        Dm("BearingPlatHeight", "承台高"),
        Ddeg("CrossAngle", "承台交角"),
    }));
    t.push_back(Member("桩帽信息表", {
        L("PierAbutmentNum", "墩台号"),
        T("SectionType", "桩帽类型"),
        Dm("PileCapLength", "桩帽长度"),
        Dm("PileCapWidth", "桩帽宽度"),
        Dm("PileCapHeight", "桩帽高度"),
    }));
    t.push_back(Member("系梁信息表", {
        L("PierAbutmentNum", "墩台号"),
        Dm("ConBeamWidth", "系梁宽度"),
        Dm("ConBeamHeight", "系梁高度"),
    }));
    t.push_back(Member("单排桩基础信息表", {
        L("PierAbutmentNum", "墩台号"),
        L("PileNum", "桩基个数"),
        Dm("PileDiameter", "桩径"),
        Dm("PileLength", "桩长"),
        Dm("SpaceBetween", "间距"),
    }));
    t.push_back(Member("多排桩基础信息表", {
        L("PierAbutmentNum", "墩台号"),
        L("PileNumX", "横桥向桩基排数"),
        L("PileNumY", "顺桥向桩基排数"),
        Dm("PileDiameter", "桩径"),
        Dm("PileLength", "桩长"),
        Dm("PilePosX", "横桥向间距"),
        Dm("PilePosY", "顺桥向间距"),
    }));
    t.push_back(Member("梅花形桩基础信息表", {
        L("PierAbutmentNum", "墩台号"),
        L("PileNum", "桩基个数"),
        Dm("PileDiameter", "桩径"),
        Dm("PileLength", "桩长"),
        Dm("PileDist", "间距"),
    }));
    t.push_back(Member("台阶状扩大基础信息表", {
        L("PierAbutmentNum", "墩台号"),
        L("FoundationNum", "基础个数"),
        L("StepNum", "基础级数"),
        Dm("FirstStepLength", "底长"),
        Dm("FirstStepWidth", "底宽"),
        Dm("StepHeight", "级高"),
        Dm("StepRisingLength", "襟边长"),
        Dm("StepRisingWidth", "襟边宽"),
        Dm("SpaceBetween", "间距"),
        Ddeg("CrossAngle", "交角"),
    }));
    t.push_back(Member("梯形扩大基础信息表", {
        L("PierAbutmentNum", "墩台号"),
        L("FoundationNum", "基础个数"),
        Dm("FoundationLength1", "上底长"),
        Dm("FoundationLength2", "下底长"),
        Dm("FoundationWidth1", "上底宽"),
        Dm("FoundationWidth2", "下底宽"),
        Dm("FoundationHeight", "全高"),
        Dm("FoundationT", "马蹄高"),
        Dm("SpaceBetween", "间距"),
        Ddeg("CrossAngle", "交角"),
    }));
    t.push_back(Member("重力式U台台阶状基础信息表", {
        L("PierAbutmentNum", "墩台号"),
        D("StepNum", "基础级数"),
        Dm("StepHeight", "级高"),
        Dm("StepRising", "襟边D"),
        Dm("ChamferLength1", "襟边D1"),
        Dm("ChamferLength2", "襟边D2"),
    }));
    t.push_back(Member("重力式U台趾板式基础信息表", {
        L("PierAbutmentNum", "墩台号"),
        Dm("FoundationHeight", "基础全高"),
        Dm("ChamferLength1", "襟边D1"),
        Dm("ChamferLength2", "襟边D2"),
        Dm("ChamferWidth1", "趾宽W1"),
        Dm("ChamferWidth2", "趾宽W2"),
        Dm("ChamferHeight", "趾高"),
    }));

    // Site and auxiliary tables. The system names only some of their fields; the other names are ours and
    // follow the caption order, so that a table made here looks like one a design module makes.
    t.push_back(Member(kDeckSlopeTable, {
        Dm("起点桩号", "起点桩号"),
        Dm("终点桩号", "终点桩号"),
        Double("左半桥横坡", "", "左半桥横坡", kPercent),
        Double("右半桥横坡", "", "右半桥横坡", kPercent),
    }));
    t.push_back(Member(kConeTable, {
        T("Position", "位置"),
        Dm("DistToAbutEnd", "锥顶至伸缩缝距离"),
        D("RatioAlong", "顺桥向坡度"),
        D("RatioAcross", "横桥向坡度"),
        Dm("BackSlopeLength", "台后坡长"),
    }));
    t.push_back(Member(kBoreholeTable, {
        T("DrillNum", "钻孔编号"),
        Dm("CenterStake", "中心桩号"),
        Dm("HoleElev", "孔口高程"),
        L("LayerSum", "地层数"),
    }));
    t.push_back(Member(kBoreholeLayerTable, {
        L("LayerNum", "地层序号"),
        T("DrillNum", "钻孔编号"),
        T("LayerName", "地层名称"),
        Dm("BottomElev", "层底高程"),
    }));
    t.push_back(Member(kHydrologyTable, {
        Dm("DesignWaterLevel", "设计水位"),
        Dm("LowestWaterLevel", "最低水位"),
        Dm("NavigableWaterLevel", "通航水位"),
        Dm("NavigableHeight", "通航净高"),
        Dm("NavigableWidth", "通航净宽"),
        Dm("TopWidth", "上顶宽"),
        Dm("SideHeight", "上侧高"),
        Dm("ChannelCenterStake", "主航道中心桩号"),
    }));
    t.push_back(Member(kDeckPavementTable, {
        T("PaveMaterial", "铺装材料"),
        T("WaterproofMaterial", "防水材料"),
        Dm("CenterThick", "中央厚"),
        Dm("LeftThick", "左缘厚"),
        Dm("RightThick", "右缘厚"),
    }));
    t.push_back(Member(kWalkwayTable, {
        Dm("WalkwayWidth", "人行道宽"),
        Dm("RailBaseWidth", "栏杆座宽"),
        Dm("PostSpacing", "立柱间距"),
        Dm("EndPostPosition", "端立柱位置"),
    }));
    t.push_back(Member(kApproachSlabTable, {
        T("Position", "位置"),
        L("SlabNum", "块数"),
        Dm("StartStake", "起点桩号"),
        Dm("CenterLength", "中心长"),
        Dm("StartWidth", "起点宽"),
        Dm("EndWidth", "终点宽"),
        Ddeg("StartAngle", "起点夹角"),
        Ddeg("EndAngle", "终点夹角"),
        Dm("EndThick", "端部厚度"),
        Dm("CenterThick", "中部厚度"),
        D("BL", "BL"),
        D("CL", "CL"),
        D("BR", "BR"),
        D("CR", "CR"),
    }));
    t.push_back(Member(kDrainageTable, {
        T("PipeType", "泄水管类型"),
        Dm("SpaceBetween", "间距"),
        D("DistDD", "距离DD"),
        D("DimL1", "尺寸L1"),
        D("DimL2", "尺寸L2"),
        D("DimL", "尺寸L"),
    }));
    t.push_back(Member(kCrossedRoadTable, {
        Dm("CenterStake", "中心桩号"),
        Dm("ClearWidth", "净宽"),
        Dm("ClearHeight", "净高"),
        Ddeg("CrossAngle", "夹角"),
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
