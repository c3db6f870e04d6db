#pragma once
// The 一般信息 dialog on an open project: page 1 over the stored record, 确定 rewrites 一般信息表.
#include "projectdb/general_page.h"
#include "projectdb/ui/page_dialog.h"

namespace projectdb {

class CMyPropertyPage11;

class CGeneralInfoDlg : public CPageDlg<GeneralPage, CMyPropertyPage11> {
    Q_OBJECT
public:
    CGeneralInfoDlg(dao::Database& db, GeneralPage page, PageServices services, QWidget* parent = nullptr);

    // 确定: writes the table; the dialog stays open when the write failed (the error has been shown).
    void OnOK();
};

// The command 一般信息: reads the record, runs the dialog; true when 确定 wrote the table. A read error is
// shown and nothing opens.
bool RunGeneralInfoDialog(dao::Database& db, PageServices services, QWidget* parent);

}  // namespace projectdb
