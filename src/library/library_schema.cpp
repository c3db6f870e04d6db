#include "library/library_schema.h"

#include <algorithm>
#include <array>
#include <map>
#include <sstream>

namespace library {
namespace {

// "板长 内腔类型:T 内腔个数:L": names separated by blanks, Double unless marked Text (:T) or Long (:L).
std::vector<LibraryField> Fields(const std::string& list) {
    std::vector<LibraryField> fields;
    std::istringstream words(list);
    for (std::string word; words >> word;) {
        LibraryField field;
        auto colon = word.rfind(':');
        if (colon != std::string::npos) {
            field.type = word.substr(colon + 1) == "T" ? dao::dbText : dao::dbLong;
            word.resize(colon);
        }
        field.name = word;
        fields.push_back(field);
    }
    return fields;
}

// The three families whose depth is one number; the others hold a text ("120.0-180.0" for variable depth).
std::string CommonFields(bool numericDepth) {
    return numericDepth ? "名称:T 跨径 梁高 梁宽 " : "名称:T 跨径 梁高:T 梁宽 ";
}

const std::map<std::string, std::vector<LibraryField>, std::less<>>& FamilyTable() {
    static const std::map<std::string, std::vector<LibraryField>, std::less<>> families = [] {
        std::map<std::string, std::vector<LibraryField>, std::less<>> f;
        f[kHollowSlab] = Fields(CommonFields(true) +
                                "板长 顶宽 底宽 内腔类型:T 内腔个数:L 内腔间距 支承线至板端距离 锚栓孔直径 斜度 "
                                "J1 J2 J3 J4 J5 S1 S2 S3 CW CH TB TH BB BH");
        f[kTBeam] = Fields(CommonFields(true) +
                           "梁长 C2 a E1 E2 NG:L C1 TG BG TW TW1 TW2 H H1 H2 H3 FW1 FW2 GW HG P Q R S T U V W "
                           "H41 H51 BW1 WW1 H42 H52 BW2 WW2");
        f[kSimpleConstBox] = Fields(CommonFields(true) +
                                    "梁长 支承线至梁端距离 横隔板厚度 腹板变化段长度 上梗肋长 上梗肋高 下梗肋长 "
                                    "下梗肋高 起点斜度 终点斜度");
        f[kSimpleVarBox] = Fields(CommonFields(false) +
                                  "梁长 支点梁高 跨中梁高 支点等截面长度 跨中等截面长度 支承线至梁端距离 横隔板厚度 "
                                  "腹板变化段长度 上梗肋长 上梗肋高 下梗肋长 下梗肋高 起点斜度 终点斜度");
        f[kContConstBox] = Fields(CommonFields(false) +
                                  "梁长 支承线至梁端距离 起点横隔板厚度 起点腹板变化段长度 终点腹板变化段长度 "
                                  "终点横隔板厚度 上梗肋长 上梗肋高 下梗肋长 下梗肋高 起点斜度 终点斜度");
        f[kContVarBox] = Fields(CommonFields(false) +
                                "梁长 起点梁高 终点梁高 跨中梁高 支承线至梁端距离 起点横隔板厚度 终点横隔板厚度 "
                                "起点腹板变化段长度 终点腹板变化段长度 起点等截面长度 终点等截面长度 跨中等截面长度 "
                                "起点上梗肋长 起点上梗肋高 起点下梗肋长 起点下梗肋高 终点上梗肋长 终点上梗肋高 "
                                "终点下梗肋长 终点下梗肋高 起点斜度 终点斜度");
        f[kSingleBoxSingleCell] = Fields(CommonFields(false) +
                                         "位置:T 顶宽 底宽 悬臂C1 悬臂C2 顶板厚TH 底板厚BH 腹板厚W 悬臂厚H1 悬臂厚H2 "
                                         "悬臂厚H3 左横坡iTL 右横坡iTR 底横坡iB 内腔a 内腔b 内腔c 内腔d 用于:T");
        f[kSingleBoxMultiCell] = Fields(CommonFields(false) +
                                        "位置:T 室数:L 顶宽 底宽 悬臂C1 悬臂C2 顶板厚TH 底板厚BH 外腹板厚W 中腹板厚Wc "
                                        "悬臂厚H1 悬臂厚H2 悬臂厚H3 左横坡iTL 右横坡iTR 底横坡iB 内腔a 内腔b 内腔c "
                                        "内腔d 用于:T");
        // 悬臂C2 is Long in this table only; libraries travel between installations, so the file keeps that type.
        f[kMultiBoxSingleCell] = Fields(
            CommonFields(false) +
            "位置:T 箱数:L 顶宽 底宽 底间距 悬臂C1 悬臂C2:L 悬臂C3 悬臂C4 顶板厚TH 底板厚BH "
            "腹板厚W 悬臂厚H1 悬臂厚H2 悬臂厚H3 悬臂厚H4 左横坡iTL 右横坡iTR 底横坡iBL "
            "底横坡iBR 内腔a 内腔b 内腔c 内腔d 用于:T");
        return f;
    }();
    return families;
}

struct Group {
    const char* typeName;
    const char* memberTable;  // "" for 无
    const char* fields;
};

// One row per digit, '1' first.
const std::array<std::vector<Group>, 4>& Groups() {
    static const std::array<std::vector<Group>, 4> groups = {{
        {
            {"1类墩帽", "①类帽梁信息表",
             "帽梁长B1 帽梁宽W1 帽梁高H1 抹角长B2 抹角高H2 抹角宽W2 挡块厚FW 挡块高FH 挡块距离FL 挡块距离FR"},
            {"2类墩帽", "②类帽梁信息表",
             "帽梁形状:T 帽梁长B1 帽梁长B2 帽梁宽W 帽梁高H 挡块厚FW 挡块高FH 挡块距离FL 挡块距离FR"},
            {"3类墩帽", "③类帽梁信息表",
             "帽梁斜长 帽梁前宽 帽梁后宽 帽梁前高 帽梁后高 抹角长度 抹角高度 抹角宽度 前挡块厚 前挡块高 "
             "前左挡块距离 前右挡块距离 后挡块厚 后挡块高 后左挡块距离 后右挡块距离"},
            {"1类台帽", "桩柱式、肋板式桥台帽梁信息表",
             "帽梁长B1 帽梁宽W1 帽梁高H1 耳墙长E1 耳墙长E2 耳墙宽W4 耳墙高H3 耳墙高H4 耳墙类型:T 挡块厚W5 "
             "挡块高H7 挡块距离D1 挡块距离D2 背墙宽W2 背墙高H2 牛腿长B3 牛腿宽W3 牛腿高H5 牛腿B2 牛腿H6"},
            {"2类台帽", "重力式U型桥台帽梁信息表",
             "帽梁长L 帽梁宽B 帽梁前高D 帽梁后高G 台口高H 挡块厚FW 挡块高FH 挡块距离FL 挡块距离FR 背墙宽a1 "
             "牛腿宽a2"},
            {"无", "", ""},
        },
        {
            {"矩形截面柱式墩身", "矩形截面柱式墩身信息表", "墩柱个数:L 墩柱顺桥向宽a 墩柱横桥向宽b 墩柱间距B2"},
            {"圆形截面柱式墩身", "圆形截面柱式墩身信息表", "墩柱个数:L 墩柱直径D 墩柱间距B2"},
            {"矩形截面实体式墩身", "矩形截面实体式墩身信息表", "墩身横桥向长B 墩身顺桥向宽W 墩身比降m"},
            {"尖端形截面实体式墩身", "尖端形截面实体式墩身信息表", "墩身顶长B1 墩身顶长B2 墩身顶宽W 墩身比降m"},
            {"圆端形截面实体式墩身", "圆端形截面实体式墩身信息表", "墩身顶长B2 墩身顶宽W 墩身比降m"},
            {"多边形截面薄壁墩身", "多边形截面薄壁墩身信息表",
             "墩身尺寸A1 墩身尺寸A2 墩身尺寸B1 墩身尺寸B2 墩身尺寸B3 墩身尺寸B4 墩身尺寸B5 墩身尺寸B6 "
             "墩身高度H1 墩身高度H2"},
            {"肋板式台身", "肋板式台身信息表", "肋板片数:L 肋板顶宽W1 肋板高H 肋板厚T 肋板间距B4 肋板夹角 肋板比降m"},
            {"U型桥台台身", "U台台身信息表",
             "前墙长 前墙顶宽B0 前墙高H1 台身前坡m 台身背坡n 侧墙长 侧墙顶宽B1 侧墙顶宽B2 侧墙高H2 侧墙顶高H3 "
             "侧墙内坡m1 侧墙顶纵坡 侧墙类型:T"},
            {"无", "", ""},
        },
        {
            {"桩帽", "桩帽信息表", "桩帽类型:T 桩帽横桥向宽W 桩帽顺桥向宽B 桩帽高度H"},
            {"系梁", "系梁信息表", "系梁宽W 系梁高H"},
            {"1类承台", "①类承台信息表", "承台长L 承台宽B 承台高H 承台交角a"},
            {"2类承台", "②类承台信息表",
             "承台片数:L 承台长度D1 承台长度D2 承台宽度t 承台宽度d 承台宽度W 承台承台高H 承台交角a"},
            {"无", "", ""},
        },
        {
            {"单排桩基础", "单排桩基础信息表", "桩基个数:L 桩径D 桩长L 桩间距B"},
            {"多排桩基础", "多排桩基础信息表",
             "横桥向桩基个数:L 顺桥向桩基个数:L 桩径D 桩长L 横桥向桩间距D1 顺桥向桩间距D2"},
            {"梅花形桩基础", "梅花形桩基础信息表", "桩基个数:L 桩径D 桩长L 桩间距B"},
            {"台阶形扩大基础", "台阶状扩大基础信息表",
             "基础个数:L 基础级数:L 基础顶长B1 基础顶宽W1 基础级高H 基础襟边DB 基础襟边DW 基础间距 基础交角a"},
            {"梯形扩大基础", "梯形扩大基础信息表",
             "基础个数:L 基础顶长B1 基础底长B2 基础顶宽W1 基础底宽W2 基础全高H 基础马蹄高T 基础间距 基础交角a"},
            {"U台扩大基础(台阶形)", "重力式U台台阶状基础信息表",
             "基础级数:L 基础级高h 基础襟边D 基础襟边D1 基础襟边D2"},
            {"U台扩大基础(趾板式)", "重力式U台趾板式基础信息表",
             "基础全高H 基础襟边D1 基础襟边D2 基础趾宽W1 基础趾宽W2 基础趾高h"},
            // A caisson's sizes are not kept in a library.
            {"沉井基础", "", ""},
            {"无", "", ""},
        },
    }};
    return groups;
}

const Group* FindGroup(SubPart part, char digit) {
    const auto& groups = Groups()[static_cast<int>(part)];
    int index = digit - '1';
    if (index < 0 || index >= static_cast<int>(groups.size())) return nullptr;
    return &groups[index];
}

}  // namespace

const std::vector<std::string>& SuperstructureFamilies() {
    static const std::vector<std::string> families = {
        kHollowSlab,        kTBeam,      kSimpleConstBox,      kSimpleVarBox,
        kContConstBox,      kContVarBox, kSingleBoxSingleCell, kSingleBoxMultiCell,
        kMultiBoxSingleCell};
    return families;
}

bool IsCrossSectionKind(std::string_view table) {
    return table == kSingleBoxSingleCell || table == kSingleBoxMultiCell || table == kMultiBoxSingleCell;
}

const std::vector<LibraryField>& FamilyFields(std::string_view family) {
    static const std::vector<LibraryField> none;
    auto it = FamilyTable().find(family);
    return it == FamilyTable().end() ? none : it->second;
}

char SubstructureDigit(SubPart part, std::string_view typeName) {
    const auto& groups = Groups()[static_cast<int>(part)];
    for (std::size_t i = 0; i < groups.size(); ++i)
        if (typeName == groups[i].typeName) return static_cast<char>('1' + i);
    return '0';
}

std::string SubstructureCode(std::string_view cap, std::string_view body, std::string_view connection,
                             std::string_view foundation) {
    return {SubstructureDigit(SubPart::Cap, cap), SubstructureDigit(SubPart::Body, body),
            SubstructureDigit(SubPart::Connection, connection), SubstructureDigit(SubPart::Foundation, foundation)};
}

const std::vector<LibraryField>& SubstructureGroup(SubPart part, char digit) {
    // Parsed once per group; the table of groups is fixed.
    static const std::array<std::vector<std::vector<LibraryField>>, 4> parsed = [] {
        std::array<std::vector<std::vector<LibraryField>>, 4> all;
        for (int p = 0; p < 4; ++p)
            for (const Group& g : Groups()[p]) all[p].push_back(Fields(g.fields));
        return all;
    }();
    static const std::vector<LibraryField> none;
    int index = digit - '1';
    const auto& groups = parsed[static_cast<int>(part)];
    return index < 0 || index >= static_cast<int>(groups.size()) ? none : groups[index];
}

std::string SubstructureMemberTable(SubPart part, char digit) {
    const Group* group = FindGroup(part, digit);
    return group ? group->memberTable : "";
}

std::vector<int> SubstructureSourceColumns(SubPart part, char digit, int projectFieldCount) {
    std::vector<int> columns;
    if (part == SubPart::Body && (digit == '1' || digit == '4')) {
        columns = {1, 2, 3, 5};
    } else if (part == SubPart::Body && (digit == '2' || digit == '3' || digit == '5')) {
        columns = {1, 2, 4};
    } else {
        for (std::size_t i = 0; i < SubstructureGroup(part, digit).size(); ++i)
            columns.push_back(static_cast<int>(i) + 1);
    }
    std::erase_if(columns, [projectFieldCount](int c) { return c >= projectFieldCount; });
    return columns;
}

bool IsSubstructureCode(std::string_view table) {
    return table.size() == 4 && std::all_of(table.begin(), table.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<LibraryField> LibraryTableFields(std::string_view table) {
    if (!IsSubstructureCode(table)) return FamilyFields(table);
    std::vector<LibraryField> fields = Fields("帽梁:T 墩台身:T 连接构造:T 基础:T");
    for (int p = 0; p < 4; ++p) {
        const auto& group = SubstructureGroup(static_cast<SubPart>(p), table[p]);
        fields.insert(fields.end(), group.begin(), group.end());
    }
    return fields;
}

dao::TableDef LibraryTableDef(const std::string& table) {
    dao::TableDef def{table, 0, {}};
    for (const LibraryField& f : LibraryTableFields(table)) {
        dao::FieldInfo info;
        info.m_strName = f.name;
        info.m_nType = f.type;
        info.m_lSize = f.type == dao::dbText ? kLibraryTextSize : dao::NaturalSize(f.type);
        info.m_lAttributes = f.type == dao::dbText ? dao::dbVariableField : dao::dbFixedField;
        def.fields.push_back(info);
    }
    return def;
}

}  // namespace library
