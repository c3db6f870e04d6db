#pragma once
// One top-level window of this program in the window directory: its entry (title, place in the activation
// order) and the listening socket on which it receives copy-data messages. Nothing here blocks: the owner
// watches the descriptors (ListeningFd, ConnectionFds) in its event loop and calls Poll when one is ready,
// and again at NextExpiry. Whatever a peer sends is bounded: a message must arrive whole within a few
// seconds, and the connections and the bytes held for them are capped.
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/windows/copy_data.h"
#include "platform/windows/window_directory.h"

namespace windows {

struct ReceiveLimits {
    // From the connection to the last byte of its message; a half-sent message is then dropped.
    std::chrono::milliseconds frameTimeout{3000};
    // One more connection drops the oldest waiting one: a flood delays the senders, it cannot lock them out.
    std::size_t maxConnections = 32;
    // Bytes held for all waiting connections together; the connection that would go past it is dropped.
    std::size_t maxBufferedBytes = 1u << 20;
};

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
    void SetLimits(const ReceiveLimits& limits) { m_limits = limits; }

    int ListeningFd() const { return m_listenFd; }
    // Connections whose message has not arrived whole yet.
    std::vector<int> ConnectionFds() const;
    // When the oldest waiting connection runs out of time; nothing while none waits.
    std::optional<std::chrono::steady_clock::time_point> NextExpiry() const;
    // Takes waiting connections and what they have sent; answers every complete message with the
    // handler's result (0 without a handler) and closes its connection. A message whose id was answered
    // before gets that answer again without the handler. Connections out of time are closed.
    void Poll();

private:
    struct Connection {
        int fd;
        std::string received;
        std::size_t held = 0;  // bytes received so far, counted against the cap
        std::chrono::steady_clock::time_point deadline;
    };
    void Accept();
    // False when the connection is finished (answered, closed by the peer, not speaking our frames, or
    // past the byte cap). `buffered` counts the bytes held for all connections.
    bool Read(Connection& connection, std::size_t& buffered);
    std::int32_t Answer(const CopyData& data);
    void CloseExpired();

    WindowDirectory m_directory;
    WindowHandle m_handle = 0;
    std::string m_title;
    std::uint64_t m_stamp = 0;
    int m_listenFd = -1;
    std::vector<Connection> m_connections;
    Handler m_handler;
    ReceiveLimits m_limits;
    // Ids of the messages answered last, with their answers.
    std::deque<std::pair<std::uint64_t, std::int32_t>> m_answered;
};

}  // namespace windows
