#pragma once
// Project windows: the tree window (one per open project) and grid windows (one per open table). Every
// project window keeps to one contract (ProjectFrame): it knows whether it has been closed, so that the
// window set counts what exists, and it refreshes itself when the session announces changed tables.
#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>
#include <string>

#include "app/project_session.h"

namespace browse {
class CBriTreeView;
class CBriFormView;
}  // namespace browse
using browse::CBriFormView;
using browse::CBriTreeView;

// One per project window; it owns no data (the project database belongs to the session) and only knows
// its views.
class CVeltraDoc : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    QPointer<CBriTreeView> m_pTreeView;
    QPointer<CBriFormView> m_pGridView;
};

class ProjectFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit ProjectFrame(CVeltraDoc* doc);
    CVeltraDoc* document() const { return m_pDoc; }
    // True once the window has accepted its close; it may still exist until the event loop deletes it.
    bool IsClosed() const { return m_bClosed; }

protected:
    // Subclasses decide whether the window may close; this records the outcome.
    void closeEvent(QCloseEvent* event) override;
    virtual bool MayClose() = 0;
    app::ProjectSession::Subscription m_tablesChanged;

private:
    CVeltraDoc* m_pDoc;
    bool m_bClosed = false;
};

// The tree window: at the top left of the client area, 250 pixels wide; its width can be dragged between
// 200 and 500 pixels while its height follows the client area. Closing it closes the project.
class CChildFrame1 : public ProjectFrame {
    Q_OBJECT
public:
    CChildFrame1(CVeltraDoc* doc, CBriTreeView* view, app::ProjectSession& session);
    CBriTreeView* view() const { return m_pView; }
    void place();

protected:
    bool MayClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CBriTreeView* m_pView;
    app::ProjectSession& m_session;
};

// A grid window: "表：" + table name, over the right part of the tree window. Closing asks the grid whether
// it may close (it saves or discards pending edits; its user may cancel). A grid with unsaved edits shows "*"
// in its title.
class CChildFrame : public ProjectFrame {
    Q_OBJECT
public:
    CChildFrame(CVeltraDoc* doc, CBriFormView* view, app::ProjectSession& session);
    CBriFormView* view() const { return m_pView; }
    std::string tableName() const;
    // At x = 200, y = 0, reaching to 4 pixels short of the client area's right edge and 3 short of its bottom.
    void place();

protected:
    bool MayClose() override;

private:
    CBriFormView* m_pView;
};
