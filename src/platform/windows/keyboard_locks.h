#pragma once
// The lock states of the keyboard (caps, num and scroll lock) for the status bar's indicators. The window
// system offers no portable question for them; the kernel keeps the keyboards' lock lights in its LED class
// ("input3::capslock" and so on), which the window system sets whenever a lock changes.
#include <string>

namespace windows {

struct LockStates {
    bool caps = false;
    bool num = false;
    bool scroll = false;
    bool operator==(const LockStates&) const = default;
};

inline constexpr const char* kLedFolder = "/sys/class/leds";

// A lock is on when the light of any keyboard in `ledFolder` is lit. Without keyboards (or the folder) every
// lock reads off.
LockStates ReadLockStates(const std::string& ledFolder = kLedFolder);

}  // namespace windows
