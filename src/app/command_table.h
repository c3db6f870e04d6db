#pragma once
// Commands as data: every command of the shell is one row (key, id, texts, shortcut, where it stands in the
// menus and on the toolbar, when it is available, the categories of tables it writes, and for a design command
// the module entry it calls); menus, toolbar, status texts and the design dispatch are built from the rows, and
// running a command is one road: the handler, then one "tables changed" announcement for what it wrote.
// Code names a command by its row's key ("bridge-check"); the numeric id lives in the row alone.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
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

// The two menu bars: resource 140 while no project is open, resource 148 while one is.
enum MenuBars : unsigned { kNoProjectBar = 1, kProjectBar = 2, kBothBars = kNoProjectBar | kProjectBar };

// Where a command stands in a menu bar. Entries of one popup follow the order of the rows.
struct MenuPlace {
    unsigned bars = kProjectBar;
    std::string path;  // the popup and its sub-popups: "结构信息(&T) > 上部构造"
    // A separator in front of the entry; for the first entry of a sub-popup, in front of the sub-popup.
    bool separatorBefore = false;
};

// A toolbar button: groups stand apart by separators, in the order of the rows.
struct ToolbarPlace {
    int group = 0;
    std::string icon;  // a name the main window knows: "new", "open", "save", "about", ...
};

// The signatures of the design modules' entry points, all with C linkage.
enum class EntryKind {
    Database,      // void (dao::Database*): reads and writes the project tables, returns when the user is done
    GroundLine,    // int (dao::Database*, double): the ground-line editor, always given -1.0
    DatabasePath,  // void (char*): a newly allocated copy of the project's path, which the module frees
    Calculator,    // void (): works on its own
};

// What a design command hands the open project to.
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

struct CommandSpec {
    std::string key;  // "bridge-check": how code, the window's handlers and tests name the command
    int id = 0;       // the command id of menus, toolbar and the menu listing
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
    std::vector<MenuPlace> menus;          // none: reached by its shortcut or the toolbar only
    std::optional<ToolbarPlace> toolbar;
    std::optional<DesignCall> design;      // its handler is the shell's one design dispatch
};

class CommandTable {
public:
    // Returns true when the command wrote to the project, so that its categories are announced.
    using Handler = std::function<bool()>;

    explicit CommandTable(std::vector<CommandSpec> specs);

    const std::vector<CommandSpec>& Specs() const { return m_specs; }
    const CommandSpec* Find(int id) const;
    const CommandSpec* Find(std::string_view key) const;
    // The id of the row with `key`; std::out_of_range for a key no row has (a misspelt key in the code).
    int Id(std::string_view key) const;
    void SetHandler(int id, Handler handler);
    void SetHandler(std::string_view key, Handler handler) { SetHandler(Id(key), std::move(handler)); }
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
// The id of the shell command with `key`; std::out_of_range for a key no row has.
int CommandId(std::string_view key);

}  // namespace app
