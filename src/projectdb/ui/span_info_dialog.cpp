#include "projectdb/ui/span_info_dialog.h"

#include "platform/interaction/dialog_buttons.h"
#include "projectdb/field_rules.h"
#include "projectdb/ui/span_page_view.h"
#include "projectdb/wizard_model.h"

namespace projectdb {

CSpanInfoDlg::CSpanInfoDlg(dao::Database& db, SpanPage page, PageServices services, QWidget* parent)
    : CPageDlg(db, std::move(page), std::move(services), parent) {
    setObjectName("CSpanInfoDlg");
    setWindowTitle("桥跨信息");
    m_pView = new CMyPropertyPage21(m_page, m_services, this);
    ui::StackAboveOkCancel(this, {m_pView}, [this] { OnOK(); });
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
    return RunPageDialog<CSpanInfoDlg>(db, std::move(services), parent, &SpanPage::FromProject);
}

}  // namespace projectdb
