#include "platform/interaction/dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

QDialogButtonBox* OkCancelButtons(QDialog* dialog) {
    return OkCancelButtons(dialog, [dialog] { dialog->accept(); });
}

QDialogButtonBox* OkCancelButtons(QDialog* dialog, std::function<void()> onOk) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText("确定");
    buttons->button(QDialogButtonBox::Cancel)->setText("取消");
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, std::move(onOk));
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QDialogButtonBox* StackAboveOkCancel(QDialog* dialog, std::initializer_list<QWidget*> body,
                                     std::function<void()> onOk) {
    auto* layout = new QVBoxLayout(dialog);
    for (QWidget* widget : body) layout->addWidget(widget);
    QDialogButtonBox* buttons = OkCancelButtons(dialog, std::move(onOk));
    layout->addWidget(buttons);
    return buttons;
}

}  // namespace ui
