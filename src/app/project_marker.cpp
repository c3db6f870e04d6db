#include "app/project_marker.h"

#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace app {
namespace {

constexpr const char* kProgramName = "Veltra";

std::string HostName() {
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) return "?";
    return name;
}

std::string LoginName() {
    if (const passwd* pw = getpwuid(getuid())) return pw->pw_name;
    if (const char* user = std::getenv("USER")) return user;
    return "?";
}

// One holder per line: program, machine, user, pid separated by tabs.
std::vector<ProjectHolder> ReadHolders(const std::string& marker) {
    std::vector<ProjectHolder> holders;
    std::ifstream in(marker);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        ProjectHolder h;
        std::string pid;
        if (!std::getline(fields, h.program, '\t') || !std::getline(fields, h.machine, '\t') ||
            !std::getline(fields, h.user, '\t') || !std::getline(fields, pid))
            continue;  // a line we cannot read is no holder
        h.pid = std::atol(pid.c_str());
        holders.push_back(std::move(h));
    }
    return holders;
}

void WriteHolders(const std::string& marker, const std::vector<ProjectHolder>& holders) {
    std::error_code ec;
    if (holders.empty()) {
        std::filesystem::remove(marker, ec);
        return;
    }
    std::ofstream out(marker, std::ios::trunc);
    for (const ProjectHolder& h : holders) out << h.program << '\t' << h.machine << '\t' << h.user << '\t' << h.pid << '\n';
}

bool IsThisProcess(const ProjectHolder& h, const ProjectHolder& me) { return h.machine == me.machine && h.pid == me.pid; }

// A process of another machine cannot be asked; one of this machine is gone when kill(pid, 0) says so.
bool IsStale(const ProjectHolder& h, const std::string& thisMachine) {
    if (h.machine != thisMachine) return false;
    return h.pid <= 0 || (kill(static_cast<pid_t>(h.pid), 0) != 0 && errno == ESRCH);
}

// The marker's live holders; stale lines are dropped from the file on the way.
std::vector<ProjectHolder> LiveHolders(const std::string& marker) {
    const std::vector<ProjectHolder> all = ReadHolders(marker);
    const std::string machine = HostName();
    std::vector<ProjectHolder> live;
    for (const ProjectHolder& h : all)
        if (!IsStale(h, machine)) live.push_back(h);
    if (live.size() != all.size()) WriteHolders(marker, live);
    return live;
}

}  // namespace

std::string MarkerPathOf(const std::string& projectPath) { return projectPath + ".lock"; }

ProjectHolder ThisProcess() { return {kProgramName, HostName(), LoginName(), static_cast<long>(getpid())}; }

std::vector<ProjectHolder> OtherHolders(const std::string& projectPath) {
    const ProjectHolder me = ThisProcess();
    std::vector<ProjectHolder> others;
    for (const ProjectHolder& h : LiveHolders(MarkerPathOf(projectPath)))
        if (!IsThisProcess(h, me)) others.push_back(h);
    return others;
}

std::string AlreadyOpenQuestion(const std::string& projectPath, const std::vector<ProjectHolder>& holders) {
    std::string text = "项目文件 " + projectPath + " 已经打开：\n";
    for (const ProjectHolder& h : holders)
        text += "    程序 " + h.program + "，计算机 " + h.machine + "，用户 " + h.user + "（进程 " +
                std::to_string(h.pid) + "）\n";
    text += "\n是否以只读方式打开？\n"
            "是：只读打开，不会改动文件；\n"
            "否：仍然打开并可以修改（保存时只写入您修改过的行）；\n"
            "取消：不打开。";
    return text;
}

ProjectMarker::ProjectMarker(std::string projectPath) : m_projectPath(std::move(projectPath)) {
    const std::string marker = MarkerPathOf(m_projectPath);
    std::vector<ProjectHolder> holders = LiveHolders(marker);
    holders.push_back(ThisProcess());
    WriteHolders(marker, holders);
}

ProjectMarker::~ProjectMarker() {
    const std::string marker = MarkerPathOf(m_projectPath);
    const ProjectHolder me = ThisProcess();
    std::vector<ProjectHolder> rest;
    for (const ProjectHolder& h : LiveHolders(marker))
        if (!IsThisProcess(h, me)) rest.push_back(h);
    WriteHolders(marker, rest);
}

}  // namespace app
