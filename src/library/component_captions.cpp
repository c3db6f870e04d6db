#include "library/component_captions.h"

#include <algorithm>
#include <map>

namespace library {
namespace {

using Captions = std::vector<std::string>;

const std::map<std::string, Captions>& CaptionTable() {
    static const std::map<std::string, Captions> table = {
        {"简支空心板", {"名称",     "跨径 L",   "板高 H",   "板宽 W",           "板长 L0",    "顶宽 TW", "底宽 BW",
                        "内腔类型", "内腔个数", "内腔间距", "支承线至板端距离", "锚栓孔直径", "斜度",    "铰缝J1",
                        "铰缝J2",   "铰缝J3",   "铰缝J4",   "铰缝J5",           "悬臂S1",     "悬臂S2",  "悬臂S3",
                        "内腔CW",   "内腔CH",   "内腔TB",   "内腔TH",           "内腔BB",     "内腔BH"}},
        {"简支T梁",
         {"名称",    "跨径 L",       "梁高 H",  "梁宽 W",  "梁长 L0", "支承线至梁端距离", "斜度",      "距离E1",
          "距离E2",  "横隔板块数NG", "距离C1",  "厚度TG",  "厚度BG",  "顶宽TW",           "左顶宽TW1", "右顶宽TW2",
          "梁高 H",  "厚度H1",       "厚度H2",  "厚度H3",  "距离FW1", "距离FW2",          "距离GW",    "横隔板HG",
          "横隔板P", "横隔板Q",      "横隔板R", "横隔板S", "横隔板T", "横隔板U",          "横隔板V",   "横隔板W",
          "跨中H4",  "跨中H5",       "跨中BW",  "跨中WW",  "支点H4",  "支点H5",           "支点BW",    "支点WW"}},
        {"简支等截面箱梁",
         {"名称", "跨径 L", "梁高 H", "梁宽 W", "梁长 L0", "支承线至梁端距离", "横隔板厚度", "腹板变化段长度",
          "上梗肋长", "上梗肋高", "下梗肋长", "下梗肋高", "起点斜度", "终点斜度"}},
        {"简支变截面箱梁",
         {"名称", "跨径 L", "梁高 H", "梁宽 W", "梁长 L0", "支点梁高", "跨中梁高", "支点等截面长度", "跨中等截面长度",
          "支承线至梁端距离", "横隔板厚度", "腹板变化段长度", "上梗肋长", "上梗肋高", "下梗肋长", "下梗肋高",
          "起点斜度", "终点斜度"}},
        {"连续等截面箱梁",
         {"名称", "跨径 L", "梁高 H", "梁宽 W", "梁长 L0", "支承线至梁端距离", "起点横隔板厚度", "起点腹板变化段长度",
          "终点腹板变化段长度", "终点横隔板厚度", "上梗肋长", "上梗肋高", "下梗肋长", "下梗肋高", "起点斜度",
          "终点斜度"}},
        {"连续变截面箱梁",
         {"名称",
          "跨径 L",
          "梁高 H",
          "梁宽 W",
          "梁长 L0",
          "起点梁高",
          "终点梁高",
          "跨中梁高",
          "支承线至梁端距离",
          "起点横隔板厚度",
          "终点横隔板厚度",
          "起点腹板变化段长度",
          "终点腹板变化段长度",
          "起点等截面长度",
          "终点等截面长度",
          "跨中等截面长度",
          "起点上梗肋长",
          "起点上梗肋高",
          "起点下梗肋长",
          "起点下梗肋高",
          "终点上梗肋长",
          "终点上梗肋高",
          "终点下梗肋长",
          "终点下梗肋高",
          "起点斜度",
          "终点斜度"}},
        {"单箱单室",
         {"名称",       "跨径 L",    "梁高 H",    "梁宽 W",   "位置",      "顶宽 TW",   "底宽 BW",   "悬臂 C1",
          "悬臂 C2",    "顶板厚 TH", "底板厚 BH", "腹板厚 W", "悬臂厚 H1", "悬臂厚 H2", "悬臂厚 H3", "左横坡 iTL",
          "右横坡 iTR", "底横坡 iB", "内腔 a",    "内腔 b",   "内腔 c",    "内腔 d",    "用于"}},
        {"单箱多室", {"名称",      "跨径 L",    "梁高 H",    "梁宽 W",     "位置",       "室数",       "顶宽 TW",
                      "底宽 BW",   "悬臂 C1",   "悬臂 C2",   "顶板厚 TH",  "底板厚 BH",  "外腹板厚 W", "中腹板厚 Wc",
                      "悬臂厚 H1", "悬臂厚 H2", "悬臂厚 H3", "左横坡 iTL", "右横坡 iTR", "底横坡 iB",  "内腔 a",
                      "内腔 b",    "内腔 c",    "内腔 d",    "用于"}},
        {"多箱单室",
         {"名称",      "跨径 L",    "梁高 H",    "梁宽 W",    "位置",       "箱数",       "顶宽 TW",    "底宽 BW",
          "底间距 CW", "悬臂 C1",   "悬臂 C2",   "悬臂 C3",   "悬臂 C4",    "顶板厚 TH",  "底板厚 BH",  "腹板厚 W",
          "悬臂厚 H1", "悬臂厚 H2", "悬臂厚 H3", "悬臂厚 H4", "左横坡 iTL", "右横坡 iTR", "底横坡 iBL", "底横坡 iBR",
          "内腔 a",    "内腔 b",    "内腔 c",    "内腔 d",    "用于"}},
    };
    return table;
}

// Field groups of a substructure entry, by code position and digit.
const std::map<char, Captions>& GroupTable(int position) {
    static const std::map<char, Captions> caps = {
        {'1',
         {"帽梁长B1", "帽梁宽W1", "帽梁高H1", "抹角长B2", "抹角高H2", "抹角宽W2", "挡块厚FW", "挡块高FH", "挡块距离FL",
          "挡块距离FR"}},
        {'2',
         {"帽梁形状", "帽梁长B1", "帽梁长B2", "帽梁宽W", "帽梁高H", "挡块厚FW", "挡块高FH", "挡块距离FL",
          "挡块距离FR"}},
        {'3',
         {"帽梁斜长", "帽梁前宽", "帽梁后宽", "帽梁前高", "帽梁后高", "抹角长度", "抹角高度", "抹角宽度", "前挡块厚",
          "前挡块高", "前左挡块距离", "前右挡块距离", "后挡块厚", "后挡块高", "后左挡块距离", "后右挡块距离"}},
        {'4', {"帽梁长B1", "帽梁宽W1", "帽梁高H1", "耳墙长E1", "耳墙长E2",   "耳墙宽W4",   "耳墙高H3",
               "耳墙高H4", "耳墙类型", "挡块厚W5", "挡块高H7", "挡块距离D1", "挡块距离D2", "背墙宽W2",
               "背墙高H2", "牛腿长B3", "牛腿宽W3", "牛腿高H5", "牛腿B2",     "牛腿H6"}},
        {'5',
         {"帽梁长L", "帽梁宽B", "帽梁前高D", "帽梁后高G", "台口高H", "挡块厚FW", "挡块高FH", "挡块距离FL", "挡块距离FR",
          "背墙宽a1", "牛腿宽a2"}},
    };
    static const std::map<char, Captions> bodies = {
        {'1', {"墩柱个数", "墩柱顺桥向宽a", "墩柱横桥向宽b", "墩柱间距B2"}},
        {'2', {"墩柱个数", "墩柱直径D", "墩柱间距B2"}},
        {'3', {"墩身横桥向长B", "墩身顺桥向宽W", "墩身比降m"}},
        {'4', {"墩身顶长B1", "墩身顶长B2", "墩身顶宽W", "墩身比降m"}},
        {'5', {"墩身顶长B2", "墩身顶宽W", "墩身比降m"}},
        {'6',
         {"墩身尺寸A1", "墩身尺寸A2", "墩身尺寸B1", "墩身尺寸B2", "墩身尺寸B3", "墩身尺寸B4", "墩身尺寸B5",
          "墩身尺寸B6", "墩身高度H1", "墩身高度H2"}},
        {'7', {"肋板片数", "肋板顶宽W1", "肋板高H", "肋板厚T", "肋板间距B4", "肋板夹角", "肋板比降m"}},
        {'8',
         {"前墙长", "前墙顶宽B0", "前墙高H1", "台身前坡m", "台身背坡n", "侧墙长", "侧墙顶宽B1", "侧墙顶宽B2",
          "侧墙高H2", "侧墙顶高H3", "侧墙内坡m1", "侧墙顶纵坡", "侧墙类型"}},
    };
    static const std::map<char, Captions> connections = {
        {'1', {"桩帽类型", "桩帽横桥向宽W", "桩帽顺桥向宽B", "桩帽高度H"}},
        {'2', {"系梁宽W", "系梁高H"}},
        {'3', {"承台长L", "承台宽B", "承台高H", "承台交角a"}},
        {'4',
         {"承台片数", "承台长度D1", "承台长度D2", "承台宽度t", "承台宽度d", "承台宽度W", "承台承台高H", "承台交角a"}},
    };
    static const std::map<char, Captions> foundations = {
        {'1', {"桩基个数", "桩径D", "桩长L", "桩间距B"}},
        {'2', {"横桥向桩基个数", "顺桥向桩基个数", "桩径D", "桩长L", "横桥向桩间距D1", "顺桥向桩间距D2"}},
        {'3', {"桩基个数", "桩径D", "桩长L", "桩间距B"}},
        {'4',
         {"基础个数", "基础级数", "基础顶长B1", "基础顶宽W1", "基础级高H", "基础襟边DB", "基础襟边DW", "基础间距",
          "基础交角a"}},
        {'5',
         {"基础个数", "基础顶长B1", "基础底长B2", "基础顶宽W1", "基础底宽W2", "基础全高H", "基础马蹄高T", "基础间距",
          "基础交角a"}},
        {'6', {"基础级数", "基础级高h", "基础襟边D", "基础襟边D1", "基础襟边D2"}},
        {'7', {"基础全高H", "基础襟边D1", "基础襟边D2", "基础趾宽W1", "基础趾宽W2", "基础趾高h"}},
    };
    static const std::map<char, Captions> none;
    switch (position) {
        case 1: return caps;
        case 2: return bodies;
        case 3: return connections;
        case 4: return foundations;
        default: return none;
    }
}

}  // namespace

bool IsSuperstructureFamily(const std::string& table) {
    return CaptionTable().count(table) != 0 && !IsCrossSectionTable(table);
}

bool IsCrossSectionTable(const std::string& table) {
    return table == "单箱单室" || table == "单箱多室" || table == "多箱单室";
}

bool IsSubstructureCode(const std::string& table) {
    return !table.empty() && std::all_of(table.begin(), table.end(), [](char c) { return c >= '0' && c <= '9'; });
}

const std::vector<std::string>& FamilyCaptions(const std::string& table) {
    static const Captions none;
    auto found = CaptionTable().find(table);
    return found == CaptionTable().end() ? none : found->second;
}

const std::vector<std::string>& SubstructureGroupFields(int position, char digit) {
    static const Captions none;
    const auto& groups = GroupTable(position);
    auto found = groups.find(digit);
    return found == groups.end() ? none : found->second;
}

}  // namespace library
