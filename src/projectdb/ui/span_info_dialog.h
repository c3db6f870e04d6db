#pragma once
// The 桥跨信息 dialog on an open project: page 2 over the stored layout, 确定 rewrites the five layout
// tables after the member clean-up.
#include <QDialog>

#include "platform/dao/database.h"
#include "projectdb/span_page.h"
#include "projectdb/ui/page_services.h"

namespace projectdb {

class CMyPropertyPage21;

class CSpanInfoDlg : public QDialog {
    Q_OBJECT
public:
    CSpanInfoDlg(dao::Database& db, SpanPage page, PageServices services, QWidget* parent = nullptr);

    SpanPage& page() { return m_page; }
    CMyPropertyPage21* PageView() const { return m_pView; }
    // 确定: writes the layout; the dialog stays open when the write failed (the error has been shown).
    void OnOK();

private:
    dao::Database& m_db;
    SpanPage m_page;
    PageServices m_services;
    CMyPropertyPage21* m_pView = nullptr;
};

// The command 桥跨信息: reads the layout, runs the dialog; true when 确定 wrote it. A read error is shown
// and nothing opens.
bool RunSpanInfoDialog(dao::Database& db, PageServices services, QWidget* parent);

}  // namespace projectdb
