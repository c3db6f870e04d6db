#include "drawing/ui/drawing_layout_dialog.h"

#include <QTreeWidget>

#include "drawing/drawing_layout.h"
#include "platform/interaction/dialog_buttons.h"
#include "projectdb/ui/drawing_page_view.h"

namespace drawing {

CDrawingLayoutDlg::CDrawingLayoutDlg(dao::Database& db, projectdb::DrawingPage page, projectdb::PageServices services,
                                     QWidget* parent)
    : CPageDlg(db, std::move(page), std::move(services), parent) {
    setObjectName("CDrawingLayoutDlg");
    setWindowTitle("绘图信息");
    m_pView = new projectdb::CMyPropertyPage31(m_page, m_services, this);
    // Every candidate starts selected: 加入绘图列表 at once adds whatever the list is missing.
    m_pView->SuperstructureList()->selectAll();
    m_pView->SubstructureList()->selectAll();
    ui::StackAboveOkCancel(this, {m_pView}, [this] { OnOK(); });
    resize(860, 560);
}

void CDrawingLayoutDlg::OnOK() {
    m_pView->CommitEdits();
    if (SaveDrawingLayout(m_db, m_page, m_services.prompt)) accept();
}

bool RunDrawingLayoutDialog(dao::Database& db, projectdb::PageServices services, QWidget* parent) {
    return projectdb::RunPageDialog<CDrawingLayoutDlg>(db, std::move(services), parent, &LoadDrawingLayout);
}

}  // namespace drawing
