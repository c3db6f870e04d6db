// The stand-in drawing host as its own program beside the shell's drawing link: it takes the command lines
// the shell sends, opens the project, draws the chosen drawing beside it, and tells the shell when it quits.
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "drawing/acad_session.h"
#include "drawing/acad_window_directory.h"
#include "platform/interaction/scripted.h"
#include "platform/registry/registry.h"
#include "platform/windows/registered_window.h"
#include "support/test_support.h"
#include "support/window_server.h"

namespace {

using Strings = std::vector<std::string>;

// The drawing host started with its output in pipes; its standard error is read line by line.
class HostProcess {
public:
    explicit HostProcess(const std::vector<std::string>& arguments) {
        int out[2], err[2];
        if (pipe(out) != 0 || pipe(err) != 0) return;
        m_pid = fork();
        if (m_pid == 0) {
            dup2(out[1], 1);
            dup2(err[1], 2);
            close(out[0]);
            close(err[0]);
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            std::vector<std::string> words{DRAWHOST_PATH};
            words.insert(words.end(), arguments.begin(), arguments.end());
            std::vector<char*> argv;
            for (auto& w : words) argv.push_back(w.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(out[1]);
        close(err[1]);
        m_out = out[0];
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
    std::string Out() {
        std::string text;
        char buffer[4096];
        ssize_t n;
        while ((n = read(m_out, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<std::size_t>(n));
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
    testing_support::TempDir temp;
    std::string runtime = temp.file("run");
    std::string project = temp.file("sample.vlt");
};

TEST_F(DrawHostTest, TakesTheShellsCommandsDrawsAndAnnouncesItsEnd) {
    HostProcess host({});
    ASSERT_NE(host.WaitForLine("registered"), "");

    registry::WriteSetting("Current Database File", "File", project);
    registry::WriteSetting("Current Drawing", "DrawingType", "桥型布置图");
    registry::WriteSetting("Current Drawing", "DrawingName", "桥型布置图");
    registry::WriteSetting("Loaded ARX Application", "AppName", "");

    // The shell's side: its main window in the directory, and the drawing link.
    windows::WindowDirectory directory = windows::WindowDirectory::ForUser();
    windows::RegisteredWindow shell(directory, "LumarisOmbrix - [" + project + "]");
    Strings notices;
    shell.SetHandler([&](const windows::CopyData& data) {
        notices.push_back(windows::RecordText(data));
        return 1;
    });
    ui::ScriptedPrompter prompter;
    drawing::DirectoryWindowSystem desktop(directory);
    drawing::AcadSession acad(desktop, prompter);
    {
        testing_support::WindowServer server(shell);
        ASSERT_TRUE(acad.SendAcadCommand("LoadDBAuto "));
        EXPECT_EQ(registry::ReadSetting("Loaded ARX Application", "AppName"), "Ombrix.arx");
        EXPECT_NE(host.WaitForLine("已打开项目数据库"), "");
        ASSERT_TRUE(acad.SendAcadCommand("VltIn "));
        std::string drawn = host.WaitForLine("图形文件");
        EXPECT_NE(drawn, "");
        EXPECT_EQ(drawn.find("绘图失败"), std::string::npos) << drawn;
        ASSERT_TRUE(acad.SendAcadCommand("quit "));
        EXPECT_EQ(host.Wait(), 0);
    }
    EXPECT_TRUE(prompter.texts().empty());
    EXPECT_EQ(host.Out(), "(arxload \"Ombrix.arx\") \nLOADDBAUTO \nVLTIN \nQUIT \n");
    EXPECT_EQ(notices, Strings{"AutoCAD is about quitting."});
    // The sample's bridge layout is listed as the drawing file Draw1.
    EXPECT_EQ(Drawn(temp.path().string()), (Strings{"Draw1.dxf", "Draw1.svg"}));
}

TEST_F(DrawHostTest, RendersWithoutAWindow) {
    std::string out = temp.file("out");
    HostProcess host({"--render", project, "--out", out});
    EXPECT_EQ(host.Wait(), 0);
    EXPECT_EQ(Drawn(out), (Strings{"Draw1.dxf", "Draw1.svg"}));

    HostProcess broken({"--render", temp.file("missing.vlt"), "--out", out});
    EXPECT_NE(broken.WaitForLine("无法打开项目数据库"), "");
    EXPECT_EQ(broken.Wait(), 1);
}

}  // namespace
