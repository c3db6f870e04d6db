#include "projectdb/ui/wizard_sheet.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "projectdb/field_rules.h"
#include "projectdb/ui/drawing_page_view.h"
#include "projectdb/ui/general_page_view.h"
#include "projectdb/ui/span_page_view.h"

namespace projectdb {

namespace {
const char* const kPageTitles[3] = {"一般信息", "桥跨信息", "绘图信息"};
}

ui::FileRequest NewProjectFileRequest() {
    ui::FileRequest request;
    request.save = true;
    request.title = kSaveProjectTitle;
    request.defaultExtension = "vlt";
    request.filter = "桥梁CAD项目文件 (*.vlt)|*.vlt|所有文件 (*.*)|*.*||";
    request.overwritePrompt = true;
    return request;
}

CMyPropertySheet1::CMyPropertySheet1(PageServices services, FinishSteps steps, QWidget* parent)
    : QDialog(parent), m_services(std::move(services)), m_steps(std::move(steps)) {
    setObjectName("CMyPropertySheet1");
    setWindowTitle("Wizard");
    auto* layout = new QVBoxLayout(this);
    m_pTitle = new QLabel(this);
    QFont bold = m_pTitle->font();
    bold.setBold(true);
    m_pTitle->setFont(bold);
    layout->addWidget(m_pTitle);

    m_pPages = new QStackedWidget(this);
    m_pPage1 = new CMyPropertyPage11(m_wizard.general(), m_services.prompt, m_pPages);
    m_pPage2 = new CMyPropertyPage21(m_wizard.spans(), m_services, m_pPages);
    m_pPage3 = new CMyPropertyPage31(m_wizard.drawings(), m_services, m_pPages);
    m_pPages->addWidget(m_pPage1);
    m_pPages->addWidget(m_pPage2);
    m_pPages->addWidget(m_pPage3);
    layout->addWidget(m_pPages, 1);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);
    auto* buttons = new QHBoxLayout;
    m_pBack = new QPushButton("< 上一步(&B)", this);
    m_pNext = new QPushButton("下一步(&N) >", this);
    m_pFinish = new QPushButton("完成", this);
    m_pCancel = new QPushButton("取消", this);
    buttons->addStretch(1);
    for (QPushButton* b : {m_pBack, m_pNext, m_pFinish, m_pCancel}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(m_pBack, &QPushButton::clicked, this, &CMyPropertySheet1::OnBack);
    connect(m_pNext, &QPushButton::clicked, this, &CMyPropertySheet1::OnNext);
    connect(m_pFinish, &QPushButton::clicked, this, &CMyPropertySheet1::OnFinish);
    connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);
    ShowPage(0);
    resize(900, 620);
}

CMyPropertySheet1::~CMyPropertySheet1() = default;

int CMyPropertySheet1::CurrentPage() const { return m_pPages->currentIndex(); }

void CMyPropertySheet1::ShowPage(int index) {
    if (index == 2) {
        m_wizard.OnDrawingPageShown();
        m_pPage3->Refresh();
    }
    m_pPages->setCurrentIndex(index);
    m_pTitle->setText(kPageTitles[index]);
    // Page 1 offers Next only, page 2 Back and Next, page 3 Back and Finish (in Next's place).
    m_pBack->setEnabled(index > 0);
    m_pNext->setVisible(index < 2);
    m_pFinish->setVisible(index == 2);
    (index == 2 ? m_pFinish : m_pNext)->setDefault(true);
}

void CMyPropertySheet1::OnBack() {
    if (CurrentPage() == 1) m_pPage2->CommitEdits();
    if (CurrentPage() == 2) m_pPage3->CommitEdits();
    if (CurrentPage() > 0) ShowPage(CurrentPage() - 1);
}

void CMyPropertySheet1::OnNext() {
    if (CurrentPage() == 1) m_pPage2->CommitEdits();
    if (CurrentPage() < 2) ShowPage(CurrentPage() + 1);
}

void CMyPropertySheet1::OnFinish() {
    m_pPage3->CommitEdits();
    if (auto tooMany = CheckSpanCounts(m_wizard.spans())) {
        m_services.prompt.message(*tooMany, ui::Buttons::Ok, ui::Icon::Stop, kHintCaption);
        return;
    }
    std::string path = m_services.files.choose(NewProjectFileRequest());
    if (path.empty()) return;  // back to the wizard with its input
    m_result = m_wizard.Finish(path, m_steps, m_services.prompt);
    // A database error has been shown; the input stays for another try.
    if (*m_result != FinishResult::Failed) accept();
}

}  // namespace projectdb
