#include "platform/windows/keyboard_locks.h"

#include <filesystem>
#include <fstream>

namespace windows {
namespace {

// "input3::capslock" → "capslock"; names of other lights give "".
std::string LockOf(const std::string& lightName) {
    std::size_t colons = lightName.rfind("::");
    return colons == std::string::npos ? std::string() : lightName.substr(colons + 2);
}

bool IsLit(const std::filesystem::path& light) {
    std::ifstream in(light / "brightness");
    long brightness = 0;
    return in >> brightness && brightness > 0;
}

}  // namespace

LockStates ReadLockStates(const std::string& ledFolder) {
    LockStates states;
    std::error_code error;
    std::filesystem::directory_iterator it(ledFolder, error), end;
    for (; !error && it != end; it.increment(error)) {
        const std::string lock = LockOf(it->path().filename().string());
        bool* state = lock == "capslock" ? &states.caps
                      : lock == "numlock" ? &states.num
                      : lock == "scrolllock" ? &states.scroll
                                             : nullptr;
        if (state && !*state) *state = IsLit(it->path());
    }
    return states;
}

}  // namespace windows
