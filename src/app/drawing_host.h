#pragma once
// The project session's link to the running drawing host: while a host is known, every project that
// becomes the open one is announced to it ("LoadDBAuto ").
#include <string>

#include "app/project_session.h"
#include "drawing/acad_session.h"
#include "drawing/acad_window.h"

namespace app {

class AcadCommandLink : public DrawingHostLink {
public:
    explicit AcadCommandLink(drawing::AcadSession& acad) : m_acad(acad) {}
    // Sends `commandLine` as the drawing link sends commands; nothing when no host is known.
    void Send(const std::string& commandLine) override;

private:
    drawing::AcadSession& m_acad;
};

}  // namespace app
