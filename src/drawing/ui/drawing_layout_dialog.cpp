#include "drawing/ui/drawing_layout_dialog.h"

#include <QDialogButtonBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "drawing/drawing_layout.h"
#include "projectdb/ui/drawing_page_view.h"

namespace drawing {

CDrawingLayoutDlg::CDrawingLayoutDlg(dao::Database& db, projectdb::DrawingPage page, projectdb::PageServices services,
                                     QWidget* parent)
    : QDialog(parent), m_db(db), m_page(std::move(page)), m_services(std::move(services)) {
    setObjectName("CDrawingLayoutDlg");
    setWindowTitle("绘图信息");
    auto* layout = new QVBoxLayout(this);
    m_pView = new projectdb::CMyPropertyPage31(m_page, m_services, this);
    layout->addWidget(m_pView, 1);
    // Every candidate starts selected: 加入绘图列表 at once adds whatever the list is missing.
    m_pView->SuperstructureList()->selectAll();
    m_pView->SubstructureList()->selectAll();
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("确定", QDialogButtonBox::AcceptRole);
    buttons->addButton("取消", QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDrawingLayoutDlg::OnOK);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(860, 560);
}

void CDrawingLayoutDlg::OnOK() {
    m_pView->CommitEdits();
    if (SaveDrawingLayout(m_db, m_page, m_services.prompt)) accept();
}

bool RunDrawingLayoutDialog(dao::Database& db, projectdb::PageServices services, QWidget* parent) {
    CDrawingLayoutDlg dialog(db, LoadDrawingLayout(db), std::move(services), parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace drawing
