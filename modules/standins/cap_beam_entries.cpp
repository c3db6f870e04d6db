// CapBeamDes: the cap-beam rebar designs, not provided yet. Each entry point is given a newly allocated copy
// of the project's path and frees it.
#include <cstdlib>

#include "kit/module_kit.h"
#include "standins/standin_texts.h"

VELTRA_MODULE_PROMPTER_HOOK()

namespace {
void Rebar(const char* member, char* path) {
    std::string project = path ? path : "";
    std::free(path);
    standins::Tell(modulekit::ModulePrompter(), standins::ProjectRebarText(member, project));
}
}  // namespace

VELTRA_MODULE_ENTRY void CapBeam1(char* path) { Rebar("桥墩一类帽梁", path); }
VELTRA_MODULE_ENTRY void CapBeam2(char* path) { Rebar("独柱墩帽梁", path); }
VELTRA_MODULE_ENTRY void CapBeam3(char* path) { Rebar("双柱墩帽梁", path); }
VELTRA_MODULE_ENTRY void CapBeam4(char* path) { Rebar("倒T形截面双柱墩帽梁", path); }
