#include "app/ui/view3d_frame.h"

#include <QFileInfo>
#include <QMdiArea>

CView3dFrame::CView3dFrame(app::ProjectSession& session, CBridgeView3d::OpenTable openTable) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto read = [&session]() -> std::optional<bridge::Bridge> {
        dao::Database* db = session.Database();
        if (!db) return std::nullopt;
        return bridge::ReadBridge(*db);
    };
    m_pView = new CBridgeView3d(read, std::move(openTable), this);
    setWidget(m_pView);
    setWindowTitle("三维视图 - " + QFileInfo(QString::fromStdString(session.Path())).fileName());
    setWindowIcon(QIcon(":/icons/app.svg"));
    m_tablesChanged = session.OnTablesChanged([this](const std::vector<int>&) { m_pView->Reload(); });
}

CView3dFrame* OpenView3dWindow(QMdiArea& area, app::ProjectSession& session, CBridgeView3d::OpenTable openTable) {
    if (!session.Database()) return nullptr;
    for (QMdiSubWindow* w : area.subWindowList())
        if (auto* frame = qobject_cast<CView3dFrame*>(w)) {
            area.setActiveSubWindow(frame);
            return frame;
        }
    auto* frame = new CView3dFrame(session, std::move(openTable));
    area.addSubWindow(frame);
    frame->resize(area.viewport()->size() * 0.8);
    frame->show();
    return frame;
}
