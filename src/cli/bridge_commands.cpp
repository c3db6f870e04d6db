// model PROJECT [--json] and check PROJECT: the bridge as the model reads it, and its findings.
#include <iostream>

#include "bridge/bridge_model.h"
#include "bridge/model_json.h"
#include "cli/command.h"
#include "platform/dao/database.h"

namespace cli {
namespace {

constexpr const char* kModelUsage = "model PROJECT [--json]";
constexpr const char* kCheckUsage = "check PROJECT";

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

}  // namespace

std::vector<Command> BridgeCommands() {
    return {{"model", kModelUsage, Model}, {"check", kCheckUsage, Check}};
}

}  // namespace cli
