#include "app/design_calls.h"

#include <cstdlib>
#include <cstring>

#include "app/last_resort.h"
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
    static const std::vector<DesignCall> calls = [] {
        std::vector<DesignCall> found;
        for (const CommandSpec& spec : ShellCommands())
            if (spec.design) found.push_back(*spec.design);
        return found;
    }();
    return calls;
}

const DesignCall* FindDesignCall(int commandId) {
    for (const auto& call : DesignCalls())
        if (call.commandId == commandId) return &call;
    return nullptr;
}

std::string DesignCommandName(const DesignCall& call) {
    for (const CommandSpec& spec : ShellCommands())
        if (spec.id == call.commandId) return CommandNameOf(spec.menuText);
    return call.entry;
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
