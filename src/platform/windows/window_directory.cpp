#include "platform/windows/window_directory.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace windows {
namespace {

constexpr const char* kEntrySuffix = ".window";
constexpr const char* kSocketSuffix = ".sock";
constexpr int kSerialBits = 24;

class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0) close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

void MakePrivateFolder(const std::string& folder) {
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        throw DirectoryError("无法建立窗口目录“" + folder + "”：" + std::strerror(errno));
    struct stat st {};
    // lstat: a link planted in /tmp by someone else must not lead our sockets elsewhere.
    if (lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid() || (st.st_mode & 077) != 0)
        throw DirectoryError("窗口目录“" + folder + "”不是本用户的私有文件夹，无法使用。");
}

bool ProcessEnded(long pid) { return pid <= 0 || (kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH); }

bool EndsWith(const std::string& s, const std::string& suffix) {
    return s.size() > suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Milliseconds left before `deadline`, never negative.
int Remaining(std::chrono::steady_clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return static_cast<int>(std::max<std::int64_t>(0, left.count()));
}

// Waits for `events` on fd until the deadline; false when the time ran out.
bool WaitFor(int fd, short events, std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        int n = poll(&p, 1, Remaining(deadline));
        if (n > 0) return true;
        if (n == 0) return false;
        if (errno != EINTR) return true;  // the following read or write reports the error
    }
}

}  // namespace

WindowHandle MakeHandle(long processId, std::uint32_t serial) {
    return (static_cast<WindowHandle>(processId) << kSerialBits) | (serial & ((1u << kSerialBits) - 1));
}

long HandleProcess(WindowHandle handle) { return static_cast<long>(handle >> kSerialBits); }

WindowDirectory WindowDirectory::ForUser() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat st {};
    if (runtime && *runtime && stat(runtime, &st) == 0 && S_ISDIR(st.st_mode))
        return WindowDirectory(std::string(runtime) + "/veltra-windows");
    return WindowDirectory("/tmp/veltra-windows-" + std::to_string(geteuid()));
}

WindowDirectory::WindowDirectory(std::string folder) : m_folder(std::move(folder)) { MakePrivateFolder(m_folder); }

std::string WindowDirectory::SocketPath(WindowHandle handle) const {
    return m_folder + "/" + std::to_string(handle) + kSocketSuffix;
}

std::string WindowDirectory::EntryPath(WindowHandle handle) const {
    return m_folder + "/" + std::to_string(handle) + kEntrySuffix;
}

void WindowDirectory::WriteEntry(WindowHandle handle, std::uint64_t stamp, const std::string& title) const {
    std::string oneLine = title;
    std::replace_if(
        oneLine.begin(), oneLine.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    std::string temp = m_folder + "/" + std::to_string(handle) + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << stamp << '\n' << oneLine;
        if (!out.flush()) throw DirectoryError("无法写入窗口目录“" + m_folder + "”。");
    }
    if (std::rename(temp.c_str(), EntryPath(handle).c_str()) != 0)
        throw DirectoryError("无法写入窗口目录“" + m_folder + "”：" + std::strerror(errno));
}

void WindowDirectory::RemoveEntry(WindowHandle handle) const {
    unlink(EntryPath(handle).c_str());
    unlink(SocketPath(handle).c_str());
}

std::uint64_t WindowDirectory::NextStamp() const {
    Fd fd(open((m_folder + "/activation").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (fd.get() < 0 || flock(fd.get(), LOCK_EX) != 0)
        throw DirectoryError("无法写入窗口目录“" + m_folder + "”：" + std::strerror(errno));
    char buffer[32] = {};
    ssize_t n = pread(fd.get(), buffer, sizeof buffer - 1, 0);
    std::uint64_t stamp = (n > 0 ? std::strtoull(buffer, nullptr, 10) : 0) + 1;
    std::string text = std::to_string(stamp);
    if (pwrite(fd.get(), text.data(), text.size(), 0) != static_cast<ssize_t>(text.size()) ||
        ftruncate(fd.get(), static_cast<off_t>(text.size())) != 0)
        throw DirectoryError("无法写入窗口目录“" + m_folder + "”：" + std::strerror(errno));
    return stamp;  // the lock goes with the descriptor
}

std::vector<WindowEntry> WindowDirectory::List() const {
    DIR* dir = opendir(m_folder.c_str());
    if (!dir) throw DirectoryError("无法读取窗口目录“" + m_folder + "”：" + std::strerror(errno));
    std::vector<std::pair<std::uint64_t, WindowEntry>> found;
    while (dirent* e = readdir(dir)) {
        std::string name = e->d_name;
        if (!EndsWith(name, kEntrySuffix)) continue;
        WindowHandle handle = std::strtoll(name.c_str(), nullptr, 10);
        if (handle == 0) continue;
        if (ProcessEnded(HandleProcess(handle))) {
            RemoveEntry(handle);
            continue;
        }
        std::ifstream in(EntryPath(handle), std::ios::binary);
        std::uint64_t stamp = 0;
        WindowEntry entry{handle, {}};
        // An entry taken out between the listing and the reading is simply not there.
        if (!(in >> stamp) || in.get() != '\n') continue;
        std::getline(in, entry.title, '\0');
        found.emplace_back(stamp, std::move(entry));
    }
    closedir(dir);
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second.handle > b.second.handle;
    });
    std::vector<WindowEntry> windows;
    for (auto& f : found) windows.push_back(std::move(f.second));
    return windows;
}

SendOutcome WindowDirectory::Send(WindowHandle to, const CopyData& data, std::chrono::milliseconds timeout) const {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    std::string path = SocketPath(to);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (to == 0 || path.size() >= sizeof address.sun_path) return {SendResult::NoWindow};
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);

    Fd fd(socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (fd.get() < 0) return {SendResult::Failed};
    if (connect(fd.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        if (errno == ENOENT || errno == ECONNREFUSED) {
            // Nobody listens there any more: the window is gone, whatever its entry says.
            RemoveEntry(to);
            return {SendResult::NoWindow};
        }
        // A full queue of waiting senders: the receiver is not taking messages.
        return {errno == EAGAIN ? SendResult::Timeout : SendResult::Failed};
    }

    std::string frame = EncodeFrame(data);
    for (std::size_t sent = 0; sent < frame.size();) {
        if (!WaitFor(fd.get(), POLLOUT, deadline)) return {SendResult::Timeout};
        ssize_t n = send(fd.get(), frame.data() + sent, frame.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
        if (n <= 0) return {SendResult::Failed};
        sent += static_cast<std::size_t>(n);
    }
    std::string ack;
    while (ack.size() < kAckSize) {
        if (!WaitFor(fd.get(), POLLIN, deadline)) return {SendResult::Unconfirmed};
        char buffer[kAckSize];
        ssize_t n = recv(fd.get(), buffer, kAckSize - ack.size(), 0);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
        if (n <= 0) return {SendResult::Failed};
        ack.append(buffer, static_cast<std::size_t>(n));
    }
    std::optional<std::int32_t> answer = DecodeAck(ack);
    if (!answer) return {SendResult::Failed};
    return {SendResult::Delivered, *answer};
}

}  // namespace windows
