#pragma once
// The desktop's top-level windows as the window directory of the user lists them.
#include <optional>

#include "drawing/acad_window.h"

namespace drawing {

class DirectoryWindowSystem : public WindowSystem {
public:
    // The user's directory, found when first needed (a broken runtime folder is then reported to whoever
    // searched).
    DirectoryWindowSystem() = default;
    explicit DirectoryWindowSystem(windows::WindowDirectory directory) : m_directory(std::move(directory)) {}

    std::vector<TopLevelWindow> TopLevelWindows() override;
    windows::SendOutcome SendCopyData(std::intptr_t to, const windows::CopyData& data) override;

private:
    const windows::WindowDirectory& Directory();
    std::optional<windows::WindowDirectory> m_directory;
};

}  // namespace drawing
