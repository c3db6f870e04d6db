#pragma once
// The application object: starts the window system, creates the main frame, owns the one open project
// database for the whole run, and records in the shared settings that the design shell is running.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "app/recent_files.h"
#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

class CMainFrame;
class CChildFrame;
class CChildFrame1;
class CVeltraDoc;
class QMdiSubWindow;
namespace browse {
class ProjectHost;
}

// A kind of project window: the menu it shows and how its frame (with its view) is made for a document.
struct CDocTemplate {
    int menuResource = 0;
    std::function<QMdiSubWindow*(CVeltraDoc*)> createFrame;
};

// How the program was started (from its command line).
struct StartOptions {
    QString projectPath;     // a project named on the command line
    QString screenshotPath;  // render the main window to this PNG and quit (no display needed)
    bool showSplash = true;
    bool showStartDialog = true;
    static StartOptions Parse(const QStringList& arguments);
};

class CVeltraApp : public QObject {
    Q_OBJECT
public:
    // Runs the whole program: start-up, event loop, exit. Returns the exit status.
    static int Run(int argc, char** argv);
    // The one application object; exists from InitInstance to ExitInstance.
    static CVeltraApp& Instance();
    static bool HasInstance();

    CVeltraApp();
    ~CVeltraApp() override;

    bool InitInstance(const StartOptions& options);
    int ExitInstance();

    // Project lifecycle (the framework's roads in: recent entries, command line, dropped files, start dialog).
    bool OpenDocumentFile(const QString& path);
    // Closes the open project and its windows; false when a grid window refused to close.
    bool CloseProject();

    CMainFrame* mainFrame() const { return m_pMainFrame; }
    browse::ProjectHost& projectHost() { return *m_pHost; }
    // Replaces the open project database (closing the old one); none closes it.
    void SetProjectDatabase(std::unique_ptr<dao::Database> db);
    // Makes `db` the open project and shows it: tree window, project menu, caption, the drawing host told.
    void ShowProject(std::unique_ptr<dao::Database> db, const QString& treeCaption);
    RecentFileList& recentFiles() { return m_recentFiles; }
    dao::Database* projectDb() const { return m_pProjectDb.get(); }
    bool advancedUser() const { return m_bAdvancedUser; }
    void setAdvancedUser(bool on) { m_bAdvancedUser = on; }

    // The interaction the windows use; tests install scripted ones.
    ui::Prompter& prompter() { return *m_pPrompter; }
    ui::FileChooser& fileChooser() { return *m_pFileChooser; }
    void setInteraction(ui::Prompter* prompter, ui::FileChooser* files);

    // Members named by the system.
    std::unique_ptr<dao::Database> m_pProjectDb;
    int m_nProjectWindows = 0;
    CChildFrame1* m_pTreeFrame = nullptr;
    std::vector<CChildFrame*> m_gridFrames;
    int m_bNewProject = 0;
    std::unique_ptr<CDocTemplate> m_pGridTemplate, m_pTreeTemplate;

private:
    CMainFrame* m_pMainFrame = nullptr;
    std::unique_ptr<browse::ProjectHost> m_pHost;
    RecentFileList m_recentFiles;
    bool m_bAdvancedUser = false;
    std::unique_ptr<ui::Prompter> m_ownPrompter;
    std::unique_ptr<ui::FileChooser> m_ownFileChooser;
    ui::Prompter* m_pPrompter = nullptr;
    ui::FileChooser* m_pFileChooser = nullptr;
};

// The window handle of the running drawing host's main window; 0 when none is known.
std::intptr_t& AcadWindow();

// Sends a command line to the drawing host; does nothing while no drawing host is known.
void SendToDrawingHost(const std::string& commandLine);
