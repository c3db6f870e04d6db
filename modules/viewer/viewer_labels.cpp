// The captions of the value list, position by position, in the layout the preview builds for each kind.
#include "library/component_captions.h"
#include "viewer/viewer_model.h"

namespace viewer {
namespace {

using Texts = std::vector<std::string>;

// The captions of an elevation value list: kind, section kind, the girder's length, width and depth as the
// elevation and as the plan give them, the family's own fields, then both sections' dimensions.
Texts ElevationCaptions(const std::string& kind, const std::string& sectionKind) {
    const Texts& own = library::FamilyCaptions(kind);
    bool continuous = kind == "连续等截面箱梁";
    Texts captions = {"构件类型", "横断面类型", own[4], own[3], own[2]};
    if (continuous) captions.push_back("（保留）");
    captions.push_back(own[4]);
    captions.push_back(own[2]);
    captions.insert(captions.end(), own.begin() + 5, own.end());
    const Texts& section = library::FamilyCaptions(sectionKind);
    for (const char* where : {"跨中 ", "支点 "})
        if (section.size() > 6)
            for (auto it = section.begin() + 5; it != section.end() - 1; ++it) captions.push_back(where + *it);
    return captions;
}

Texts SubstructureCaptions(const std::string& code) {
    Texts captions = {"构件代码", "帽梁长度 A", "总高度 B", "帽梁宽度 C"};
    for (int position = 1; position <= 4; ++position) {
        char digit = position <= static_cast<int>(code.size()) ? code[position - 1] : '\0';
        const Texts& group = library::SubstructureGroupFields(position, digit);
        captions.insert(captions.end(), group.begin(), group.end());
    }
    return captions;
}

}  // namespace

std::vector<LabelledValue> LabelValues(const std::string& kind, const std::vector<std::string>& values) {
    Texts captions;
    if (kind == "简支等截面箱梁" || kind == "连续等截面箱梁")
        captions = ElevationCaptions(kind, values.size() > 1 ? values[1] : std::string());
    else if (library::IsSuperstructureFamily(kind) || library::IsCrossSectionKind(kind))
        captions = library::FamilyCaptions(kind);
    else if (library::IsSubstructureCode(kind))
        captions = SubstructureCaptions(kind);
    std::vector<LabelledValue> labelled;
    for (std::size_t i = 0; i < values.size(); ++i)
        labelled.push_back({i < captions.size() ? captions[i] : "数值 " + std::to_string(i + 1), values[i]});
    return labelled;
}

}  // namespace viewer
