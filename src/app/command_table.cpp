#include "app/command_table.h"

#include <algorithm>
#include <stdexcept>

#include "app/last_resort.h"
#include "app/project_session.h"

namespace app {

CommandTable::CommandTable(std::vector<CommandSpec> specs) : m_specs(std::move(specs)) {}

const CommandSpec* CommandTable::Find(int id) const {
    auto it = std::find_if(m_specs.begin(), m_specs.end(), [id](const CommandSpec& s) { return s.id == id; });
    return it == m_specs.end() ? nullptr : &*it;
}

const CommandSpec* CommandTable::Find(std::string_view key) const {
    auto it = std::find_if(m_specs.begin(), m_specs.end(), [key](const CommandSpec& s) { return s.key == key; });
    return it == m_specs.end() ? nullptr : &*it;
}

int CommandTable::Id(std::string_view key) const {
    const CommandSpec* spec = Find(key);
    if (!spec) throw std::out_of_range("no command row has the key " + std::string(key));
    return spec->id;
}

int CommandId(std::string_view key) {
    static const CommandTable shell(ShellCommands());
    return shell.Id(key);
}

void CommandTable::SetHandler(int id, Handler handler) { m_handlers[id] = std::move(handler); }

bool CommandTable::IsEnabled(int id, dao::Database* project) const {
    const CommandSpec* spec = Find(id);
    if (!spec || !HasHandler(id)) return false;
    switch (spec->availability) {
        case Availability::Always: return true;
        case Availability::WithProject: return project && (!spec->condition || spec->condition(*project));
        case Availability::WithoutProject: return !project;
        case Availability::NotYetBuilt: return false;
    }
    return false;
}

bool CommandTable::Run(int id, ProjectSession& session) const {
    if (!IsEnabled(id, session.Database())) return false;
    const CommandSpec* spec = Find(id);
    bool wrote = false;
    try {
        wrote = m_handlers.at(id)();
    } catch (...) {
        // A handler that let an error through: the user is told, the application goes on.
        session.Prompter().message(EscapedErrorMessage(CommandNameOf(spec->menuText)), ui::Buttons::Ok,
                                   ui::Icon::Stop);
        return true;
    }
    if (wrote && !spec->refreshCategories.empty()) session.AnnounceTablesChanged(spec->refreshCategories);
    return true;
}

}  // namespace app
