#pragma once
// The project session's link to the running drawing host: while a host is known, every project that
// becomes the open one is announced to it ("LoadDBAuto "), and a host that starts while a project is open
// is handed that project when the shell next looks at the windows.
#include <cstdint>
#include <string>

#include "app/project_session.h"
#include "drawing/acad_session.h"
#include "drawing/acad_window.h"

namespace app {

// How often the application looks for a drawing host that has started since it last looked.
inline constexpr int kHostWatchMilliseconds = 2000;

class AcadCommandLink : public DrawingHostLink {
public:
    explicit AcadCommandLink(drawing::AcadSession& acad) : m_acad(acad) {}
    // Sends `commandLine` as the drawing link sends commands; nothing when no host is known.
    void Send(const std::string& commandLine) override;

    // Looks once at the windows. A host that was not handed the open project (it started after the project
    // was opened, or replaced the host that had it) becomes the known host and is sent "LoadDBAuto ". Each
    // host is tried once: one that did not take the command had its failure shown and is not asked again.
    void Poll(bool projectOpen);
    // The known host was handed the open project. Without it the drawing subsystem would start empty.
    bool HostHasProject(bool projectOpen) const;

private:
    drawing::AcadSession& m_acad;
    // The host the open project was last sent to (or tried), 0 when none.
    std::intptr_t m_toldHost = 0;
};

}  // namespace app
