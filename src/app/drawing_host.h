#pragma once
// The running drawing host as the shell knows it: the handle of its main window (0 when none is known) and
// the link that hands it command lines.
#include <cstdint>
#include <string>

#include "app/project_session.h"

// The window handle of the running drawing host's main window; 0 when none is known.
std::intptr_t& AcadWindow();

namespace app {

// Sends command lines to the drawing host while one is known; without one they go nowhere.
class AcadCommandLink : public DrawingHostLink {
public:
    void Send(const std::string& commandLine) override;
};

}  // namespace app
