#include "app/ui/veltra_app.h"

#include <QApplication>
#include <QIcon>
#include <QMenuBar>
#include <cstdio>
#include <cstring>

#include "app/ui/main_frame.h"
#include "app/ui/menu_listing.h"
#include "app/ui/project_window_set.h"
#include "app/ui/splash.h"
#include "projectdb/record_access.h"
#include "platform/interaction/console.h"
#include "platform/interaction/qt_interaction.h"
#include "platform/interaction/on_screen.h"
#include "platform/interaction/qt_print_setup.h"
#include "platform/interaction/translations.h"
#include "platform/registry/registry.h"

StartOptions StartOptions::Parse(const QStringList& arguments) {
    StartOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == "--screenshot" && i + 1 < arguments.size()) {
            options.screenshotPath = arguments[++i];
            options.showSplash = false;
            options.showStartDialog = false;
        } else if (a == "--list-menus") {
            options.listMenus = true;
            options.showSplash = false;
            options.showStartDialog = false;
        } else if (a == "--no-splash") {
            options.showSplash = false;
        } else if (!a.startsWith("--") && options.projectPath.isEmpty()) {
            options.projectPath = a;
        }
    }
    return options;
}

CVeltraApp::CVeltraApp()
    : m_ownPrompter(std::make_unique<ui::QtPrompter>()),
      m_ownFileChooser(std::make_unique<ui::QtFileChooser>()),
      m_pPrompter(m_ownPrompter.get()),
      m_pFileChooser(m_ownFileChooser.get()),
      m_ownPrinterSetupChooser(std::make_unique<ui::QtPrinterSetupChooser>()),
      m_pPrinterSetupChooser(m_ownPrinterSetupChooser.get()),
      m_session(app::SessionServices{m_prompterRelay, &m_windowsRelay, &m_recentRelay, &m_acadLink}) {
    static_cast<ui::QtFileChooser*>(m_ownFileChooser.get())->setProjectPath([this] { return m_session.Path(); });
}

CVeltraApp::~CVeltraApp() {
    // The database goes first, so that no window asks about a project while the windows are destroyed.
    m_session.Release();
    projectdb::SetHelpPageOpener(nullptr);
    m_pMainFrame.reset();
}

void CVeltraApp::setInteraction(ui::Prompter* prompter, ui::FileChooser* files) {
    m_pPrompter = prompter ? prompter : m_ownPrompter.get();
    m_pFileChooser = files ? files : m_ownFileChooser.get();
}

browse::ProjectHost& CVeltraApp::projectHost() { return m_pMainFrame->projectHost(); }

int CVeltraApp::ProjectWindowCount() const {
    return m_pMainFrame ? m_pMainFrame->projectWindows().ProjectWindowCount() : 0;
}

bool CVeltraApp::OpenDocumentFile(const QString& path) {
    return m_session.Open(path.toStdString(), app::OpenRoute::OpenFirst);
}

bool CVeltraApp::InitInstance(const StartOptions& options) {
    // The start-up picture first: it shows for a second before the main window is built.
    if (options.showSplash) ShowStartupPicture(1000);

    // Control containment, OLE and three-dimensional controls have no counterpart here: Qt's widgets need
    // no such initialisation.
    m_recentFiles.load();
    QIcon icon(":/icons/app.svg");
    QApplication::setWindowIcon(icon);
    m_pMainFrame = std::make_unique<CMainFrame>(*this);
    projectdb::SetHelpPageOpener([frame = m_pMainFrame.get()](const std::string& page) { frame->ShowHelpPage(page); });

    // A drawing host already running is found before the command line opens a project, so that it is
    // told to load that project.
    AcadWindow() = 0;
    m_acad.FindAcadWindow(AcadWindow());

    // A project named on the command line that cannot be opened ends the start-up (its error was shown).
    if (!options.projectPath.isEmpty() && !OpenDocumentFile(options.projectPath)) return false;

    m_pMainFrame->setAcceptDrops(true);
    m_pMainFrame->setWindowIcon(icon);
    if (options.screenshotPath.isEmpty()) {
        m_pMainFrame->showMaximized();
    } else {
        // Offscreen there is no screen to maximise to: take a desktop-sized window.
        m_pMainFrame->resize(1280, 800);
        m_pMainFrame->show();
    }

    if (!m_session.IsOpen() && options.showStartDialog) m_pMainFrame->ShowStartDialog();

    // A host started later gets the open project as one running at start-up does.
    m_hostWatch.setInterval(app::kHostWatchMilliseconds);
    connect(&m_hostWatch, &QTimer::timeout, this, [this] { m_acadLink.Poll(m_session.IsOpen()); });
    m_hostWatch.start();

    registry::WriteSetting("Running State", "VeltraIsRunning", "Yes");
    return true;
}

int CVeltraApp::ExitInstance() {
    m_hostWatch.stop();
    m_session.Release();
    registry::WriteSetting("Running State", "VeltraIsRunning", "No");
    return 0;
}

bool CVeltraApp::WindowsRelay::CloseGridWindows() {
    return !m_app.m_pMainFrame || m_app.m_pMainFrame->projectWindows().CloseGridWindows();
}

bool CVeltraApp::WindowsRelay::CommitGridWindows() {
    return !m_app.m_pMainFrame || m_app.m_pMainFrame->projectWindows().CommitGridWindows();
}

void CVeltraApp::WindowsRelay::ShowProject(const std::string& treeCaption) {
    if (m_app.m_pMainFrame) m_app.m_pMainFrame->projectWindows().ShowProject(treeCaption);
}

void CVeltraApp::WindowsRelay::ProjectMoved() {
    if (m_app.m_pMainFrame) m_app.m_pMainFrame->projectWindows().ProjectMoved();
}

void CVeltraApp::WindowsRelay::ProjectClosed() {
    if (m_app.m_pMainFrame) m_app.m_pMainFrame->projectWindows().ProjectClosed();
}

namespace {

// Runs that only print or render need no display.
void UseOffscreenWithoutDisplay(int argc, char** argv) {
    bool batch = false;
    for (int i = 1; i < argc; ++i)
        batch = batch || std::strcmp(argv[i], "--list-menus") == 0 || std::strcmp(argv[i], "--screenshot") == 0;
    if (batch && !qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace

int CVeltraApp::Run(int argc, char** argv) {
    UseOffscreenWithoutDisplay(argc, argv);
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Veltra");
    // The application title; no display name is set, so that window titles are exactly what the program
    // sets ("LumarisOmbrix - [path]") and the toolkit appends nothing.
    QApplication::setApplicationName("LumarisOmbrix");
    QApplication::setApplicationVersion("4.6.1.1");
    // The toolkit's own buttons and dialogs speak Chinese like the rest of the program.
    ui::InstallChineseTranslations(application);
    ui::KeepWindowsOnScreen onScreen;
    application.installEventFilter(&onScreen);
    StartOptions options = StartOptions::Parse(QApplication::arguments());

    CVeltraApp app;
    // A printing run has nobody to answer a message box: its messages go to standard error.
    ui::ConsolePrompter console(false);
    if (options.listMenus) app.setInteraction(&console, nullptr);
    if (!app.InitInstance(options)) return 1;
    int status = 0;
    if (options.listMenus) {
        std::fputs(ListMenus(*app.mainFrame()->menuBar()).toUtf8().constData(), stdout);
        app.mainFrame()->close();
    } else if (!options.screenshotPath.isEmpty()) {
        QApplication::processEvents();
        bool saved = app.mainFrame()->grab().save(options.screenshotPath);
        app.mainFrame()->close();
        status = saved ? 0 : 1;
    } else {
        status = QApplication::exec();
    }
    app.ExitInstance();
    return status;
}
