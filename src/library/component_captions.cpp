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

}  // namespace

bool IsSuperstructureFamily(const std::string& table) {
    return CaptionTable().count(table) != 0 && !IsCrossSectionKind(table);
}

const std::vector<std::string>& FamilyCaptions(const std::string& table) {
    static const Captions none;
    auto found = CaptionTable().find(table);
    return found == CaptionTable().end() ? none : found->second;
}

const std::vector<std::string>& SubstructureGroupFields(int position, char digit) {
    // The library's own field list is the one source of these names; the captions are built from it once.
    static std::map<std::pair<int, char>, Captions> built;
    static const Captions none;
    if (position < 1 || position > 4) return none;
    auto [it, added] = built.try_emplace({position, digit});
    if (added)
        for (const LibraryField& field : SubstructureGroup(static_cast<SubPart>(position - 1), digit))
            it->second.push_back(field.name);
    return it->second;
}

}  // namespace library
