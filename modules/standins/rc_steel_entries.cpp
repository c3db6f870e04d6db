// RCSteel: the reinforced-concrete section calculators, not provided yet.
#include "kit/module_kit.h"
#include "standins/standin_texts.h"

VELTRA_MODULE_PROMPTER_HOOK()

namespace {
void Calculate(const char* calculation) {
    standins::Tell(modulekit::ModulePrompter(), standins::CalculationText("钢筋混凝土截面计算模块", calculation));
}
}  // namespace

VELTRA_MODULE_ENTRY void CirDsn() { Calculate("圆形截面配筋计算"); }
VELTRA_MODULE_ENTRY void NoCirDsn() { Calculate("非圆截面配筋计算"); }
VELTRA_MODULE_ENTRY void CirChk() { Calculate("圆形截面强度复核"); }
VELTRA_MODULE_ENTRY void NoCirChk() { Calculate("非圆截面强度复核"); }
VELTRA_MODULE_ENTRY void CrackDsn() { Calculate("抗裂计算"); }
VELTRA_MODULE_ENTRY void SkewDsn() { Calculate("抗剪计算"); }
