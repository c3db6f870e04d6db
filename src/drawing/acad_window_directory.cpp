#include "drawing/acad_window_directory.h"

namespace drawing {

const windows::WindowDirectory& DirectoryWindowSystem::Directory() {
    if (!m_directory) m_directory = windows::WindowDirectory::ForUser();
    return *m_directory;
}

std::vector<TopLevelWindow> DirectoryWindowSystem::TopLevelWindows() {
    std::vector<TopLevelWindow> windows;
    for (const windows::WindowEntry& entry : Directory().List()) windows.push_back({entry.handle, entry.title});
    return windows;
}

windows::SendOutcome DirectoryWindowSystem::SendCopyData(std::intptr_t to, const windows::CopyData& data) {
    return Directory().Send(to, data);
}

}  // namespace drawing
