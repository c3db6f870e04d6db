#pragma once
// Commands as data: every command of the shell is one row (id, texts, shortcut, when it is available, the
// categories of tables it writes); menus, toolbar and status texts are built from the rows, and running a
// command is one road: the handler, then one "tables changed" announcement for what it wrote.
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace dao {
class Database;
}

namespace app {

class ProjectSession;

enum class Availability {
    Always,
    WithProject,     // only while a project is open
    WithoutProject,  // only while none is open
    NotYetBuilt,     // shown in its menu, disabled: its subsystem does not exist yet
};

struct CommandSpec {
    int id = 0;
    std::string menuText;    // "新建(&N)"
    std::string shortcut;    // "Ctrl+N", or ""
    std::string statusText;  // status bar text while the entry is highlighted
    std::string toolTip;     // toolbar tip, or ""
    bool checkable = false;
    Availability availability = Availability::Always;
    // Refresh numbers of the table categories the command writes (1 总体信息 … 12 其它信息).
    std::vector<int> refreshCategories;
    // A further condition on the open project (a table that must exist, a record that must be there).
    std::function<bool(dao::Database&)> condition;
};

class CommandTable {
public:
    // Returns true when the command wrote to the project, so that its categories are announced.
    using Handler = std::function<bool()>;

    explicit CommandTable(std::vector<CommandSpec> specs);

    const std::vector<CommandSpec>& Specs() const { return m_specs; }
    const CommandSpec* Find(int id) const;
    void SetHandler(int id, Handler handler);
    bool HasHandler(int id) const { return m_handlers.count(id) != 0; }

    // Whether the command can be chosen now; `project` is the open project or nullptr.
    bool IsEnabled(int id, dao::Database* project) const;
    // Runs an enabled command's handler; when it reports a write, the session announces the command's
    // categories once. False when the command is unknown, disabled or has no handler. An exception that
    // escapes the handler is shown as a message (last_resort.h) and goes no further.
    bool Run(int id, ProjectSession& session) const;

private:
    std::vector<CommandSpec> m_specs;
    std::map<int, Handler> m_handlers;
};

// Every command of the shell with its texts.
std::vector<CommandSpec> ShellCommands();

}  // namespace app
