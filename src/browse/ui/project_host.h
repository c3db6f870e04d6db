#pragma once
// What the table tree and the grid editor need from the application that hosts them. The application
// shell implements it; tests implement it with a fake. The views never reach the application object
// directly, so they stay below it.
#include <string>
#include <vector>

class QWidget;

namespace dao {
class Database;
}
namespace ui {
struct Prompter;
struct FileChooser;
}  // namespace ui

namespace browse {

class CBriFormView;

class ProjectHost {
public:
    virtual ~ProjectHost() = default;

    // The open project database, or nullptr when no project is open.
    virtual dao::Database* ProjectDatabase() const = 0;

    // The application-wide advanced-user flag (设置 → 高级用户). Read at every edit, never cached.
    virtual bool IsAdvancedUser() const = 0;

    // Shows a table in a grid window: when a project window's grid already shows `table`, that window is
    // activated and nothing is reloaded; otherwise a new project child window with a grid editor is made,
    // the table is loaded with CBriFormView::Load and the caption becomes "表：" + table.
    // Returns the grid view that shows the table, or nullptr when no window could be made.
    virtual CBriFormView* OpenGridWindow(const std::string& table) = 0;

    // The grid views of the open grid windows, in the order the windows were created.
    virtual std::vector<CBriFormView*> GridViews() const = 0;

    // The grid-window close of the window holding `view`: asks view->CanClose(); when it may close, the
    // frame is removed from the grid-frame list, closed, and the project window count is lowered by 1.
    // Returns false when the view refused (its user cancelled saving); the window then stays open.
    virtual bool CloseGridWindow(CBriFormView* view) = 0;

    // m_nProjectWindows: 1 for the tree window plus 1 per grid window; 0 when no project is open.
    virtual int ProjectWindowCount() const = 0;

    // Message boxes and file dialogs of the views (scripted in tests).
    virtual ui::Prompter& Prompter() = 0;
    virtual ui::FileChooser& FileChooser() = 0;

    // The main window, parent of the views' own dialogs (the rename dialog "警告").
    virtual QWidget* MainWindow() const = 0;

    // Runs a command of the shell's command table (the 模块 entries of the grid menu) as its menu entry
    // does. A host without the shell's commands ignores it.
    virtual void RunShellCommand(int /*commandId*/) {}

    // Conveniences over GridViews(), the same for every host.
    // The grid view showing `table` (names compared exactly), or nullptr.
    CBriFormView* GridViewOf(const std::string& table) const;
    bool IsTableShown(const std::string& table) const { return GridViewOf(table) != nullptr; }
};

}  // namespace browse
