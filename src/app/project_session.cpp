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
    if (m_pProjectDb) m_pProjectDb->Close();
    m_pProjectDb = std::move(db);
}

void ProjectSession::Release() {
    if (!IsOpen()) return;
    ReplaceDatabase(nullptr);
    // The drawing side must not find a path to a project the shell no longer holds open.
    Publish("");
}

bool ProjectSession::Open(const std::string& path, OpenRoute route) {
    std::unique_ptr<dao::Database> db;
    if (route == OpenRoute::OpenFirst) {
        try {
            db = dao::Database::Open(path);
        } catch (const dao::DaoException& e) {
            projectdb::ReportDaoError(e, m_services.prompter);
            return false;
        }
        if (IsOpen() && !Close()) return false;
    } else {
        if (IsOpen() && !Close()) return false;
        // The drawing side is told of the file before it is opened, as the command has always done; a
        // file that then cannot be opened leaves no project, and the setting says so again.
        Publish(path);
        if (m_services.recent) m_services.recent->Add(path);
        try {
            db = dao::Database::Open(path);
        } catch (const dao::DaoException& e) {
            projectdb::ReportDaoError(e, m_services.prompter);
            Publish("");
            return false;
        }
    }
    ReplaceDatabase(std::move(db));
    std::string fullPath = m_pProjectDb->GetName();
    Publish(fullPath);
    if (route == OpenRoute::OpenFirst && m_services.recent) m_services.recent->Add(fullPath);
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
