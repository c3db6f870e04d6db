#pragma once
// The 一般信息 dialog on an open project: page 1 over the stored record, 确定 rewrites 一般信息表.
#include <QDialog>

#include "platform/dao/database.h"
#include "projectdb/general_page.h"
#include "projectdb/ui/page_services.h"

namespace projectdb {

class CMyPropertyPage11;

class CGeneralInfoDlg : public QDialog {
    Q_OBJECT
public:
    CGeneralInfoDlg(dao::Database& db, GeneralPage page, PageServices services, QWidget* parent = nullptr);

    GeneralPage& page() { return m_page; }
    CMyPropertyPage11* PageView() const { return m_pView; }
    // 确定: writes the table; the dialog stays open when the write failed (the error has been shown).
    void OnOK();

private:
    dao::Database& m_db;
    GeneralPage m_page;
    PageServices m_services;
    CMyPropertyPage11* m_pView = nullptr;
};

// The command 一般信息: reads the record, runs the dialog; true when 确定 wrote the table. A read error is
// shown and nothing opens.
bool RunGeneralInfoDialog(dao::Database& db, PageServices services, QWidget* parent);

}  // namespace projectdb
