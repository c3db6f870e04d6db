#include "app/ui/about_dialog.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>
#include <QUrl>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("关于Ombrix");
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox("当前软件信息", this);
    auto* row = new QHBoxLayout(group);
    auto* picture = new QSvgWidget(":/pictures/about.svg", group);
    picture->setFixedSize(48, 48);
    row->addWidget(picture, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->addWidget(new QLabel("当前软件版本：  4.6.1.1", group));
    auto* link = new QLabel(QString("<a href=\"mailto:%1\">如有问题或建议请与我联系</a>").arg(kSupportAddress), group);
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    link->setOpenExternalLinks(false);
    link->setToolTip(kSupportAddress);
    connect(link, &QLabel::linkActivated, this, [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); });
    texts->addWidget(link);
    row->addLayout(texts, 1);
    layout->addWidget(group);
    auto* ok = new QPushButton("确定", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(340, 0)));
}
