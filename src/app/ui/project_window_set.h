#pragma once
// The project's windows in the main window's MDI area: the tree window and the grid windows. They are
// counted from what exists in the area, never by counters kept in step by hand. The set answers the
// session's questions (close the grids, commit them, show, move, close the project).
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "app/project_session.h"

class QMdiArea;
class QMdiSubWindow;
class CChildFrame;
class CChildFrame1;
class CVeltraDoc;
namespace browse {
class ProjectHost;
class CBriFormView;
}  // namespace browse

// A kind of project window: how its frame (with its view) is made for a document.
struct CDocTemplate {
    std::function<QMdiSubWindow*(CVeltraDoc*)> createFrame;
};

class ProjectWindowSet : public QObject, public app::ProjectWindows {
    Q_OBJECT
public:
    ProjectWindowSet(QMdiArea& area, browse::ProjectHost& host, std::function<app::ProjectSession&()> session);
    ~ProjectWindowSet() override;

    // The tree window of the open project, or nullptr.
    CChildFrame1* TreeFrame() const;
    // The open grid windows, in the order they were opened.
    std::vector<CChildFrame*> GridFrames() const;
    // 1 for the tree window plus 1 per grid window; 0 when no project window is open.
    int ProjectWindowCount() const;

    // Shows a table in a grid window: the window already showing it is activated, otherwise one is made.
    browse::CBriFormView* OpenGridWindow(const std::string& table);
    // The table's grid window with record `record` (from 0) selected; a negative record selects none.
    void ShowRecord(const std::string& table, int record);
    // Shows the 3D view of the project (one per project; it closes with the project).
    void OpenView3d();
    // Closes the grid window showing `view`; false when its grid refused.
    bool CloseGridWindow(browse::CBriFormView* view);
    // Every window of the main window may go (the main window closes): false when a grid refused.
    bool CloseAll();

    // app::ProjectWindows
    bool CloseGridWindows() override;
    bool CommitGridWindows() override;
    void ShowProject(const std::string& treeCaption) override;
    void ProjectMoved() override;
    void ProjectClosed() override;

    CDocTemplate& treeTemplate() { return *m_pTreeTemplate; }
    CDocTemplate& gridTemplate() { return *m_pGridTemplate; }

signals:
    // A project was shown, moved to another file or closed: menus and caption follow.
    void projectChanged();

private:
    CChildFrame1* CreateTreeWindow(const QString& caption);

    QMdiArea& m_area;
    browse::ProjectHost& m_host;
    std::function<app::ProjectSession&()> m_session;
    std::unique_ptr<CDocTemplate> m_pTreeTemplate, m_pGridTemplate;
};
