#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QWhatsThis>

#include "app/about_dialog.h"
#include "app/command_ids.h"
#include "app/veltra_app.h"
#include "calc/ui/calc_windows.h"

namespace {

constexpr const char* kAppTitle = "LumarisOmbrix";

QString Qs(const std::string& s) { return QString::fromStdString(s); }

// "新建(&N)\tCtrl+N" -> text "新建(&N)" and shortcut "Ctrl+N".
std::pair<QString, QString> SplitShortcut(const std::string& text) {
    QString t = Qs(text);
    int tab = t.indexOf('\t');
    if (tab < 0) return {t, {}};
    return {t.left(tab), t.mid(tab + 1)};
}

}  // namespace

CMainFrame::CMainFrame() {
    m_pMdiArea = new QMdiArea(this);
    m_pMdiArea->setBackground(QColor(0x80, 0x80, 0x80));
    setCentralWidget(m_pMdiArea);
    BuildActions(NoProjectMenu());
    BuildActions(ProjectMenu());
    BuildToolBar();
    BuildStatusBar();
    UpdateFrameMenu();
    resize(1024, 720);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::BuildActions(const std::vector<MenuEntry>& entries) {
    for (const auto& e : entries) {
        if (e.kind == MenuEntry::Popup) {
            BuildActions(e.children);
            continue;
        }
        if (e.kind != MenuEntry::Command || m_actions.contains(e.id)) continue;
        auto [text, shortcut] = SplitShortcut(e.text);
        auto* a = new QAction(text, this);
        if (!shortcut.isEmpty()) a->setShortcut(QKeySequence(shortcut));
        QString status = Qs(e.statusText);
        a->setStatusTip(status.section('\n', 0, 0));
        if (status.contains('\n')) a->setToolTip(status.section('\n', 1));
        a->setCheckable(e.checkable);
        a->setEnabled(IsCommandAvailable(e.id));
        int id = e.id;
        connect(a, &QAction::triggered, this, [this, id] { OnCommand(id); });
        addAction(a);  // shortcuts work whichever menu is shown
        m_actions.insert(id, a);
    }
}

void CMainFrame::FillMenu(QMenu* menu, const std::vector<MenuEntry>& entries) {
    for (const auto& e : entries) {
        switch (e.kind) {
            case MenuEntry::Separator: menu->addSeparator(); break;
            case MenuEntry::Popup: FillMenu(menu->addMenu(Qs(e.text)), e.children); break;
            case MenuEntry::RecentFiles: FillRecentFiles(menu); break;
            case MenuEntry::Command: menu->addAction(m_actions.value(e.id)); break;
        }
    }
}

void CMainFrame::FillRecentFiles(QMenu* menu) {
    QStringList files = CVeltraApp::HasInstance() ? CVeltraApp::Instance().recentFiles().entries() : QStringList();
    if (files.isEmpty()) {
        menu->addAction("最近文件")->setEnabled(false);
        return;
    }
    for (int i = 0; i < files.size() && i < cmd::kRecentCount; ++i) {
        QString path = files[i];
        auto* a = menu->addAction(QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        a->setStatusTip(path);
        connect(a, &QAction::triggered, this, [path] { CVeltraApp::Instance().OpenDocumentFile(path); });
    }
}

void CMainFrame::BuildMenuBar(const std::vector<MenuEntry>& entries) {
    menuBar()->clear();
    for (const auto& e : entries) FillMenu(menuBar()->addMenu(Qs(e.text)), e.children);
}

void CMainFrame::BuildToolBar() {
    m_pToolBar = new QToolBar("工具栏", this);
    m_pToolBar->setObjectName("MainToolBar");
    m_pToolBar->setIconSize(QSize(20, 20));
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
    QStyle* s = style();
    m_actions[cmd::kNew]->setIcon(s->standardIcon(QStyle::SP_FileIcon));
    m_actions[cmd::kOpen]->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
    m_actions[cmd::kSave]->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    m_actions[cmd::kAbout]->setIcon(QIcon(":/icons/app.svg"));
    m_pToolBar->addAction(m_actions[cmd::kNew]);
    m_pToolBar->addAction(m_actions[cmd::kOpen]);
    m_pToolBar->addAction(m_actions[cmd::kSave]);
    m_pToolBar->addSeparator();
    m_pToolBar->addAction(m_actions[cmd::kAbout]);
    auto* contextHelp = QWhatsThis::createAction(this);
    contextHelp->setText("帮助");
    m_pToolBar->addAction(contextHelp);
    m_actions[cmd::kViewToolbar]->setChecked(true);
    connect(m_pToolBar, &QToolBar::visibilityChanged, m_actions[cmd::kViewToolbar], &QAction::setChecked);
}

void CMainFrame::BuildStatusBar() {
    statusBar()->showMessage("就绪");
    for (const char* text : {"大写", "数字", "滚动"}) {
        auto* label = new QLabel(text, this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setEnabled(false);  // lock keys are not readable portably; shown as the indicators are
        statusBar()->addPermanentWidget(label);
    }
    m_actions[cmd::kViewStatusBar]->setChecked(true);
}

void CMainFrame::UpdateFrameMenu() {
    bool project = CVeltraApp::HasInstance() && CVeltraApp::Instance().projectDb();
    BuildMenuBar(project ? ProjectMenu() : NoProjectMenu());
    m_actions[cmd::kSave]->setEnabled(project);
    UpdateCaption();
}

void CMainFrame::UpdateCaption() {
    QString caption = kAppTitle;
    if (CVeltraApp::HasInstance())
        if (auto* db = CVeltraApp::Instance().projectDb()) caption += " - [" + Qs(db->GetName()) + "]";
    setWindowTitle(caption);
}

void CMainFrame::OnCommand(int id) {
    auto& app = CVeltraApp::Instance();
    switch (id) {
        case cmd::kAbout: OnAppAbout(); break;
        case cmd::kExit: close(); break;
        case cmd::kViewToolbar: m_pToolBar->setVisible(!m_pToolBar->isVisible()); break;
        case cmd::kViewStatusBar: {
            statusBar()->setVisible(!statusBar()->isVisible());
            m_actions[cmd::kViewStatusBar]->setChecked(statusBar()->isVisible());
            break;
        }
        case cmd::kAdvancedUser: app.setAdvancedUser(m_actions[cmd::kAdvancedUser]->isChecked()); break;
        case cmd::kPierForces: OpenPierForceWindow(this); break;
        case cmd::kCulvert: OpenCulvertTool(this); break;
        default: OnProjectCommand(id); break;
    }
}

void CMainFrame::OnAppAbout() {
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!CanCloseMainWindow()) {
        event->ignore();
        return;
    }
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    if (OnDropFiles(event->mimeData()->urls())) event->acceptProposedAction();
}

bool CMainFrame::OnDropFiles(const QList<QUrl>& urls) {
    // A dropped file is opened like a recent entry; of several files the first is taken.
    if (urls.isEmpty() || !urls.first().isLocalFile()) return false;
    return CVeltraApp::Instance().OpenDocumentFile(urls.first().toLocalFile());
}
