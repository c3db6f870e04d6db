#pragma once
// The 3D view as a window of the MDI area: it reads the open project's bridge model, refreshes itself from
// the session's "tables changed" notice (keeping its camera), opens a member's table at its record through
// the project's windows, and closes with the project. It only reads, so it never asks to save.
#include <QMdiSubWindow>

#include "app/project_session.h"
#include "view3d/ui/bridge_view_3d.h"

class CView3dFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CView3dFrame(app::ProjectSession& session, CBridgeView3d::OpenTable openTable);
    CBridgeView3d* view() const { return m_pView; }

private:
    CBridgeView3d* m_pView = nullptr;
    app::ProjectSession::Subscription m_tablesChanged;
};

// Shows the 3D view of the open project in `area`: the one already open is activated.
CView3dFrame* OpenView3dWindow(QMdiArea& area, app::ProjectSession& session, CBridgeView3d::OpenTable openTable);
