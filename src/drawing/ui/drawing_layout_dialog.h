#pragma once
// The 绘图信息 dialog on an open project: the wizard's drawing page over the stored layout, with 确定 and
// 取消. 确定 rewrites 图形布置信息表 from the drawing list.
#include <QDialog>

#include "platform/dao/database.h"
#include "projectdb/drawing_page.h"
#include "projectdb/ui/page_services.h"

namespace projectdb {
class CMyPropertyPage31;
}

namespace drawing {

class CDrawingLayoutDlg : public QDialog {
    Q_OBJECT
public:
    CDrawingLayoutDlg(dao::Database& db, projectdb::DrawingPage page, projectdb::PageServices services,
                      QWidget* parent = nullptr);

    projectdb::DrawingPage& page() { return m_page; }
    projectdb::CMyPropertyPage31* PageView() const { return m_pView; }
    // 确定: writes the list; the dialog stays open when the write failed (the error has been shown).
    void OnOK();

private:
    dao::Database& m_db;
    projectdb::DrawingPage m_page;
    projectdb::PageServices m_services;
    projectdb::CMyPropertyPage31* m_pView = nullptr;
};

// The command 绘图信息: reads the layout and the drawing list, runs the dialog; true when 确定 wrote the list.
// A read error is shown and nothing opens.
bool RunDrawingLayoutDialog(dao::Database& db, projectdb::PageServices services, QWidget* parent);

}  // namespace drawing
