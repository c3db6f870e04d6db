#include "app/drawing_host.h"

std::intptr_t& AcadWindow() {
    static std::intptr_t handle = 0;
    return handle;
}

namespace app {

void AcadCommandLink::Send(const std::string& commandLine) {
    if (AcadWindow() == 0) return;
    // The window directory that carries command lines to the host comes with the drawing link.
    (void)commandLine;
}

}  // namespace app
