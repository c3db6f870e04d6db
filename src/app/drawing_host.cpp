#include "app/drawing_host.h"

namespace app {

void AcadCommandLink::Send(const std::string& commandLine) {
    if (AcadWindow() == 0) return;
    m_acad.SendAcadCommand(commandLine);
}

}  // namespace app
