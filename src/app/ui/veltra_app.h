#pragma once
// The application object: starts the window system, creates the main frame, holds the project session
// (which owns the one open project database) for the whole run, and records in the shared settings that
// the design shell is running.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>

#include "app/drawing_host.h"
#include "app/project_session.h"
#include "app/ui/recent_files.h"
#include "app/ui/shell_host.h"
#include "drawing/acad_session.h"
#include "drawing/acad_window_directory.h"
#include "platform/interaction/interaction.h"
#include "platform/interaction/qt_printing.h"
#include "platform/modules/module_loader.h"

class CMainFrame;
namespace browse {
class ProjectHost;
}

// How the program was started (from its command line).
struct StartOptions {
    QString projectPath;     // a project named on the command line
    QString screenshotPath;  // render the main window to this PNG and quit (no display needed)
    bool showSplash = true;
    bool showStartDialog = true;
    bool listMenus = false;  // print the menu bar as built and quit
    static StartOptions Parse(const QStringList& arguments);
};

class CVeltraApp : public QObject, public ShellHost {
    Q_OBJECT
public:
    // Runs the whole program: start-up, event loop, exit. Returns the exit status.
    static int Run(int argc, char** argv);

    CVeltraApp();
    ~CVeltraApp() override;

    bool InitInstance(const StartOptions& options);
    int ExitInstance();

    // The framework's road in (recent entries, command line, dropped files, start dialog).
    bool OpenDocumentFile(const QString& path);

    CMainFrame* mainFrame() const { return m_pMainFrame.get(); }
    browse::ProjectHost& projectHost();
    dao::Database* projectDb() const { return m_session.Database(); }
    // m_nProjectWindows: 1 for the tree window plus 1 per grid window, counted from the open windows.
    int ProjectWindowCount() const;
    RecentFileList& recentFiles() { return m_recentFiles; }

    // The interaction the windows use; tests install scripted ones.
    void setInteraction(ui::Prompter* prompter, ui::FileChooser* files);
    // The printer set-up dialog; tests install a scripted one (nullptr gives the window back).
    void setPrinterSetupChooser(ui::PrinterSetupChooser* chooser) {
        m_pPrinterSetupChooser = chooser ? chooser : m_ownPrinterSetupChooser.get();
    }
    // The print dialog; tests install one that prints into a PDF file (nullptr gives the dialog back).
    void setPrintChooser(ui::PrintChooser* chooser) { m_pPrintChooser = chooser ? chooser : &m_ownPrintChooser; }
    // The design modules; tests install a fake (nullptr gives the modules folder back).
    void setModuleLoader(modules::ModuleLoader* loader) { m_pModules = loader ? loader : &m_sharedLibraries; }

    // ShellHost
    app::ProjectSession& Session() override { return m_session; }
    ui::Prompter& Prompter() override { return *m_pPrompter; }
    ui::FileChooser& FileChooser() override { return *m_pFileChooser; }
    modules::ModuleLoader& Modules() override { return *m_pModules; }
    ui::PrinterSetup& Printer() override { return m_printer; }
    ui::PrinterSetupChooser& PrinterSetupChooser() override { return *m_pPrinterSetupChooser; }
    ui::PrintChooser& PrintChooser() override { return *m_pPrintChooser; }
    QStringList RecentProjects() const override { return m_recentFiles.entries(); }
    bool IsAdvancedUser() const override { return m_bAdvancedUser; }
    void SetAdvancedUser(bool on) override { m_bAdvancedUser = on; }
    bool IsNewProject() const override { return m_bNewProject; }
    void SetNewProject(bool on) override { m_bNewProject = on; }
    drawing::AcadSession& Acad() override { return m_acad; }
    app::AcadCommandLink& AcadLink() override { return m_acadLink; }
    // Where the drawing host is looked for; tests install a fake (nullptr gives the window directory back).
    void setWindowSystem(drawing::WindowSystem* windows) {
        m_acad.SetWindowSystem(windows ? *windows : m_windowDirectory);
    }

private:
    // The session's messages go to whichever prompter is installed at the time.
    class PrompterRelay : public ui::Prompter {
    public:
        explicit PrompterRelay(CVeltraApp& app) : m_app(app) {}

    protected:
        ui::Answer show(const std::string& text, ui::Buttons buttons, ui::Icon icon,
                        const std::string& caption) override {
            return m_app.Prompter().message(text, buttons, icon, caption);
        }

    private:
        CVeltraApp& m_app;
    };
    class RecentRelay : public app::RecentProjects {
    public:
        explicit RecentRelay(RecentFileList& list) : m_list(list) {}
        void Add(const std::string& path) override { m_list.add(QString::fromStdString(path)); }

    private:
        RecentFileList& m_list;
    };
    // Forwards the session's window questions to the main frame's window set once it exists.
    class WindowsRelay : public app::ProjectWindows {
    public:
        explicit WindowsRelay(CVeltraApp& app) : m_app(app) {}
        bool CloseGridWindows() override;
        bool CommitGridWindows() override;
        void ShowProject(const std::string& treeCaption) override;
        void ProjectMoved() override;
        void ProjectClosed() override;

    private:
        CVeltraApp& m_app;
    };

    std::unique_ptr<ui::Prompter> m_ownPrompter;
    std::unique_ptr<ui::FileChooser> m_ownFileChooser;
    ui::Prompter* m_pPrompter = nullptr;
    ui::FileChooser* m_pFileChooser = nullptr;
    std::unique_ptr<ui::PrinterSetupChooser> m_ownPrinterSetupChooser;
    ui::PrinterSetupChooser* m_pPrinterSetupChooser = nullptr;
    ui::PrinterSetup m_printer;
    ui::QtPrintChooser m_ownPrintChooser;
    ui::PrintChooser* m_pPrintChooser = &m_ownPrintChooser;
    RecentFileList m_recentFiles;
    PrompterRelay m_prompterRelay{*this};
    RecentRelay m_recentRelay{m_recentFiles};
    WindowsRelay m_windowsRelay{*this};
    drawing::DirectoryWindowSystem m_windowDirectory;
    drawing::AcadSession m_acad{m_windowDirectory, m_prompterRelay};
    app::AcadCommandLink m_acadLink{m_acad};
    modules::SharedLibraryLoader m_sharedLibraries;
    modules::ModuleLoader* m_pModules = &m_sharedLibraries;
    bool m_bAdvancedUser = false;
    bool m_bNewProject = false;
    app::ProjectSession m_session;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    // Looks for a drawing host that started after the project was opened.
    QTimer m_hostWatch;
};
