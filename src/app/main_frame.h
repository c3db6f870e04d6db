#pragma once
// The main window: the menus without and with a project, toolbar, status bar, the project windows in an
// MDI area, and the command handlers of the shell.
#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QUrl>

#include "app/menus.h"

class QAction;
class CChildFrame1;
namespace browse {
class CBriFormView;
}
class QMdiArea;
class QMenu;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame();
    ~CMainFrame() override;

    QMdiArea* mdiArea() const { return m_pMdiArea; }
    QAction* action(int id) const { return m_actions.value(id); }
    QToolBar* toolBar() const { return m_pToolBar; }

    // Runs the handler of a command id as if its menu entry had been chosen.
    void OnCommand(int id);

    // Shows menu 148 while a project is open, menu 140 otherwise; renews the recent entries and the caption.
    void UpdateFrameMenu();
    // "LumarisOmbrix", followed while a project is open by " - [", its path and "]".
    void UpdateCaption();

    void ShowStartDialog();
    // Files dropped on the main window.
    bool OnDropFiles(const QList<QUrl>& urls);
    void OnAppAbout();

    // Project lifecycle.
    bool OpenProject(const QString& path);
    // Makes the tree window of the open project; `caption` is "WorkSpace" or "项目数据库".
    CChildFrame1* CreateTreeWindow(const QString& caption);
    browse::CBriFormView* CreateGridWindow(const std::string& table);
    // Rebuilds one category of the table tree and requeries every grid window.
    void RefreshViews(int category);
    void OnFileOpen();
    bool OnFileSave();
    void OnFileSaveAs();
    void OnImport();
    void OnImportProject();
    // Asks every grid window to close; false when one refused and the main window must stay open.
    bool CanCloseMainWindow();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void OnProjectCommand(int id);
    void BuildActions(const std::vector<MenuEntry>& entries);
    void FillMenu(QMenu* menu, const std::vector<MenuEntry>& entries);
    void BuildMenuBar(const std::vector<MenuEntry>& entries);
    void BuildToolBar();
    void BuildStatusBar();
    void FillRecentFiles(QMenu* menu);

    QMdiArea* m_pMdiArea;
    QToolBar* m_pToolBar = nullptr;
    QMap<int, QAction*> m_actions;
};
