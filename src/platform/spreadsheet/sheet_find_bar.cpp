#include "platform/spreadsheet/sheet_find_bar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace sheet {

SheetFindBar::SheetFindBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("findBar"));
    setWindowTitle(QStringLiteral("查找"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    auto* label = new QLabel(QStringLiteral("查找内容："), this);
    edit_ = new QLineEdit(this);
    label->setBuddy(edit_);
    next_ = new QPushButton(QStringLiteral("下一个"), this);
    previous_ = new QPushButton(QStringLiteral("上一个"), this);
    case_ = new QCheckBox(QStringLiteral("区分大小写"), this);
    auto* close = new QToolButton(this);
    close->setText(QStringLiteral("×"));
    close->setToolTip(QStringLiteral("关闭"));
    close->setAutoRaise(true);
    layout->addWidget(label);
    layout->addWidget(edit_, 1);
    layout->addWidget(next_);
    layout->addWidget(previous_);
    layout->addWidget(case_);
    layout->addWidget(close);
    connect(edit_, &QLineEdit::returnPressed, this, [this] { request(true); });
    connect(next_, &QPushButton::clicked, this, [this] { request(true); });
    connect(previous_, &QPushButton::clicked, this, [this] { request(false); });
    connect(close, &QToolButton::clicked, this, [this] {
        hide();
        emit closed();
    });
}

QString SheetFindBar::text() const {
    return edit_->text();
}

void SheetFindBar::setText(const QString& text) {
    edit_->setText(text);
}

bool SheetFindBar::caseSensitive() const {
    return case_->isChecked();
}

void SheetFindBar::open() {
    show();
    edit_->setFocus();
    edit_->selectAll();
}

void SheetFindBar::request(bool forward) {
    if (edit_->text().isEmpty()) return;
    emit findRequested(edit_->text(), forward, case_->isChecked());
}

void SheetFindBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        emit closed();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace sheet
