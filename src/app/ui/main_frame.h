#pragma once
// The main window: the menus without and with a project, toolbar, status bar, and the project windows in
// an MDI area. Commands come from the command table; the session decides what happens to the project.
#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QRect>
#include <QUrl>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "app/command_table.h"
#include "app/menus.h"
#include "platform/windows/keyboard_locks.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
class ShellHost;
class CHelpWindow;
class ProjectWindowSet;
class AppProjectHost;
namespace browse {
class ProjectHost;
}
namespace windows {
struct CopyData;
class WindowEndpoint;
}  // namespace windows
namespace drawing {
class CDrawingCombos;
}
namespace projectdb {
struct PageServices;
}

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(ShellHost& shell);
    ~CMainFrame() override;

    QMdiArea* mdiArea() const { return m_pMdiArea; }
    ProjectWindowSet& projectWindows() const { return *m_pWindows; }
    browse::ProjectHost& projectHost() const;
    const app::CommandTable& commands() const { return m_commands; }
    QAction* action(int id) const { return m_actions.value(id); }
    QAction* action(std::string_view key) const { return m_actions.value(m_commands.Id(key)); }
    CHelpWindow* helpWindow() const;
    // The manual at one page ("tables.html#values"), as 是 to "你想查看帮助文件吗?" shows it.
    void ShowHelpPage(const std::string& page);
    QToolBar* toolBar() const { return m_pToolBar; }
    drawing::CDrawingCombos* drawingCombos() const { return m_pDrawingCombos; }

    // The one line a long operation ends with, in the status bar (nothing for an empty line).
    void ShowSummary(const std::string& summary);

    // Runs a command as if its menu entry had been chosen (nothing when it is disabled); by id or by the key
    // of its row ("bridge-check").
    void OnCommand(int id);
    void OnCommand(std::string_view key);

    // Shows menu 148 while a project is open, menu 140 otherwise; renews the commands' states and the caption.
    void UpdateFrameMenu();
    // Enables each command as the command table says for the project as it is now.
    void UpdateCommandStates();

    void ShowStartDialog();
    // Files dropped on the main window.
    bool OnDropFiles(const QList<QUrl>& urls);
    // The status bar's 大写 / 数字 / 滚动 panels show their text while the lock is on. Tests give their own
    // reader of the lock states.
    void SetLockReader(std::function<windows::LockStates()> read);
    void UpdateLockIndicators();
    QLabel* lockIndicator(int index) const { return m_lockIndicators.value(index); }

    // A copy-data message from another program's window (the drawing host's quit notice).
    std::int32_t OnCopyData(const windows::CopyData& data);
    // The main window's entry in the window directory, or nullptr when it could not be registered.
    windows::WindowEndpoint* windowEndpoint() const { return m_pEndpoint; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The handlers of the commands by the keys of their rows, a few menus' worth in each list
    // (main_frame_commands.cpp): the project menu, its exchange formats, settings and central tables, tools
    // and libraries, windows and help.
    using Handlers = std::vector<std::pair<std::string_view, app::CommandTable::Handler>>;
    void BindCommands();
    Handlers ProjectHandlers();
    Handlers ExchangeHandlers();
    Handlers SettingsAndTableHandlers();
    Handlers ToolHandlers();
    Handlers WindowAndHelpHandlers();
    void BindDesignCommands();
    // What the wizard and the central-table dialogs ask through.
    projectdb::PageServices PageServices();
    void BuildActions();
    void FillMenu(QMenu* menu, const std::vector<MenuEntry>& entries);
    void FillRecentFiles(QMenu* menu);
    void FillWindowList(QMenu* menu);
    void BuildToolBar();
    void BuildStatusBar();
    void RegisterWindow();

    // Handlers of the project commands (main_frame_handlers.cpp).
    bool OnFileOpen();
    bool OnFileSaveAs();
    bool OnImport();
    bool OnImportProject();
    void ImportNewProject(const std::string& sourcePath);  // the options dialog and the new project
    // Shrinks the main window to its bars, on top of the drawing host, and gives it back its size.
    void OnShrink();
    // The manual in the help window (帮助主题, F1).
    void OnHelp();
    void OnRestore();
    // 打印: the current grid window's sheet with the printer set-up.
    void PrintActiveGrid();

    ShellHost& m_shell;
    QMdiArea* m_pMdiArea;
    std::unique_ptr<AppProjectHost> m_pHost;
    std::unique_ptr<ProjectWindowSet> m_pWindows;
    app::CommandTable m_commands;
    QToolBar* m_pToolBar = nullptr;
    drawing::CDrawingCombos* m_pDrawingCombos = nullptr;
    QMap<int, QAction*> m_actions;
    QPointer<CHelpWindow> m_pHelpWindow;
    bool m_bShrunk = false;
    windows::WindowEndpoint* m_pEndpoint = nullptr;
    std::optional<QRect> m_rememberedRect;
    QList<QLabel*> m_lockIndicators;
    std::function<windows::LockStates()> m_readLocks;
};
