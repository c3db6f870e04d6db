#pragma once
// The 绘图信息 dialog on an open project: the wizard's drawing page over the stored layout, with 确定 and
// 取消. 确定 rewrites 图形布置信息表 from the drawing list.
#include "projectdb/drawing_page.h"
#include "projectdb/ui/page_dialog.h"

namespace projectdb {
class CMyPropertyPage31;
}

namespace drawing {

class CDrawingLayoutDlg : public projectdb::CPageDlg<projectdb::DrawingPage, projectdb::CMyPropertyPage31> {
    Q_OBJECT
public:
    CDrawingLayoutDlg(dao::Database& db, projectdb::DrawingPage page, projectdb::PageServices services,
                      QWidget* parent = nullptr);

    // 确定: writes the list; the dialog stays open when the write failed (the error has been shown).
    void OnOK();
};

// The command 绘图信息: reads the layout and the drawing list, runs the dialog; true when 确定 wrote the list.
// A read error is shown and nothing opens.
bool RunDrawingLayoutDialog(dao::Database& db, projectdb::PageServices services, QWidget* parent);

}  // namespace drawing
