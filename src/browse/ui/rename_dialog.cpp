#include "browse/ui/rename_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "browse/table_transfer.h"

namespace browse {

std::optional<std::string> AskNewTableName(QWidget* parent, const std::string& clashingName) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QString::fromUtf8(kRenameCaption));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QString::fromUtf8(kRenameLine1), &dialog));
    layout->addWidget(new QLabel(QString::fromUtf8(kRenameLine2), &dialog));
    auto* edit = new QLineEdit(QString::fromStdString(clashingName), &dialog);
    edit->selectAll();
    layout->addWidget(edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.setMinimumWidth(300);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return edit->text().toStdString();
}

}  // namespace browse
