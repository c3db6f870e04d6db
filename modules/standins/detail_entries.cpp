// Detail: the rebar layouts of the members, not provided yet; each entry point says what it would do.
#include "kit/module_kit.h"
#include "standins/standin_texts.h"

VELTRA_MODULE_PROMPTER_HOOK()

namespace {
void Rebar(const char* member) { standins::Tell(modulekit::ModulePrompter(), standins::RebarText(member)); }
}  // namespace

VELTRA_MODULE_ENTRY void CableTBeamDetail(dao::Database*) { Rebar("预应力T梁"); }
VELTRA_MODULE_ENTRY void ErQiangDetail(dao::Database*) { Rebar("耳墙"); }
VELTRA_MODULE_ENTRY void BeiQiangDetail(dao::Database*) { Rebar("背墙"); }
VELTRA_MODULE_ENTRY void PierBody1Detail(dao::Database*) { Rebar("圆形截面柱式墩身"); }
VELTRA_MODULE_ENTRY void PierBody2Detail(dao::Database*) { Rebar("矩形截面柱式墩身"); }
VELTRA_MODULE_ENTRY void PierBody3Detail(dao::Database*) { Rebar("矩形截面实体墩身"); }
VELTRA_MODULE_ENTRY void AbutBody1Detail(dao::Database*) { Rebar("肋板式台身"); }
VELTRA_MODULE_ENTRY void XiLiangDetail(dao::Database*) { Rebar("系梁"); }
VELTRA_MODULE_ENTRY void ChengTai1Detail(dao::Database*) { Rebar("①类承台"); }
VELTRA_MODULE_ENTRY void PileDetail(dao::Database*) { Rebar("桩基础"); }
VELTRA_MODULE_ENTRY void KuoDaJiChu1Detail(dao::Database*) { Rebar("台阶状扩大基础"); }
VELTRA_MODULE_ENTRY void DaBanDetail(dao::Database*) { Rebar("桥头搭板"); }
