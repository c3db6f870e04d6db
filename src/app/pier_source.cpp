#include "app/pier_source.h"

#include "bridge/pier_force_input.h"

namespace app {

std::string TakePiersFromProject(dao::Database& db, calc::CProject& project, const calc::CPier& newPier) {
    const auto piers = bridge::PierGeometries(bridge::ReadBridge(db));
    if (piers.empty()) return "项目中没有桥墩。";
    bridge::TakePierGeometry(project, piers, newPier);
    std::string note = "已从项目读取" + std::to_string(piers.size()) + "个桥墩。";
    std::string proposed;
    for (const auto& p : piers)
        if (p.proposed) proposed += (proposed.empty() ? "" : "、") + std::to_string(p.support) + "号墩";
    if (!proposed.empty()) note += "\n" + proposed + "的构件尚未设计，墩柱高度为标准拟定值，请核对。";
    return note;
}

}  // namespace app
