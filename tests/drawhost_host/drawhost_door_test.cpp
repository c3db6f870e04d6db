// What the drawing host lets in and what it writes: files only inside the project's folder, however the
// project names them; a line over the limit refused and a long one answered before it is shown; half-sent
// messages dropped; a resend after the sender gave up acknowledged without drawing twice; --help and
// --version without a window.
#include <fstream>

#include "host_process.h"
#include "platform/windows/window_directory.h"
#include "support/raw_peer.h"

namespace {

using drawhost_test::DrawHostTest;
using drawhost_test::HostProcess;
using drawhost_test::Strings;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// veltra-cli with its standard error; the exit status.
int RunCli(const std::string& arguments, std::string& err) {
    std::string command = std::string(VELTRA_CLI_PATH) + " " + arguments + " 2>&1 >/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    err.clear();
    char buffer[4096];
    while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) err.append(buffer, n);
    int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

class DrawHostDoorTest : public DrawHostTest {
protected:
    // The host's window handle from the line it prints once registered.
    windows::WindowHandle StartHost(HostProcess& host) {
        std::string line = host.WaitForLine("registered");
        std::size_t at = line.find("window ");
        return at == std::string::npos ? 0 : std::strtoll(line.c_str() + at + 7, nullptr, 10);
    }
    windows::SendOutcome Send(windows::WindowHandle to, const std::string& text, std::uint64_t id = 0) {
        windows::CopyData record = windows::CommandLineRecord(text, to);
        record.id = id;
        return windows::WindowDirectory::ForUser().Send(to, record);
    }
};

TEST_F(DrawHostDoorTest, HelpAndVersionAnswerWithoutAWindow) {
    struct Case {
        const char* argument;
        const char* shows;
    } cases[] = {{"--help", "drawhost --render PROJECT --out DIR"}, {"--version", "drawhost"}};
    for (const auto& c : cases) {
        // Without a display a window cannot open: a run that tried would fail.
        HostProcess host({c.argument}, "none");
        EXPECT_EQ(host.Wait(), 0) << c.argument;
        EXPECT_NE(host.Out().find(c.shows), std::string::npos) << c.argument;
    }
    HostProcess wrong({"--render", project}, "none");
    EXPECT_NE(wrong.WaitForLine("用法"), "");
    EXPECT_EQ(wrong.Wait(), 2);
}

TEST_F(DrawHostDoorTest, DrawingsNeverLandOutsideTheFolderTheyBelongIn) {
    std::string out = temp.file("out");
    std::filesystem::create_directory(out);
    std::string victim = temp.file("victim.svg");
    std::ofstream(victim) << "keep";
    std::filesystem::create_symlink(victim, out + "/Linked.svg");
    std::filesystem::create_symlink(temp.file("planted.dxf"), out + "/Dangling.dxf");
    struct Case {
        std::string fileName;
        std::string said;
    } cases[] = {
        {"../escaped", "含有“..”"},       {"sub/../../escaped", "含有“..”"},  {temp.file("absolute"), "是绝对路径"},
        {"Linked", "经由链接指到文件夹"}, {"Dangling", "经由链接指到文件夹"},
    };
    for (const auto& c : cases) {
        SetDrawingFileName(c.fileName);
        HostProcess host({"--render", project, "--out", out}, "none");
        EXPECT_NE(host.WaitForLine(c.said), "") << c.fileName;
        EXPECT_EQ(host.Wait(), 1) << c.fileName;
    }
    EXPECT_EQ(ReadFile(victim), "keep");
    for (const char* stray : {"escaped.dxf", "escaped.svg", "absolute.dxf", "absolute.svg", "planted.dxf"})
        EXPECT_FALSE(std::filesystem::exists(temp.file(stray))) << stray;
    EXPECT_EQ(Drawn(out), (Strings{"Dangling.dxf", "Linked.svg"}));  // the links as they were

    // A name inside the folder, a subfolder included, is drawn.
    std::filesystem::create_directory(out + "/图纸");
    SetDrawingFileName("图纸/桥型");
    HostProcess good({"--render", project, "--out", out}, "none");
    EXPECT_EQ(good.Wait(), 0);
    EXPECT_EQ(Drawn(out + "/图纸"), (Strings{"桥型.dxf", "桥型.svg"}));
}

TEST_F(DrawHostDoorTest, VltinRefusesADrawingNamedOutOfTheProjectFolder) {
    // Beside the test's own folder, where nothing else would be named so.
    std::string escaped = temp.path().filename().string() + "-escaped";
    SetDrawingFileName("../" + escaped);
    ChooseBridgeLayout();
    HostProcess host({});
    windows::WindowHandle window = StartHost(host);
    ASSERT_NE(window, 0);
    EXPECT_EQ(Send(window, "LOADDBAUTO ").answer, 1);
    EXPECT_EQ(Send(window, "VLTIN ").answer, 1);
    std::string failed = host.WaitForLine("绘图失败");
    EXPECT_NE(failed.find("含有“..”"), std::string::npos) << failed;
    EXPECT_EQ(Send(window, "QUIT ").answer, 1);
    EXPECT_EQ(host.Wait(), 0);
    for (const char* extension : {".dxf", ".svg"})
        EXPECT_FALSE(std::filesystem::exists(temp.path().parent_path() / (escaped + extension)));
    EXPECT_TRUE(Drawn(temp.path().string()).empty());
}

TEST_F(DrawHostDoorTest, AnOverlongLineIsRefusedAndALongOneAnsweredBeforeItIsShown) {
    HostProcess host({});
    windows::WindowHandle window = StartHost(host);
    ASSERT_NE(window, 0);

    windows::SendOutcome refused = Send(window, std::string(windows::kMaxCommandLineBytes + 1, 'x'));
    EXPECT_EQ(refused.result, windows::SendResult::Delivered);
    EXPECT_EQ(refused.answer, windows::kAnswerTooLarge);

    // At the limit: taken within the sender's time limit, however long the pane would take to show it.
    std::string longest(windows::kMaxCommandLineBytes, 'y');
    windows::SendOutcome taken = Send(window, longest);
    EXPECT_EQ(taken.result, windows::SendResult::Delivered);
    EXPECT_EQ(taken.answer, 1);
    std::string answer = host.WaitForLine("未知命令");
    EXPECT_LT(answer.size(), 5000u);
    EXPECT_NE(answer.find("只显示前"), std::string::npos) << answer;

    EXPECT_EQ(Send(window, "QUIT ").answer, 1);
    EXPECT_EQ(host.Wait(), 0);
    EXPECT_EQ(host.Out(), longest + "\nQUIT \n");
}

TEST_F(DrawHostDoorTest, AHalfSentMessageIsDroppedAfterAFewSeconds) {
    HostProcess host({});
    windows::WindowHandle window = StartHost(host);
    ASSERT_NE(window, 0);
    testing_support::RawPeer stalled(windows::WindowDirectory::ForUser().SocketPath(window));
    ASSERT_TRUE(stalled.Connected());
    std::string frame = windows::EncodeFrame(windows::CommandLineRecord("VLTIN ", window));
    ASSERT_EQ(stalled.Write(frame.substr(0, frame.size() - 3)), frame.size() - 3);
    EXPECT_TRUE(stalled.ClosedByReceiver(std::chrono::seconds(30)));
    // Meanwhile and after, the host serves others.
    EXPECT_EQ(Send(window, "QUIT ").answer, 1);
    EXPECT_EQ(host.Wait(), 0);
    EXPECT_EQ(host.Out(), "QUIT \n");
}

TEST_F(DrawHostDoorTest, AResendAfterTheSenderGaveUpIsAcknowledgedWithoutDrawingTwice) {
    ChooseBridgeLayout();
    HostProcess host({});
    windows::WindowHandle window = StartHost(host);
    ASSERT_NE(window, 0);
    EXPECT_EQ(Send(window, "LOADDBAUTO ").answer, 1);

    // The sender writes the whole command and gives up before the answer; the host takes it all the same.
    constexpr std::uint64_t kId = 0x5eed0001;
    windows::CopyData vltin = windows::CommandLineRecord("VLTIN ", window);
    vltin.id = kId;
    {
        testing_support::RawPeer gaveUp(windows::WindowDirectory::ForUser().SocketPath(window));
        std::string frame = windows::EncodeFrame(vltin);
        ASSERT_EQ(gaveUp.Write(frame), frame.size());
    }
    EXPECT_NE(host.WaitForLine("已写出图形文件"), "");

    // The resend under the same id is acknowledged; a new id is a new command.
    windows::SendOutcome resent = Send(window, "VLTIN ", kId);
    EXPECT_EQ(resent.result, windows::SendResult::Delivered);
    EXPECT_EQ(resent.answer, 1);
    EXPECT_EQ(Send(window, "QUIT ", kId + 1).answer, 1);
    EXPECT_EQ(host.Wait(), 0);
    EXPECT_EQ(Count(host.Out(), "VLTIN"), 1u);
    EXPECT_EQ(Count(host.RestOfErr(), "正在绘图"), 0u);  // no second drawing after the first was written
}

TEST_F(DrawHostDoorTest, FileNamesLeadingOutAreRefusedWhereTheyComeIn) {
    std::string err;
    // The wizard's description.
    std::string json = temp.file("wizard.json");
    std::ofstream(json)
        << R"({"drawings": [["桥型布置图", "../../x", "桥型布置图", "A3", "100", "100", "图标1", "不绘制"]]})";
    std::string made = temp.file("made.vlt");
    EXPECT_EQ(RunCli("new " + Quoted(made) + " --from " + Quoted(json), err), 1);
    EXPECT_NE(err.find("绘图信息第1行：图形文件名“../../x”含有“..”"), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(made));

    // A project from someone else: its drawing list is not copied into a new project, nor chosen.
    SetDrawingFileName("/home/someone/.profile");
    std::string copy = temp.file("copy.vlt");
    EXPECT_EQ(RunCli("new-from " + Quoted(project) + " " + Quoted(copy), err), 1);
    EXPECT_NE(err.find("图形文件名“/home/someone/.profile”是绝对路径"), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(copy));

    // Choosing the layout drawing as the target writes its kind only, so such a name never reaches the
    // target's file name; the host refuses it when it comes to draw.
    registry::WriteSetting("Current Drawing", "FileName", "Draw1.dwg");
    EXPECT_EQ(RunCli("drawing target " + Quoted(project) + " 1", err), 0) << err;
    EXPECT_EQ(registry::ReadSetting("Current Drawing", "FileName"), "Draw1.dwg");
}

}  // namespace
