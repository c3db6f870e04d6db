// Pile: the pile-length calculation, not provided yet.
#include "kit/module_kit.h"
#include "standins/standin_texts.h"

VELTRA_MODULE_PROMPTER_HOOK()

VELTRA_MODULE_ENTRY void PileDsn() {
    standins::Tell(modulekit::ModulePrompter(), standins::CalculationText("桩基计算模块", "桩基础计算"));
}
