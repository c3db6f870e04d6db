#include "exchange/import_options.h"

#include <cctype>

namespace exchange {

const std::array<ImportBoxInfo, kImportBoxCount>& ImportBoxes() {
    static const std::array<ImportBoxInfo, kImportBoxCount> boxes{{
        {ImportBox::GeneralInfo, "一般信息", 1110, "总体信息"},
        {ImportBox::SpanInfo, "桥跨信息", 1111, "总体信息"},
        {ImportBox::DrawingInfo, "绘图信息", 1113, "总体信息"},
        {ImportBox::GroundLine, "地面线数据", 1115, "桥址信息"},
        {ImportBox::HorizontalCurve, "平曲线数据", 1118, "桥址信息"},
        {ImportBox::VerticalCurve, "竖曲线数据", 1120, "桥址信息"},
        {ImportBox::Superstructure, "上部构造", 1107, "结构信息"},
        {ImportBox::Substructure, "下部构造", 1108, "结构信息"},
        {ImportBox::Auxiliary, "附属构造", 1109, "结构信息"},
        {ImportBox::All, "导入全部内容", 1144, ""},
    }};
    return boxes;
}

namespace {

constexpr int I(ImportBox b) { return static_cast<int>(b); }
constexpr ImportBox kGeneral[] = {ImportBox::GeneralInfo, ImportBox::SpanInfo, ImportBox::DrawingInfo};
constexpr ImportBox kSiteAndStructure[] = {ImportBox::GroundLine,     ImportBox::HorizontalCurve,
                                           ImportBox::VerticalCurve,  ImportBox::Superstructure,
                                           ImportBox::Substructure,   ImportBox::Auxiliary};
constexpr ImportBox kSite[] = {ImportBox::GroundLine, ImportBox::HorizontalCurve, ImportBox::VerticalCurve};
constexpr ImportBox kStructure[] = {ImportBox::Superstructure, ImportBox::Substructure, ImportBox::Auxiliary};

}  // namespace

ImportOptionsState::ImportOptionsState(ImportMode mode) : mode_(mode) {
    enabled_[I(ImportBox::All)] = true;
    switch (mode) {
        case ImportMode::RouteFile:
            for (auto b : kSite) enabled_[I(b)] = true;
            break;
        case ImportMode::ReferenceProject:
            for (auto b : kSite) enabled_[I(b)] = true;
            for (auto b : kStructure) enabled_[I(b)] = true;
            break;
        case ImportMode::NewProject:
            enabled_.fill(true);
            for (auto b : kGeneral) checked_[I(b)] = true;
            break;
    }
}

void ImportOptionsState::setChecked(ImportBox box, bool on) {
    checked_[I(box)] = on;
    if (box != ImportBox::All) return;
    if (on) {
        for (auto b : kSiteAndStructure) checked_[I(b)] = true;
        if (mode_ == ImportMode::NewProject)
            for (auto b : kGeneral) checked_[I(b)] = true;
    } else {
        for (auto b : kGeneral) checked_[I(b)] = false;
        for (auto b : kSiteAndStructure) checked_[I(b)] = false;
    }
}

ImportChoices ImportOptionsState::choices(const std::string& sourcePath) const {
    ImportChoices c;
    c.mode = mode_;
    c.sourcePath = sourcePath;
    c.checked = checked_;
    return c;
}

ImportSource ClassifyImportPath(const std::string& path) {
    if (path.size() < 4) return ImportSource::Unknown;
    std::string tail = path.substr(path.size() - 4);
    for (auto& c : tail) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (tail == ".BRF") return ImportSource::RouteFile;
    if (tail == ".VLT") return ImportSource::Project;
    return ImportSource::Unknown;
}

ui::FileRequest ImportFileRequest() {
    return ui::OpenFileRequest("导入", "BRF", "桥梁CAD项目文件 (*.VLT)|*.VLT|路线CAD参考文件 (*.BRF)|*.BRF||");
}

ui::FileRequest ImportProjectFileRequest() {
    return ui::OpenFileRequest("导入项目文件", "VLT", "桥梁CAD项目文件 (*.VLT)|*.VLT||");
}

}  // namespace exchange
