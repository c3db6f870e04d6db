#pragma once
// The stand-in drawing host as a child process beside the test, and the fixture the host's tests share: a
// private runtime folder and settings store, and the sample project.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/dao/database.h"
#include "platform/dao/sql.h"
#include "platform/registry/registry.h"
#include "support/test_support.h"

namespace drawhost_test {

using Strings = std::vector<std::string>;

// The drawing host as a child: its standard output kept in a file, its standard error read line by line.
class HostProcess {
public:
    // `platform` is the Qt platform the host would open its window on; "none" leaves it without a display,
    // where opening a window fails.
    explicit HostProcess(const std::vector<std::string>& arguments, const char* platform = "offscreen") {
        // Standard output goes to a file, not a pipe: a long command line echoed there must not block the host
        // while the test has not read it yet.
        int err[2];
        m_out = memfd_create("drawhost-out", MFD_CLOEXEC);
        if (m_out < 0 || pipe(err) != 0) return;
        m_pid = fork();
        if (m_pid == 0) {
            dup2(m_out, 1);
            dup2(err[1], 2);
            close(err[0]);
            if (std::string(platform) == "none") {
                unsetenv("DISPLAY");
                unsetenv("WAYLAND_DISPLAY");
                setenv("QT_QPA_PLATFORM", "xcb", 1);
            } else {
                setenv("QT_QPA_PLATFORM", platform, 1);
            }
            std::vector<std::string> words{DRAWHOST_PATH};
            words.insert(words.end(), arguments.begin(), arguments.end());
            std::vector<char*> argv;
            for (auto& w : words) argv.push_back(w.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(err[1]);
        m_err = err[0];
    }
    ~HostProcess() {
        if (m_pid > 0 && !m_ended) {
            kill(m_pid, SIGKILL);
            Wait();
        }
        close(m_out);
        close(m_err);
    }
    // The next line of standard error holding `part`; "" when the host ended or a minute passed first.
    std::string WaitForLine(const std::string& part) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        for (;;) {
            std::size_t end;
            while ((end = m_errText.find('\n')) != std::string::npos) {
                std::string line = m_errText.substr(0, end);
                m_errText.erase(0, end + 1);
                if (line.find(part) != std::string::npos) return line;
            }
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                              std::chrono::steady_clock::now());
            pollfd p{m_err, POLLIN, 0};
            if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) return {};
            char buffer[4096];
            ssize_t n = read(m_err, buffer, sizeof buffer);
            if (n <= 0) return {};
            m_errText.append(buffer, static_cast<std::size_t>(n));
        }
    }
    // Waits for the host to end; its exit status.
    int Wait() {
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_ended = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // The rest of standard error once the host has ended.
    std::string RestOfErr() {
        std::string text = m_errText;
        char buffer[4096];
        ssize_t n;
        while ((n = read(m_err, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(n));
        return text;
    }
    std::string Out() {
        std::string text;
        char buffer[4096];
        ssize_t n;
        for (off_t at = 0; (n = pread(m_out, buffer, sizeof buffer, at)) > 0; at += n)
            text.append(buffer, static_cast<std::size_t>(n));
        return text;
    }

private:
    pid_t m_pid = -1;
    int m_out = -1, m_err = -1;
    bool m_ended = false;
    std::string m_errText;
};

class DrawHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The host and this test share a private runtime folder and settings store.
        std::filesystem::create_directory(runtime);
        chmod(runtime.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        setenv("VELTRA_REGISTRY", temp.file("registry.db").c_str(), 1);
        std::string make = std::string("bash ") + MAKE_SAMPLE + " " + VELTRA_CLI_PATH + " " + project + " >/dev/null";
        ASSERT_EQ(std::system(make.c_str()), 0);
    }
    std::vector<std::string> Drawn(const std::string& folder) {
        std::vector<std::string> names;
        for (const auto& f : std::filesystem::directory_iterator(folder)) {
            std::string ext = f.path().extension().string();
            if (ext == ".dxf" || ext == ".svg") names.push_back(f.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    // Every drawing of the project's list gets `fileName`, as a project from someone else may hold it.
    void SetDrawingFileName(const std::string& fileName) {
        auto db = dao::Database::Open(project);
        db->Execute("UPDATE [图形布置信息表] SET [FileName] = " + dao::QuoteLiteral(fileName));
    }
    // The host's settings point at the sample project and its bridge layout.
    void ChooseBridgeLayout() {
        registry::WriteSetting("Current Database File", "File", project);
        registry::WriteSetting("Current Drawing", "DrawingType", "桥型布置图");
        registry::WriteSetting("Current Drawing", "DrawingName", "桥型布置图");
    }
    testing_support::TempDir temp;
    std::string runtime = temp.file("run");
    std::string project = temp.file("sample.vlt");
};

}  // namespace drawhost_test
