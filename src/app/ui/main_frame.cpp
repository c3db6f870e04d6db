#include "app/ui/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <map>

#include "app/project_session.h"
#include "app/shell_texts.h"
#include "app/ui/app_project_host.h"
#include "app/ui/project_window_set.h"
#include "app/ui/recent_files.h"
#include "app/ui/shell_host.h"
#include "drawing/acad_session.h"
#include "platform/windows/ui/window_endpoint.h"
#include "drawing/ui/drawing_combos.h"

namespace {

QString Qs(const std::string& s) { return QString::fromStdString(s); }

QIcon ToolbarIcon(QStyle& style, const std::string& name) {
    static const std::map<std::string, QStyle::StandardPixmap> standard = {
        {"new", QStyle::SP_FileIcon},
        {"open", QStyle::SP_DialogOpenButton},
        {"save", QStyle::SP_DialogSaveButton},
        {"drawing", QStyle::SP_ArrowRight},
        {"shrink", QStyle::SP_TitleBarMinButton},
        {"restore", QStyle::SP_TitleBarNormalButton},
        {"context-help", QStyle::SP_TitleBarContextHelpButton},
    };
    if (name == "about") return QIcon(":/icons/app.svg");
    auto it = standard.find(name);
    return it == standard.end() ? QIcon() : style.standardIcon(it->second);
}

// The status bar's lock indicators, in the order of the lock states.
constexpr const char* kLockTexts[] = {"大写", "数字", "滚动"};

}  // namespace

CMainFrame::CMainFrame(ShellHost& shell) : m_shell(shell), m_commands(app::ShellCommands()) {
    m_pMdiArea = new QMdiArea(this);
    m_pMdiArea->setBackground(QColor(0x80, 0x80, 0x80));
    // Windows that reach beyond the client area stay reachable.
    m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_pMdiArea);
    m_pHost = std::make_unique<AppProjectHost>(m_shell, *this);
    m_pWindows = std::make_unique<ProjectWindowSet>(*m_pMdiArea, *m_pHost,
                                                    [this]() -> app::ProjectSession& { return m_shell.Session(); });
    m_pHost->AttachWindows(*m_pWindows);
    m_pHost->SetCommandRunner([this](int id) { OnCommand(id); });
    connect(m_pWindows.get(), &ProjectWindowSet::projectChanged, this, &CMainFrame::UpdateFrameMenu);
    BindCommands();
    BuildActions();
    BuildToolBar();
    BuildStatusBar();
    UpdateFrameMenu();
    resize(1024, 720);
    RegisterWindow();
}

void CMainFrame::RegisterWindow() {
    // The drawing host finds the shell by this entry to send its quit notice.
    try {
        m_pEndpoint = new windows::WindowEndpoint(*this, windows::WindowDirectory::ForUser(),
                                                  [this](const windows::CopyData& data) { return OnCopyData(data); });
    } catch (const windows::DirectoryError& e) {
        // The search for the drawing host reports the same folder to the user; the shell works on without it.
        qWarning("%s", e.what());
    }
}

std::int32_t CMainFrame::OnCopyData(const windows::CopyData& data) {
    if (!drawing::HandleQuitNotice(data)) return 0;
    // The window may have been hidden or minimised while the user was drawing.
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
    return 1;
}

CMainFrame::~CMainFrame() {
    // The project windows go before the window set and the host their views use.
    delete m_pMdiArea;
    m_pMdiArea = nullptr;
}

browse::ProjectHost& CMainFrame::projectHost() const { return *m_pHost; }

void CMainFrame::BuildActions() {
    for (const app::CommandSpec& spec : m_commands.Specs()) {
        auto* a = new QAction(Qs(spec.menuText.empty() ? spec.statusText : spec.menuText), this);
        a->setData(spec.id);
        if (!spec.shortcut.empty()) a->setShortcut(QKeySequence(Qs(spec.shortcut)));
        a->setStatusTip(Qs(spec.statusText));
        if (!spec.toolTip.empty()) a->setToolTip(Qs(spec.toolTip));
        a->setCheckable(spec.checkable);
        int id = spec.id;
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
            case MenuEntry::WindowList: FillWindowList(menu); break;
            case MenuEntry::Command: menu->addAction(m_actions.value(e.id)); break;
        }
    }
}

void CMainFrame::FillRecentFiles(QMenu* menu) {
    QStringList files = m_shell.RecentProjects();
    if (files.isEmpty()) {
        menu->addAction("最近文件")->setEnabled(false);
        return;
    }
    for (int i = 0; i < files.size() && i < RecentFileList::kSize; ++i) {
        QString path = files[i];
        auto* a = menu->addAction(QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        a->setStatusTip(path);
        connect(a, &QAction::triggered, this,
                [this, path] { m_shell.Session().Open(path.toStdString(), app::OpenRoute::OpenFirst); });
    }
}

void CMainFrame::FillWindowList(QMenu* menu) {
    // The open windows are listed afresh each time the menu opens, the active one checked.
    QList<QAction*> fixed = menu->actions();
    connect(menu, &QMenu::aboutToShow, this, [this, menu, fixed] {
        for (QAction* a : menu->actions())
            if (!fixed.contains(a)) delete a;
        int number = 1;
        for (QMdiSubWindow* window : m_pMdiArea->subWindowList(QMdiArea::CreationOrder)) {
            if (!window->isVisible()) continue;
            QString title = window->windowTitle().replace("[*]", window->isWindowModified() ? "*" : "");
            QAction* a = menu->addAction(QString("&%1 %2").arg(number++).arg(title));
            a->setCheckable(true);
            a->setChecked(window == m_pMdiArea->activeSubWindow());
            connect(a, &QAction::triggered, this, [this, window] { m_pMdiArea->setActiveSubWindow(window); });
        }
    });
}

void CMainFrame::BuildToolBar() {
    m_pToolBar = new QToolBar("工具栏", this);
    m_pToolBar->setObjectName("MainToolBar");
    m_pToolBar->setIconSize(QSize(20, 20));
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
    // The buttons in the rows' order, a separator between groups; the drawing target and the drawing range
    // of the drawing link sit after the second group.
    int group = 0;
    for (const app::CommandSpec& spec : m_commands.Specs()) {
        if (!spec.toolbar) continue;
        if (group != 0 && spec.toolbar->group != group) m_pToolBar->addSeparator();
        if (group == 2 && spec.toolbar->group != group) {
            m_pDrawingCombos = new drawing::CDrawingCombos(
                m_pToolBar, [this] { return m_shell.Session().Database(); }, m_shell.Prompter());
            m_pToolBar->addWidget(m_pDrawingCombos->TargetCombo());
            m_pToolBar->addWidget(m_pDrawingCombos->RangeCombo());
            m_pToolBar->addSeparator();
        }
        group = spec.toolbar->group;
        m_actions[spec.id]->setIcon(ToolbarIcon(*style(), spec.toolbar->icon));
        m_pToolBar->addAction(m_actions[spec.id]);
    }
    action("view-toolbar")->setChecked(true);
    connect(m_pToolBar, &QToolBar::visibilityChanged, action("view-toolbar"), &QAction::setChecked);
}

void CMainFrame::BuildStatusBar() {
    statusBar()->showMessage("就绪");
    for (const char* text : kLockTexts) {
        auto* label = new QLabel(text, this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // The panel keeps its width while its text comes and goes with the lock.
        label->setMinimumWidth(label->sizeHint().width());
        statusBar()->addPermanentWidget(label);
        m_lockIndicators.push_back(label);
    }
    m_readLocks = [] { return windows::ReadLockStates(); };
    // The locks change outside the window too (another window had the focus); a glance a few times a
    // second keeps the indicators true as the framework's idle update does.
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CMainFrame::UpdateLockIndicators);
    timer->start(250);
    UpdateLockIndicators();
    action("view-status-bar")->setChecked(true);
}

void CMainFrame::SetLockReader(std::function<windows::LockStates()> read) {
    m_readLocks = std::move(read);
    UpdateLockIndicators();
}

void CMainFrame::UpdateLockIndicators() {
    const windows::LockStates locks = m_readLocks();
    const bool on[] = {locks.caps, locks.num, locks.scroll};
    for (int i = 0; i < m_lockIndicators.size(); ++i) m_lockIndicators[i]->setText(on[i] ? kLockTexts[i] : "");
}

void CMainFrame::UpdateFrameMenu() {
    const bool project = m_shell.Session().IsOpen();
    menuBar()->clear();
    for (const auto& e : BuildMenuBar(m_commands.Specs(), project ? app::kProjectBar : app::kNoProjectBar)) {
        QMenu* popup = menuBar()->addMenu(Qs(e.text));
        FillMenu(popup, e.children);
        // Some commands depend on what the project holds: their states are taken afresh when a menu opens.
        connect(popup, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    }
    UpdateCommandStates();
    m_pDrawingCombos->SetProjectOpen(project);
    setWindowTitle(Qs(app::MainCaption(m_shell.Session().Path())));
}

void CMainFrame::UpdateCommandStates() {
    dao::Database* project = m_shell.Session().Database();
    for (auto it = m_actions.begin(); it != m_actions.end(); ++it)
        it.value()->setEnabled(m_commands.IsEnabled(it.key(), project));
    // A shrunk window cannot shrink again; its button stays grey until the window is restored.
    action("shrink")->setEnabled(!m_bShrunk);
}

void CMainFrame::OnCommand(int id) { m_commands.Run(id, m_shell.Session()); }
void CMainFrame::OnCommand(std::string_view key) { OnCommand(m_commands.Id(key)); }

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The main window stays while a grid window refuses to close.
    if (!m_pWindows->CloseAll()) {
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
    return m_shell.Session().Open(urls.first().toLocalFile().toStdString(), app::OpenRoute::OpenFirst);
}
