#pragma once
// The 桥跨信息 dialog on an open project: page 2 over the stored layout, 确定 rewrites the five layout
// tables after the member clean-up.
#include "projectdb/span_page.h"
#include "projectdb/ui/page_dialog.h"

namespace projectdb {

class CMyPropertyPage21;

class CSpanInfoDlg : public CPageDlg<SpanPage, CMyPropertyPage21> {
    Q_OBJECT
public:
    CSpanInfoDlg(dao::Database& db, SpanPage page, PageServices services, QWidget* parent = nullptr);

    // 确定: writes the layout; the dialog stays open when the write failed (the error has been shown).
    void OnOK();
};

// The command 桥跨信息: reads the layout, runs the dialog; true when 确定 wrote it. A read error is shown
// and nothing opens.
bool RunSpanInfoDialog(dao::Database& db, PageServices services, QWidget* parent);

}  // namespace projectdb
