#include "projectdb/ui/general_info_dialog.h"

#include "platform/interaction/dialog_buttons.h"
#include "projectdb/ui/general_page_view.h"
#include "projectdb/wizard_model.h"

namespace projectdb {

CGeneralInfoDlg::CGeneralInfoDlg(dao::Database& db, GeneralPage page, PageServices services, QWidget* parent)
    : CPageDlg(db, std::move(page), std::move(services), parent) {
    setObjectName("CGeneralInfoDlg");
    setWindowTitle("一般信息");
    m_pView = new CMyPropertyPage11(m_page, m_services.prompt, this);
    ui::StackAboveOkCancel(this, {m_pView}, [this] { OnOK(); });
}

void CGeneralInfoDlg::OnOK() {
    if (SaveGeneralInformation(m_db, m_page, m_services.prompt)) accept();
}

bool RunGeneralInfoDialog(dao::Database& db, PageServices services, QWidget* parent) {
    return RunPageDialog<CGeneralInfoDlg>(db, std::move(services), parent, &GeneralPage::FromProject);
}

}  // namespace projectdb
