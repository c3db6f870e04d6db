// BoxBeamDes: the prestressed continuous box girder design, not provided yet. The entry point frees the
// copy of the project's path it is given.
#include <cstdlib>

#include "kit/module_kit.h"
#include "standins/standin_texts.h"

VELTRA_MODULE_PROMPTER_HOOK()

VELTRA_MODULE_ENTRY void UniBoxPreStl1(char* path) {
    std::string project = path ? path : "";
    std::free(path);
    standins::Tell(modulekit::ModulePrompter(), standins::ProjectRebarText("预应力连续箱梁", project));
}
