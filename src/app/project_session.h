#pragma once
// The project session: the one open project database and the only way to open, close and save it under
// another name. Each operation is one sequence, the same for the windows, the command line and the tests;
// whoever shows the project answers the few questions the session asks of it (ProjectWindows).
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/project_marker.h"
#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

namespace app {

// What the session needs of the windows that show the project. The command line has none.
class ProjectWindows {
public:
    virtual ~ProjectWindows() = default;
    // Asks every grid window, in the order they were opened, to close (each saves or discards its pending
    // edits); false at the first that refuses, which then stays open with those after it.
    virtual bool CloseGridWindows() = 0;
    // Asks every grid window to write its pending edits back; false at the first that could not.
    virtual bool CommitGridWindows() = 0;
    // The session has made a project open: show its tree window under `treeCaption`.
    virtual void ShowProject(const std::string& treeCaption) = 0;
    // The open project now lives in another file (Save As): the views read the new database.
    virtual void ProjectMoved() = 0;
    // The project is closed: its tree window goes.
    virtual void ProjectClosed() = 0;
};

// The recent-project list of the application profile.
class RecentProjects {
public:
    virtual ~RecentProjects() = default;
    virtual void Add(const std::string& path) = 0;
};

// The running drawing host, told to load the project whenever another project file becomes the open one.
class DrawingHostLink {
public:
    virtual ~DrawingHostLink() = default;
    virtual void Send(const std::string& commandLine) = 0;
};

// The two roads by which a file becomes the open project. They differ on purpose: the commands that mean
// "this project now" close the current one before they look at the file, while the framework's roads
// (recent entries, the command line, dropped files, the start dialog) look at the file first, so that a
// file that cannot be opened leaves the current project as it was.
enum class OpenRoute {
    CloseFirst,  // Open, the new-project wizard, the import of another project; tree caption "WorkSpace"
    OpenFirst,   // recent entry, command line, dropped file, start dialog; tree caption "项目数据库"
};

struct SessionServices {
    ui::Prompter& prompter;
    ProjectWindows* windows = nullptr;
    RecentProjects* recent = nullptr;
    DrawingHostLink* drawing = nullptr;
    // The shared "Current Database File" setting is the drawing side's way to find the open project;
    // a command-line run that is no project session of the user's leaves it alone. A user's session also
    // marks the project as open here and asks before opening a project that another program has open.
    bool publishCurrentFile = true;
};

class ProjectSession {
public:
    explicit ProjectSession(SessionServices services);
    ~ProjectSession();
    ProjectSession(const ProjectSession&) = delete;
    ProjectSession& operator=(const ProjectSession&) = delete;

    // The open project database, or nullptr.
    dao::Database* Database() const { return m_pProjectDb.get(); }
    bool IsOpen() const { return m_pProjectDb != nullptr; }
    // Where the session's messages go.
    ui::Prompter& Prompter() const { return m_services.prompter; }
    // The open project's full path, or "".
    std::string Path() const;
    // The user chose to open the project read-only (it was open elsewhere).
    bool IsReadOnly() const { return m_readOnly; }

    // Makes the file at `path` the open project. The file is opened before the current project closes, so
    // that a file that is no project leaves the current one open. When another program has the project open,
    // the user chooses read-only (是), writing all the same (否) or not opening it (取消). False when it did
    // not become open (its error was shown, the user cancelled, or a grid window refused to close).
    bool Open(const std::string& path, OpenRoute route);
    // Closes the open project and its windows; false when a grid window refused to close.
    bool Close();
    // Writes back the pending edits of every grid window.
    bool Save();
    // Writes the open project, with the edits still pending in its grid windows, into `path` and makes that
    // file the open project. False when nothing changed (cancelled, refused, or the copy failed: shown).
    bool SaveAs(const std::string& path);
    // Closes the database without the windows' consent (the end of the program).
    void Release();

    // "Tables changed (category)": an operation that wrote tables announces the refresh numbers of their
    // categories once, and every view that shows the project refreshes itself once.
    using TablesChangedHandler = std::function<void(const std::vector<int>& categories)>;
    class Subscription;
    [[nodiscard]] Subscription OnTablesChanged(TablesChangedHandler handler);
    void AnnounceTablesChanged(const std::vector<int>& categories);

private:
    void Publish(const std::string& path);
    // Asks how to open a project that others have open; false when the user cancels.
    bool AskHowToOpen(const std::string& path, bool& readOnly);
    void MarkOpen();
    void ReplaceDatabase(std::unique_ptr<dao::Database> db);
    void Unsubscribe(int ticket);

    SessionServices m_services;
    std::unique_ptr<dao::Database> m_pProjectDb;
    std::unique_ptr<ProjectMarker> m_marker;
    bool m_readOnly = false;
    std::map<int, TablesChangedHandler> m_handlers;
    int m_nextTicket = 1;
};

// Ends its handler's subscription when it goes.
class ProjectSession::Subscription {
public:
    Subscription() = default;
    Subscription(ProjectSession* session, int ticket) : m_session(session), m_ticket(ticket) {}
    Subscription(Subscription&& other) noexcept { *this = std::move(other); }
    Subscription& operator=(Subscription&& other) noexcept;
    ~Subscription() { Reset(); }
    void Reset();

private:
    ProjectSession* m_session = nullptr;
    int m_ticket = 0;
};

}  // namespace app
