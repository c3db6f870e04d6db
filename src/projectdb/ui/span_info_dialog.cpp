#include "projectdb/ui/span_info_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "projectdb/field_rules.h"
#include "projectdb/record_access.h"
#include "projectdb/ui/span_page_view.h"
#include "projectdb/wizard_model.h"

namespace projectdb {

CSpanInfoDlg::CSpanInfoDlg(dao::Database& db, SpanPage page, PageServices services, QWidget* parent)
    : QDialog(parent), m_db(db), m_page(std::move(page)), m_services(std::move(services)) {
    setObjectName("CSpanInfoDlg");
    setWindowTitle("桥跨信息");
    auto* layout = new QVBoxLayout(this);
    m_pView = new CMyPropertyPage21(m_page, m_services, this);
    layout->addWidget(m_pView, 1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("确定", QDialogButtonBox::AcceptRole);
    buttons->addButton("取消", QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSpanInfoDlg::OnOK);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(820, 520);
}

void CSpanInfoDlg::OnOK() {
    m_pView->CommitEdits();
    if (auto tooMany = CheckSpanCounts(m_page)) {
        m_services.prompt.message(*tooMany, ui::Buttons::Ok, ui::Icon::Stop, kHintCaption);
        return;
    }
    if (SaveSpanLayout(m_db, m_page, m_services.prompt)) accept();
}

bool RunSpanInfoDialog(dao::Database& db, PageServices services, QWidget* parent) {
    std::optional<SpanPage> page;
    try {
        page = SpanPage::FromProject(db);
    } catch (const dao::DaoException& e) {
        ReportDaoError(e, services.prompt);
        return false;
    }
    CSpanInfoDlg dialog(db, std::move(*page), std::move(services), parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace projectdb
