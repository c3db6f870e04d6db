#pragma once
// The design commands that hand the open project to a design module: which module and entry point each
// calls, the member tables it wants to find first, and the call itself.
#include <string>
#include <vector>

#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"
#include "platform/interaction/record_editor.h"
#include "platform/modules/module_loader.h"

namespace app {

// The signatures of the entry points, all with C linkage.
enum class EntryKind {
    Database,      // void (dao::Database*): reads and writes the project tables, returns when the user is done
    GroundLine,    // int (dao::Database*, double): the ground-line editor, always given -1.0
    DatabasePath,  // void (char*): a newly allocated copy of the project's path, which the module frees
    Calculator,    // void (): works on its own
};

struct DesignCall {
    int commandId = 0;
    std::string module;  // as the system names it: "Girder.dll"
    std::string entry;
    EntryKind kind = EntryKind::Database;
    // Loaded for this call only; such a module's absence is silent (but see reportsLoadError). A module
    // the shell relies on from start-up is reported when it is missing.
    bool onDemand = false;
    bool reportsLoadError = false;
    // Before the call: when none of these tables can be opened, `question` is asked (Yes goes on).
    std::vector<std::string> memberTables;
    std::string question;
    // The stricter check: without a readable T-beam layout the command explains and stops.
    bool needsTBeamLayout = false;
};

const std::vector<DesignCall>& DesignCalls();
const DesignCall* FindDesignCall(int commandId);

// Runs a design command: the member-table confirmation, then load, look up, call, release. True when the
// entry point ran, so that the views refresh.
bool RunDesignCall(const DesignCall& call, dao::Database& db, modules::ModuleLoader& loader, ui::Prompter& prompt,
                   ui::RecordEditor* editor = nullptr);

// Calls a resolved entry point with the arguments its kind takes. A module that exports SetModulePrompter is
// first handed `prompt`, so that its messages show the shell's way, and one that exports SetModuleEditor is
// handed `editor` (none: the module takes its proposals as they stand).
void CallEntry(const DesignCall& call, modules::LoadedModule& module, void* entry, dao::Database& db,
               ui::Prompter& prompt, ui::RecordEditor* editor = nullptr);

// The superstructure design commands are offered only for structure types the layout holds.
bool HasStructureType(dao::Database& db, const std::string& structureType);
bool HasTable(dao::Database& db, const std::string& table);

}  // namespace app
