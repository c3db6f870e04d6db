#include "projectdb/ui/general_info_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "projectdb/record_access.h"
#include "projectdb/ui/general_page_view.h"
#include "projectdb/wizard_model.h"

namespace projectdb {

CGeneralInfoDlg::CGeneralInfoDlg(dao::Database& db, GeneralPage page, PageServices services, QWidget* parent)
    : QDialog(parent), m_db(db), m_page(std::move(page)), m_services(std::move(services)) {
    setObjectName("CGeneralInfoDlg");
    setWindowTitle("一般信息");
    auto* layout = new QVBoxLayout(this);
    m_pView = new CMyPropertyPage11(m_page, m_services.prompt, this);
    layout->addWidget(m_pView, 1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("确定", QDialogButtonBox::AcceptRole);
    buttons->addButton("取消", QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CGeneralInfoDlg::OnOK);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CGeneralInfoDlg::OnOK() {
    if (SaveGeneralInformation(m_db, m_page, m_services.prompt)) accept();
}

bool RunGeneralInfoDialog(dao::Database& db, PageServices services, QWidget* parent) {
    std::optional<GeneralPage> page;
    try {
        page = GeneralPage::FromProject(db);
    } catch (const dao::DaoException& e) {
        ReportDaoError(e, services.prompt);
        return false;
    }
    CGeneralInfoDlg dialog(db, std::move(*page), std::move(services), parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace projectdb
