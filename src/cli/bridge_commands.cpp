// model PROJECT [--json] and check PROJECT: the bridge as the model reads it, and its findings; view3d: a
// picture of it.
#include <cstdio>
#include <iostream>

#include "bridge/bridge_model.h"
#include "bridge/model_json.h"
#include "cli/command.h"
#include "platform/dao/database.h"
#include "view3d/picture.h"

namespace cli {
namespace {

constexpr const char* kModelUsage = "model PROJECT [--json]";
constexpr const char* kCheckUsage = "check PROJECT";
constexpr const char* kView3dUsage = "view3d PROJECT OUT.png [--view iso|plan|elevation] [--size WxH]";

int Model(const std::vector<std::string>& words) {
    Args args = ParseArgs(words, {});
    const bool json = args.has("--json");
    if (args.positional.size() != 1 || args.flags.size() != (json ? 1u : 0u)) return UsageError(kModelUsage);
    auto db = dao::Database::Open(args.positional[0], true);
    const bridge::Bridge b = bridge::ReadBridge(*db);
    std::cout << (json ? bridge::ModelJson(b) : bridge::ModelText(b));
    return 0;
}

// Exit 1 when a finding is an error: a script stops on a bridge that does not hold together.
int Check(const std::vector<std::string>& words) {
    Args args = ParseArgs(words, {});
    if (args.positional.size() != 1 || !args.flags.empty()) return UsageError(kCheckUsage);
    auto db = dao::Database::Open(args.positional[0], true);
    const bridge::Bridge b = bridge::ReadBridge(*db);
    for (const bridge::Finding& f : b.findings) std::cout << bridge::FindingLine(f) << "\n";
    return b.HasErrors() ? 1 : 0;
}

// The whole bridge from a standard side, drawn in software: no display is needed.
int View3d(const std::vector<std::string>& words) {
    Args args = ParseArgs(words, {"--view", "--size"});
    if (args.positional.size() != 2 || !args.flags.empty()) return UsageError(kView3dUsage);
    const std::string name = args.option("--view").value_or("iso");
    view3d::StandardView view = view3d::StandardView::Iso;
    if (name == "plan") view = view3d::StandardView::Plan;
    else if (name == "elevation") view = view3d::StandardView::ElevationRight;
    else if (name != "iso") {
        std::cerr << "视图 " << name << " 不认识：应为 iso、plan 或 elevation。\n";
        return 2;
    }
    int width = 1600, height = 1000;
    if (auto size = args.option("--size")) {
        char tail = 0;
        if (std::sscanf(size->c_str(), "%dx%d%c", &width, &height, &tail) != 2 || width < 16 || height < 16 ||
            width > 16000 || height > 16000) {
            std::cerr << "图片尺寸 " << *size << " 不对：应为 宽x高（像素，16～16000），如 1600x1000。\n";
            return 2;
        }
    }
    auto db = dao::Database::Open(args.positional[0], true);
    const bridge::Bridge b = bridge::ReadBridge(*db);
    const view3d::Scene scene(b);
    const view3d::Camera camera = view3d::FramedCamera(scene, view, static_cast<double>(width) / height,
                                                       view == view3d::StandardView::Iso);
    const std::string failed = view3d::WritePng(view3d::Render(scene, camera, width, height), args.positional[1]);
    if (!failed.empty()) {
        std::cerr << failed << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

std::vector<Command> BridgeCommands() {
    return {{"model", kModelUsage, Model}, {"check", kCheckUsage, Check}, {"view3d", kView3dUsage, View3d}};
}

}  // namespace cli
