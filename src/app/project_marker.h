#pragma once
// The "open here" marker beside a project file: a small text file "<project>.lock" with one line per
// program that has the project open for writing (program, machine, user, process id). A second program
// that opens the project reads who else has it, and the user decides; a line left by a process of this
// machine that no longer runs is stale and dropped.
#include <string>
#include <vector>

namespace app {

struct ProjectHolder {
    std::string program;
    std::string machine;
    std::string user;
    long pid = 0;
};

// The marker file of the project at `projectPath`.
std::string MarkerPathOf(const std::string& projectPath);

// The holders written in the marker, without the stale ones (which are removed from the file) and
// without this process.
std::vector<ProjectHolder> OtherHolders(const std::string& projectPath);

// This process as a holder ("Veltra", host name, login name, process id).
ProjectHolder ThisProcess();

// "项目文件 X 已经由 ... 打开。..." with every holder, and the three answers explained.
std::string AlreadyOpenQuestion(const std::string& projectPath, const std::vector<ProjectHolder>& holders);

// Adds this process to the marker while it lives; its line goes (and the file, when it was the last) when
// it is destroyed. A marker that cannot be written only loses the warning for others, never the project.
class ProjectMarker {
public:
    explicit ProjectMarker(std::string projectPath);
    ~ProjectMarker();
    ProjectMarker(const ProjectMarker&) = delete;
    ProjectMarker& operator=(const ProjectMarker&) = delete;

private:
    std::string m_projectPath;
};

}  // namespace app
