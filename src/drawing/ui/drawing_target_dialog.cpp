#include "drawing/ui/drawing_target_dialog.h"

#include <QLabel>
#include <QListWidget>

#include "platform/interaction/dialog_buttons.h"

namespace drawing {

CDrawingTargetDlg::CDrawingTargetDlg(std::optional<DrawingKind> current, QWidget* parent) : QDialog(parent) {
    setObjectName("CDrawingTargetDlg");
    setWindowTitle("确认绘图目标");
    m_pList = new QListWidget(this);
    for (int k = 0; k < kDrawingKindCount; ++k)
        m_pList->addItem(QString::fromStdString(KindName(static_cast<DrawingKind>(k))));
    m_pList->setCurrentRow(static_cast<int>(current.value_or(DrawingKind::BridgeLayout)));
    ui::StackAboveOkCancel(this, {new QLabel("请选择绘图目标：", this), m_pList}, [this] { accept(); });
    connect(m_pList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    resize(280, 240);
}

DrawingKind CDrawingTargetDlg::kind() const {
    return KindAt(m_pList->currentRow()).value_or(DrawingKind::BridgeLayout);
}

}  // namespace drawing
