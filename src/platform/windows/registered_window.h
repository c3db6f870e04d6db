#pragma once
// One top-level window of this program in the window directory: its entry (title, place in the activation
// order) and the listening socket on which it receives copy-data messages. Nothing here blocks: the owner
// watches the descriptors (ListeningFd, ConnectionFds) in its event loop and calls Poll when one is ready.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/windows/copy_data.h"
#include "platform/windows/window_directory.h"

namespace windows {

class RegisteredWindow {
public:
    // The window procedure of a copy-data message; its result is the sender's answer.
    using Handler = std::function<std::int32_t(const CopyData&)>;

    // Registers a window titled `title` as the most recently activated. Raises DirectoryError when its
    // socket cannot be set up.
    RegisteredWindow(WindowDirectory directory, const std::string& title);
    // Takes the window out of the directory.
    ~RegisteredWindow();
    RegisteredWindow(const RegisteredWindow&) = delete;
    RegisteredWindow& operator=(const RegisteredWindow&) = delete;

    WindowHandle Handle() const { return m_handle; }
    const std::string& Title() const { return m_title; }
    const WindowDirectory& Directory() const { return m_directory; }

    // A new title keeps the window's place in the activation order.
    void SetTitle(const std::string& title);
    // The window came to the top.
    void Activated();

    void SetHandler(Handler handler) { m_handler = std::move(handler); }

    int ListeningFd() const { return m_listenFd; }
    // Connections whose message has not arrived whole yet.
    std::vector<int> ConnectionFds() const;
    // Takes waiting connections and what they have sent; answers every complete message with the
    // handler's result (0 without a handler) and closes its connection.
    void Poll();

private:
    struct Connection {
        int fd;
        std::string received;
    };
    void Accept();
    // False when the connection is finished (answered, closed by the peer, or not speaking our frames).
    bool Read(Connection& connection);

    WindowDirectory m_directory;
    WindowHandle m_handle = 0;
    std::string m_title;
    std::uint64_t m_stamp = 0;
    int m_listenFd = -1;
    std::vector<Connection> m_connections;
    Handler m_handler;
};

}  // namespace windows
