#include "library/component_preview.h"

#include <algorithm>

#include "library/component_captions.h"
#include "platform/text/cformat.h"
#include "platform/text/gbk_file.h"
#include "platform/text/numbers.h"

namespace library {
namespace {

using Texts = std::vector<std::string>;

std::string At(const Texts& t, std::size_t k) { return k < t.size() ? t[k] : std::string(); }

Texts Slice(const Texts& t, std::size_t first, std::size_t last) {
    Texts out;
    for (std::size_t k = first; k <= last; ++k) out.push_back(At(t, k));
    return out;
}

std::optional<Texts> HollowSlab(const Texts& t, ui::Prompter& prompt) {
    if (At(t, 7) != "多边形") {
        prompt.message("系统目前尚不能预览内腔为圆端形的空心板。");
        return std::nullopt;
    }
    if (text::Atol(At(t, 8)) > 1) {
        prompt.message("系统目前尚不能预览多内腔的空心板。");
        return std::nullopt;
    }
    return Slice(t, 0, 26);
}

// The elevation part of a constant-depth box: kind, the section kind (filled in once chosen), length,
// width and depth, then the family's own fields. A continuous girder has one more, empty, position.
std::optional<Texts> BoxElevation(const std::string& kind, const Texts& t, bool continuous,
                                  const SectionChooser& chooseSections) {
    Texts e = {kind, "", At(t, 4), At(t, 3), At(t, 2)};
    if (continuous) e.push_back("");
    e.push_back(At(t, 4));
    e.push_back(At(t, 2));
    Texts own = Slice(t, 5, continuous ? 15 : 13);
    e.insert(e.end(), own.begin(), own.end());
    std::optional<ChosenSections> sections = chooseSections ? chooseSections(kind) : std::nullopt;
    if (!sections) return std::nullopt;
    e[1] = sections->kind;
    e.insert(e.end(), sections->values.begin(), sections->values.end());
    return e;
}

// The sizes of a substructure assembly that the viewer frames its picture with: A the cap beam's length,
// B the height of the whole assembly as drawn, C the cap beam's width. Walks the field groups of the code,
// `p` at the first field of the current group.
Texts Substructure(const std::string& code, const Texts& t) {
    std::size_t p = 4;
    auto f = [&](std::size_t i) { return text::Atof(At(t, p + i)); };
    auto n = [&](std::size_t i) { return static_cast<double>(text::Atol(At(t, p + i))); };
    auto digit = [&](std::size_t position) { return position < code.size() ? code[position] : '\0'; };
    double a = 0, b = 0, c = 0;
    switch (digit(0)) {
        case '1': a = f(0), b = f(2) + f(7), c = f(1); break;
        case '2': a = 2 * f(1) + f(2), b = f(4), c = f(3); break;
        case '3': a = f(0), b = std::max(f(3), f(4)), c = f(1) + f(2); break;
        case '4': a = f(0), b = f(2) + f(14), c = f(1) + f(3) - f(13); break;
        case '5': a = f(0), b = f(2) + f(4), c = f(1); break;
        default: break;
    }
    p += SubstructureGroupFields(1, digit(0)).size();
    switch (digit(1)) {
        case '1': b += 3 * f(2); break;
        case '2': b += 3 * f(1); break;
        case '3':
        case '5': b += f(0); break;
        case '4': b += f(1); break;
        case '6': b += f(8); break;
        case '7':
        case '8': b += f(2); break;
        default: break;
    }
    p += SubstructureGroupFields(2, digit(1)).size();
    switch (digit(2)) {
        case '1': b += f(3); break;
        case '3': b += f(2); break;
        case '4': b += f(6); break;
        default: break;
    }
    p += SubstructureGroupFields(3, digit(2)).size();
    switch (digit(3)) {
        case '1': b += 3 * f(1); break;
        case '2': b += 3 * f(2); break;
        case '4': b += f(4) * n(1); break;
        case '5': b += f(5); break;
        case '6': b += f(1) * n(0); break;
        case '7': b += f(0); break;
        default: break;
    }
    p += SubstructureGroupFields(4, digit(3)).size();
    Texts list = {code, text::Format("%lf", a), text::Format("%lf", b), text::Format("%lf", c)};
    for (std::size_t k = 4; k < p; ++k) list.push_back(At(t, k));
    return list;
}

}  // namespace

std::optional<std::vector<std::string>> ViewerValueList(const std::string& kind, const std::vector<std::string>& t,
                                                        const SectionChooser& chooseSections, ui::Prompter& prompt) {
    if (kind == "简支空心板") return HollowSlab(t, prompt);
    if (kind == "简支T梁") return Slice(t, 0, 39);
    if (kind == "简支等截面箱梁") return BoxElevation(kind, t, false, chooseSections);
    if (kind == "连续等截面箱梁") return BoxElevation(kind, t, true, chooseSections);
    if (kind == "简支变截面箱梁" || kind == "连续变截面箱梁") {
        prompt.message("系统目前尚没有变截面箱梁的预览功能。");
        return std::nullopt;
    }
    if (IsCrossSectionKind(kind)) {
        prompt.message("箱梁横断面目前只能配合立面和平面进行预览。\n\n下一个版本将加入箱梁横断面预览功能。");
        return std::nullopt;
    }
    return Substructure(kind, t);
}

bool WriteComponentData(const std::string& path, const std::vector<std::string>& values) {
    text::GbkFileWriter file;
    if (!file.open(path)) return false;
    for (const std::string& value : values) file.writeLine(value);
    return file.close();
}

bool ShowInViewer(modules::ModuleLoader& loader, const std::string& kind, const std::vector<std::string>& values,
                  ui::Prompter& prompt) {
    long errorCode = 0;
    std::unique_ptr<modules::LoadedModule> module = loader.Load(kViewerModule, errorCode);
    auto entry = module ? reinterpret_cast<OpenGLViewEntry>(module->Resolve(kViewerEntry)) : nullptr;
    if (!entry) {
        prompt.message(text::Format("找不到三维预览模块 %s（%s）。", kViewerModule,
                                    modules::SharedLibraryFileName(kViewerModule).c_str()),
                       ui::Buttons::Ok, ui::Icon::Stop);
        return false;
    }
    std::vector<const char*> pointers;
    for (const std::string& value : values) pointers.push_back(value.c_str());
    entry(kind.c_str(), pointers.data(), static_cast<int>(pointers.size()), nullptr, 0, 1, 0.0);
    return true;
}

bool PreviewComponent(const std::string& kind, const std::vector<std::string>& entry, PreviewServices& services) {
    std::optional<std::vector<std::string>> values = ViewerValueList(kind, entry, services.chooseSections,
                                                                     services.prompt);
    if (!values) return false;
    if (!services.dataFile.empty() && !WriteComponentData(services.dataFile, *values)) {
        services.prompt.message("不能写入文件 " + services.dataFile + "。", ui::Buttons::Ok, ui::Icon::Stop);
        return false;
    }
    return ShowInViewer(services.loader, kind, *values, services.prompt);
}

}  // namespace library
