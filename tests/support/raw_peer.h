#pragma once
// A peer that speaks a window's socket directly, byte for byte, as a careless or hostile program of the
// same user would: half messages, oversized ones, senders that give up before the answer.
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <string>

#include "platform/windows/copy_data.h"

namespace testing_support {

class RawPeer {
public:
    explicit RawPeer(const std::string& socketPath) {
        m_fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
        m_connected = connect(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~RawPeer() { Close(); }
    RawPeer(const RawPeer&) = delete;
    RawPeer& operator=(const RawPeer&) = delete;

    bool Connected() const { return m_connected; }
    // The bytes the socket took at once (nothing waits for the receiver).
    std::size_t Write(const std::string& bytes) {
        ssize_t n = send(m_fd, bytes.data(), bytes.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
        return n < 0 ? 0 : static_cast<std::size_t>(n);
    }
    // Hangs up, as a sender that gives up does.
    void Close() {
        if (m_fd >= 0) close(m_fd);
        m_fd = -1;
    }
    // True when the receiver closes the connection within `wait` (0: as things are now).
    bool ClosedByReceiver(std::chrono::milliseconds wait = std::chrono::milliseconds(0)) {
        pollfd p{m_fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(wait.count())) <= 0) return false;
        char bytes[16];
        ssize_t n = recv(m_fd, bytes, sizeof bytes, MSG_DONTWAIT);
        return n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
    }
    // The acknowledgement waiting for this peer, if any.
    std::optional<std::int32_t> Answer() {
        char bytes[windows::kAckSize];
        ssize_t n = recv(m_fd, bytes, sizeof bytes, MSG_DONTWAIT);
        if (n != static_cast<ssize_t>(sizeof bytes)) return std::nullopt;
        return windows::DecodeAck(std::string_view(bytes, sizeof bytes));
    }

private:
    int m_fd = -1;
    bool m_connected = false;
};

}  // namespace testing_support
