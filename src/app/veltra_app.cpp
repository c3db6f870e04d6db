#include "app/veltra_app.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QTimer>

#include "app/app_project_host.h"
#include "app/child_frames.h"
#include "browse/ui/bri_form_view.h"
#include "browse/ui/bri_tree_view.h"
#include "app/main_frame.h"
#include "app/splash.h"
#include "platform/interaction/qt_interaction.h"
#include "platform/registry/registry.h"

namespace {

CVeltraApp* g_theApp = nullptr;

}  // namespace

std::intptr_t& AcadWindow() {
    static std::intptr_t handle = 0;
    return handle;
}

StartOptions StartOptions::Parse(const QStringList& arguments) {
    StartOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == "--screenshot" && i + 1 < arguments.size()) {
            options.screenshotPath = arguments[++i];
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

void SendToDrawingHost(const std::string& commandLine) {
    if (AcadWindow() == 0) return;
    (void)commandLine;  // the link to the drawing host carries it once a host has announced itself
}

CVeltraApp::CVeltraApp() {
    g_theApp = this;
    m_pHost = std::make_unique<AppProjectHost>(*this);
    m_ownPrompter = std::make_unique<ui::QtPrompter>();
    m_ownFileChooser = std::make_unique<ui::QtFileChooser>();
    m_pPrompter = m_ownPrompter.get();
    m_pFileChooser = m_ownFileChooser.get();
}

CVeltraApp::~CVeltraApp() {
    delete m_pMainFrame;
    m_pMainFrame = nullptr;
    if (g_theApp == this) g_theApp = nullptr;
}

CVeltraApp& CVeltraApp::Instance() { return *g_theApp; }
bool CVeltraApp::HasInstance() { return g_theApp != nullptr; }

void CVeltraApp::setInteraction(ui::Prompter* prompter, ui::FileChooser* files) {
    m_pPrompter = prompter ? prompter : m_ownPrompter.get();
    m_pFileChooser = files ? files : m_ownFileChooser.get();
}

bool CVeltraApp::InitInstance(const StartOptions& options) {
    // The start-up picture first: it shows for a second before the main window is built.
    if (options.showSplash) ShowStartupPicture(1000);

    // Control containment, OLE and three-dimensional controls have no counterpart here: Qt's widgets need
    // no such initialisation.
    m_recentFiles.load();
    QIcon icon(":/icons/app.svg");
    QApplication::setWindowIcon(icon);

    m_pMainFrame = new CMainFrame;
    // Both kinds of project window show the project menu; neither is known to a document manager, so there
    // is no New or Open of the framework's own.
    m_pTreeTemplate = std::make_unique<CDocTemplate>();
    m_pTreeTemplate->menuResource = 148;
    m_pTreeTemplate->createFrame = [this](CVeltraDoc* doc) -> QMdiSubWindow* {
        return new CChildFrame1(doc, new browse::CBriTreeView(*m_pHost));
    };
    m_pGridTemplate = std::make_unique<CDocTemplate>();
    m_pGridTemplate->menuResource = 148;
    m_pGridTemplate->createFrame = [this](CVeltraDoc* doc) -> QMdiSubWindow* {
        return new CChildFrame(doc, new browse::CBriFormView(*m_pHost));
    };

    // No drawing host is known until one announces itself.
    AcadWindow() = 0;

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

    if (!m_pProjectDb && options.showStartDialog) m_pMainFrame->ShowStartDialog();

    registry::WriteSetting("Running State", "VeltraIsRunning", "Yes");
    return true;
}

int CVeltraApp::ExitInstance() {
    m_pTreeTemplate.reset();
    m_pGridTemplate.reset();
    if (m_pProjectDb) {
        m_pProjectDb->Close();
        m_pProjectDb.reset();
    }
    registry::WriteSetting("Running State", "VeltraIsRunning", "No");
    return 0;
}

int CVeltraApp::Run(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Veltra");
    QApplication::setApplicationName("Veltra");
    QApplication::setApplicationDisplayName("LumarisOmbrix");
    QApplication::setApplicationVersion("4.6.1.1");
    StartOptions options = StartOptions::Parse(QApplication::arguments());

    CVeltraApp app;
    if (!app.InitInstance(options)) return 1;
    int status = 0;
    if (!options.screenshotPath.isEmpty()) {
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
