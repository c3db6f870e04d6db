#pragma once
// The design commands that hand the open project to a design module: the call itself, with the checks that
// come before it. Which module and entry each command calls is in its row of the command table.
#include <string>
#include <vector>

#include "app/command_table.h"
#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"
#include "platform/interaction/record_editor.h"
#include "platform/modules/module_loader.h"

namespace app {

// The design calls of the command table's rows, in row order.
const std::vector<DesignCall>& DesignCalls();
const DesignCall* FindDesignCall(int commandId);
// The command's name as a message names it: "简支空心板".
std::string DesignCommandName(const DesignCall& call);

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
