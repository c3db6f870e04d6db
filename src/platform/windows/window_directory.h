#pragma once
// The window directory: the cooperating programs' top-level windows, each registered by its title and a
// local socket in a private folder of the user's runtime folder. It stands in for the desktop's list of
// top-level windows: the list runs from the most recently activated window down (the z-order), and a
// copy-data message is sent to a window synchronously, waiting at most a bounded time for its answer.
#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/windows/copy_data.h"

namespace windows {

// The directory's folder cannot be made, is not the user's own, or a socket cannot be set up. The text
// says so in Chinese.
class DirectoryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct WindowEntry {
    WindowHandle handle = 0;
    std::string title;
};

enum class SendResult {
    Delivered,    // the receiver took the message and answered
    NoWindow,     // no such window (any more)
    Timeout,      // the receiver did not take the whole message in time: it cannot act on it
    Unconfirmed,  // the whole message went out but no answer came in time: the receiver may act on it later
    Failed,       // the connection broke or the answer was not one
};

struct SendOutcome {
    SendResult result = SendResult::Failed;
    std::int32_t answer = 0;  // the receiver's result when delivered
};

inline constexpr std::chrono::milliseconds kDefaultSendTimeout{2000};

class WindowDirectory {
public:
    // The user's directory: "veltra-windows" in $XDG_RUNTIME_DIR, else /tmp/veltra-windows-<uid>; made with
    // mode 0700 when missing, refused when someone else could reach into it.
    static WindowDirectory ForUser();
    // A directory in `folder`, made private the same way (tests use their own).
    explicit WindowDirectory(std::string folder);

    const std::string& Folder() const { return m_folder; }

    // The registered windows, most recently activated first. Entries of programs that have ended without
    // taking their windows out are removed on the way.
    std::vector<WindowEntry> List() const;

    // Sends `data` to window `to` and waits for its answer, never longer than `timeout`. A window whose
    // socket no longer answers is taken out of the directory.
    SendOutcome Send(WindowHandle to, const CopyData& data,
                     std::chrono::milliseconds timeout = kDefaultSendTimeout) const;

    // The registering side's part (RegisteredWindow).
    std::string SocketPath(WindowHandle handle) const;
    // Writes the entry of `handle` whole (readers never see half of it).
    void WriteEntry(WindowHandle handle, std::uint64_t stamp, const std::string& title) const;
    void RemoveEntry(WindowHandle handle) const;
    // The next activation stamp, counted across all programs of the user.
    std::uint64_t NextStamp() const;

private:
    std::string EntryPath(WindowHandle handle) const;
    std::string m_folder;
};

// A window handle names the process that owns the window and the window's number inside it, so that a
// reader can tell an entry of an ended program.
WindowHandle MakeHandle(long processId, std::uint32_t serial);
long HandleProcess(WindowHandle handle);

}  // namespace windows
