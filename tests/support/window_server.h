#pragma once
// Serves a registered window on a thread of its own, as a window's event loop would, so that a test can
// send to it synchronously from the test's thread.
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <vector>

#include "platform/windows/registered_window.h"

namespace testing_support {

class WindowServer {
public:
    explicit WindowServer(windows::RegisteredWindow& window) : m_window(window) {
        if (pipe(m_wake) != 0) m_wake[0] = m_wake[1] = -1;
        m_thread = std::thread([this] { Serve(); });
    }
    ~WindowServer() {
        if (m_wake[1] >= 0) (void)write(m_wake[1], "x", 1);
        m_thread.join();
        close(m_wake[0]);
        close(m_wake[1]);
    }

private:
    void Serve() {
        for (;;) {
            std::vector<pollfd> fds{{m_wake[0], POLLIN, 0}, {m_window.ListeningFd(), POLLIN, 0}};
            for (int fd : m_window.ConnectionFds()) fds.push_back({fd, POLLIN, 0});
            // Woken at the end of the oldest connection's time as well, as the window's timer does.
            int wait = -1;
            if (auto expiry = m_window.NextExpiry()) {
                auto left = std::chrono::ceil<std::chrono::milliseconds>(*expiry - std::chrono::steady_clock::now());
                wait = std::max<int>(0, static_cast<int>(left.count()));
            }
            if (poll(fds.data(), fds.size(), wait) < 0) continue;
            if (fds[0].revents) return;
            m_window.Poll();
        }
    }
    windows::RegisteredWindow& m_window;
    int m_wake[2] = {-1, -1};
    std::thread m_thread;
};

}  // namespace testing_support
