#include "app/drawing_host.h"

namespace app {
namespace {

constexpr const char* kLoadProjectCommand = "LoadDBAuto ";

}  // namespace

void AcadCommandLink::Send(const std::string& commandLine) {
    if (AcadWindow() == 0) {
        // Another project is open now and no host has it.
        if (commandLine == kLoadProjectCommand) m_toldHost = 0;
        return;
    }
    m_acad.SendAcadCommand(commandLine);
    if (commandLine == kLoadProjectCommand) m_toldHost = AcadWindow();
}

void AcadCommandLink::Poll(bool projectOpen) {
    std::intptr_t host = m_acad.LookForAcadWindow();
    // A host that went away without its quit notice stays known until a command searches: every sending
    // searches first, so nothing goes to it.
    if (host == 0) return;
    AcadWindow() = host;
    if (!projectOpen || host == m_toldHost) return;
    m_toldHost = host;
    m_acad.SendAcadCommand(kLoadProjectCommand);
}

bool AcadCommandLink::HostHasProject(bool projectOpen) const {
    return projectOpen && AcadWindow() != 0 && AcadWindow() == m_toldHost;
}

}  // namespace app
