#include "drawing/ui/drawing_target_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace drawing {

CDrawingTargetDlg::CDrawingTargetDlg(std::optional<DrawingKind> current, QWidget* parent) : QDialog(parent) {
    setObjectName("CDrawingTargetDlg");
    setWindowTitle("确认绘图目标");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("请选择绘图目标：", this));
    m_pList = new QListWidget(this);
    for (int k = 0; k < kDrawingKindCount; ++k)
        m_pList->addItem(QString::fromStdString(KindName(static_cast<DrawingKind>(k))));
    m_pList->setCurrentRow(static_cast<int>(current.value_or(DrawingKind::BridgeLayout)));
    layout->addWidget(m_pList);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("确定", QDialogButtonBox::AcceptRole);
    buttons->addButton("取消", QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    resize(280, 240);
}

DrawingKind CDrawingTargetDlg::kind() const {
    return KindAt(m_pList->currentRow()).value_or(DrawingKind::BridgeLayout);
}

}  // namespace drawing
