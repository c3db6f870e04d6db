#include "app/project_session.h"

#include "platform/registry/registry.h"
#include "projectdb/project_file.h"
#include "projectdb/record_access.h"

namespace app {
namespace {

constexpr const char* kCurrentFileSection = "Current Database File";
constexpr const char* kCurrentFileValue = "File";
constexpr const char* kLoadProjectCommand = "LoadDBAuto ";
constexpr const char* kCaptionOpenedByCommand = "WorkSpace";
constexpr const char* kCaptionOpenedByFramework = "项目数据库";

}  // namespace

ProjectSession::ProjectSession(SessionServices services) : m_services(services) {}

ProjectSession::~ProjectSession() { Release(); }

std::string ProjectSession::Path() const { return m_pProjectDb ? m_pProjectDb->GetName() : std::string(); }

void ProjectSession::Publish(const std::string& path) {
    if (m_services.publishCurrentFile) registry::WriteSetting(kCurrentFileSection, kCurrentFileValue, path);
}

void ProjectSession::ReplaceDatabase(std::unique_ptr<dao::Database> db) {
    m_marker.reset();
    m_readOnly = false;
    if (m_pProjectDb) m_pProjectDb->Close();
    m_pProjectDb = std::move(db);
}

void ProjectSession::MarkOpen() {
    if (m_services.publishCurrentFile && m_pProjectDb && !m_readOnly)
        m_marker = std::make_unique<ProjectMarker>(m_pProjectDb->GetName());
}

void ProjectSession::Release() {
    if (!IsOpen()) return;
    ReplaceDatabase(nullptr);
    // The drawing side must not find a path to a project the shell no longer holds open.
    Publish("");
}

bool ProjectSession::AskHowToOpen(const std::string& path, bool& readOnly) {
    readOnly = false;
    if (!m_services.publishCurrentFile) return true;
    const std::vector<ProjectHolder> others = OtherHolders(path);
    if (others.empty()) return true;
    switch (m_services.prompter.message(AlreadyOpenQuestion(path, others), ui::Buttons::YesNoCancel, ui::Icon::Question)) {
        case ui::Answer::Yes: readOnly = true; return true;
        case ui::Answer::No: return true;
        default: return false;
    }
}

bool ProjectSession::Open(const std::string& path, OpenRoute route) {
    bool readOnly = false;
    if (!AskHowToOpen(path, readOnly)) return false;
    // Both roads look at the file before the current project closes: a file that is no project (or cannot
    // be read) leaves the current project, and what the drawing side was told, as they were.
    std::unique_ptr<dao::Database> db;
    try {
        db = dao::Database::Open(path, readOnly);
    } catch (const dao::DaoException& e) {
        projectdb::ReportDaoError(e, m_services.prompter);
        return false;
    }
    if (IsOpen() && !Close()) return false;
    ReplaceDatabase(std::move(db));
    m_readOnly = readOnly;
    MarkOpen();
    std::string fullPath = m_pProjectDb->GetName();
    Publish(fullPath);
    if (m_services.recent) m_services.recent->Add(route == OpenRoute::CloseFirst ? path : fullPath);
    if (m_services.windows)
        m_services.windows->ShowProject(route == OpenRoute::CloseFirst ? kCaptionOpenedByCommand
                                                                       : kCaptionOpenedByFramework);
    if (m_services.drawing) m_services.drawing->Send(kLoadProjectCommand);
    return true;
}

bool ProjectSession::Close() {
    if (m_services.windows && !m_services.windows->CloseGridWindows()) return false;
    ReplaceDatabase(nullptr);
    Publish("");
    if (m_services.windows) m_services.windows->ProjectClosed();
    return true;
}

bool ProjectSession::Save() { return !m_services.windows || m_services.windows->CommitGridWindows(); }

bool ProjectSession::SaveAs(const std::string& path) {
    if (!IsOpen()) return false;
    // What was typed into the grids belongs to the project being saved: it goes into the file first.
    if (!Save()) return false;
    std::unique_ptr<dao::Database> copy;
    try {
        copy = projectdb::CopyProjectTo(*m_pProjectDb, path);
    } catch (const dao::DaoException& e) {
        projectdb::ReportDaoError(e, m_services.prompter);
        return false;
    }
    ReplaceDatabase(std::move(copy));
    MarkOpen();
    std::string newPath = m_pProjectDb->GetName();
    Publish(newPath);
    if (m_services.recent) m_services.recent->Add(newPath);
    if (m_services.windows) m_services.windows->ProjectMoved();
    if (m_services.drawing) m_services.drawing->Send(kLoadProjectCommand);
    return true;
}

ProjectSession::Subscription ProjectSession::OnTablesChanged(TablesChangedHandler handler) {
    int ticket = m_nextTicket++;
    m_handlers.emplace(ticket, std::move(handler));
    return Subscription(this, ticket);
}

void ProjectSession::AnnounceTablesChanged(const std::vector<int>& categories) {
    if (categories.empty()) return;
    // A handler may end subscriptions (a view that closes); walk a copy of the tickets.
    std::vector<int> tickets;
    for (const auto& entry : m_handlers) tickets.push_back(entry.first);
    for (int ticket : tickets) {
        auto it = m_handlers.find(ticket);
        if (it != m_handlers.end()) it->second(categories);
    }
}

void ProjectSession::Unsubscribe(int ticket) { m_handlers.erase(ticket); }

ProjectSession::Subscription& ProjectSession::Subscription::operator=(Subscription&& other) noexcept {
    if (this != &other) {
        Reset();
        m_session = other.m_session;
        m_ticket = other.m_ticket;
        other.m_session = nullptr;
    }
    return *this;
}

void ProjectSession::Subscription::Reset() {
    if (m_session) m_session->Unsubscribe(m_ticket);
    m_session = nullptr;
}

}  // namespace app
