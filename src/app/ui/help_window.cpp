#include "app/ui/help_window.h"

#include <QAction>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QString ReadResource(const QString& url) {
    QFile file(QString(url).replace("qrc:", ":"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

bool CHelpWindow::ManualPresent() { return QFile::exists(":/help/index.html"); }

CHelpWindow::CHelpWindow(QWidget* parent) : QMainWindow(parent, Qt::Window) {
    setWindowTitle("LumarisOmbrix 帮助");
    setAttribute(Qt::WA_DeleteOnClose);
    resize(900, 640);
    m_pBrowser = new QTextBrowser(this);
    m_pBrowser->setOpenExternalLinks(true);
    setCentralWidget(m_pBrowser);

    auto* navigation = addToolBar("导航");
    navigation->setObjectName("HelpNavigation");
    QAction* back = navigation->addAction(style()->standardIcon(QStyle::SP_ArrowBack), "后退", m_pBrowser,
                                          &QTextBrowser::backward);
    QAction* forward = navigation->addAction(style()->standardIcon(QStyle::SP_ArrowForward), "前进", m_pBrowser,
                                             &QTextBrowser::forward);
    navigation->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), "目录", this,
                          [this] { ShowPage(kIndexPage); });
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* side = new QWidget(this);
    auto* layout = new QVBoxLayout(side);
    layout->addWidget(new QLabel("目录", side));
    m_pContents = new QListWidget(side);
    layout->addWidget(m_pContents, 2);
    layout->addWidget(new QLabel("搜索", side));
    m_pSearch = new QLineEdit(side);
    m_pSearch->setPlaceholderText("输入要查找的文字");
    layout->addWidget(m_pSearch);
    m_pResults = new QListWidget(side);
    layout->addWidget(m_pResults, 1);
    auto* dock = new QDockWidget("帮助主题", this);
    dock->setObjectName("HelpTopics");
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setWidget(side);
    addDockWidget(Qt::LeftDockWidgetArea, dock);

    LoadPages();
    auto open = [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toString()); };
    connect(m_pContents, &QListWidget::itemActivated, this, open);
    connect(m_pContents, &QListWidget::itemClicked, this, open);
    connect(m_pResults, &QListWidget::itemActivated, this, open);
    connect(m_pResults, &QListWidget::itemClicked, this, open);
    connect(m_pSearch, &QLineEdit::returnPressed, this, [this] { Search(m_pSearch->text()); });
    ShowPage(kIndexPage);
}

void CHelpWindow::LoadPages() {
    // The contents are the pages the first page links to, in its order.
    QString index = ReadResource(kIndexPage);
    QStringList urls{kIndexPage};
    static const QRegularExpression link(R"(href="([^"#:]+\.html)\")");
    for (auto it = link.globalMatch(index); it.hasNext();) urls << "qrc:/help/" + it.next().captured(1);
    for (const QString& url : urls) {
        QTextDocument document;
        document.setHtml(ReadResource(url));
        Page page{url, document.metaInformation(QTextDocument::DocumentTitle), document.toPlainText()};
        m_pages << page;
        auto* item = new QListWidgetItem(page.title, m_pContents);
        item->setData(Qt::UserRole, url);
    }
}

void CHelpWindow::ShowPage(const QString& page) { m_pBrowser->setSource(QUrl(page)); }

void CHelpWindow::Search(const QString& words) {
    m_pResults->clear();
    if (words.trimmed().isEmpty()) return;
    for (const Page& page : m_pages)
        if (page.text.contains(words.trimmed(), Qt::CaseInsensitive)) {
            auto* item = new QListWidgetItem(page.title, m_pResults);
            item->setData(Qt::UserRole, page.url);
        }
    if (m_pResults->count() == 0) new QListWidgetItem("没有找到", m_pResults);
}
