#include "platform/windows/registered_window.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace windows {
namespace {

std::uint32_t NextSerial() {
    static std::atomic<std::uint32_t> serial{0};
    return ++serial;
}

}  // namespace

RegisteredWindow::RegisteredWindow(WindowDirectory directory, const std::string& title)
    : m_directory(std::move(directory)), m_handle(MakeHandle(getpid(), NextSerial())), m_title(title) {
    std::string path = m_directory.SocketPath(m_handle);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        throw DirectoryError("窗口目录“" + m_directory.Folder() + "”的路径太长，无法建立窗口的连接。");
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    m_listenFd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    // A socket left by an ended program with the same process number would stand in the way.
    unlink(path.c_str());
    if (m_listenFd < 0 || bind(m_listenFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        chmod(path.c_str(), 0600) != 0 || listen(m_listenFd, 16) != 0) {
        std::string reason = std::strerror(errno);
        if (m_listenFd >= 0) close(m_listenFd);
        unlink(path.c_str());
        throw DirectoryError("无法在窗口目录“" + m_directory.Folder() + "”中建立窗口的连接：" + reason);
    }
    try {
        m_stamp = m_directory.NextStamp();
        m_directory.WriteEntry(m_handle, m_stamp, m_title);
    } catch (...) {
        close(m_listenFd);
        m_directory.RemoveEntry(m_handle);
        throw;
    }
}

RegisteredWindow::~RegisteredWindow() {
    for (const Connection& c : m_connections) close(c.fd);
    close(m_listenFd);
    m_directory.RemoveEntry(m_handle);
}

void RegisteredWindow::SetTitle(const std::string& title) {
    m_title = title;
    m_directory.WriteEntry(m_handle, m_stamp, m_title);
}

void RegisteredWindow::Activated() {
    m_stamp = m_directory.NextStamp();
    m_directory.WriteEntry(m_handle, m_stamp, m_title);
}

std::vector<int> RegisteredWindow::ConnectionFds() const {
    std::vector<int> fds;
    for (const Connection& c : m_connections) fds.push_back(c.fd);
    return fds;
}

std::optional<std::chrono::steady_clock::time_point> RegisteredWindow::NextExpiry() const {
    std::optional<std::chrono::steady_clock::time_point> first;
    for (const Connection& c : m_connections)
        if (!first || c.deadline < *first) first = c.deadline;
    return first;
}

void RegisteredWindow::Accept() {
    for (;;) {
        int fd = accept4(m_listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR) continue;
            return;
        }
        // The folder is private already; a descriptor passed to another user's program still is not let in.
        ucred peer{};
        socklen_t size = sizeof peer;
        if (getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.uid != geteuid()) {
            close(fd);
            continue;
        }
        if (m_limits.maxConnections > 0 && m_connections.size() >= m_limits.maxConnections) {
            close(m_connections.front().fd);
            m_connections.erase(m_connections.begin());
        }
        m_connections.push_back({fd, {}, 0, std::chrono::steady_clock::now() + m_limits.frameTimeout});
    }
}

std::int32_t RegisteredWindow::Answer(const CopyData& data) {
    constexpr std::size_t kRemembered = 256;
    if (data.id != 0)
        for (const auto& [id, answer] : m_answered)
            if (id == data.id) return answer;
    std::int32_t result = m_handler ? m_handler(data) : 0;
    if (data.id != 0) {
        m_answered.emplace_back(data.id, result);
        if (m_answered.size() > kRemembered) m_answered.pop_front();
    }
    return result;
}

bool RegisteredWindow::Read(Connection& connection, std::size_t& buffered) {
    char buffer[4096];
    for (;;) {
        ssize_t n = recv(connection.fd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return true;
        if (n <= 0) return false;  // the sender hung up before its message was whole, or the socket broke
        connection.received.append(buffer, static_cast<std::size_t>(n));
        connection.held += static_cast<std::size_t>(n);
        buffered += static_cast<std::size_t>(n);
        // Looked at after every piece, so that an oversized message is refused before it is held.
        FrameError error = FrameError::None;
        std::optional<CopyData> data = TakeFrame(connection.received, error);
        std::optional<std::int32_t> result;
        if (data)
            result = Answer(*data);
        else if (error == FrameError::TooLarge)
            result = kAnswerTooLarge;
        if (result) {
            std::string ack = EncodeAck(*result);
            // Eight bytes into an empty socket buffer: the send does not block, and a sender that has
            // given up is no concern of ours.
            (void)send(connection.fd, ack.data(), ack.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
            return false;
        }
        if (error != FrameError::None) return false;
        if (m_limits.maxBufferedBytes > 0 && buffered > m_limits.maxBufferedBytes) return false;
    }
}

void RegisteredWindow::CloseExpired() {
    auto now = std::chrono::steady_clock::now();
    std::erase_if(m_connections, [now](const Connection& c) {
        if (c.deadline > now) return false;
        close(c.fd);
        return true;
    });
}

void RegisteredWindow::Poll() {
    Accept();
    // The handler may run a nested event loop that polls again: work on connections taken out of the list.
    std::vector<Connection> pending;
    pending.swap(m_connections);
    std::size_t buffered = 0;
    for (const Connection& c : pending) buffered += c.held;
    std::vector<Connection> still;
    for (Connection& c : pending) {
        if (Read(c, buffered)) {
            still.push_back(std::move(c));
        } else {
            buffered -= c.held;
            close(c.fd);
        }
    }
    m_connections.insert(m_connections.end(), std::make_move_iterator(still.begin()),
                         std::make_move_iterator(still.end()));
    CloseExpired();
}

}  // namespace windows
