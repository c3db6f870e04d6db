#include "app/design_calls.h"

#include <cstdlib>
#include <cstring>

#include "app/command_ids.h"
#include "platform/dao/recordset.h"
#include "platform/text/cformat.h"

namespace app {
namespace {

using DatabaseEntry = void (*)(dao::Database*);
using GroundLineEntry = int (*)(dao::Database*, double);
using PathEntry = void (*)(char*);
using CalculatorEntry = void (*)();
using PrompterHook = void (*)(ui::Prompter*);
using EditorHook = void (*)(ui::RecordEditor*);

DesignCall Linked(int id, const char* module, const char* entry, EntryKind kind = EntryKind::Database) {
    DesignCall call;
    call.commandId = id;
    call.module = module;
    call.entry = entry;
    call.kind = kind;
    return call;
}

DesignCall OnDemand(int id, const char* module, const char* entry, EntryKind kind) {
    DesignCall call = Linked(id, module, entry, kind);
    call.onDemand = true;
    return call;
}

DesignCall Confirmed(DesignCall call, std::vector<std::string> tables, const char* member) {
    call.memberTables = std::move(tables);
    call.question = std::string("尚未建立") + member + "尺寸信息，或本项目不含" + member + "构造。\n继续进行" + member +
                    "钢筋布置吗？";
    return call;
}

DesignCall ConfirmedBy(DesignCall call, std::string table, std::string question) {
    call.memberTables = {std::move(table)};
    call.question = std::move(question);
    return call;
}

std::vector<DesignCall> MakeCalls() {
    using K = EntryKind;
    const char* capBeam = "CapBeamDes.dll";
    DesignCall tBeam = Linked(cmd::kRebarPrestressedTBeam, "Detail.dll", "CableTBeamDetail");
    tBeam.needsTBeamLayout = true;
    DesignCall capBeam1 = ConfirmedBy(
        OnDemand(cmd::kRebarCapBeam1, capBeam, "CapBeam1", K::DatabasePath), "①类帽梁信息表",
        "尚未建立桥墩一类帽梁尺寸信息，或本项目不含桥墩一类帽梁构造。\n继续进行桥墩一类帽梁钢筋布置吗？");
    capBeam1.reportsLoadError = true;
    return {
        Linked(cmd::kGroundLine, "Site.dll", "EditGroundLine", K::GroundLine),
        Linked(cmd::kDrill, "Site.dll", "DesignDrill"),
        Linked(cmd::kWater, "Site.dll", "DesignWater"),
        Linked(cmd::kHorizontalCurves, "Site.dll", "DesignHLine"),
        Linked(cmd::kVerticalCurves, "Site.dll", "DesignVLine"),
        Linked(cmd::kDeckSlope, "Site.dll", "DesignSlope"),
        Linked(cmd::kRoadTable, "Site.dll", "DesignRdTbl"),
        Linked(cmd::kConeSlope, "Site.dll", "DesignPrick"),
        Linked(cmd::kDesignSlab, "Girder.dll", "DesignSlab"),
        Linked(cmd::kDesignTBeam, "Girder.dll", "DesignTBeam"),
        Linked(cmd::kDesignSUBox, "Girder.dll", "DesignSUBox"),
        Linked(cmd::kDesignSSBox, "Girder.dll", "DesignSSBox"),
        Linked(cmd::kDesignCUBox, "Girder.dll", "DesignCUBox"),
        Linked(cmd::kDesignCSBox, "Girder.dll", "DesignCSBox"),
        Linked(cmd::kDesignPierAbut, "PierAbut.dll", "DesignPierAbut"),
        Linked(cmd::kPavement, "Adjunct.dll", "DesignPavement"),
        Linked(cmd::kFence, "Adjunct.dll", "DesignFence"),
        Linked(cmd::kWalkway, "Adjunct.dll", "DesignWalkway"),
        Linked(cmd::kSubslab, "Adjunct.dll", "DesignSubslab"),
        Linked(cmd::kDrainage, "Adjunct.dll", "DesignDrainage"),
        Linked(cmd::kCrossway, "Adjunct.dll", "DesignCrossway"),
        tBeam,
        OnDemand(cmd::kRebarContinuousBox, "BoxBeamDes.dll", "UniBoxPreStl1", K::DatabasePath),
        capBeam1,
        ConfirmedBy(OnDemand(cmd::kRebarCapBeam2, capBeam, "CapBeam2", K::DatabasePath), "独柱墩帽梁钢筋布置信息表",
                    "尚未建立独柱墩帽梁钢筋布置信息，或本项目不含独柱墩帽梁构造。\n继续进行独柱墩帽梁钢筋布置吗？"),
        ConfirmedBy(OnDemand(cmd::kRebarCapBeam3, capBeam, "CapBeam3", K::DatabasePath), "双柱墩帽梁钢筋布置信息表",
                    "尚未建立双柱墩帽梁钢筋布置信息，或本项目不含双柱墩帽梁构造。\n继续进行双柱墩帽梁钢筋布置吗？"),
        ConfirmedBy(OnDemand(cmd::kRebarCapBeam4, capBeam, "CapBeam4", K::DatabasePath),
                    "倒T形截面双柱墩帽梁钢筋布置信息表",
                    "尚未建立倒T形截面双柱墩帽梁钢筋布置信息，或本项目不含倒T形截面双柱墩帽梁构造。\n"
                    "继续进行倒T形截面双柱墩帽梁钢筋布置吗？"),
        Confirmed(Linked(cmd::kRebarEarWall, "Detail.dll", "ErQiangDetail"), {"桩柱式、肋板式桥台帽梁信息表"}, "耳墙"),
        Confirmed(Linked(cmd::kRebarBackWall, "Detail.dll", "BeiQiangDetail"), {"桩柱式、肋板式桥台帽梁信息表"},
                  "背墙"),
        Confirmed(Linked(cmd::kRebarPierBody1, "Detail.dll", "PierBody1Detail"), {"圆形截面柱式墩身信息表"},
                  "圆形截面柱式墩身"),
        Confirmed(Linked(cmd::kRebarPierBody2, "Detail.dll", "PierBody2Detail"), {"矩形截面柱式墩身信息表"},
                  "矩形截面柱式墩身"),
        Confirmed(Linked(cmd::kRebarPierBody3, "Detail.dll", "PierBody3Detail"), {"矩形截面实体式墩身信息表"},
                  "矩形截面实体墩身"),
        Confirmed(Linked(cmd::kRebarAbutBody1, "Detail.dll", "AbutBody1Detail"), {"肋板式台身信息表"}, "肋板式台身"),
        Confirmed(Linked(cmd::kRebarTieBeam, "Detail.dll", "XiLiangDetail"), {"系梁信息表"}, "系梁"),
        Confirmed(Linked(cmd::kRebarPileCap1, "Detail.dll", "ChengTai1Detail"), {"①类承台信息表"}, "①类承台"),
        Confirmed(Linked(cmd::kRebarPile, "Detail.dll", "PileDetail"),
                  {"单排桩基础信息表", "多排桩基础信息表", "梅花形桩基础信息表"}, "桩基础"),
        Confirmed(Linked(cmd::kRebarSpreadFooting, "Detail.dll", "KuoDaJiChu1Detail"), {"台阶状扩大基础信息表"},
                  "台阶状扩大基础"),
        Linked(cmd::kRebarApproachSlab, "Detail.dll", "DaBanDetail"),
        OnDemand(cmd::kCircleDesign, "RCSteel.dll", "CirDsn", K::Calculator),
        OnDemand(cmd::kNonCircleDesign, "RCSteel.dll", "NoCirDsn", K::Calculator),
        OnDemand(cmd::kCircleCheck, "RCSteel.dll", "CirChk", K::Calculator),
        OnDemand(cmd::kNonCircleCheck, "RCSteel.dll", "NoCirChk", K::Calculator),
        OnDemand(cmd::kCrackDesign, "RCSteel.dll", "CrackDsn", K::Calculator),
        OnDemand(cmd::kShearDesign, "RCSteel.dll", "SkewDsn", K::Calculator),
        OnDemand(cmd::kPileDesign, "Pile.dll", "PileDsn", K::Calculator),
    };
}

bool TBeamLayoutReadable(dao::Database& db) {
    try {
        dao::Recordset rs(db);
        rs.Open("Select * From [T梁布置信息表]");
        return true;
    } catch (const dao::DaoException&) {
        return false;
    }
}

void Call(const DesignCall& call, void* entry, dao::Database& db) {
    switch (call.kind) {
        case EntryKind::Database: reinterpret_cast<DatabaseEntry>(entry)(&db); break;
        case EntryKind::GroundLine: reinterpret_cast<GroundLineEntry>(entry)(&db, -1.0); break;
        case EntryKind::DatabasePath: {
            std::string path = db.GetName();
            char* copy = static_cast<char*>(std::malloc(path.size() + 1));
            std::memcpy(copy, path.c_str(), path.size() + 1);
            reinterpret_cast<PathEntry>(entry)(copy);
            break;
        }
        case EntryKind::Calculator: reinterpret_cast<CalculatorEntry>(entry)(); break;
    }
}

}  // namespace

const std::vector<DesignCall>& DesignCalls() {
    static const std::vector<DesignCall> calls = MakeCalls();
    return calls;
}

const DesignCall* FindDesignCall(int commandId) {
    for (const auto& call : DesignCalls())
        if (call.commandId == commandId) return &call;
    return nullptr;
}

bool HasTable(dao::Database& db, const std::string& table) {
    try {
        db.GetTableDef(table);
        return true;
    } catch (const dao::DaoException&) {
        return false;
    }
}

bool HasStructureType(dao::Database& db, const std::string& structureType) {
    try {
        dao::Recordset rs(db);
        rs.Open("Select StructureType From [上构布置明细表]", dao::dbOpenForwardOnly);
        for (; !rs.IsEOF(); rs.MoveNext())
            if (rs.GetFieldValue(0).text() == structureType) return true;
    } catch (const dao::DaoException&) {
        // A layout that cannot be read offers no superstructure design.
    }
    return false;
}

bool RunDesignCall(const DesignCall& call, dao::Database& db, modules::ModuleLoader& loader, ui::Prompter& prompt,
                   ui::RecordEditor* editor) {
    if (call.needsTBeamLayout && !TBeamLayoutReadable(db)) {
        prompt.message(
            "尚未建立T梁尺寸信息，或本项目不含简支T梁结构。\n\n您必须先设计T梁基本尺寸，经结构计算后确定预应\n"
            "力钢束布置信息。");
        return false;
    }
    if (!call.memberTables.empty()) {
        bool any = false;
        for (const auto& table : call.memberTables) any = any || HasTable(db, table);
        if (!any && prompt.message(call.question, ui::Buttons::YesNo) != ui::Answer::Yes) return false;
    }
    long errorCode = 0;
    std::unique_ptr<modules::LoadedModule> module = loader.Load(call.module, errorCode);
    if (!module) {
        if (call.reportsLoadError)
            prompt.message(text::Format("Error Code:%ld", errorCode));
        else if (!call.onDemand)
            prompt.message(text::Format("找不到设计模块 %s（%s）。", call.module.c_str(),
                                        modules::SharedLibraryFileName(call.module).c_str()));
        return false;
    }
    void* entry = module->Resolve(call.entry);
    if (!entry) return false;
    CallEntry(call, *module, entry, db, prompt, editor);
    return true;
}

void CallEntry(const DesignCall& call, modules::LoadedModule& module, void* entry, dao::Database& db,
               ui::Prompter& prompt, ui::RecordEditor* editor) {
    if (void* hook = module.Resolve("SetModulePrompter")) reinterpret_cast<PrompterHook>(hook)(&prompt);
    if (void* hook = module.Resolve("SetModuleEditor")) reinterpret_cast<EditorHook>(hook)(editor);
    Call(call, entry, db);
}

}  // namespace app
