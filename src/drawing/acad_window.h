#pragma once
// The drawing host's main window as the shell sees it: the global handle of the window found last, and the
// seam to the desktop's top-level windows (the window directory in the program, a fake in tests).
#include <cstdint>
#include <string>
#include <vector>

#include "platform/windows/copy_data.h"
#include "platform/windows/window_directory.h"

// The handle of the running drawing host's main window; 0 when none is known. Every test of whether the
// host is present looks here.
std::intptr_t& AcadWindow();

namespace drawing {

struct TopLevelWindow {
    std::intptr_t handle = 0;
    std::string title;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    // The top-level windows, topmost first. Raises windows::DirectoryError when they cannot be listed.
    virtual std::vector<TopLevelWindow> TopLevelWindows() = 0;
    // Sends a copy-data message to window `to` and waits (a bounded time) until it has been taken; the
    // outcome carries the receiver's answer.
    virtual windows::SendOutcome SendCopyData(std::intptr_t to, const windows::CopyData& data) = 0;
};

// The drawing host's main window title begins with "AutoCAD"; its text window, titled exactly "AutoCAD Text
// Window", does not count. Only the first 255 characters of a title are looked at.
bool IsAcadMainTitle(const std::string& title);

}  // namespace drawing
