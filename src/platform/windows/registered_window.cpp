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
        m_connections.push_back({fd, {}});
    }
}

bool RegisteredWindow::Read(Connection& connection) {
    char buffer[4096];
    for (;;) {
        ssize_t n = recv(connection.fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            connection.received.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        bool waiting = n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
        bool malformed = false;
        std::optional<CopyData> data = TakeFrame(connection.received, malformed);
        if (data) {
            std::int32_t result = m_handler ? m_handler(*data) : 0;
            std::string ack = EncodeAck(result);
            // Eight bytes into an empty socket buffer: the send does not block, and a sender that has
            // given up is no concern of ours.
            (void)send(connection.fd, ack.data(), ack.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
            return false;
        }
        return waiting && !malformed;
    }
}

void RegisteredWindow::Poll() {
    Accept();
    // The handler may run a nested event loop that polls again: work on connections taken out of the list.
    std::vector<Connection> pending;
    pending.swap(m_connections);
    std::vector<Connection> still;
    for (Connection& c : pending) {
        if (Read(c))
            still.push_back(std::move(c));
        else
            close(c.fd);
    }
    m_connections.insert(m_connections.end(), std::make_move_iterator(still.begin()),
                         std::make_move_iterator(still.end()));
}

}  // namespace windows
