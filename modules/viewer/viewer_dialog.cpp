#include "viewer/viewer_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "viewer/member_picture.h"

namespace viewer {

ViewerDialog::ViewerDialog(const std::string& kind, const std::vector<std::string>& values, QWidget* parent)
    : QDialog(parent),
      m_pValues(new QTableWidget(this)),
      m_pPicture(new MemberPicture(MemberBlocks(kind, values), this)) {
    setWindowTitle(QStringLiteral("三维模型预览 - ") + QString::fromStdString(kind));
    std::vector<LabelledValue> labelled = LabelValues(kind, values);
    m_pValues->setColumnCount(2);
    m_pValues->setHorizontalHeaderLabels({QStringLiteral("名称"), QStringLiteral("数值")});
    m_pValues->setRowCount(static_cast<int>(labelled.size()));
    m_pValues->verticalHeader()->setVisible(false);
    m_pValues->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < static_cast<int>(labelled.size()); ++row) {
        m_pValues->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(labelled[row].caption)));
        m_pValues->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(labelled[row].value)));
    }
    m_pValues->resizeColumnsToContents();
    m_pValues->horizontalHeader()->setStretchLastSection(true);
    m_pValues->verticalHeader()->setDefaultSectionSize(m_pValues->fontMetrics().height() + 6);
    m_pValues->setMinimumWidth(260);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_pValues);
    splitter->addWidget(m_pPicture);
    splitter->setStretchFactor(1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(buttons);
    resize(860, 520);
}

}  // namespace viewer
