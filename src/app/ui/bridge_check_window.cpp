#include "app/ui/bridge_check_window.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { kSeverity, kCode, kText, kTable, kColumnCount };

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

CBridgeCheckWindow::CBridgeCheckWindow(Check check, Jump jump, QWidget* parent)
    : QDialog(parent), m_check(std::move(check)), m_jump(std::move(jump)) {
    setWindowTitle("检查");
    auto* layout = new QVBoxLayout(this);
    m_pSummary = new QLabel(this);
    layout->addWidget(m_pSummary);
    m_pList = new QTreeWidget(this);
    m_pList->setColumnCount(kColumnCount);
    m_pList->setHeaderLabels({"级别", "代码", "说明", "数据表"});
    m_pList->setRootIsDecorated(false);
    m_pList->setWordWrap(true);
    m_pList->header()->setSectionResizeMode(kText, QHeaderView::Stretch);
    m_pList->header()->setStretchLastSection(false);
    layout->addWidget(m_pList);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* again = buttons->addButton("重新检查", QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton("关闭", QDialogButtonBox::RejectRole);
    connect(again, &QPushButton::clicked, this, &CBridgeCheckWindow::Recheck);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(buttons);
    connect(m_pList, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item, int) { OnActivated(item); });
    resize(1100, 420);
    Recheck();
}

void CBridgeCheckWindow::Recheck() {
    m_findings = m_check ? m_check() : std::vector<bridge::Finding>();
    m_pList->clear();
    int errors = 0;
    for (std::size_t i = 0; i < m_findings.size(); ++i) {
        const bridge::Finding& f = m_findings[i];
        errors += f.severity == 'E';
        auto* item = new QTreeWidgetItem(m_pList);
        item->setText(kSeverity, f.severity == 'E' ? "错误" : "警告");
        item->setText(kCode, Q(f.code));
        item->setText(kText, Q(f.text));
        item->setText(kTable, f.record >= 0 ? Q(f.table) + QString("（第%1行）").arg(f.record + 1) : Q(f.table));
        item->setData(kSeverity, Qt::UserRole, static_cast<int>(i));
        if (f.severity == 'E') item->setForeground(kSeverity, QColor(Qt::red));
        item->setToolTip(kText, Q(f.text));
    }
    m_pSummary->setText(m_findings.empty() ? QString("没有发现问题。")
                                           : QString("共 %1 项：错误 %2 项，警告 %3 项。双击一项可打开它所在的数据表。")
                                                 .arg(m_findings.size())
                                                 .arg(errors)
                                                 .arg(static_cast<int>(m_findings.size()) - errors));
    m_pList->resizeColumnToContents(kSeverity);
    m_pList->resizeColumnToContents(kCode);
    m_pList->resizeColumnToContents(kTable);
}

void CBridgeCheckWindow::OnActivated(QTreeWidgetItem* item) {
    if (!item) return;
    const int index = item->data(kSeverity, Qt::UserRole).toInt();
    if (index < 0 || index >= static_cast<int>(m_findings.size())) return;
    const bridge::Finding& f = m_findings[index];
    if (!f.table.empty() && m_jump) m_jump(f.table, f.record);
}
